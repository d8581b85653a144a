#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <memory>

#include "core/earth/flight.h"
#include "core/util/steady_clock.h"

class QWidget;

namespace vianora::gui {

class ApplicationGE;
class EarthWaitDialog;
class GoogleEarthLauncher;
class UserPrompts;

/// The Google Earth fly-through of one trip window: at most one flight at a time.
///
/// A flight is a Flight moved on by a timer, one step every kStepMs: waiting for Google Earth
/// (with a non-modal indication whose Cancel stops it), then flying, then stopped. The window
/// stays usable meanwhile. Closing the window, deleting it, quitting the application or
/// stop() end the flight at once.
class FlyThrough : public QObject {
  Q_OBJECT

 public:
  /// How often a running flight takes a step, in milliseconds: a tenth of the pause after
  /// each point, so that the pause lasts about as long as asked.
  static constexpr int kStepMs = 10;

  /// `trip` gives the trip of the window's last "Refresh", nullptr when none; it is asked
  /// anew at every point.
  FlyThrough(QWidget* window, UserPrompts& prompts, std::function<const Percorso*()> trip);
  ~FlyThrough() override;

  /// Replaces how Google Earth is found and started (the desktop's by default).
  void setLauncher(std::unique_ptr<GoogleEarthLauncher> launcher);
  /// Replaces the clock of the readiness limit and of the pause after each point.
  void setClock(std::function<double()> clock) { clock_ = std::move(clock); }

  bool isFlying() const { return flight_ != nullptr; }

  /// Starts Google Earth and a flight along the trip, and returns at once; does nothing while
  /// a flight runs. Failures are told to the user; a completed or stopped flight ends
  /// silently. However it ends, Google Earth's next fetch is told to stop refreshing the link.
  void fly();

  /// Ends the running flight, if any, at once.
  void stop();

 protected:
  /// Watches the application during a flight: quitting it stops the flight.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void step();
  void end();

  QWidget* window_;
  UserPrompts& prompts_;
  std::function<const Percorso*()> trip_;
  std::unique_ptr<GoogleEarthLauncher> launcher_;
  std::function<double()> clock_ = steadyClockSeconds;
  QTimer stepTimer_;
  // The running flight and what it flies; null when none runs.
  std::unique_ptr<ApplicationGE> earth_;
  std::unique_ptr<Flight> flight_;
  QPointer<EarthWaitDialog> waitDialog_;  // owned by the window, shown while waiting
};

}  // namespace vianora::gui
