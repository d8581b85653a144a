#pragma once

#include <QString>
#include <QTemporaryDir>
#include <memory>
#include <optional>
#include <string>

#include "core/earth/i_application_ge.h"
#include "core/earth/kml_documents.h"
#include "gui/earth/kml_server.h"

namespace vianora::gui {

class GoogleEarthLauncher;

/// Google Earth's camera through a KML network link, for Google Earth Pro on Linux and macOS,
/// which has no automation server.
///
/// Creating one starts a camera document server on 127.0.0.1 and opens Google Earth Pro on a
/// launch file whose network link fetches that document every kCameraRefreshSeconds and flies
/// to the view it carries. The document's path holds a new random secret for each instance,
/// and the server answers any other path with 404. Until the first SetCameraParams the
/// document carries no view. release() ends the link so that Google Earth stops fetching it;
/// deleting the instance otherwise closes the server at once. Either removes the launch file.
class ApplicationGE : public IApplicationGE {
 public:
  /// A started instance, or why there is none.
  struct Created {
    std::unique_ptr<ApplicationGE> instance;
    QString failure;  ///< the message for the user when there is no instance
  };

  /// How many refresh intervals a released link waits for Google Earth's next fetch.
  static constexpr int kRefreshesAwaited = 2;
  /// How long a released link waits for Google Earth's next fetch, in milliseconds.
  static constexpr int kLastAnswerMs =
      static_cast<int>(kRefreshesAwaited * kCameraRefreshSeconds * 1000);

  /// Starts the link, on `port`, and Google Earth Pro on it.
  static Created create(GoogleEarthLauncher& launcher, quint16 port = KmlServer::kAnyFreePort);

  /// Ends a flight's link without waiting: Google Earth's next fetch, within kLastAnswerMs,
  /// gets the last view with a NetworkLinkControl that stops the link's refreshes, and then
  /// the server closes. The server outlives `earth` by kLastAnswerMs at most, and never the
  /// application object: quitting does not wait for Google Earth.
  static void release(std::unique_ptr<ApplicationGE> earth);

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

  std::string secret_;  // in the camera path: this flight's own, unknown to other users
  std::unique_ptr<KmlServer> server_;
  std::optional<LookAt> view_;  // the view of the last SetCameraParams
  QTemporaryDir folder_;        // holds the launch file
};

}  // namespace vianora::gui
