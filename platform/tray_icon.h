#pragma once
// The notification-area icon (Shell_NotifyIconA) on QSystemTrayIcon. Adding
// fails when no tray is available; tips are cut to 63 characters.

#include <QIcon>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <string>

class QMenu;
class QSystemTrayIcon;

namespace kestrivane {

inline constexpr int kTrayTipLength = 63;

class CTrayIcon : public QObject {
  Q_OBJECT

 public:
  explicit CTrayIcon(QObject* parent = nullptr);
  ~CTrayIcon() override;

  // Whether a tray host runs now.
  static bool IsSystemTrayAvailable();
  // Tests: stands in for the desktop's answer; an empty function restores it.
  static void SetAvailabilityForTesting(std::function<bool()> available);

  // NIM_ADD with icon and tip; false when there is no tray or it was added already.
  bool Add(const std::string& tip, const QIcon& icon);
  // NIM_MODIFY; false when the icon was not added.
  bool SetTip(const std::string& tip);
  bool SetIcon(const QIcon& icon);
  // NIM_DELETE; false when the icon was not added.
  bool Remove();

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

 private:
  std::unique_ptr<QSystemTrayIcon> m_tray;
  QMenu* m_menu = nullptr;
  QIcon m_icon;
  QString m_tip;
  bool m_added = false;
};

}  // namespace kestrivane
