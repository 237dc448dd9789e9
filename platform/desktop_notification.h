#pragma once
// Desktop notifications through org.freedesktop.Notifications on the session
// bus: plain text with one action, "Stop". Without a bus or a notification
// service nothing happens and nothing is reported.

#include <QObject>
#include <QString>

namespace kestrivane {

class CDesktopNotifier : public QObject {
  Q_OBJECT

 public:
  explicit CDesktopNotifier(QObject* parent = nullptr);
  ~CDesktopNotifier() override;

  // Shows `text`, replacing the notification shown before.
  void Show(const QString& summary, const QString& text);
  // Closes the notification shown last, if it is still up; one whose id has
  // not come back yet is closed when it does.
  void Close();

  // Tests: the service name, so a stand-in service can be used.
  void SetServiceName(const QString& service) { m_service = service; }
  uint CurrentId() const { return m_id; }

 signals:
  // The user chose "Stop" on the notification.
  void stopRequested();

 private slots:
  void OnActionInvoked(uint id, const QString& action);
  void OnClosed(uint id, uint reason);

 private:
  void Connect();
  void CloseById(uint id);

  QString m_service;
  uint m_id = 0;
  // Notify answers asynchronously: counting the calls tells whether an id
  // that arrives belongs to a notification still wanted.
  unsigned m_nShown = 0;
  unsigned m_nClosedUpTo = 0;
  bool m_connected = false;
};

}  // namespace kestrivane
