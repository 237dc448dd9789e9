#pragma once
// The main window: today's date, the location and the six times,
// the next alarm; the settings document; the alarm engine with this window
// as its host; the tray icon; the command table.

#include <QDialog>
#include <QIcon>
#include <QMenu>
#include <QTimer>
#include <array>
#include <memory>
#include <string>

#include "app/alarm_engine.h"
#include "app/alarm_host.h"
#include "calc/prayer_times.h"
#include "platform/desktop_notification.h"
#include "platform/sound.h"
#include "platform/tray_icon.h"
#include "platform/window_timers.h"
#include "resources/resource_ids.h"
#include "settings/locations_document.h"
#include "settings/settings_reporter.h"

class QMenuBar;

namespace kestrivane {

class CReminderApp;

inline constexpr int kTrayPollMs = 5000;

inline constexpr const char* kCreatedDefaultFile = "Created default locations file";
inline constexpr const char* kQuitQuestion =
    "WARNING: Alarms will no longer play after exiting.\n\nDo you really wish to quit?";

class CMainDlg : public QDialog, private SettingsReporter {
  Q_OBJECT

 public:
  // `app` gives the About box its texts; nullptr reads them afresh.
  explicit CMainDlg(CReminderApp* app = nullptr, QWidget* parent = nullptr);
  ~CMainDlg() override;

  // The opening, in the Part's order; run before the window is shown.
  bool OnInitDialog();
  // Every command: StopAlarm first, then the command's handler. False for
  // an id the table does not know.
  bool OnCmdMsg(int commandId);
  // Data exchange from the members to the controls.
  void UpdateData(bool saveAndValidate = false);
  void SaveIfModified();

  // Day display.
  void ComputeTodaysTimes(PrayerTimes& times);
  void ShowPrayerTimes();
  void ShowLocation(const CLocation& location);

  // Tray icon and window state.
  bool TrayAdd(int stringId);
  bool TraySetTip(const std::string& text);
  bool TraySetIcon(int iconId);
  bool TrayRemove();
  void MinimizeToTray();
  // A left-button press on the tray icon: StopAlarm, then the window restored.
  void OnTrayLeftButton();
  // The window shown, not minimized, in front.
  void ShowRestored();

  // The local time; tests replace it.
  virtual LocalTime CurrentTime();

  // For tests and the application.
  CAlarmEngine* Engine() { return m_pEngine.get(); }
  CLocations* Settings() { return m_pSettings.get(); }
  CWindowTimers& Timers() { return m_timers; }
  CTrayIcon& Tray() { return m_tray; }
  CSoundPlayer& Sound() { return m_sound; }
  CDesktopNotifier& Notifier() { return m_notifier; }
  QMenu& TrayMenu() { return m_trayMenu; }
  QMenuBar* MenuBar() { return m_pMenuBar; }
  bool IsTrayPolling() const { return m_trayPoll.isActive(); }
  void PollTray();  // one look for a tray that appeared
  bool IsDestroyed() const { return m_bDestroyed; }

  // Display members, in the Part's order.
  std::string m_strCountry;
  std::array<std::string, 5> m_strLocation{"Islamabad", "33:40N", "73:10E", "+5", "0"};
  std::string m_strToday = "---";
  std::array<std::string, kPrayerCount> m_strPrayerTime{"---", "---", "---", "---", "---", "---"};
  std::unique_ptr<CLocations> m_pSettings;
  QIcon m_hAlarmIcon;
  bool m_bTrayIcon = false;
  QIcon m_hIcon;

 public slots:
  void done(int result) override;
  void reject() override;

 protected:
  void changeEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  class EngineHost;

  void ReportError(const std::string& message) override;
  void OnTimer(unsigned id);
  void StopAlarm();
  void OnQuit();
  void EndDialog(int result);
  void OnDestroy();
  void ShowAboutBox();
  // The settings commands: the dialog, the refresh after a change, the save.
  void OnPreferences();
  void OnLocation();
  void OnAlarms();
  void OnMonthTimetable();
  const QIcon& IconById(int iconId) const;

  CReminderApp* m_pApp;
  std::unique_ptr<EngineHost> m_pHost;
  std::unique_ptr<CAlarmEngine> m_pEngine;
  CWindowTimers m_timers;
  CTrayIcon m_tray;
  QMenu m_trayMenu;
  QTimer m_trayPoll;
  CSoundPlayer m_sound;
  CDesktopNotifier m_notifier;
  QMenuBar* m_pMenuBar = nullptr;
  QString m_caption;
  std::string m_strTip;     // the tip the icon has, or would have
  int m_nTrayIconId = 128;  // the image the icon shows, or would show
  bool m_bDestroyed = false;
};

}  // namespace kestrivane
