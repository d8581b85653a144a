#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QNetworkInterface>
#include <QTcpSocket>
#include <QTest>

#include "core/earth/http_request.h"
#include "gui/earth/kml_server.h"

namespace vianora::gui {
namespace {

const QByteArray kGet = "GET /camera.kml HTTP/1.1\r\n", kOk = "HTTP/1.1 200 OK\r\n";
constexpr int kWaitMs = 3000, kPieceGapMs = 20;  // an answer or a drop comes well within kWaitMs
constexpr int kSilentMs = KmlServer::kFirstByteWaitMs, kLifetimeMs = kSilentMs * 3 / 2;

// A raw connection to `server`: sends its pieces as they are and collects the answer.
struct Client {
  Client(const KmlServer& server, const std::vector<QByteArray>& pieces) {
    QObject::connect(&socket, &QTcpSocket::readyRead, [this] { answer += socket.readAll(); });
    socket.connectToHost(QHostAddress::LocalHost, server.port());
    EXPECT_TRUE(socket.waitForConnected(kWaitMs));
    for (const QByteArray& piece : pieces) socket.write(piece), QTest::qWait(kPieceGapMs);
  }
  bool open() const { return socket.state() == QAbstractSocket::ConnectedState; }
  bool closes(int ms = kWaitMs) {
    return QTest::qWaitFor([this] { return !open(); }, ms);
  }
  QTcpSocket socket;
  QByteArray answer;
};

// What is answered is pinned by the core; here each answer is seen to reach the client, or the
// connection to close without one, and the server to go on serving.
TEST(KmlServer, AnswersEachRequestAsItsKindWantsAndGoesOn) {
  KmlServer server("/camera.kml");
  ASSERT_TRUE(server.listen());
  server.setDocument("<kml/>");
  const struct {
    std::vector<QByteArray> pieces;
    QByteArray answerStart;  // empty: closed without an answer
    int served;              // documents sent so far
  } cases[] = {
      {{"GET /camera", ".kml HTTP/1.1\r\nHost: 127.0.0.1", "\r\n\r\n"}, kOk, 1},
      {{"POST /camera.kml HTTP/1.1\r\n\r\n"}, "HTTP/1.1 405 Method Not Allowed\r\n", 1},
      {{"hello\r\n\r\n"}, "", 1},
      {{kGet + "X-Filler: " + QByteArray(kMaxRequestHeadBytes, 'a') + "\r\n\r\n"}, "", 1},
      {{kGet + "\r\n"}, kOk, 2},
  };
  for (const auto& c : cases) {
    Client client(server, c.pieces);
    ASSERT_TRUE(client.closes());
    EXPECT_EQ(client.answer.left(c.answerStart.size()), c.answerStart) << client.answer.data();
    EXPECT_EQ(client.answer.endsWith("<kml/>"), c.answerStart == kOk);
    EXPECT_EQ(server.servedCount(), c.served);
  }
}

// Idle connections, silent or after a first byte, must not keep Google Earth out: the one idle
// longest makes room for each new one, and silence and slowness have their limits.
TEST(KmlServer, LetsNoIdleConnectionKeepAFetchOutAndListensOnLoopbackOnly) {
  KmlServer server("/camera.kml");
  ASSERT_TRUE(server.listen());
  for (const QByteArray& hogBytes : {QByteArray(), QByteArray("G")}) {
    std::vector<std::unique_ptr<Client>> hogs;
    for (int i = 0; i <= KmlServer::kMaxConnections; ++i) {
      hogs.push_back(std::make_unique<Client>(server, std::vector{hogBytes}));
    }
    EXPECT_TRUE(hogs[0]->closes(kSilentMs / 2) && hogs[1]->open()) << "the first made room";
    Client fetch(server, {kGet + "\r\n"});
    EXPECT_TRUE(fetch.closes() && fetch.answer.startsWith(kOk));
    EXPECT_TRUE(hogs[1]->closes(kSilentMs / 2)) << "the second made room for the fetch";
  }
  server.setConnectionLifetime(kLifetimeMs);
  QElapsedTimer clock;
  clock.start();
  Client silent(server, {}), slow(server, {kGet});  // slow never finishes its request
  ASSERT_TRUE(silent.closes() && clock.elapsed() >= kSilentMs - kPieceGapMs && slow.open());
  ASSERT_TRUE(slow.closes() && clock.elapsed() >= kLifetimeMs - kPieceGapMs);
  for (const QHostAddress& address : QNetworkInterface::allAddresses()) {
    if (address.isLoopback() || address.protocol() != QAbstractSocket::IPv4Protocol) continue;
    QTcpSocket socket;
    socket.connectToHost(address, server.port());
    EXPECT_FALSE(socket.waitForConnected(kSilentMs)) << address.toString().toStdString();
  }
}

}  // namespace
}  // namespace vianora::gui
