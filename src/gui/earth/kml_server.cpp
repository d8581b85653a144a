#include "earth/kml_server.h"

#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <memory>

#include "earth/http_answer.h"
#include "earth/http_request.h"

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
}

// The sockets go first, while everything they may call on is still here.
KmlServer::~KmlServer() { delete server_; }

bool KmlServer::listen(quint16 port) { return server_->listen(QHostAddress::LocalHost, port); }

quint16 KmlServer::port() const { return server_->serverPort(); }

QString KmlServer::errorString() const { return server_->errorString(); }

// The accepted sockets are children of the listening one; those not yet deleted are open.
int KmlServer::openConnections() const {
  return static_cast<int>(server_->findChildren<QTcpSocket*>().size());
}

void KmlServer::endAfterNextAnswer(int withinMs) {
  ending_ = true;
  QTimer::singleShot(withinMs, this, &QObject::deleteLater);
}

void KmlServer::acceptConnections() {
  while (QTcpSocket* socket = server_->nextPendingConnection()) {
    connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    if (openConnections() > kMaxConnections) {
      closeNow(socket);
      continue;
    }
    // Qt itself keeps no more of a request than the server will look at.
    socket->setReadBufferSize(static_cast<qint64>(kMaxRequestHeadBytes));
    auto received = std::make_shared<std::string>();
    connect(socket, &QTcpSocket::readyRead, this,
            [this, socket, received] { readRequest(socket, *received); });
    QTimer::singleShot(lifetimeMs_, socket, [socket] { closeNow(socket); });
  }
}

void KmlServer::readRequest(QTcpSocket* socket, std::string& received) {
  const QByteArray bytes =
      socket->read(static_cast<qint64>(kMaxRequestHeadBytes - received.size()));
  received.append(bytes.constData(), static_cast<std::size_t>(bytes.size()));
  const RequestHead head = parseRequestHead(received);
  switch (head.status) {
    case RequestStatus::Incomplete:
      return;
    case RequestStatus::Malformed:
    case RequestStatus::TooLarge:
      closeNow(socket);
      return;
    case RequestStatus::Complete:
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

}  // namespace vianora::gui
