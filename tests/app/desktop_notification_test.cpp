// Desktop notifications against a stand-in notification service on a
// private session bus (run under dbus-run-session).

#include "platform/desktop_notification.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusMessage>
#include <QVariantMap>

#include "tests/app/qt_test_support.h"

namespace kestrivane {
namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");

class FakeNotifications : public QObject, protected QDBusContext {
  Q_OBJECT
  Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
 public:
  QStringList calls;  // "replaced id: summary: body [actions]"
  std::vector<uint> closed;
  bool answerLater = false;
  std::vector<QDBusMessage> unanswered;
 public slots:
  uint Notify(const QString&, uint replacesId, const QString&, const QString& summary,
              const QString& body, const QStringList& actions, const QVariantMap&, int) {
    calls << QString("%1: %2: %3 [%4]").arg(replacesId).arg(summary, body, actions.join(','));
    if (answerLater) setDelayedReply(true), unanswered.push_back(message());
    return 41 + static_cast<uint>(calls.size());
  }
  void CloseNotification(uint id) { closed.push_back(id); }
};

TEST(DesktopNotifier, ShowsPlainTextWithStopReplacesTheLastAndClosesWhatIsOpen) {
  if (!QDBusConnection::sessionBus().isConnected()) GTEST_SKIP() << "no session bus";
  FakeNotifications fake;
  QDBusConnection service = QDBusConnection::connectToBus(QDBusConnection::SessionBus, "fake");
  ASSERT_TRUE(service.registerObject(kPath, &fake, QDBusConnection::ExportAllSlots));
  CDesktopNotifier notifier;
  int stops = 0;
  QObject::connect(&notifier, &CDesktopNotifier::stopRequested, [&] { ++stops; });
  const auto stop = [&](uint id) {
    service.send(QDBusMessage::createSignal(kPath, kService, "ActionInvoked") << id << "stop");
  };
  // Shows `text` and waits for the answer `id`.
  const auto show = [&](const QString& text, uint id) {
    notifier.Show("Kestrivane", text);
    testing::ProcessEventsFor(3000, [&] { return notifier.CurrentId() == id; });
    EXPECT_EQ(notifier.CurrentId(), id);
  };
  ASSERT_TRUE(service.registerService(kService));
  show("Zuhr prayer at 12:45 P.M. Insha Allah. <b>&", 42);
  show("Go for Zuhr prayer NOW!", 43);
  EXPECT_EQ(fake.calls.join('\n').toStdString(),
            "0: Kestrivane: Zuhr prayer at 12:45 P.M. Insha Allah. &lt;b&gt;&amp; [stop,Stop]\n"
            "42: Kestrivane: Go for Zuhr prayer NOW! [stop,Stop]");
  stop(42);  // gone already
  stop(43);
  testing::ProcessEventsFor(3000, [&] { return stops > 0; });
  EXPECT_EQ(stops, 1);
  EXPECT_EQ(notifier.CurrentId(), 0u);
  show("Go for 'Asr prayer NOW!", 44);
  notifier.Close();
  // Ids that come back late: one closed meanwhile and one followed by
  // another go at once; the last one shown stays.
  fake.answerLater = true;
  notifier.Show("Kestrivane", "Go for Maghrib prayer NOW!");
  notifier.Close();
  notifier.Show("Kestrivane", "Go for Maghrib prayer NOW!");
  notifier.Show("Kestrivane", "Go for 'Isha prayer NOW!");
  testing::ProcessEventsFor(3000, [&] { return fake.unanswered.size() == 3; });
  for (uint id : {50u, 51u, 52u}) service.send(fake.unanswered[id - 50].createReply(id));
  testing::ProcessEventsFor(3000, [&] { return fake.closed.size() == 3; });
  EXPECT_EQ(fake.closed, (std::vector<uint>{44, 50, 51}));
  EXPECT_EQ(notifier.CurrentId(), 52u);
  QDBusConnection::disconnectFromBus(service.name());
}

}  // namespace
}  // namespace kestrivane

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  QCoreApplication application(argc, argv);
  return RUN_ALL_TESTS();
}

#include "desktop_notification_test.moc"
