#pragma once

#include <QString>
#include <QTemporaryDir>
#include <memory>

#include "earth/i_application_ge.h"
#include "earth/kml_server.h"

namespace vianora::gui {

class GoogleEarthLauncher;

/// Google Earth's camera through a KML network link, for Google Earth Pro on Linux and macOS,
/// which has no automation server.
///
/// Creating one starts a camera document server on 127.0.0.1 and opens Google Earth Pro on a
/// launch file whose network link fetches that document every kCameraRefreshSeconds and flies
/// to the view it carries. Until the first SetCameraParams the document carries no view.
/// Releasing the instance stops the server and removes the launch file.
class ApplicationGE : public IApplicationGE {
 public:
  /// A started instance, or why there is none.
  struct Created {
    std::unique_ptr<ApplicationGE> instance;
    QString failure;  ///< the message for the user when there is no instance
  };

  /// Starts the link and Google Earth Pro on it; `port` 0 takes a free one.
  static Created create(GoogleEarthLauncher& launcher, quint16 port = 0);

  /// Non-zero once Google Earth has fetched the camera document.
  std::int32_t IsInitialized() override;

  /// The next fetch flies to a LookAt at lat, lon with the altitude, range, tilt, heading =
  /// azimuth and altitude mode of altMode (see lookAtOf). `speed` has no counterpart in a
  /// network link: Google Earth flies there at its own fly-to speed.
  void SetCameraParams(double lat, double lon, double alt, std::int32_t altMode, double range,
                       double tilt, double azimuth, double speed) override;

  /// The launch file handed to Google Earth.
  QString launchKmlPath() const;

 private:
  ApplicationGE();
  QString writeLaunchKml();

  KmlServer server_;
  QTemporaryDir folder_;  // holds the launch file
};

}  // namespace vianora::gui
