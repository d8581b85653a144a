#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QNetworkInterface>
#include <QSignalSpy>
#include <QTcpSocket>
#include <QTest>
#include <algorithm>
#include <memory>
#include <vector>

#include "fake_google_earth.h"
#include "gui/earth/kml_server.h"

namespace vianora::gui {
namespace {

const QByteArray kDocument = "<kml xmlns=\"http://www.opengis.net/kml/2.2\"><Document/></kml>";

// A raw connection: sends bytes as they are and collects the answer until the server closes.
struct RawClient {
  QTcpSocket socket;
  QByteArray answer;

  explicit RawClient(quint16 port, const QByteArray& request = {}) {
    QObject::connect(&socket, &QTcpSocket::readyRead, [this] { answer += socket.readAll(); });
    socket.connectToHost(QHostAddress::LocalHost, port);
    EXPECT_TRUE(socket.waitForConnected(2000));
    if (!request.isEmpty()) send(request);
  }
  void send(const QByteArray& bytes) { socket.write(bytes); }
  bool waitForClose(int ms = 3000) {
    return QTest::qWaitFor([this] { return socket.state() == QAbstractSocket::UnconnectedState; },
                           ms);
  }
};

class KmlServerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    server.setDocument(kDocument.toStdString());
    ASSERT_TRUE(server.listen());
    url = QUrl(QStringLiteral("http://127.0.0.1:%1/camera.kml").arg(server.port()));
  }

  // One fetch by a real HTTP client, as Google Earth makes it.
  QByteArray fetch(const QString& path = QStringLiteral("/camera.kml"), int* status = nullptr) {
    QNetworkAccessManager network;
    network.setProxy(QNetworkProxy::NoProxy);
    QUrl address = url;
    address.setPath(path);
    QNetworkReply* reply = network.get(QNetworkRequest(address));
    EXPECT_TRUE(QTest::qWaitFor([reply] { return reply->isFinished(); }, 3000));
    if (status != nullptr) {
      *status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    }
    const QByteArray body = reply->error() == QNetworkReply::NoError ? reply->readAll() : "";
    delete reply;
    return body;
  }

  void expectStillServing() {
    const int before = server.servedCount();
    EXPECT_EQ(fetch(), kDocument);
    EXPECT_EQ(server.servedCount(), before + 1);
  }

  KmlServer server{"/camera.kml"};
  QUrl url;
};

TEST_F(KmlServerTest, ServesTheDocumentToAnHttpClientAndCountsIt) {
  QSignalSpy served(&server, &KmlServer::served);
  EXPECT_EQ(server.servedCount(), 0);
  int status = 0;
  EXPECT_EQ(fetch(QStringLiteral("/camera.kml"), &status), kDocument);
  EXPECT_EQ(status, 200);
  EXPECT_EQ(server.servedCount(), 1);
  EXPECT_EQ(served.count(), 1);
  server.setDocument("<kml/>");
  EXPECT_EQ(fetch(), "<kml/>");
}

TEST_F(KmlServerTest, AnswersAGoogleEarthStyleQuery) {
  url.setQuery(QStringLiteral("BBOX=1,2,3,4"));
  EXPECT_EQ(fetch(), kDocument);
}

TEST_F(KmlServerTest, AnswersOtherPathsWith404AndGoesOn) {
  int status = 0;
  EXPECT_EQ(fetch(QStringLiteral("/"), &status), "");
  EXPECT_EQ(status, 404);
  EXPECT_EQ(fetch(QStringLiteral("/etc/passwd"), &status), "");
  EXPECT_EQ(status, 404);
  EXPECT_EQ(server.servedCount(), 0);
  expectStillServing();
}

TEST_F(KmlServerTest, AnswersOtherMethodsWith405AndGoesOn) {
  for (const char* method : {"POST", "PUT", "DELETE", "HEAD", "OPTIONS"}) {
    RawClient client(server.port(), QByteArray(method) +
                                        " /camera.kml HTTP/1.1\r\n"
                                        "Host: 127.0.0.1\r\nContent-Length: 3\r\n\r\nabc");
    ASSERT_TRUE(client.waitForClose()) << method;
    EXPECT_TRUE(client.answer.startsWith("HTTP/1.1 405 Method Not Allowed\r\n")) << method;
    EXPECT_FALSE(client.answer.contains("<kml")) << method;
  }
  EXPECT_EQ(server.servedCount(), 0);
  expectStillServing();
}

TEST_F(KmlServerTest, ClosesOnGarbageWithoutAnAnswerAndGoesOn) {
  const std::vector<QByteArray> garbage = {
      "hello\r\n\r\n", QByteArray("GET /camera.kml\0 HTTP/1.1\r\n\r\n", 29),
      "\x16\x03\x01\x00\xa5\x01\x00\x00", "GET /camera.kml HTTP/9\r\n\r\n",
      "GET /camera.kml HTTP/1.1\r\nHost: a\r\nHost: b\r\n\r\n"};
  for (const QByteArray& request : garbage) {
    RawClient client(server.port(), request);
    ASSERT_TRUE(client.waitForClose()) << request.toStdString();
    EXPECT_TRUE(client.answer.isEmpty()) << request.toStdString();
  }
  expectStillServing();
}

TEST_F(KmlServerTest, ClosesAnOversizedRequestAndGoesOn) {
  RawClient client(server.port(), "GET /camera.kml HTTP/1.1\r\nX-Filler: " +
                                      QByteArray(64 * 1024, 'a') + "\r\n\r\n");
  ASSERT_TRUE(client.waitForClose());
  EXPECT_TRUE(client.answer.isEmpty());
  expectStillServing();
}

TEST_F(KmlServerTest, RefusesAForeignHost) {
  RawClient client(server.port(), "GET /camera.kml HTTP/1.1\r\nHost: evil.example\r\n\r\n");
  ASSERT_TRUE(client.waitForClose());
  EXPECT_TRUE(client.answer.isEmpty());
  EXPECT_EQ(server.servedCount(), 0);
  expectStillServing();
}

TEST_F(KmlServerTest, ASlowClientHoldsUpNobodyAndIsDroppedInTime) {
  server.setConnectionLifetime(300);
  RawClient slow(server.port(), "GET /camera.kml HTTP/1.1\r\n");  // never finishes
  expectStillServing();
  EXPECT_EQ(slow.socket.state(), QAbstractSocket::ConnectedState);
  ASSERT_TRUE(slow.waitForClose());
  EXPECT_TRUE(slow.answer.isEmpty());
}

TEST_F(KmlServerTest, ARequestInPiecesIsAnswered) {
  RawClient client(server.port(), "GET /camera");
  QTest::qWait(20);
  client.send(".kml HTTP/1.1\r\nHost: 127.0.0.1:");
  QTest::qWait(20);
  client.send(QByteArray::number(server.port()) + "\r\n\r\n");
  ASSERT_TRUE(client.waitForClose());
  EXPECT_TRUE(client.answer.startsWith("HTTP/1.1 200 OK\r\n"));
  EXPECT_TRUE(client.answer.endsWith(kDocument));
}

// Connections held open by another local process, silent or after a first byte, must not keep
// Google Earth out: the one idle longest makes room for each new one.
TEST_F(KmlServerTest, AFullPoolOfIdleConnectionsStillLetsAFetchThrough) {
  for (const QByteArray& hogBytes : {QByteArray(), QByteArray("G")}) {
    std::vector<std::unique_ptr<RawClient>> hogs;
    for (int i = 0; i < KmlServer::kMaxConnections + 4; ++i) {
      hogs.push_back(std::make_unique<RawClient>(server.port(), hogBytes));
    }
    QTest::qWait(100);  // all taken in, well before any of them may be dropped for silence
    QElapsedTimer clock;
    clock.start();
    expectStillServing();
    EXPECT_LT(clock.elapsed(), 1000) << hogBytes.toStdString();
    // The pool kept its size: the fetch and the four extra hogs each pushed one out.
    const auto open = [&hogs] {
      return std::count_if(hogs.begin(), hogs.end(), [](const auto& hog) {
        return hog->socket.state() == QAbstractSocket::ConnectedState;
      });
    };
    EXPECT_TRUE(QTest::qWaitFor([&] { return open() <= KmlServer::kMaxConnections - 1; }, 300))
        << hogBytes.toStdString() << ": " << open() << " open";
  }
}

TEST_F(KmlServerTest, DropsAConnectionSilentForASecondButNotASlowOne) {
  QElapsedTimer clock;
  clock.start();
  RawClient silent(server.port());
  RawClient slow(server.port(), "GET /camera.kml HTTP/1.1\r\n");
  ASSERT_TRUE(silent.waitForClose());
  EXPECT_GE(clock.elapsed(), 900);
  EXPECT_LT(clock.elapsed(), 2000);
  EXPECT_TRUE(silent.answer.isEmpty());
  QTest::qWait(300);
  EXPECT_EQ(slow.socket.state(), QAbstractSocket::ConnectedState);
}

TEST_F(KmlServerTest, ListensOnLoopbackOnly) {
  for (const QHostAddress& address : QNetworkInterface::allAddresses()) {
    if (address.isLoopback() || address.protocol() != QAbstractSocket::IPv4Protocol) continue;
    QTcpSocket socket;
    socket.connectToHost(address, server.port());
    EXPECT_FALSE(socket.waitForConnected(1000)) << address.toString().toStdString();
  }
}

TEST(KmlServer, StoppingItClosesThePort) {
  quint16 port = 0;
  {
    KmlServer server("/camera.kml");
    ASSERT_TRUE(server.listen());
    port = server.port();
  }
  QTcpSocket socket;
  socket.connectToHost(QHostAddress::LocalHost, port);
  EXPECT_FALSE(socket.waitForConnected(1000));
}

}  // namespace
}  // namespace vianora::gui
