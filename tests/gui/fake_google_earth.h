#pragma once

// A stand-in for Google Earth Pro: a launcher that "starts" it by reading the launch file, and
// an HTTP client that fetches the network link's address as Google Earth does.

#include <QFile>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QTimer>
#include <functional>
#include <memory>
#include <vector>

#include "gui/earth/google_earth_launcher.h"
#include "kml_reading.h"

namespace vianora::gui::test_support {

/// Fetches a camera document over and over, one fetch at a time, and keeps what it got.
class FakeGoogleEarth {
 public:
  explicit FakeGoogleEarth(QUrl url, int pauseMs = 0) : url_(std::move(url)), pauseMs_(pauseMs) {
    network_.setProxy(QNetworkProxy::NoProxy);
  }

  std::vector<CameraDocument> documents;  ///< every document fetched, in order
  std::vector<QByteArray> texts;          ///< their texts
  int viewChanges = 0;                    ///< views got that differ from the view before
  int failures = 0;                       ///< fetches that got no document
  std::function<void(const CameraDocument&)> onDocument;  ///< called after each new view

  void start() {
    polling_ = true;
    fetch();
  }
  void stop() { polling_ = false; }

 private:
  void fetch() {
    QNetworkReply* reply = network_.get(QNetworkRequest(url_));
    QObject::connect(reply, &QNetworkReply::finished, &network_, [this, reply] {
      reply->deleteLater();
      if (reply->error() == QNetworkReply::NoError) {
        keep(reply->readAll());
      } else {
        ++failures;
      }
      if (polling_) QTimer::singleShot(pauseMs_, &network_, [this] { fetch(); });
    });
  }

  void keep(const QByteArray& text) {
    texts.push_back(text);
    documents.push_back(readCameraKml(text));
    const CameraDocument& document = documents.back();
    if (!document.lookAt || document.lookAt == lastView_) return;
    lastView_ = document.lookAt;
    ++viewChanges;
    if (onDocument) onDocument(document);
  }

  QUrl url_;
  int pauseMs_;
  bool polling_ = false;
  std::optional<QMap<QString, QString>> lastView_;
  QNetworkAccessManager network_;
};

/// Finds Google Earth as told and "starts" it: reads the launch file and, unless told to stay
/// silent, lets a FakeGoogleEarth fetch its link.
class FakeLauncher : public GoogleEarthLauncher {
 public:
  bool installed = true;
  bool startSucceeds = true;
  bool answers = true;  ///< false: Google Earth never fetches anything
  int starts = 0;
  QByteArray launchText;  ///< the last launch file, read when it was started
  LaunchLink link;
  std::unique_ptr<FakeGoogleEarth> earth;
  std::function<void(FakeGoogleEarth&)> onStart;  ///< set-up of a new Google Earth

  QString find() override {
    return installed ? QStringLiteral("/opt/fake/google-earth-pro") : QString();
  }

  bool start(const QString&, const QString& launchKmlPath) override {
    ++starts;
    if (!startSucceeds) return false;
    QFile file(launchKmlPath);
    if (!file.open(QIODevice::ReadOnly)) return false;
    launchText = file.readAll();
    link = readLaunchKml(launchText);
    earth = std::make_unique<FakeGoogleEarth>(QUrl(link.href));
    if (onStart) onStart(*earth);
    if (answers) earth->start();
    return true;
  }
};

/// Lends a launcher that the test keeps to a window, which wants to own one.
class LauncherRef : public GoogleEarthLauncher {
 public:
  explicit LauncherRef(GoogleEarthLauncher& target) : target_(target) {}
  QString find() override { return target_.find(); }
  bool start(const QString& program, const QString& path) override {
    return target_.start(program, path);
  }

 private:
  GoogleEarthLauncher& target_;
};

}  // namespace vianora::gui::test_support
