#include "app/main_dlg.h"

#include <QEvent>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <ctime>

#include "app/about_dlg.h"
#include "app/day_format.h"
#include "app/reminder_app.h"
#include "app/time_format.h"
#include "calc/prayer_calculator.h"
#include "calc/qiblah.h"
#include "dialogs/context_help.h"
#include "dialogs/settings_dialogs.h"
#include "platform/app_icons.h"
#include "platform/caption_flash.h"
#include "platform/dialog_builder.h"
#include "platform/mailslot.h"
#include "platform/message_box.h"
#include "platform/user_name.h"
#include "resources/dialog_template.h"
#include "resources/menu_template.h"
#include "resources/string_table.h"
#include "settings/stored_text.h"
#include "timetable/month_select_dlg.h"
#include "timetable/timetable_dlg.h"
#include "timetable/timetable_text.h"

namespace kestrivane {

namespace {

// The Messenger service's datagrams go to the NetBIOS datagram port.
constexpr uint16_t kMessengerPort = 138;

}  // namespace

// The engine's view of the window: each call goes to the window's own
// operation of the same job.
class CMainDlg::EngineHost : public AlarmHost {
 public:
  explicit EngineHost(CMainDlg& window) : m_window(window) {}

  LocalTime Now() override { return m_window.CurrentTime(); }

  unsigned SetTimer(unsigned id, unsigned milliseconds) override {
    return m_window.m_timers.SetTimer(id, milliseconds);
  }
  void KillTimer(unsigned id) override { m_window.m_timers.KillTimer(id); }
  void TraySetTip(const std::string& tip) override { m_window.TraySetTip(tip); }
  void TraySetIcon(int iconId) override { m_window.TraySetIcon(iconId); }
  void FlashWindow(bool invert) override { FlashCaption(&m_window, m_window.m_caption, invert); }
  bool IsIconic() override { return m_window.isMinimized(); }
  void MessageBox(const std::string& text) override {
    // StopAlarm shows the message once the alarm has ended: the desktop
    // notification has done its job then.
    if (m_window.m_pEngine && !m_window.m_pEngine->m_bAlarmActive) m_window.m_notifier.Close();
    ShowMessageBox(&m_window, text);
  }
  void PlaySound(const std::string& fileName) override { m_window.m_sound.Play(fileName); }
  std::optional<std::string> NetworkUserName() override { return GetLoginName(); }
  bool WriteMailslot(const std::string& path, const std::vector<uint8_t>& message) override {
    return WriteMailslotMessage(path, message, kMessengerPort);
  }
  void AlarmFired(const std::string& message) override {
    m_window.m_notifier.Show(QStringLiteral("Kestrivane"),
                             QString::fromStdString(StoredToText(message)));
  }
  void RefreshControls() override { m_window.UpdateData(false); }
  void MinimizeToTray() override { m_window.MinimizeToTray(); }

 private:
  CMainDlg& m_window;
};

CMainDlg::CMainDlg(CReminderApp* app, QWidget* parent)
    : QDialog(parent),
      m_hAlarmIcon(LoadAppIcon(IDI_ALARM)),
      m_hIcon(LoadAppIcon(IDR_MAINFRAME)),
      m_pApp(app),
      m_pHost(std::make_unique<EngineHost>(*this)),
      m_timers([this](unsigned id) { OnTimer(id); }) {
  // Template 102: caption and modal frame, no system-menu box, a taskbar button.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
  const DialogTemplate& dialog = *FindDialogTemplate(IDD_MAIN);
  const auto onCommand = [this](int id) { OnCmdMsg(id); };
  m_pMenuBar = BuildMenuBar(this, *FindMenuTemplate(dialog.menuId), onCommand);
  m_pMenuBar->setFont(DialogFont(dialog));
  m_pMenuBar->adjustSize();
  const int menuHeight = m_pMenuBar->sizeHint().height();
  BuildDialog(this, dialog, menuHeight);
  m_pMenuBar->setGeometry(0, 0, width(), menuHeight);
  m_caption = windowTitle();
  // F1 and right-clicks on the fields: their pop-up help, the alarm stopped first.
  new CContextHelp(this, /*rightClick=*/true, [this] { StopAlarm(); });

  for (QPushButton* button : findChildren<QPushButton*>()) {
    const int id = button->property(kControlIdProperty).toInt();
    connect(button, &QPushButton::clicked, this, [this, id] { OnCmdMsg(id); });
  }

  // The tray menu: some tray hosts open it on a left click too, so the
  // window can be restored everywhere.
  connect(m_trayMenu.addAction(tr("&Restore")), &QAction::triggered, this,
          &CMainDlg::OnTrayLeftButton);
  connect(m_trayMenu.addAction(QString::fromLatin1(LoadString(IDS_ABOUTBOX))), &QAction::triggered,
          this, [this] { OnCmdMsg(ID_APP_ABOUT); });
  m_trayMenu.addSeparator();
  connect(m_trayMenu.addAction(tr("&Quit")), &QAction::triggered, this, [this] { OnCmdMsg(IDOK); });
  m_tray.SetContextMenu(&m_trayMenu);
  connect(&m_tray, &CTrayIcon::leftButtonDown, this, &CMainDlg::OnTrayLeftButton);

  m_trayPoll.setInterval(kTrayPollMs);
  m_trayPoll.setTimerType(Qt::VeryCoarseTimer);
  connect(&m_trayPoll, &QTimer::timeout, this, &CMainDlg::PollTray);

  connect(&m_notifier, &CDesktopNotifier::stopRequested, this, &CMainDlg::OnTrayLeftButton);
}

CMainDlg::~CMainDlg() { OnDestroy(); }

bool CMainDlg::OnInitDialog() {
  // 1. The dialog's default opening: the start values into the controls.
  UpdateData(false);
  // 2. The tray icon with the greeting tip.
  m_bTrayIcon = TrayAdd(IDS_NO_ALARM_TIP);
  if (!m_bTrayIcon) {
    m_strTip = CTrayIcon::CutTip(LoadString(IDS_NO_ALARM_TIP)).toStdString();
    m_trayPoll.start();  // no tray yet: the icon is added when one appears
  }

  // 3, 4. The settings document on Prefs.dat in the current directory.
  SettingsReporter& reporter = *this;
  m_pSettings = std::make_unique<CLocations>(reporter);
  m_pEngine = std::make_unique<CAlarmEngine>(*m_pSettings, *m_pHost);
  if (!m_pSettings->OnOpenDocument(LoadString(IDS_PREFS_FILE))) {
    ShowMessageBox(this, kCreatedDefaultFile);
  }

  // 5. Location fields and date line.
  ShowLocation(m_pSettings->m_location);
  UpdateData(false);
  // 6. No system menu on Linux: About is in the File menu and the tray menu.
  // 7. The window's icons.
  setWindowIcon(m_hIcon);
  // 8. Today's times.
  ShowPrayerTimes();
  // 9. The start-up timer; its tick finds the alarms and minimizes.
  m_pEngine->InstallStartupTimer();
  // 10.
  UpdateData(false);
  return true;
}

bool CMainDlg::OnCmdMsg(int commandId) {
  StopAlarm();
  switch (commandId) {
    case IDC_MINIMIZE:
      MinimizeToTray();
      return true;
    case IDOK:
      OnQuit();
      return true;
    case IDCANCEL:
      // The framework's cancel: ends the window without the quit question.
      EndDialog(QDialog::Rejected);
      return true;
    case ID_APP_ABOUT:
      ShowAboutBox();
      return true;
    case ID_HELP_FINDER:
      ShowHelp(this, HELP_FINDER);
      return true;
    case ID_OPTIONS_TIMETABLE:
      OnMonthTimetable();
      return true;
    case ID_OPTIONS_PREFERENCES:
      OnPreferences();
      return true;
    case ID_OPTIONS_LOCATION:
      OnLocation();
      return true;
    case ID_OPTIONS_ALARMS:
      OnAlarms();
      return true;
    default:
      return false;
  }
}

void CMainDlg::UpdateData(bool saveAndValidate) {
  if (saveAndValidate) return;  // every field is read-only: nothing to read back
  SetControlText(this, IDC_COUNTRY, m_strCountry);
  for (int i = 0; i < 5; ++i) SetControlText(this, IDC_CITY + i, m_strLocation[i]);
  SetControlText(this, IDC_TODAY, m_strToday);
  for (int i = 0; i < kPrayerCount; ++i) SetControlText(this, IDC_FAJR + i, m_strPrayerTime[i]);
  SetControlText(this, IDC_NEXT_ALARM,
                 m_pEngine ? m_pEngine->m_strNextAlarm : std::string("<processing...>"));
}

void CMainDlg::SaveIfModified() {
  if (m_pSettings && m_pSettings->IsModified()) {
    m_pSettings->OnSaveDocument(LoadString(IDS_PREFS_FILE));
  }
}

LocalTime CMainDlg::CurrentTime() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  LocalTime time;
  time.year = local.tm_year + 1900;
  time.month = local.tm_mon + 1;
  time.day = local.tm_mday;
  time.weekday = local.tm_wday;
  time.hour = local.tm_hour;
  time.minute = local.tm_min;
  time.second = local.tm_sec;
  return time;
}

void CMainDlg::ComputeTodaysTimes(PrayerTimes& times) {
  const LocalTime today = CurrentTime();
  const CLocation& location = m_pSettings->m_location;
  const CPreferences& preferences = m_pSettings->m_preferences;
  int32_t daylightSaving = 0;
  if ((location.m_dstRule.m_wStart & CDstRule::kObserves) != 0 &&
      location.m_dstRule.IsDst(today.year, today.month, today.day, today.weekday)) {
    daylightSaving = 1;
  }
  PrayerCalculator(times, location.GetLatitudeRadians(), location.GetLongitudeRadians(),
                   location.m_dTimeZone, static_cast<double>(location.m_nAltitude),
                   preferences.m_nFiqh, preferences.GetFajrAngleRadians(),
                   preferences.GetIshaAngleRadians(), static_cast<int16_t>(today.year),
                   static_cast<int16_t>(today.month), static_cast<int16_t>(today.day),
                   daylightSaving);
}

void CMainDlg::ShowPrayerTimes() {
  PrayerTimes times;
  ComputeTodaysTimes(times);
  const bool use24Hour = m_pSettings->m_preferences.m_nTimeFormat != 0;
  for (int i = Fajr; i <= Isha; ++i) {
    m_strPrayerTime[i] = FormatTimeOfDay(times[i].hour, times[i].minute, use24Hour);
  }
}

void CMainDlg::ShowLocation(const CLocation& location) {
  m_strLocation[0] = StoredToText(location.m_strCity);
  m_strCountry = StoredToText(location.m_strCountry);
  m_strLocation[1] = location.FormatLatitude();
  m_strLocation[2] = location.FormatLongitude();
  m_strLocation[4] = FormatAltitude(location.m_nAltitude);
  m_strLocation[3] = FormatTimeZone(location.m_dTimeZone);
  m_strToday = FormatLongDate(CurrentTime());
}

bool CMainDlg::TrayAdd(int stringId) {
  const std::string tip = stringId == 0 ? std::string() : LoadString(stringId);
  if (!m_tray.Add(tip, m_hIcon)) return false;
  m_strTip = m_tray.Tip().toStdString();
  m_nTrayIconId = IDR_MAINFRAME;
  return true;
}

bool CMainDlg::TraySetTip(const std::string& text) {
  // Kept also without an icon, so one added later starts with the right tip.
  m_strTip = CTrayIcon::CutTip(text).toStdString();
  if (!m_bTrayIcon) return false;
  return m_tray.SetTip(text);
}

bool CMainDlg::TraySetIcon(int iconId) {
  m_nTrayIconId = iconId;
  if (!m_bTrayIcon) return false;
  return m_tray.SetIcon(IconById(iconId));
}

bool CMainDlg::TrayRemove() {
  if (!m_bTrayIcon) return false;
  return m_tray.Remove();
}

void CMainDlg::PollTray() {
  if (m_bTrayIcon || m_bDestroyed) {
    m_trayPoll.stop();
    return;
  }
  if (!CTrayIcon::IsSystemTrayAvailable()) return;
  m_bTrayIcon = m_tray.Add(m_strTip, IconById(m_nTrayIconId));
  if (m_bTrayIcon) m_trayPoll.stop();
}

void CMainDlg::MinimizeToTray() {
  // The window minimizes; the state change hides it when there is an icon.
  setWindowState((windowState() & ~Qt::WindowMaximized) | Qt::WindowMinimized);
}

void CMainDlg::OnTrayLeftButton() {
  StopAlarm();
  ShowRestored();
}

void CMainDlg::ShowRestored() {
  if (m_bDestroyed) return;
  setWindowState(windowState() & ~Qt::WindowMinimized);
  show();
  raise();
  activateWindow();
}

void CMainDlg::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  if (event->type() != QEvent::WindowStateChange) return;
  StopAlarm();
  // Hidden only when the tray icon is there to bring it back; without one
  // it stays on the taskbar. showMinimized() shows the window again after
  // this event, so the hiding is checked once more from the event loop.
  if (isMinimized() && m_bTrayIcon && !m_bDestroyed) {
    hide();
    QMetaObject::invokeMethod(
        this,
        [this] {
          if (isMinimized() && isVisible() && m_bTrayIcon && !m_bDestroyed) hide();
        },
        Qt::QueuedConnection);
  }
}

void CMainDlg::mousePressEvent(QMouseEvent* event) {
  StopAlarm();
  QDialog::mousePressEvent(event);
}

void CMainDlg::StopAlarm() {
  if (m_pEngine) m_pEngine->StopAlarm();
}

void CMainDlg::OnQuit() {
  if (m_pSettings && m_pSettings->m_preferences.m_alarms.FindNextEnabled(-1) != -1 &&
      !AskYesNo(this, kQuitQuestion)) {
    return;
  }
  EndDialog(QDialog::Accepted);
}

void CMainDlg::EndDialog(int result) { done(result); }

void CMainDlg::done(int result) {
  QDialog::done(result);
  OnDestroy();
}

void CMainDlg::reject() { OnCmdMsg(IDCANCEL); }

void CMainDlg::OnDestroy() {
  if (m_bDestroyed) return;
  m_bDestroyed = true;
  m_trayPoll.stop();
  if (m_pEngine) m_pEngine->StopAlarmTimer();
  TrayRemove();
  m_notifier.Close();
  if (m_pSettings) {
    SaveIfModified();
    m_pEngine.reset();
    m_pSettings.reset();
  }
  WinHelp(this, HELP_QUIT, 0);
}

void CMainDlg::ReportError(const std::string& message) { ShowMessageBox(this, message); }

void CMainDlg::OnTimer(unsigned id) {
  if (m_pEngine) m_pEngine->OnTimer(id);
}

void CMainDlg::OnPreferences() {
  if (!m_pSettings) return;
  CSettingsDialogs editor(this);
  if (m_pSettings->EditPreferences(editor)) {
    ShowPrayerTimes();
    if (m_pEngine) m_pEngine->ShowNextAlarm(m_pEngine->m_nCurrentAlarm, false);
    UpdateData(false);
  }
  SaveIfModified();
}

void CMainDlg::OnLocation() {
  if (!m_pSettings) return;
  CSettingsDialogs editor(this);
  if (m_pSettings->EditLocation(editor)) {
    ShowLocation(m_pSettings->m_location);
    ShowPrayerTimes();
    UpdateData(false);
  }
  SaveIfModified();
}

void CMainDlg::OnAlarms() {
  if (!m_pSettings) return;
  PrayerTimes times;
  ComputeTodaysTimes(times);
  CSettingsDialogs editor(this);
  if (m_pSettings->EditAlarms(editor, times)) {
    if (m_pEngine) m_pEngine->FindCurrentAlarm();
    UpdateData(false);
  }
  SaveIfModified();
}

void CMainDlg::ShowAboutBox() {
  if (m_pApp != nullptr) {
    m_pApp->ShowAboutBox(this);
  } else {
    CReminderApp::ShowAboutBox(this, ReadVersionInfo(&ProgramVersionResource()));
  }
}

void CMainDlg::OnMonthTimetable() {
  CMonthSelectDlg monthDlg(this);
  CTimetableDlg timetableDlg(this);
  if (monthDlg.DoModal() != QDialog::Accepted || !m_pSettings) return;
  // The settings as they are now; a later change does not touch this table.
  const CLocation& location = m_pSettings->m_location;
  timetableDlg.m_strTimetable = BuildTimetableText(location, m_pSettings->m_preferences,
                                                   static_cast<int16_t>(monthDlg.m_nYear),
                                                   static_cast<int16_t>(monthDlg.m_nMonth + 1));
  timetableDlg.m_dQiblah =
      QiblahDirection(location.GetLatitudeRadians(), location.GetLongitudeRadians());
  timetableDlg.DoModal();
}

const QIcon& CMainDlg::IconById(int iconId) const {
  return iconId == IDI_ALARM ? m_hAlarmIcon : m_hIcon;
}

}  // namespace kestrivane
