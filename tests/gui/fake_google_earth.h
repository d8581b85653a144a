#pragma once

// A stand-in for Google Earth Pro: a launcher that "starts" it by reading the launch file, and
// an HTTP client that fetches the network link's address over and over, as Google Earth does.
// What the KML says is pinned by the core's tests; here only the texts that matter are read.

#include <QFile>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QRegularExpression>
#include <QTimer>
#include <functional>
#include <memory>
#include <vector>

#include "gui/earth/google_earth_launcher.h"

namespace vianora::gui::test_support {

/// The text of the first <`name`> element of `kml`, empty when there is none.
inline QString kmlText(const QByteArray& kml, const QString& name) {
  return QRegularExpression("<" + name + ">([^<]*)</" + name + ">")
      .match(QString::fromUtf8(kml))
      .captured(1);
}

/// True for the camera document that stops the link's refreshes.
inline bool stopsLink(const QByteArray& kml) { return kml.contains("<minRefreshPeriod>"); }

using View = std::pair<double, double>;  ///< latitude, longitude

/// Fetches the camera document over and over, one fetch at a time, and keeps what it got.
class FakeGoogleEarth {
 public:
  explicit FakeGoogleEarth(QUrl url) : url_(std::move(url)) {
    network_.setProxy(QNetworkProxy::NoProxy);
  }

  std::vector<QByteArray> documents;  ///< every document fetched, in order
  std::vector<View> views;            ///< the views of the documents, each new one once
  int failures = 0;                   ///< fetches that got no document
  std::function<void(View)> onView;   ///< called at each new view

  void start() {
    QNetworkReply* reply = network_.get(QNetworkRequest(url_));
    QObject::connect(reply, &QNetworkReply::finished, &network_, [this, reply] {
      reply->deleteLater();
      if (reply->error() == QNetworkReply::NoError) keep(reply->readAll());
      if (reply->error() != QNetworkReply::NoError) ++failures;
      QTimer::singleShot(0, &network_, [this] { start(); });
    });
  }

 private:
  void keep(const QByteArray& kml) {
    documents.push_back(kml);
    if (kmlText(kml, "latitude").isEmpty()) return;
    const View view{kmlText(kml, "latitude").toDouble(), kmlText(kml, "longitude").toDouble()};
    if (!views.empty() && views.back() == view) return;
    views.push_back(view);
    if (onView) onView(view);
  }

  QUrl url_;
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
  QUrl href;  ///< the link of the last launch file
  std::unique_ptr<FakeGoogleEarth> earth;
  std::function<void(FakeGoogleEarth&)> onStart;  ///< set-up of a new Google Earth

  QString find() override {
    return installed ? QStringLiteral("/opt/fake/google-earth-pro") : QString();
  }
  bool start(const QString&, const QString& launchKmlPath) override {
    ++starts;
    QFile file(launchKmlPath);
    if (!startSucceeds || !file.open(QIODevice::ReadOnly)) return false;
    href = QUrl(kmlText(file.readAll(), "href"));
    earth = std::make_unique<FakeGoogleEarth>(href);
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
