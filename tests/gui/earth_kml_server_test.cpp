#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QNetworkInterface>
#include <QSignalSpy>
#include <QTcpSocket>
#include <QTest>
#include <memory>
#include <vector>

#include "gui/earth/kml_server.h"

namespace vianora::gui {
namespace {

const QByteArray kGet = "GET /camera.kml HTTP/1.1\r\n";
constexpr int kCloseWaitMs = 3000;  // the server answers or drops well within this
constexpr int kPieceGapMs = 20;     // between two pieces of one request
constexpr int kSilentMs = KmlServer::kFirstByteWaitMs;

// A raw connection: sends bytes as they are and collects the answer until the server closes.
struct RawClient {
  QTcpSocket socket;
  QByteArray answer;

  explicit RawClient(quint16 port, const std::vector<QByteArray>& pieces = {}) {
    QObject::connect(&socket, &QTcpSocket::readyRead, [this] { answer += socket.readAll(); });
    socket.connectToHost(QHostAddress::LocalHost, port);
    EXPECT_TRUE(socket.waitForConnected(kCloseWaitMs));
    for (const QByteArray& piece : pieces) {
      socket.write(piece);
      QTest::qWait(kPieceGapMs);
    }
  }
  bool open() const { return socket.state() == QAbstractSocket::ConnectedState; }
  bool closes(int ms = kCloseWaitMs) {
    return QTest::qWaitFor([this] { return socket.state() == QAbstractSocket::UnconnectedState; },
                           ms);
  }
};

struct KmlServerTest : ::testing::Test {
  void SetUp() override {
    server.setDocument("<kml/>");
    ASSERT_TRUE(server.listen());
  }
  QByteArray answerTo(const std::vector<QByteArray>& pieces) {
    RawClient client(server.port(), pieces);
    EXPECT_TRUE(client.closes());
    return client.answer;
  }
  QByteArray get() { return answerTo({kGet + "Host: 127.0.0.1\r\n\r\n"}); }
  KmlServer server{"/camera.kml"};
};

// What is answered is pinned by the core; here each kind is seen to reach the client, or to
// close the connection without an answer, and the server to go on serving.
TEST_F(KmlServerTest, AnswersEachRequestAsItsKindWantsAndGoesOn) {
  QSignalSpy served(&server, &KmlServer::served);
  const struct {
    std::vector<QByteArray> pieces;
    QByteArray answerStart;  // empty: closed without an answer
  } cases[] = {
      {{"GET /camera", ".kml HTTP/1.1\r\nHost: 127.0.0.1", "\r\n\r\n"}, "HTTP/1.1 200 OK\r\n"},
      {{"GET /other HTTP/1.1\r\n\r\n"}, "HTTP/1.1 404 Not Found\r\n"},
      {{"POST /camera.kml HTTP/1.1\r\n\r\n"}, "HTTP/1.1 405 Method Not Allowed\r\n"},
      {{"hello\r\n\r\n"}, ""},
      {{kGet + "Host: evil.example\r\n\r\n"}, ""},
      {{kGet + "X-Filler: " + QByteArray(64 * 1024, 'a') + "\r\n\r\n"}, ""},
  };
  for (const auto& c : cases) {
    const QByteArray answer = answerTo(c.pieces);
    EXPECT_TRUE(c.answerStart.isEmpty() ? answer.isEmpty() : answer.startsWith(c.answerStart))
        << c.pieces[0].left(40).toStdString() << " got " << answer.toStdString();
    EXPECT_EQ(answer.endsWith("<kml/>"), c.answerStart.contains("200"));
  }
  EXPECT_EQ(server.servedCount(), 1);
  EXPECT_EQ(served.count(), 1);
  server.setDocument("<kml>2</kml>");
  EXPECT_TRUE(get().endsWith("<kml>2</kml>"));
  EXPECT_EQ(server.servedCount(), 2);
}

// Connections held open by another local process, silent or after a first byte, must not keep
// Google Earth out: the one idle longest makes room for each new one.
TEST_F(KmlServerTest, AFullPoolOfIdleConnectionsStillLetsAFetchThrough) {
  for (const QByteArray& hogBytes : {QByteArray(), QByteArray("G")}) {
    std::vector<std::unique_ptr<RawClient>> hogs;
    for (int i = 0; i < KmlServer::kMaxConnections + 1; ++i) {
      hogs.push_back(std::make_unique<RawClient>(server.port(), std::vector{hogBytes}));
    }
    EXPECT_TRUE(hogs.front()->closes(kSilentMs / 2)) << "pushed out by the last hog";
    EXPECT_TRUE(hogs[1]->open());
    EXPECT_TRUE(get().startsWith("HTTP/1.1 200 OK\r\n"));
    EXPECT_TRUE(hogs[1]->closes(kSilentMs / 2)) << "pushed out by the fetch";
  }
}

TEST_F(KmlServerTest, DropsASilentConnectionAfterASecondAndASlowOneAfterItsLifetime) {
  server.setConnectionLifetime(kSilentMs * 3 / 2);
  QElapsedTimer clock;
  clock.start();
  RawClient silent(server.port());
  RawClient slow(server.port(), {kGet});  // never finishes
  ASSERT_TRUE(silent.closes());
  EXPECT_GE(clock.elapsed(), kSilentMs - kPieceGapMs);
  EXPECT_TRUE(slow.open());
  ASSERT_TRUE(slow.closes());
  EXPECT_GE(clock.elapsed(), kSilentMs * 3 / 2 - kPieceGapMs);
  EXPECT_TRUE(silent.answer.isEmpty() && slow.answer.isEmpty());
}

TEST_F(KmlServerTest, ListensOnLoopbackOnlyAndClosesThePortWithTheServer) {
  for (const QHostAddress& address : QNetworkInterface::allAddresses()) {
    if (address.isLoopback() || address.protocol() != QAbstractSocket::IPv4Protocol) continue;
    QTcpSocket socket;
    socket.connectToHost(address, server.port());
    EXPECT_FALSE(socket.waitForConnected(kSilentMs)) << address.toString().toStdString();
  }
  auto ending = std::make_unique<KmlServer>("/camera.kml");
  ASSERT_TRUE(ending->listen());
  const quint16 port = ending->port();
  ending.reset();
  QTcpSocket socket;
  socket.connectToHost(QHostAddress::LocalHost, port);
  EXPECT_FALSE(socket.waitForConnected(kSilentMs));
}

}  // namespace
}  // namespace vianora::gui
