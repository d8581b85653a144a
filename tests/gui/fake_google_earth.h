#pragma once

#include "gui/earth/google_earth_launcher.h"

namespace vianora::gui::test_support {

/// Finds Google Earth Pro, or not, as told, and cannot start it: enough for a window whose test
/// does not fly. The fly-through's test starts a stand-in for Google Earth instead.
struct FakeLauncher : GoogleEarthLauncher {
  static inline const QString kProgram = QStringLiteral("/opt/fake/google-earth-pro");
  bool installed = true;
  QString find() override { return installed ? kProgram : QString(); }
  bool start(const QString&, const QString&) override { return false; }
};

}  // namespace vianora::gui::test_support
