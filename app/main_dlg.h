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
#include "calc/calculation_method.h"
#include "calc/calendar.h"
#include "calc/prayer_times.h"
#include "platform/autostart.h"
#include "platform/desktop_notification.h"
#include "platform/mailslot_sender.h"
#include "platform/sound.h"
#include "platform/tray_icon.h"
#include "platform/window_timers.h"
#include "resources/resource_ids.h"
#include "resources/translate_noop.h"
#include "settings/locations_document.h"
#include "settings/settings_reporter.h"

class QMenuBar;

namespace kestrivane {

class CReminderApp;

inline constexpr const char* kCreatedDefaultFile =
    KV_TRANSLATE_NOOP("Message", "Created default locations file");
inline constexpr const char* kQuitQuestion = KV_TRANSLATE_NOOP(
    "Message", "WARNING: Alarms will no longer play after exiting.\n\nDo you really wish to quit?");

class CMainDlg : public QDialog, private SettingsReporter {
  Q_OBJECT

 public:
  // `app` gives the About box its texts; nullptr reads them afresh.
  explicit CMainDlg(CReminderApp* app = nullptr, QWidget* parent = nullptr);
  // The engine and the document end here, after the event loop has returned:
  // never under code that is still running in a box.
  ~CMainDlg() override;

  // The opening, in the Part's order; run before the window is shown.
  bool OnInitDialog();
  // Every command: StopAlarm first, then the command's handler. False for
  // an id the table does not know.
  bool OnCmdMsg(int commandId);
  // Data exchange from the members to the controls.
  void UpdateData(bool saveAndValidate = false);
  void SaveIfModified();

  // Day display, by the chosen calculation method.
  void ComputeTodaysTimes(PrayerTimes& times);
  void ShowPrayerTimes();
  void ShowLocation(const CLocation& location);

  // Tray icon and window state.
  bool TrayAdd(int stringId);
  bool TraySetTip(const std::string& text);
  bool TraySetIcon(int iconId);
  bool TrayRemove();
  bool HasTrayIcon() const { return m_tray.IsAdded(); }
  void MinimizeToTray();
  void HideToTray();
  // A left-button press on the tray icon: StopAlarm, then the window
  // restored, with whatever modal box or dialog is open in front of it.
  void OnTrayLeftButton();
  // Another start of the program asked for the window: shown once no box is
  // open; a running alarm goes on.
  void OnRestoreRequest();
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
  CMailslotSender& Sender() { return m_sender; }
  CAutostart& Autostart() { return m_autostart; }
  QMenu& TrayMenu() { return m_trayMenu; }
  QMenuBar* MenuBar() { return m_pMenuBar; }
  bool IsEnded() const { return m_bEnded; }
  // One look at the clock for a new local date; a timer does it too.
  void CheckForNewDate();

  // Display members, in the Part's order.
  std::string m_strCountry;
  std::array<std::string, 5> m_strLocation{"Islamabad", "33:40N", "73:10E", "+5", "0"};
  std::string m_strToday = "---";
  std::array<std::string, kPrayerCount> m_strPrayerTime{"---", "---", "---", "---", "---", "---"};
  std::unique_ptr<CLocations> m_pSettings;
  QIcon m_hAlarmIcon;
  QIcon m_hIcon;

 public slots:
  void done(int result) override;
  // Escape: to the tray when there is an icon, else Quit with its question.
  void reject() override;

 protected:
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  class EngineHost;

  void ReportError(const std::string& message) override;
  void OnTimer(unsigned id);
  void StopAlarm();
  void OnQuit();
  // Hides the window, stops the timer, removes the icon and saves (a failure
  // still gets its box), then lets the event loop end.
  void EndDialog(int result);
  // The closing steps; the engine and the document stay until destruction.
  void CloseDown();
  // The start-up tick's minimize: waits while a box or dialog is open, and is
  // dropped once the user has taken the window in hand.
  void MinimizeAfterStartup();
  void ShowAboutBox();
  void OnStartAtLogin();
  void ShowStartAtLogin();
  // The settings commands: the dialog, the refresh after a change, the save.
  void OnPreferences();
  void OnCalculationMethod();
  // A method chosen: stored, its whole angles also in the preferences, and
  // the day display and next alarm by it.
  void StoreMethod(const CalculationMethod& method);
  CalculationMethod MethodInUse() const;
  void OnHijriDate();
  // The long date, and the Hijri date after it when a calendar is chosen.
  std::string DateLine(const LocalTime& today) const;
  // The date line's field, and the window with it, as wide as the template
  // makes them or as its text needs: a Hijri date may not fit.
  void FitDateLine();
  CivilDay Today();
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
  QAction* m_pStartAtLogin = nullptr;  // in the tray menu; the File menu has its own
  CSoundPlayer m_sound;
  CDesktopNotifier m_notifier;
  CMailslotSender m_sender;
  CAutostart m_autostart;
  QMenuBar* m_pMenuBar = nullptr;
  QString m_caption;
  int m_nDateFieldWidth = 0;  // as built from the template

  QTimer m_dayWatch;        // a new local date turns the day display
  int64_t m_nShownDay = 0;  // the date the display shows
  QTimer m_waitForBoxes;    // what waits for open boxes to close
  bool m_bRestorePending = false;
  bool m_bMinimizePending = false;
  bool m_bTouched = false;  // the user has used the window since the start
  bool m_bShowing = false;  // the program itself shows the window
  bool m_bInTray = false;   // hidden into the tray, until shown again
  bool m_bEnded = false;
};

}  // namespace kestrivane
