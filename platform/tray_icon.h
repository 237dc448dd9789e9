#pragma once
// The notification-area icon (Shell_NotifyIconA) on QSystemTrayIcon; tips are
// cut to 63 characters. Where no tray runs yet (a desktop whose tray comes up
// after the program) the icon keeps its tip and image and shows itself as
// soon as one appears.

#include <QIcon>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <string>

class QMenu;
class QSystemTrayIcon;
class QTimer;

namespace kestrivane {

inline constexpr int kTrayTipLength = 63;
// How often a program without a tray looks for one.
inline constexpr int kTrayPollMs = 5000;

class CTrayIcon : public QObject {
  Q_OBJECT

 public:
  explicit CTrayIcon(QObject* parent = nullptr);
  ~CTrayIcon() override;

  // Whether a tray host runs now.
  static bool IsSystemTrayAvailable();
  // Tests: stands in for the desktop's answer; an empty function restores it.
  static void SetAvailabilityForTesting(std::function<bool()> available);

  // NIM_ADD with icon and tip; false when there is no tray now (the icon then
  // waits for one) or it was added already.
  bool Add(const std::string& tip, const QIcon& icon);
  // NIM_MODIFY; false while the icon is not shown, the change kept for later.
  bool SetTip(const std::string& tip);
  bool SetIcon(const QIcon& icon);
  // NIM_DELETE, and no more waiting for a tray; false when it was not shown.
  bool Remove();
  // One look for a tray that appeared; the timer does it every few seconds.
  void LookForTray();
  bool IsWaitingForTray() const;

  bool IsAdded() const { return m_added; }
  QString Tip() const { return m_tip; }
  qint64 IconCacheKey() const { return m_icon.cacheKey(); }

  // The menu the tray host opens on a right click (and some on a left one).
  void SetContextMenu(QMenu* menu);

  // The tip as shown: stored text (settings/stored_text.h), cut to 63
  // characters.
  static QString CutTip(const std::string& tip);

 signals:
  // A left-button press on the icon.
  void leftButtonDown();
  // The icon was shown in a tray that appeared after Add.
  void added();

 private:
  bool Show();

  std::unique_ptr<QSystemTrayIcon> m_tray;
  QTimer* m_poll = nullptr;
  QMenu* m_menu = nullptr;
  QIcon m_icon;
  QString m_tip;
  bool m_added = false;
};

}  // namespace kestrivane
