#pragma once

#include <QObject>
#include <functional>
#include <memory>

#include "core/earth/flight.h"

class QWidget;

namespace vianora::gui {

class ApplicationGE;
class GoogleEarthLauncher;
class UserPrompts;

/// The Google Earth fly-through of one trip window: at most one flight at a time.
///
/// A flight runs inside the button's handler and processes events while it waits, so the
/// window stays usable. Everything the flight loop touches after processing events lives on
/// the handler's stack or is checked first: closing the window or deleting it (and this
/// object with it) ends the flight cleanly at its next step.
class FlyThrough : public QObject {
  Q_OBJECT

 public:
  /// `trip` gives the trip of the window's last "Refresh", nullptr when none; it is asked
  /// anew at every point.
  FlyThrough(QWidget* window, UserPrompts& prompts, std::function<const Percorso*()> trip);
  ~FlyThrough() override;

  /// Replaces how Google Earth is found and started (the desktop's by default).
  void setLauncher(std::unique_ptr<GoogleEarthLauncher> launcher);
  /// Replaces the clock of the readiness wait and of the pause after each point.
  void setClock(std::function<double()> clock) { clock_ = std::move(clock); }

  bool isFlying() const { return stopRequest_ != nullptr; }

  /// Starts Google Earth, waits until it is ready and flies it along the trip; returns once
  /// the flight has ended. Failures are told to the user; a completed or stopped flight ends
  /// silently. However it ends, Google Earth's next fetch is told to stop refreshing the link.
  void fly();

  /// Asks the running flight, if any, to end at its next step.
  void stop();

 protected:
  /// Watches the application during a flight: quitting it stops the flight.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::unique_ptr<ApplicationGE> startEarth();
  ReadinessResult waitForEarth(IApplicationGE& earth, const FlightHooks& hooks);

  QWidget* window_;
  UserPrompts& prompts_;
  std::function<const Percorso*()> trip_;
  std::unique_ptr<GoogleEarthLauncher> launcher_;
  std::function<double()> clock_ = steadyClockSeconds;
  std::shared_ptr<bool> stopRequest_;  // shared with the running flight, null when none runs
};

}  // namespace vianora::gui
