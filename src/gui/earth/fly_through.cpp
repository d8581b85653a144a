#include "gui/earth/fly_through.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include "gui/earth/application_ge.h"
#include "gui/earth/earth_wait_dialog.h"
#include "gui/earth/google_earth_launcher.h"
#include "gui/import/user_prompts.h"

namespace vianora::gui {
namespace {

const QString kNoAnswer =
    QStringLiteral("Google Earth Pro did not answer within 120 seconds: the trip was not flown.");

// While the flight waits for events it wakes at least this often to look at the clock.
constexpr int kWakeUpMs = 10;

// Sleeps until an event arrives instead of spinning: a long flight must not hold a processor.
void processEventsGently() {
  QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}

}  // namespace

FlyThrough::FlyThrough(QWidget* window, UserPrompts& prompts, std::function<const Percorso*()> trip)
    : QObject(window),
      window_(window),
      prompts_(prompts),
      trip_(std::move(trip)),
      launcher_(std::make_unique<DesktopGoogleEarthLauncher>()) {}

FlyThrough::~FlyThrough() { stop(); }

void FlyThrough::setLauncher(std::unique_ptr<GoogleEarthLauncher> launcher) {
  launcher_ = std::move(launcher);
}

void FlyThrough::stop() {
  if (stopRequest_) *stopRequest_ = true;
}

bool FlyThrough::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Quit) stop();
  return QObject::eventFilter(watched, event);
}

void FlyThrough::fly() {
  if (isFlying()) return;
  std::unique_ptr<ApplicationGE> earth = startEarth();
  if (!earth) return;

  // What the loop needs after processing events is owned here, not by this object.
  const auto stopRequest = std::make_shared<bool>(false);
  stopRequest_ = stopRequest;
  const QPointer<FlyThrough> alive(this);
  QTimer wakeUp;
  wakeUp.start(kWakeUpMs);
  FlightHooks hooks;
  hooks.pumpEvents = processEventsGently;
  hooks.stopRequested = [alive, stopRequest] { return alive.isNull() || *stopRequest; };
  hooks.trip = [alive, this] { return alive ? trip_() : nullptr; };
  hooks.clock = clock_;
  // The loop runs nested in the handler: quitting must end it, or the program would linger.
  QCoreApplication::instance()->installEventFilter(this);

  const ReadinessResult readiness = waitForEarth(*earth, hooks);
  if (readiness == ReadinessResult::Ready) flyTrip(*earth, hooks);
  ApplicationGE::release(std::move(earth));  // the link stops with the flight
  if (alive.isNull()) return;
  QCoreApplication::instance()->removeEventFilter(this);
  stopRequest_.reset();
  if (readiness == ReadinessResult::TimedOut) {
    prompts_.critical(window_, kApplicationTitle, kNoAnswer);
  }
}

std::unique_ptr<ApplicationGE> FlyThrough::startEarth() {
  ApplicationGE::Created created = ApplicationGE::create(*launcher_);
  if (!created.instance) prompts_.critical(window_, kApplicationTitle, created.failure);
  return std::move(created.instance);
}

// Touches no member once the wait has begun: the window may be gone when it ends.
ReadinessResult FlyThrough::waitForEarth(IApplicationGE& earth, const FlightHooks& hooks) {
  const QPointer<EarthWaitDialog> dialog = new EarthWaitDialog(window_);
  connect(dialog, &QDialog::rejected, this, &FlyThrough::stop);
  dialog->show();
  const ReadinessResult result = waitUntilReady(earth, hooks);
  delete dialog.data();
  return result;
}

}  // namespace vianora::gui
