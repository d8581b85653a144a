#pragma once
// A tile server on 127.0.0.1 and MBTiles files made in the test, for the tests of the map's
// tiles; no test needs the internet.

#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTimer>

namespace vianora::gui {

// The test server answers 404 at kLostZoom, text at kJunkZoom, else a red picture that
// may be kept an hour at kKeptZoom only.
inline constexpr int kWaitMs = 5000, kLostZoom = 14, kJunkZoom = 15, kKeptZoom = 5;

inline QByteArray png(Qt::GlobalColor colour) {
  QImage image(8, 8, QImage::Format_RGB32);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  return image.fill(colour), image.save(&buffer, "PNG"), bytes;
}

// A tile server on 127.0.0.1 speaking HTTP/1.1 itself, answering each request after `delayMs`.
struct TileServer {
  explicit TileServer(int delayMs) {
    QObject::connect(&server, &QTcpServer::newConnection, [=, this] {
      QTcpSocket* socket = server.nextPendingConnection();
      QObject::connect(socket, &QTcpSocket::readyRead, socket, [=, this] {
        if (!socket->peek(4096).contains("\r\n\r\n")) return;  // one request at a time
        paths.append(socket->readAll().split(' ').value(1)), waiting.insert(socket);
        most = std::max(most, waiting.size());
        QTimer::singleShot(delayMs, socket, [=, this, zoom = paths.last().split('/')[1].toInt()] {
          const QByteArray body = zoom == kJunkZoom ? "no tile" : png(Qt::red);
          socket->write(QByteArray(zoom == kLostZoom ? "HTTP/1.1 404 No" : "HTTP/1.1 200 OK") +
                        "\r\nCache-Control: " + (zoom == kKeptZoom ? "max-age=3600" : "no-store") +
                        "\r\nContent-Length: " + QByteArray::number(body.size()) + "\r\n\r\n" +
                        body);
          waiting.remove(socket);
        });
      });
      QObject::connect(socket, &QTcpSocket::disconnected, socket,
                       [=, this] { dropped += waiting.remove(socket), socket->deleteLater(); });
    });
    EXPECT_TRUE(server.listen(QHostAddress::LocalHost));
    address = QString("http://127.0.0.1:%1/{z}/{x}/{y}.png").arg(server.serverPort());
  }
  QString address;
  QByteArrayList paths;             // requested, in the order they came
  QSet<QTcpSocket*> waiting;        // connections with a request not yet answered
  qsizetype most = 0, dropped = 0;  // most requests at once; connections closed waiting
  QTcpServer server;                // last: its connections go before the rest
};

// Makes an SQLite file by running `statements`.
inline QString makeDatabase(const QString& path, const QStringList& statements) {
  {
    QSqlDatabase file = QSqlDatabase::addDatabase("QSQLITE", "maker");
    file.setDatabaseName(path);
    QSqlQuery query((file.open(), file));
    for (const QString& s : statements) EXPECT_TRUE(query.exec(s)) << s.toStdString();
  }
  QSqlDatabase::removeDatabase("maker");
  return path;
}

}  // namespace vianora::gui
