#include "gui/earth/fly_through.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

#include "gui/earth/application_ge.h"
#include "gui/earth/earth_wait_dialog.h"
#include "gui/earth/google_earth_launcher.h"
#include "gui/import/user_prompts.h"

namespace vianora::gui {
namespace {

const QString kNoAnswer =
    QStringLiteral("Google Earth Pro did not answer within 120 seconds: the trip was not flown.");

}  // namespace

FlyThrough::FlyThrough(QWidget* window, UserPrompts& prompts, std::function<const Percorso*()> trip)
    : QObject(window),
      window_(window),
      prompts_(prompts),
      trip_(std::move(trip)),
      launcher_(std::make_unique<DesktopGoogleEarthLauncher>()) {
  stepTimer_.setInterval(kStepMs);
  connect(&stepTimer_, &QTimer::timeout, this, &FlyThrough::step);
}

FlyThrough::~FlyThrough() { stop(); }

void FlyThrough::setLauncher(std::unique_ptr<GoogleEarthLauncher> launcher) {
  launcher_ = std::move(launcher);
}

void FlyThrough::stop() {
  if (isFlying()) end();
}

bool FlyThrough::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Quit) stop();
  return QObject::eventFilter(watched, event);
}

void FlyThrough::fly() {
  if (isFlying()) return;
  ApplicationGE::Created created = ApplicationGE::create(*launcher_);
  if (!created.instance) {
    prompts_.critical(window_, kApplicationTitle, created.failure);
    return;
  }
  earth_ = std::move(created.instance);
  flight_ = std::make_unique<Flight>(*earth_, trip_, clock_());
  waitDialog_ = new EarthWaitDialog(window_);
  // Queued: the dialog goes with the flight, and must not go inside its own signal.
  connect(waitDialog_, &QDialog::rejected, this, &FlyThrough::stop, Qt::QueuedConnection);
  waitDialog_->show();
  // Quitting ends the flight at once, while the application and its windows are still whole.
  QCoreApplication::instance()->installEventFilter(this);
  stepTimer_.start();
  step();  // a Google Earth that is already ready is flown at once
}

void FlyThrough::step() {
  const FlightState state = flight_->step(clock_());
  if (state != FlightState::Waiting) delete waitDialog_.data();
  if (!flight_->ended()) return;
  end();
  if (state == FlightState::TimedOut) prompts_.critical(window_, kApplicationTitle, kNoAnswer);
}

void FlyThrough::end() {
  stepTimer_.stop();
  QCoreApplication::instance()->removeEventFilter(this);
  delete waitDialog_.data();
  flight_.reset();
  ApplicationGE::release(std::move(earth_));  // the link stops with the flight
}

}  // namespace vianora::gui
