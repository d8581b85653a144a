#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <string>
#include <vector>

class QTcpServer;
class QTcpSocket;

namespace vianora {
struct HttpRequest;
}

namespace vianora::gui {

/// A small HTTP server on 127.0.0.1 that serves one KML document at one path.
///
/// It never blocks: every connection is read as its bytes arrive. It reads at most
/// kMaxRequestHeadBytes of a request, answers a GET of its path with the document, another
/// path with 404 and another method with 405, and closes each connection after one answer. A
/// malformed, oversized, foreign-host or idle connection is closed without an answer; the
/// others go on being served. Idle connections cannot keep a new one out: when all places are
/// taken, the connection idle longest gives up its place.
class KmlServer : public QObject {
  Q_OBJECT

 public:
  /// Connections waiting for their request at a time; a new one beyond them pushes out the one
  /// that has gone longest without sending a byte.
  static constexpr int kMaxConnections = 16;
  /// The longest a connection may stay open, in milliseconds.
  static constexpr int kConnectionLifetimeMs = 5000;
  /// How long a new connection may stay silent, in milliseconds: Google Earth sends its request
  /// as soon as it is connected.
  static constexpr int kFirstByteWaitMs = 1000;

  /// The port to listen on that asks for any free one.
  static constexpr quint16 kAnyFreePort = 0;

  explicit KmlServer(std::string servedPath, QObject* parent = nullptr);
  ~KmlServer() override;

  /// Listens on 127.0.0.1:`port`, or a free port when it is kAnyFreePort. False, with
  /// errorString(), when it cannot.
  bool listen(quint16 port = kAnyFreePort);
  quint16 port() const;
  QString errorString() const;

  /// The document served from now on.
  void setDocument(std::string document) { document_ = std::move(document); }
  /// How many times the document has been sent.
  int servedCount() const { return servedCount_; }

  void setConnectionLifetime(int milliseconds) { lifetimeMs_ = milliseconds; }

  /// Ends the server without waiting: the next GET of its path still gets the document, and
  /// the server deletes itself, port and connections, once that answer has left; without such
  /// a GET it deletes itself after `withinMs`. Only for a server made with new.
  void endAfterNextAnswer(int withinMs);

 signals:
  void served();  ///< the document has just been sent

 private:
  /// A connection still waiting for its request.
  struct Connection {
    QTcpSocket* socket;
    std::string received;  ///< the bytes of the request so far
    qint64 lastByteMs;     ///< on clock_: when its last byte came, or when it was taken in
  };

  void acceptConnections();
  void admit(QTcpSocket* socket);
  void readRequest(QTcpSocket* socket);
  void answer(QTcpSocket* socket, const HttpRequest& request);
  void dropIfSilent(QTcpSocket* socket);
  void drop(QTcpSocket* socket);
  void forget(QTcpSocket* socket);
  Connection* find(QTcpSocket* socket);

  std::string servedPath_;
  std::string document_;
  QTcpServer* server_;
  std::vector<Connection> waiting_;  // in the order they were taken in
  QElapsedTimer clock_;
  int servedCount_ = 0;
  int lifetimeMs_ = kConnectionLifetimeMs;
  bool ending_ = false;  // the next document sent is the last
};

}  // namespace vianora::gui
