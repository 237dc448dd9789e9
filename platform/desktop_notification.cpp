#include "platform/desktop_notification.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QVariantMap>
#include <utility>

namespace kestrivane {

namespace {

const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
const QString kInterface = QStringLiteral("org.freedesktop.Notifications");
const QString kStopAction = QStringLiteral("stop");

}  // namespace

CDesktopNotifier::CDesktopNotifier(QObject* parent)
    : QObject(parent), m_service(QStringLiteral("org.freedesktop.Notifications")) {}

CDesktopNotifier::~CDesktopNotifier() = default;

void CDesktopNotifier::Connect() {
  if (m_connected) return;
  QDBusConnection bus = QDBusConnection::sessionBus();
  if (!bus.isConnected()) return;
  bus.connect(QString(), kPath, kInterface, QStringLiteral("ActionInvoked"), this,
              SLOT(OnActionInvoked(uint, QString)));
  bus.connect(QString(), kPath, kInterface, QStringLiteral("NotificationClosed"), this,
              SLOT(OnClosed(uint, uint)));
  m_connected = true;
}

void CDesktopNotifier::Show(const QString& summary, const QString& text) {
  QDBusConnection bus = QDBusConnection::sessionBus();
  if (!bus.isConnected()) return;
  // Without a running service a call would only wait for its timeout or
  // start a service through activation; neither is wanted for a reminder.
  QDBusConnectionInterface* names = bus.interface();
  if (names == nullptr || !names->isServiceRegistered(m_service).value()) return;
  Connect();

  // The alarm texts carry no markup characters; escaping keeps any text
  // plain on services that read markup in the body.
  QString body = text;
  body.replace(QLatin1Char('&'), QStringLiteral("&amp;"))
      .replace(QLatin1Char('<'), QStringLiteral("&lt;"))
      .replace(QLatin1Char('>'), QStringLiteral("&gt;"));
  QDBusMessage call =
      QDBusMessage::createMethodCall(m_service, kPath, kInterface, QStringLiteral("Notify"));
  QVariantMap hints;
  hints.insert(QStringLiteral("urgency"), QVariant::fromValue(uchar(2)));
  hints.insert(QStringLiteral("desktop-entry"), QStringLiteral("kestrivane"));
  call << QStringLiteral("Kestrivane") << m_id << QStringLiteral("kestrivane") << summary << body
       << QStringList{kStopAction, QCoreApplication::translate("Alarm", "Stop")} << hints << int(0);
  const unsigned number = ++m_nShown;
  auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call), this);
  connect(watcher, &QDBusPendingCallWatcher::finished, this,
          [this, number](QDBusPendingCallWatcher* w) {
            const QDBusPendingReply<uint> reply = *w;
            w->deleteLater();
            if (reply.isError()) return;
            // Closed, or followed by another, before its id came: it goes now.
            if (number <= m_nClosedUpTo || number != m_nShown) {
              CloseById(reply.value());
            } else {
              m_id = reply.value();
            }
          });
}

void CDesktopNotifier::Close() {
  m_nClosedUpTo = m_nShown;
  CloseById(std::exchange(m_id, 0));
}

void CDesktopNotifier::CloseById(uint id) {
  QDBusConnection bus = QDBusConnection::sessionBus();
  if (id == 0 || !bus.isConnected()) return;
  QDBusMessage call = QDBusMessage::createMethodCall(m_service, kPath, kInterface,
                                                     QStringLiteral("CloseNotification"));
  call << id;
  bus.asyncCall(call);
}

void CDesktopNotifier::OnActionInvoked(uint id, const QString& action) {
  if (id != 0 && id == m_id && action == kStopAction) {
    m_id = 0;
    emit stopRequested();
  }
}

void CDesktopNotifier::OnClosed(uint id, uint /*reason*/) {
  if (id != 0 && id == m_id) m_id = 0;
}

}  // namespace kestrivane
