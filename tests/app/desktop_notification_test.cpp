// Desktop notifications against a stand-in notification service on a
// private session bus (run under dbus-run-session).

#include "platform/desktop_notification.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QElapsedTimer>
#include <QVariantMap>

namespace kestrivane {
namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");

class FakeNotifications : public QObject {
  Q_OBJECT
  Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

 public:
  struct Call {
    QString summary, body;
    uint replaces;
    QStringList actions;
  };
  std::vector<Call> calls;
  std::vector<uint> closed;

 public slots:
  uint Notify(const QString& /*appName*/, uint replacesId, const QString& /*icon*/,
              const QString& summary, const QString& body, const QStringList& actions,
              const QVariantMap& /*hints*/, int /*timeout*/) {
    calls.push_back({summary, body, replacesId, actions});
    return 41 + static_cast<uint>(calls.size());
  }
  void CloseNotification(uint id) { closed.push_back(id); }
};

void ProcessUntil(const std::function<bool()>& done, int milliseconds = 3000) {
  QElapsedTimer timer;
  timer.start();
  while (!done() && timer.elapsed() < milliseconds)
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

class DesktopNotifierBusTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!QDBusConnection::sessionBus().isConnected()) GTEST_SKIP() << "no session bus";
    service = std::make_unique<QDBusConnection>(QDBusConnection::connectToBus(
        QDBusConnection::SessionBus, QStringLiteral("fake-notifications")));
    ASSERT_TRUE(service->registerObject(kPath, &fake, QDBusConnection::ExportAllSlots));
    ASSERT_TRUE(service->registerService(kService));
  }
  void TearDown() override {
    if (service) {
      service->unregisterService(kService);
      service->unregisterObject(kPath);
      QDBusConnection::disconnectFromBus(QStringLiteral("fake-notifications"));
    }
  }

  void SendSignal(const QString& name, uint id, const QVariant& second) {
    QDBusMessage signal =
        QDBusMessage::createSignal(kPath, QStringLiteral("org.freedesktop.Notifications"), name);
    signal << id << second;
    service->send(signal);
  }

  FakeNotifications fake;
  std::unique_ptr<QDBusConnection> service;
  CDesktopNotifier notifier;
};

TEST_F(DesktopNotifierBusTest, ShowsPlainTextWithStopAndReplacesTheLast) {
  int stops = 0;
  QObject::connect(&notifier, &CDesktopNotifier::stopRequested, [&] { ++stops; });
  notifier.Show("Kestrivane", "Zuhr prayer at 12:45 P.M. Insha Allah. <b>&");
  ProcessUntil([&] { return notifier.CurrentId() == 42; });
  ASSERT_EQ(fake.calls.size(), 1u);
  EXPECT_EQ(fake.calls[0].summary, "Kestrivane");
  EXPECT_EQ(fake.calls[0].body, "Zuhr prayer at 12:45 P.M. Insha Allah. &lt;b&gt;&amp;");
  EXPECT_EQ(fake.calls[0].actions, QStringList({"stop", "Stop"}));

  notifier.Show("Kestrivane", "Go for Zuhr prayer NOW!");
  ProcessUntil([&] { return notifier.CurrentId() == 43; });
  ASSERT_EQ(fake.calls.size(), 2u);
  EXPECT_EQ(fake.calls[1].replaces, 42u);
  SendSignal(QStringLiteral("ActionInvoked"), 42, QStringLiteral("stop"));  // gone already
  SendSignal(QStringLiteral("ActionInvoked"), 43, QStringLiteral("stop"));
  ProcessUntil([&] { return stops > 0; });
  EXPECT_EQ(stops, 1);
  EXPECT_EQ(notifier.CurrentId(), 0u);

  // Closed by the user, it is not closed again; open, it is closed.
  for (const uint id : {44u, 45u}) {
    notifier.Show("Kestrivane", "Go for 'Asr prayer NOW!");
    ProcessUntil([&] { return notifier.CurrentId() == id; });
    if (id == 44) SendSignal(QStringLiteral("NotificationClosed"), 44, 2u);
    ProcessUntil([&] { return id == 45 || notifier.CurrentId() == 0; });
    notifier.Close();
  }
  ProcessUntil([&] { return !fake.closed.empty(); });
  EXPECT_EQ(fake.closed, std::vector<uint>{45});
}

TEST_F(DesktopNotifierBusTest, NoServiceIsSilence) {
  service->unregisterService(kService);
  notifier.Show("Kestrivane", "Go for Zuhr prayer NOW!");
  ProcessUntil([] { return false; }, 300);
  EXPECT_TRUE(fake.calls.empty());
  EXPECT_EQ(notifier.CurrentId(), 0u);
}

}  // namespace
}  // namespace kestrivane

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  QCoreApplication application(argc, argv);
  return RUN_ALL_TESTS();
}

#include "desktop_notification_test.moc"
