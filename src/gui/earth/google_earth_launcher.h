#pragma once

#include <QProcessEnvironment>
#include <QString>

namespace vianora::gui {

/// Finds Google Earth Pro and starts it on a KML file.
class GoogleEarthLauncher {
 public:
  virtual ~GoogleEarthLauncher() = default;

  /// What starts Google Earth Pro, or an empty text when it is not installed.
  virtual QString find() = 0;

  /// Starts `program` (as find() gave it) on the KML file `launchKmlPath`, without waiting for
  /// it; a Google Earth that is already running may take the file instead. False when it
  /// cannot be started.
  virtual bool start(const QString& program, const QString& launchKmlPath) = 0;
};

/// Google Earth Pro as users install it: `google-earth-pro` on the PATH (Linux), the
/// "Google Earth Pro" application bundle in Applications (macOS).
class DesktopGoogleEarthLauncher : public GoogleEarthLauncher {
 public:
  QString find() override;
  bool start(const QString& program, const QString& launchKmlPath) override;
};

/// The environment Google Earth Pro is started with: `environment` with the C numeric locale.
/// Google Earth Pro misreads its own numbers under a locale whose decimal mark is a comma.
/// LC_ALL would outrank LC_NUMERIC, so its locale moves to LANG for the other categories.
QProcessEnvironment googleEarthEnvironment(QProcessEnvironment environment);

}  // namespace vianora::gui
