#pragma once

// A stand-in for Google Earth Pro: a launcher that "starts" it by reading the launch file, and
// an HTTP client that fetches the link's address over and over, as Google Earth does. The
// core's tests pin what the KML says; here only the texts that matter are read.

#include <QFile>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QRegularExpression>
#include <QTimer>
#include <functional>
#include <memory>
#include <vector>

#include "core/store/punto.h"
#include "gui/earth/google_earth_launcher.h"

namespace vianora::gui::test_support {

/// The text of the first <`name`> element of `kml`, empty when there is none.
inline QString kmlText(const QByteArray& kml, const QString& name) {
  return QRegularExpression("<" + name + ">([^<]*)</").match(QString::fromUtf8(kml)).captured(1);
}
/// True for the camera document that stops the link's refreshes.
inline bool stopsLink(const QByteArray& kml) { return kml.contains("<minRefreshPeriod>"); }

using View = std::pair<double, double>;  ///< latitude, longitude
inline View viewOf(const Punto& point) { return {point.Latitudine, point.Longitudine}; }

/// Fetches the camera document over and over, one fetch at a time, and keeps what it got.
struct FakeGoogleEarth {
  explicit FakeGoogleEarth(QUrl url) : url(std::move(url)) {
    network.setProxy(QNetworkProxy::NoProxy);
  }
  void start() {
    QNetworkReply* reply = network.get(QNetworkRequest(url));
    QObject::connect(reply, &QNetworkReply::finished, &network, [this, reply] {
      reply->deleteLater();
      if (reply->error() == QNetworkReply::NoError) keep(reply->readAll());
      failures += reply->error() == QNetworkReply::NoError ? 0 : 1;
      QTimer::singleShot(0, &network, [this] { start(); });
    });
  }
  void keep(const QByteArray& kml) {
    documents.push_back(kml);
    const View view{kmlText(kml, "latitude").toDouble(), kmlText(kml, "longitude").toDouble()};
    if (kmlText(kml, "latitude").isEmpty() || (!views.empty() && views.back() == view)) return;
    views.push_back(view);
    if (onView) onView(view);
  }

  QUrl url;
  QNetworkAccessManager network;
  std::vector<QByteArray> documents;  ///< every document fetched, in order
  std::vector<View> views;            ///< the views of the documents, each new one once
  int failures = 0;                   ///< fetches that got no document
  std::function<void(View)> onView;   ///< called at each new view
};

/// Finds Google Earth as told and "starts" it: reads the launch file and, unless told to stay
/// silent, lets a FakeGoogleEarth fetch its link.
struct FakeLauncher : GoogleEarthLauncher {
  QString find() override { return installed ? "/opt/fake/google-earth-pro" : QString(); }
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

  bool installed = true, startSucceeds = true;
  bool answers = true;  ///< false: Google Earth never fetches anything
  int starts = 0;
  QUrl href;  ///< the link of the last launch file
  std::unique_ptr<FakeGoogleEarth> earth;
  std::function<void(FakeGoogleEarth&)> onStart;  ///< set-up of a new Google Earth
};

/// Lends a launcher that the test keeps to a window, which wants to own one.
struct LauncherRef : GoogleEarthLauncher {
  explicit LauncherRef(GoogleEarthLauncher& target) : target(target) {}
  QString find() override { return target.find(); }
  bool start(const QString& program, const QString& file) override {
    return target.start(program, file);
  }
  GoogleEarthLauncher& target;
};

}  // namespace vianora::gui::test_support
