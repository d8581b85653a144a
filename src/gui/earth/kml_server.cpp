#include "gui/earth/kml_server.h"

#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <algorithm>

#include "core/earth/http_answer.h"
#include "core/earth/http_request.h"

namespace vianora::gui {
namespace {

// Drops a connection without an answer; the socket goes once control is back in the event loop.
void closeNow(QTcpSocket* socket) {
  socket->abort();
  socket->deleteLater();
}

}  // namespace

KmlServer::KmlServer(std::string servedPath, QObject* parent)
    : QObject(parent), servedPath_(std::move(servedPath)), server_(new QTcpServer(this)) {
  connect(server_, &QTcpServer::newConnection, this, &KmlServer::acceptConnections);
  clock_.start();
}

// The sockets go first, while everything they may call on is still here.
KmlServer::~KmlServer() { delete server_; }

bool KmlServer::listen(quint16 port) { return server_->listen(QHostAddress::LocalHost, port); }

quint16 KmlServer::port() const { return server_->serverPort(); }

QString KmlServer::errorString() const { return server_->errorString(); }

void KmlServer::endAfterNextAnswer(int withinMs) {
  ending_ = true;
  QTimer::singleShot(withinMs, this, &QObject::deleteLater);
}

// A full house turns nobody away: whoever holds a place without using it the longest leaves.
// Another local program holding every place open cannot keep Google Earth out.
void KmlServer::acceptConnections() {
  while (QTcpSocket* socket = server_->nextPendingConnection()) {
    connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    if (waiting_.size() >= static_cast<std::size_t>(kMaxConnections)) {
      const auto idlest = std::min_element(
          waiting_.begin(), waiting_.end(),
          [](const Connection& a, const Connection& b) { return a.lastByteMs < b.lastByteMs; });
      drop(idlest->socket);
    }
    admit(socket);
  }
}

// The timers live on the socket, which never outlives this server.
void KmlServer::admit(QTcpSocket* socket) {
  // Qt itself keeps no more of a request than the server will look at.
  socket->setReadBufferSize(static_cast<qint64>(kMaxRequestHeadBytes));
  waiting_.push_back({socket, {}, clock_.elapsed()});
  connect(socket, &QTcpSocket::readyRead, this, [this, socket] { readRequest(socket); });
  // However it goes, a deleted socket leaves no place taken.
  connect(socket, &QObject::destroyed, this, [this, socket] { forget(socket); });
  QTimer::singleShot(kFirstByteWaitMs, socket, [this, socket] { dropIfSilent(socket); });
  QTimer::singleShot(lifetimeMs_, socket, [this, socket] { drop(socket); });
}

void KmlServer::readRequest(QTcpSocket* socket) {
  Connection* connection = find(socket);
  if (connection == nullptr) return;
  std::string& received = connection->received;
  const QByteArray bytes =
      socket->read(static_cast<qint64>(kMaxRequestHeadBytes - received.size()));
  received.append(bytes.constData(), static_cast<std::size_t>(bytes.size()));
  connection->lastByteMs = clock_.elapsed();
  const RequestHead head = parseRequestHead(received);
  switch (head.status) {
    case RequestStatus::Incomplete:
      return;
    case RequestStatus::Malformed:
    case RequestStatus::TooLarge:
      drop(socket);
      return;
    case RequestStatus::Complete:
      forget(socket);
      disconnect(socket, nullptr, this, nullptr);  // one request per connection
      answer(socket, head.request);
      return;
  }
}

void KmlServer::answer(QTcpSocket* socket, const HttpRequest& request) {
  const RequestAnswer kind = answerFor(request, servedPath_, port());
  if (kind == RequestAnswer::Refuse) {
    closeNow(socket);
    return;
  }
  const bool last = ending_ && kind == RequestAnswer::Document;
  // The server goes once its last answer has left; connected first, as a socket may
  // disconnect as soon as it is written.
  if (last) connect(socket, &QTcpSocket::disconnected, this, &QObject::deleteLater);
  socket->write(QByteArray::fromStdString(responseText(kind, document_)));
  socket->disconnectFromHost();
  if (kind != RequestAnswer::Document) return;
  ++servedCount_;
  emit served();
}

void KmlServer::dropIfSilent(QTcpSocket* socket) {
  const Connection* connection = find(socket);
  if (connection != nullptr && connection->received.empty()) drop(socket);
}

void KmlServer::drop(QTcpSocket* socket) {
  forget(socket);
  closeNow(socket);
}

// Its place is free at once, though the socket itself goes later.
void KmlServer::forget(QTcpSocket* socket) {
  std::erase_if(waiting_, [socket](const Connection& c) { return c.socket == socket; });
}

KmlServer::Connection* KmlServer::find(QTcpSocket* socket) {
  const auto found = std::find_if(waiting_.begin(), waiting_.end(),
                                  [socket](const Connection& c) { return c.socket == socket; });
  return found == waiting_.end() ? nullptr : &*found;
}

}  // namespace vianora::gui
