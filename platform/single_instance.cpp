#include "platform/single_instance.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>

namespace kestrivane {

namespace {

constexpr int kWaitMs = 2000;
const QByteArray kRestore = QByteArrayLiteral("restore\n");
const QByteArray kAnswer = QByteArrayLiteral("ok\n");

// Letters, digits, '-' and '.' only, so the name stays one file name.
QString FileNamePart(QString text) {
  for (QChar& c : text) {
    if (!c.isLetterOrNumber() && c != u'-' && c != u'.') c = u'_';
  }
  return text;
}

}  // namespace

QString CSingleInstance::DefaultName() {
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  if (folder.isEmpty()) return {};
  QString display = qEnvironmentVariable("WAYLAND_DISPLAY");
  if (display.isEmpty()) display = qEnvironmentVariable("DISPLAY");
  const QString session = qEnvironmentVariable("XDG_SESSION_ID");
  return folder + QStringLiteral("/kestrivane-") + FileNamePart(session) + u'-' +
         FileNamePart(display);
}

CSingleInstance::CSingleInstance(QString name, QObject* parent)
    : QObject(parent), m_name(std::move(name)) {}

CSingleInstance::~CSingleInstance() = default;

bool CSingleInstance::Claim() {
  if (m_name.isEmpty()) {
    return true;  // no private folder: run unguarded rather than not at all
  }
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
  // The answer comes at once, even while the running copy shows a box.
  socket.waitForReadyRead(kWaitMs);
  socket.disconnectFromServer();
  return true;
}

void CSingleInstance::OnConnection() {
  while (QLocalSocket* socket = m_server->nextPendingConnection()) {
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
      if (!socket->readAll().contains(kRestore.trimmed())) return;
      socket->write(kAnswer);
      // The window may open a box when it shows; that must not run inside
      // this socket's handler, which the box's loop could delete.
      QMetaObject::invokeMethod(this, &CSingleInstance::restoreRequested, Qt::QueuedConnection);
    });
  }
}

}  // namespace kestrivane
