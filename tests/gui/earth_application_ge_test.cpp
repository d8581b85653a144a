#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <clocale>
#include <locale>
#include <string>
#include <utility>
#include <vector>

#include "fake_google_earth.h"
#include "gui/earth/application_ge.h"

namespace vianora::gui {
namespace {

using test_support::CameraDocument;
using test_support::FakeLauncher;

// A locale that writes numbers the Italian way, for whatever formats through the global locale.
struct CommaDecimals : std::numpunct<char> {
  char do_decimal_point() const override { return ','; }
};

class ApplicationGETest : public ::testing::Test {
 protected:
  std::unique_ptr<ApplicationGE> create() {
    ApplicationGE::Created created = ApplicationGE::create(launcher);
    EXPECT_TRUE(created.failure.isEmpty()) << created.failure.toStdString();
    return std::move(created.instance);
  }

  // Waits for Google Earth's next fetch and gives what it got.
  CameraDocument nextFetch() {
    const std::size_t before = launcher.earth->documents.size();
    EXPECT_TRUE(QTest::qWaitFor([&] { return launcher.earth->documents.size() > before; }, 3000));
    return launcher.earth->documents.back();
  }

  FakeLauncher launcher;
};

TEST_F(ApplicationGETest, OpensGoogleEarthOnAKml22NetworkLinkToLoopback) {
  launcher.answers = false;
  auto earth = create();
  ASSERT_NE(earth, nullptr);
  EXPECT_EQ(launcher.starts, 1);
  EXPECT_TRUE(launcher.link.problems.isEmpty()) << launcher.link.problems.join(", ").toStdString();
  EXPECT_EQ(launcher.link.flyToView, "1");
  EXPECT_EQ(launcher.link.refreshMode, "onInterval");
  EXPECT_EQ(launcher.link.refreshInterval, "0.5");
  const QUrl href(launcher.link.href);
  EXPECT_EQ(href.scheme(), "http");
  EXPECT_EQ(href.host(), "127.0.0.1");
  EXPECT_GT(href.port(), 0);
  EXPECT_TRUE(
      QRegularExpression("^/vianora/[0-9a-f]{32}/camera\\.kml$").match(href.path()).hasMatch())
      << href.path().toStdString();
}

// Another user of the machine can reach the port: only the path of this flight's link is served.
TEST_F(ApplicationGETest, EachFlightServesTheCameraOnlyAtItsOwnSecretPath) {
  launcher.answers = false;
  auto first = create();
  const QUrl firstHref(launcher.link.href);
  auto second = create();
  const QUrl secondHref(launcher.link.href);
  ASSERT_TRUE(first && second);
  EXPECT_NE(firstHref.path(), secondHref.path());
  ASSERT_EQ(firstHref.path().size(), 52);  // "/vianora/", 32 hex digits, "/camera.kml"
  const auto statusAt = [](QUrl url, const QString& path) {
    url.setPath(path);
    QNetworkAccessManager network;
    network.setProxy(QNetworkProxy::NoProxy);
    std::unique_ptr<QNetworkReply> reply(network.get(QNetworkRequest(url)));
    EXPECT_TRUE(QTest::qWaitFor([&reply] { return reply->isFinished(); }, 3000));
    return reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
  };
  QString wrongSecret = firstHref.path();
  wrongSecret[40] = wrongSecret[40] == QLatin1Char('0') ? QLatin1Char('1') : QLatin1Char('0');
  const std::vector<std::pair<QString, int>> cases = {
      {firstHref.path(), 200},
      {QStringLiteral("/camera.kml"), 404},
      {secondHref.path(), 404},
      {wrongSecret, 404},
      {QStringLiteral("/vianora/camera.kml"), 404},
      {firstHref.path().chopped(11), 404},
  };
  for (const auto& [path, status] : cases) {
    EXPECT_EQ(statusAt(firstHref, path), status) << path.toStdString();
  }
  EXPECT_EQ(first->IsInitialized(), 1);  // the one good fetch
  EXPECT_EQ(statusAt(secondHref, secondHref.path()), 200);
}

TEST_F(ApplicationGETest, IsInitializedOnceGoogleEarthHasFetchedTheCamera) {
  launcher.answers = false;
  auto earth = create();
  EXPECT_EQ(earth->IsInitialized(), 0);
  QTest::qWait(50);
  EXPECT_EQ(earth->IsInitialized(), 0);
  launcher.earth->start();
  const CameraDocument first = nextFetch();
  EXPECT_TRUE(first.valid);
  EXPECT_FALSE(first.lookAt.has_value());  // no view before the first camera position
  EXPECT_NE(earth->IsInitialized(), 0);
}

TEST_F(ApplicationGETest, EachFetchCarriesTheLatestCamera) {
  auto earth = create();
  nextFetch();
  earth->SetCameraParams(45.125, -7.5, 250.0, 2, 500.0, 10.0, 30.0, 4.0);
  nextFetch();  // may have been answered before the camera changed
  const CameraDocument document = nextFetch();
  ASSERT_TRUE(document.valid);
  ASSERT_TRUE(document.lookAt.has_value());
  EXPECT_EQ(document.number("latitude"), 45.125);
  EXPECT_EQ(document.number("longitude"), -7.5);
  EXPECT_EQ(document.number("altitude"), 250.0);
  EXPECT_EQ(document.number("range"), 500.0);
  EXPECT_EQ(document.number("tilt"), 10.0);
  EXPECT_EQ(document.number("heading"), 30.0);
  EXPECT_EQ(document.lookAt->value("altitudeMode"), "absolute");

  earth->SetCameraParams(-33.875, 151.25, 1000.0, 1, 1000.0, 0.0, 0.0, 4.0);
  nextFetch();
  const CameraDocument next = nextFetch();
  EXPECT_EQ(next.number("latitude"), -33.875);
  EXPECT_EQ(next.number("longitude"), 151.25);
  EXPECT_EQ(next.lookAt->value("altitudeMode"), "relativeToGround");
}

TEST_F(ApplicationGETest, WritesPointDecimalsUnderACommaLocale) {
  const QLocale savedQt;
  const std::locale savedCpp =
      std::locale::global(std::locale(std::locale::classic(), new CommaDecimals));
  QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
  const std::string savedC = std::setlocale(LC_NUMERIC, nullptr);
  const bool cLocale = std::setlocale(LC_NUMERIC, "it_IT.UTF-8") != nullptr ||
                       std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr;
  auto earth = create();
  nextFetch();
  earth->SetCameraParams(45.5, 7.25, 1000.5, 1, 1000.25, 0.0, 12.75, 4.0);
  nextFetch();
  const CameraDocument document = nextFetch();
  const QByteArray text = launcher.earth->texts.back();
  std::setlocale(LC_NUMERIC, savedC.c_str());
  std::locale::global(savedCpp);
  QLocale::setDefault(savedQt);

  EXPECT_TRUE(text.contains("<latitude>45.5</latitude>")) << text.toStdString();
  EXPECT_TRUE(text.contains("<longitude>7.25</longitude>"));
  EXPECT_TRUE(text.contains("<altitude>1000.5</altitude>"));
  EXPECT_TRUE(text.contains("<range>1000.25</range>"));
  EXPECT_TRUE(text.contains("<heading>12.75</heading>"));
  EXPECT_FALSE(text.contains(','));
  EXPECT_EQ(launcher.link.refreshInterval, "0.5");
  if (!cLocale) GTEST_LOG_(INFO) << "no comma-decimal C locale installed: C++ and Qt ones only";
}

TEST_F(ApplicationGETest, ReleasingItStopsTheLinkWithOneLastAnswerThenClosesIt) {
  auto earth = create();
  nextFetch();
  earth->SetCameraParams(45.125, -7.5, 1000.0, 1, 1000.0, 0.0, 0.0, 4.0);
  const QString launchFile = earth->launchKmlPath();
  EXPECT_TRUE(QFile::exists(launchFile));
  const quint16 port = static_cast<quint16>(QUrl(launcher.link.href).port());
  ApplicationGE::release(std::move(earth));
  EXPECT_FALSE(QFile::exists(launchFile));
  const auto& documents = launcher.earth->documents;
  ASSERT_TRUE(QTest::qWaitFor([&] { return !documents.back().minRefreshPeriod.isEmpty(); },
                              ApplicationGE::kLastAnswerMs));
  EXPECT_TRUE(documents.back().valid);
  EXPECT_EQ(documents.back().minRefreshPeriod, "604800");
  EXPECT_EQ(documents.back().number("latitude"), 45.125);  // the last view is kept
  QTcpSocket socket;
  socket.connectToHost(QHostAddress::LocalHost, port);
  EXPECT_FALSE(socket.waitForConnected(1000));
  const int failures = launcher.earth->failures;
  EXPECT_TRUE(QTest::qWaitFor([&] { return launcher.earth->failures > failures; }, 3000));
  EXPECT_FALSE(documents.back().minRefreshPeriod.isEmpty());  // nothing was served after it
}

TEST_F(ApplicationGETest, SaysWhenGoogleEarthIsNotInstalled) {
  launcher.installed = false;
  const ApplicationGE::Created created = ApplicationGE::create(launcher);
  EXPECT_EQ(created.instance, nullptr);
  EXPECT_TRUE(created.failure.startsWith("Google Earth Pro was not found."));
  EXPECT_EQ(launcher.starts, 0);
}

TEST_F(ApplicationGETest, SaysWhenTheLinkCannotListen) {
  QTcpServer occupant;
  ASSERT_TRUE(occupant.listen(QHostAddress::LocalHost));
  const ApplicationGE::Created created = ApplicationGE::create(launcher, occupant.serverPort());
  EXPECT_EQ(created.instance, nullptr);
  EXPECT_TRUE(created.failure.startsWith(
      "Google Earth Pro cannot be given the trip: no local port could be opened"))
      << created.failure.toStdString();
  EXPECT_EQ(launcher.starts, 0);
}

TEST_F(ApplicationGETest, SaysWhenGoogleEarthCannotBeStarted) {
  launcher.startSucceeds = false;
  const ApplicationGE::Created created = ApplicationGE::create(launcher);
  EXPECT_EQ(created.instance, nullptr);
  EXPECT_EQ(created.failure, "Google Earth Pro (/opt/fake/google-earth-pro) could not be started.");
}

}  // namespace
}  // namespace vianora::gui
