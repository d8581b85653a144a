#pragma once

#include <functional>

#include "gui/earth/google_earth_launcher.h"

namespace vianora::gui::test_support {

/// Finds Google Earth Pro, or not, as told, and starts it with onStart: without one, it cannot.
struct FakeLauncher : GoogleEarthLauncher {
  bool installed = true;
  std::function<bool(const QString& launchKmlPath)> onStart;
  QString find() override { return installed ? "/opt/fake/google-earth-pro" : QString(); }
  bool start(const QString&, const QString& file) override { return onStart && onStart(file); }
};

}  // namespace vianora::gui::test_support
