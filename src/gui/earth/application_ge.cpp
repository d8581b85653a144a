#include "gui/earth/application_ge.h"

#include <QCoreApplication>
#include <QFile>
#include <QRandomGenerator>

#include "gui/earth/google_earth_launcher.h"

namespace vianora::gui {
namespace {

const QString kLaunchFileName = QStringLiteral("vianora-fly-through.kml");

const QString kNotFound = QStringLiteral(
    "Google Earth Pro was not found.\n"
    "Install Google Earth Pro (the google-earth-pro program on Linux, the Google Earth Pro "
    "application on macOS) to fly along a trip.");
const QString kCannotListen = QStringLiteral(
    "Google Earth Pro cannot be given the trip: no local port could be opened "
    "for it (%1).");
const QString kCannotWrite = QStringLiteral(
    "Google Earth Pro cannot be given the trip: its link file could not be "
    "written (%1).");
const QString kCannotStart = QStringLiteral("Google Earth Pro (%1) could not be started.");

}  // namespace

// The operating system's generator: a secret must not be predictable from earlier ones.
ApplicationGE::ApplicationGE()
    : secret_(linkSecret([] { return QRandomGenerator::system()->generate(); })),
      server_(std::make_unique<KmlServer>(cameraPath(secret_))) {
  server_->setDocument(cameraKml(std::nullopt));
}

ApplicationGE::Created ApplicationGE::create(GoogleEarthLauncher& launcher, quint16 port) {
  const QString program = launcher.find();
  if (program.isEmpty()) return {nullptr, kNotFound};
  std::unique_ptr<ApplicationGE> earth(new ApplicationGE);
  if (!earth->server_->listen(port)) {
    return {nullptr, kCannotListen.arg(earth->server_->errorString())};
  }
  const QString writeFailure = earth->writeLaunchKml();
  if (!writeFailure.isEmpty()) return {nullptr, kCannotWrite.arg(writeFailure)};
  if (!launcher.start(program, earth->launchKmlPath())) {
    return {nullptr, kCannotStart.arg(program)};
  }
  return {std::move(earth), QString()};
}

QString ApplicationGE::launchKmlPath() const { return folder_.filePath(kLaunchFileName); }

// The reason it could not be written, or an empty text.
QString ApplicationGE::writeLaunchKml() {
  if (!folder_.isValid()) return folder_.errorString();
  QFile file(launchKmlPath());
  const QByteArray kml = QByteArray::fromStdString(
      launchKml(cameraUrl(server_->port(), secret_), kCameraRefreshSeconds));
  if (!file.open(QIODevice::WriteOnly) || file.write(kml) != kml.size() || !file.flush()) {
    return file.errorString();
  }
  return {};
}

std::int32_t ApplicationGE::IsInitialized() { return server_->servedCount() > 0 ? 1 : 0; }

void ApplicationGE::SetCameraParams(double lat, double lon, double alt, std::int32_t altMode,
                                    double range, double tilt, double azimuth, double speed) {
  view_ = lookAtOf({lat, lon, alt, altMode, range, tilt, azimuth, speed});
  server_->setDocument(cameraKml(view_));
}

void ApplicationGE::release(std::unique_ptr<ApplicationGE> earth) {
  KmlServer* server = earth->server_.release();
  server->setDocument(cameraKml(earth->view_, LinkRefresh::Stop));
  // The application owns it meanwhile: quitting does not wait for Google Earth.
  server->setParent(QCoreApplication::instance());
  server->endAfterNextAnswer(kLastAnswerMs);
}

}  // namespace vianora::gui
