#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

#include "fake_google_earth.h"
#include "gui/earth/application_ge.h"

namespace vianora::gui {
namespace {

constexpr int kFetchWaitMs = 3000;    // a loopback fetch is answered well within this
constexpr int kConnectWaitMs = 1000;  // a closed loopback port refuses well within this
constexpr int kOk = 200, kNotFound = 404;

struct ApplicationGETest : ::testing::Test {
  std::unique_ptr<ApplicationGE> create() {
    ApplicationGE::Created created = ApplicationGE::create(launcher);
    EXPECT_TRUE(created.failure.isEmpty()) << created.failure.toStdString();
    return std::move(created.instance);
  }
  bool until(const std::function<bool()>& condition) {
    return QTest::qWaitFor(condition, kFetchWaitMs);
  }
  test_support::FakeLauncher launcher;
};

// Another user of the machine can reach the port: only this flight's secret path is served.
TEST_F(ApplicationGETest, ServesTheCameraAtItsOwnSecretPathOnly) {
  launcher.answers = false;
  auto first = create();
  const QUrl href = launcher.href;
  auto second = create();
  ASSERT_TRUE(first && second);
  const QRegularExpression path("^http://127.0.0.1:\\d+/vianora/[0-9a-f]{32}/camera\\.kml$");
  EXPECT_TRUE(path.match(href.toString()).hasMatch()) << href.toString().toStdString();
  EXPECT_NE(href.path(), launcher.href.path());
  EXPECT_EQ(first->IsInitialized(), 0);
  QNetworkAccessManager network;
  network.setProxy(QNetworkProxy::NoProxy);
  for (const auto& [at, status] :
       {std::pair{launcher.href.path(), kNotFound}, {href.path(), kOk}}) {
    QUrl url = href;
    url.setPath(at);
    std::unique_ptr<QNetworkReply> reply(network.get(QNetworkRequest(url)));
    EXPECT_TRUE(until([&] { return reply->isFinished(); }));
    EXPECT_EQ(reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(), status);
  }
  EXPECT_EQ(first->IsInitialized(), 1);  // Google Earth has fetched the camera
  EXPECT_EQ(second->IsInitialized(), 0);
}

TEST_F(ApplicationGETest, EachFetchCarriesTheLatestViewUntilReleaseStopsTheLink) {
  auto earth = create();
  const auto& documents = launcher.earth->documents;
  ASSERT_TRUE(until([&] { return !documents.empty(); }));
  EXPECT_EQ(test_support::kmlText(documents.front(), "latitude"), "");  // no view before one
  earth->SetCameraParams(45.125, -7.5, 1000.0, 1, 1000.0, 0.0, 0.0, 4.0);
  EXPECT_TRUE(until([&] { return !launcher.earth->views.empty(); }));
  EXPECT_EQ(launcher.earth->views, (std::vector<test_support::View>{{45.125, -7.5}}));
  const QString launchFile = earth->launchKmlPath();
  EXPECT_TRUE(QFile::exists(launchFile));
  ApplicationGE::release(std::move(earth));
  EXPECT_FALSE(QFile::exists(launchFile));
  ASSERT_TRUE(until([&] { return test_support::stopsLink(documents.back()); }));
  EXPECT_EQ(test_support::kmlText(documents.back(), "latitude"), "45.125");  // the last view
  QTcpSocket socket;
  socket.connectToHost(QHostAddress::LocalHost, static_cast<quint16>(launcher.href.port()));
  EXPECT_FALSE(socket.waitForConnected(kConnectWaitMs));
  const int failures = launcher.earth->failures;
  EXPECT_TRUE(until([&] { return launcher.earth->failures > failures; }));
  EXPECT_TRUE(test_support::stopsLink(documents.back()));  // nothing was served after it
}

TEST_F(ApplicationGETest, SaysWhenTheLinkCannotListen) {
  QTcpServer occupant;
  ASSERT_TRUE(occupant.listen(QHostAddress::LocalHost));
  const ApplicationGE::Created created = ApplicationGE::create(launcher, occupant.serverPort());
  EXPECT_EQ(created.instance, nullptr);
  EXPECT_TRUE(created.failure.startsWith(
      "Google Earth Pro cannot be given the trip: no local port could be opened"));
  EXPECT_EQ(launcher.starts, 0);
}

}  // namespace
}  // namespace vianora::gui
