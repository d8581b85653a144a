#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QNetworkInterface>
#include <QTcpSocket>
#include <QTest>
#include <memory>
#include <vector>

#include "gui/earth/kml_server.h"

namespace vianora::gui {
namespace {

const QByteArray kGet = "GET /camera.kml HTTP/1.1\r\n", kOk = "HTTP/1.1 200 OK\r\n";
constexpr int kCloseWaitMs = 3000;  // the server answers or drops well within this
constexpr int kPieceGapMs = 20;     // between two pieces of one request
constexpr int kSilentMs = KmlServer::kFirstByteWaitMs, kLifetimeMs = kSilentMs * 3 / 2;

// A raw connection: sends its pieces as they are and collects the answer.
struct RawClient {
  explicit RawClient(quint16 port, const std::vector<QByteArray>& pieces = {}) {
    QObject::connect(&socket, &QTcpSocket::readyRead, [this] { answer += socket.readAll(); });
    socket.connectToHost(QHostAddress::LocalHost, port);
    EXPECT_TRUE(socket.waitForConnected(kCloseWaitMs));
    for (const QByteArray& piece : pieces) socket.write(piece), QTest::qWait(kPieceGapMs);
  }
  bool open() const { return socket.state() == QAbstractSocket::ConnectedState; }
  bool closes(int ms = kCloseWaitMs) {
    return QTest::qWaitFor([this] { return !open(); }, ms);
  }
  QTcpSocket socket;
  QByteArray answer;
};

struct KmlServerTest : ::testing::Test {
  void SetUp() override { ASSERT_TRUE(server.listen()); }
  QByteArray answerTo(const std::vector<QByteArray>& pieces) {
    RawClient client(server.port(), pieces);
    EXPECT_TRUE(client.closes());
    return client.answer;
  }
  KmlServer server{"/camera.kml"};
};

// What is answered is pinned by the core; here each answer is seen to reach the client, or the
// connection to close without one, and the server to go on serving.
TEST_F(KmlServerTest, AnswersEachRequestAsItsKindWantsAndGoesOn) {
  const struct {
    std::vector<QByteArray> pieces;
    QByteArray answerStart;  // empty: closed without an answer
    int served;              // documents sent so far
  } cases[] = {
      {{"GET /camera", ".kml HTTP/1.1\r\nHost: 127.0.0.1", "\r\n\r\n"}, kOk, 1},
      {{"POST /camera.kml HTTP/1.1\r\n\r\n"}, "HTTP/1.1 405 Method Not Allowed\r\n", 1},
      {{"hello\r\n\r\n"}, "", 1},
      {{kGet + "X-Filler: " + QByteArray(64 * 1024, 'a') + "\r\n\r\n"}, "", 1},
      {{kGet + "\r\n"}, kOk, 2},
  };
  for (const auto& c : cases) {
    server.setDocument("<kml>" + std::to_string(c.served) + "</kml>");
    const QByteArray answer = answerTo(c.pieces);
    EXPECT_EQ(answer.left(c.answerStart.size()), c.answerStart) << answer.toStdString();
    EXPECT_EQ(answer.endsWith("<kml>" + QByteArray::number(c.served) + "</kml>"),
              c.answerStart == kOk);
    EXPECT_EQ(server.servedCount(), c.served);
  }
}

// Connections held open by another local program, silent or after a first byte, must not keep
// Google Earth out: the one idle longest makes room for each new one.
TEST_F(KmlServerTest, AFullPoolOfIdleConnectionsStillLetsAFetchThrough) {
  for (const QByteArray& hogBytes : {QByteArray(), QByteArray("G")}) {
    std::vector<std::unique_ptr<RawClient>> hogs;
    for (int i = 0; i <= KmlServer::kMaxConnections; ++i) {
      hogs.push_back(std::make_unique<RawClient>(server.port(), std::vector{hogBytes}));
    }
    EXPECT_TRUE(hogs[0]->closes(kSilentMs / 2) && hogs[1]->open()) << "the first made room";
    EXPECT_TRUE(answerTo({kGet + "\r\n"}).startsWith(kOk));
    EXPECT_TRUE(hogs[1]->closes(kSilentMs / 2)) << "the second made room for the fetch";
  }
}

TEST_F(KmlServerTest, DropsASilentConnectionAfterASecondAndASlowOneAfterItsLifetime) {
  server.setConnectionLifetime(kLifetimeMs);
  QElapsedTimer clock;
  clock.start();
  RawClient silent(server.port()), slow(server.port(), {kGet});  // slow never finishes
  ASSERT_TRUE(silent.closes());
  EXPECT_GE(clock.elapsed(), kSilentMs - kPieceGapMs);
  EXPECT_TRUE(slow.open());
  ASSERT_TRUE(slow.closes());
  EXPECT_GE(clock.elapsed(), kLifetimeMs - kPieceGapMs);
  EXPECT_EQ(silent.answer + slow.answer, "");
}

TEST_F(KmlServerTest, ListensOnLoopbackOnly) {
  for (const QHostAddress& address : QNetworkInterface::allAddresses()) {
    if (address.isLoopback() || address.protocol() != QAbstractSocket::IPv4Protocol) continue;
    QTcpSocket socket;
    socket.connectToHost(address, server.port());
    EXPECT_FALSE(socket.waitForConnected(kSilentMs)) << address.toString().toStdString();
  }
}

}  // namespace
}  // namespace vianora::gui
