#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QTcpServer>
#include <QTest>

#include "fake_google_earth.h"
#include "gui/earth/application_ge.h"

namespace vianora::gui {
namespace {

constexpr int kFetchWaitMs = 3000;  // a loopback fetch is answered well within this
constexpr int kOk = 200, kNotFound = 404;

// What Google Earth gets over the link, and when the link stops, is seen by the fly-through's
// tests; here: the link's own secret path, the launch file and the failures.
struct ApplicationGETest : ::testing::Test {
  std::unique_ptr<ApplicationGE> create() {
    ApplicationGE::Created created = ApplicationGE::create(launcher);
    EXPECT_TRUE(created.failure.isEmpty()) << created.failure.toStdString();
    return std::move(created.instance);
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
    EXPECT_TRUE(QTest::qWaitFor([&] { return reply->isFinished(); }, kFetchWaitMs));
    EXPECT_EQ(reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(), status);
  }
  EXPECT_EQ(first->IsInitialized(), 1);  // Google Earth has fetched the camera
  EXPECT_EQ(second->IsInitialized(), 0);
  const QString launchFile = first->launchKmlPath();
  EXPECT_TRUE(QFile::exists(launchFile));
  ApplicationGE::release(std::move(first));
  EXPECT_FALSE(QFile::exists(launchFile));
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
