#include "platform/single_instance.h"

#include <unistd.h>

#include <QLocalServer>
#include <QLocalSocket>

namespace kestrivane {

namespace {

constexpr int kWaitMs = 2000;
const QByteArray kRestore = QByteArrayLiteral("restore\n");

}  // namespace

QString CSingleInstance::DefaultName() {
  return QStringLiteral("kestrivane-%1").arg(static_cast<qulonglong>(::getuid()));
}

CSingleInstance::CSingleInstance(QString name, QObject* parent)
    : QObject(parent), m_name(std::move(name)) {}

CSingleInstance::~CSingleInstance() = default;

bool CSingleInstance::Claim() {
  if (AskRunningInstance()) {
    return false;
  }
  m_server = new QLocalServer(this);
  m_server->setSocketOptions(QLocalServer::UserAccessOption);
  if (!m_server->listen(m_name)) {
    // A socket left behind by a copy that did not end cleanly: nobody
    // answered on it, so it is taken over.
    QLocalServer::removeServer(m_name);
    if (!m_server->listen(m_name)) {
      // No socket to be had: run without the guard rather than not at all.
      return true;
    }
  }
  connect(m_server, &QLocalServer::newConnection, this, &CSingleInstance::OnConnection);
  return true;
}

bool CSingleInstance::AskRunningInstance() {
  QLocalSocket socket;
  socket.connectToServer(m_name);
  if (!socket.waitForConnected(kWaitMs)) {
    return false;
  }
  socket.write(kRestore);
  socket.waitForBytesWritten(kWaitMs);
  socket.disconnectFromServer();
  return true;
}

void CSingleInstance::OnConnection() {
  while (QLocalSocket* socket = m_server->nextPendingConnection()) {
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
      if (socket->readAll().contains(kRestore.trimmed())) emit restoreRequested();
    });
  }
}

}  // namespace kestrivane
