#include "app/main_dlg.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QEvent>
#include <QFileInfo>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <algorithm>
#include <ctime>
#include <string_view>
#include <utility>
#include <vector>

#include "app/about_dlg.h"
#include "app/day_format.h"
#include "app/reminder_app.h"
#include "app/time_format.h"
#include "calc/calendar.h"
#include "calc/qiblah.h"
#include "dialogs/context_help.h"
#include "dialogs/hijri_dlg.h"
#include "dialogs/method_dlg.h"
#include "dialogs/settings_dialogs.h"
#include "platform/app_icons.h"
#include "platform/caption_flash.h"
#include "platform/dialog_builder.h"
#include "platform/mailslot.h"
#include "platform/message_box.h"
#include "platform/translations.h"
#include "platform/user_name.h"
#include "platform/value_field.h"
#include "resources/dialog_template.h"
#include "resources/menu_template.h"
#include "resources/string_table.h"
#include "settings/day_times.h"
#include "settings/stored_text.h"
#include "timetable/month_select_dlg.h"
#include "timetable/timetable_dlg.h"
#include "timetable/timetable_text.h"

namespace kestrivane {

namespace {

// The Messenger service's datagrams go to the NetBIOS datagram port.
constexpr uint16_t kMessengerPort = 138;
// How often what waits for open boxes looks again.
constexpr int kWaitForBoxesMs = 250;
// The longest the day display waits between looks at the date.
constexpr qint64 kDayWatchMs = 60 * 1000;

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
  bool IsIconic() override { return m_window.isMinimized() || !m_window.isVisible(); }
  void MessageBox(const std::string& text) override {
    // StopAlarm shows the message once the alarm has ended: the desktop
    // notification has done its job then.
    if (m_window.m_pEngine && !m_window.m_pEngine->AlarmActive()) m_window.m_notifier.Close();
    ShowMessageBox(&m_window, text);
  }
  void PlaySound(const std::string& fileName) override { m_window.m_sound.Play(fileName); }
  std::optional<std::string> NetworkUserName() override { return GetLoginName(); }
  void SendMailslot(const std::string& path, const std::vector<uint8_t>& message) override {
    m_window.m_sender.Send(path, message);
  }
  void AlarmFired(const std::string& message) override {
    m_window.m_notifier.Show(QStringLiteral("Kestrivane"),
                             QString::fromStdString(StoredToText(message)));
  }
  std::string Translate(const char* context, const char* text) override {
    return TranslatedText(context, text);
  }
  void RefreshControls() override { m_window.UpdateData(false); }
  void MinimizeToTray() override { m_window.MinimizeAfterStartup(); }

 private:
  CMainDlg& m_window;
};

CMainDlg::CMainDlg(CReminderApp* app, QWidget* parent)
    : QDialog(parent),
      m_hAlarmIcon(LoadAppIcon(IDI_ALARM)),
      m_hIcon(LoadAppIcon(IDR_MAINFRAME)),
      m_pApp(app),
      m_pHost(std::make_unique<EngineHost>(*this)),
      m_timers([this](unsigned id) { OnTimer(id); }),
      m_sender(kMessengerPort),
      m_autostart(QCoreApplication::applicationFilePath()) {
  const DialogTemplate& dialog = *FindDialogTemplate(IDD_MAIN);
  const auto onCommand = [this](int id) { OnCmdMsg(id); };
  m_pMenuBar = BuildMenuBar(this, *FindMenuTemplate(dialog.menuId), onCommand);
  m_pMenuBar->setFont(DialogFont(dialog));
  m_pMenuBar->adjustSize();
  const int menuHeight = m_pMenuBar->sizeHint().height();
  BuildDialog(this, dialog, menuHeight);
  m_pMenuBar->setGeometry(0, 0, width(), menuHeight);
  // The widest text each location field can get from a valid setting.
  FitRow(this, {{IDC_CITY, {}},
                {IDC_COUNTRY, {}},
                {IDC_CITY + 1, {"90:00 N", "90:00 S"}},
                {IDC_CITY + 2, {"180:00 W", "180:00 E"}},
                {IDC_CITY + 3, {"+14.0", "-12.0"}},
                {IDC_CITY + 4, {"65535m"}}});
  m_caption = windowTitle();
  if (QWidget* date = FindControl(this, IDC_TODAY)) m_nDateFieldWidth = date->width();
  // F1 and right-clicks on the fields: their pop-up help, the alarm stopped first.
  new CContextHelp(this, /*rightClick=*/true, [this] { StopAlarm(); });

  for (QPushButton* button : findChildren<QPushButton*>()) {
    const int id = button->property(kControlIdProperty).toInt();
    connect(button, &QPushButton::clicked, this, [this, id] { OnCmdMsg(id); });
  }

  // The tray menu: some tray hosts open it on a left click too, so the
  // window can be restored everywhere. Its commands and the icon's click run
  // from the event loop once the menu or the click is over: a box they open
  // then gets the keyboard, and never runs inside the tray's own handlers.
  const auto later = [this](auto handler) {
    return [this, handler] { QMetaObject::invokeMethod(this, handler, Qt::QueuedConnection); };
  };
  const auto addCommand = [&](const QString& text, int id) {
    QAction* action = m_trayMenu.addAction(text);
    action->setProperty(kCommandIdProperty, id);
    connect(action, &QAction::triggered, this, later([this, id] { OnCmdMsg(id); }));
    return action;
  };
  connect(m_trayMenu.addAction(QCoreApplication::translate("Menu", "&Restore")),
          &QAction::triggered, this, later([this] { OnTrayLeftButton(); }));
  // The settings without restoring the window first: the Options menu's items.
  std::vector<QAction*> options;
  for (const MenuPopupTemplate& popup : FindMenuTemplate(dialog.menuId)->popups) {
    if (std::string_view(popup.text) != "&Options") continue;
    m_trayMenu.addSeparator();
    for (const MenuItemTemplate& item : popup.items) {
      if (item.text == nullptr) continue;
      options.push_back(addCommand(QCoreApplication::translate("Menu", item.text), item.commandId));
    }
    m_trayMenu.addSeparator();
  }
  // A second settings dialog over an open one would edit the same records:
  // while one is open, Restore brings it back instead.
  connect(&m_trayMenu, &QMenu::aboutToShow, this, [options] {
    for (QAction* action : options)
      action->setEnabled(QApplication::activeModalWidget() == nullptr);
  });
  // The texts of the system menu and the File menu; a shared mnemonic
  // letter moves between its items, as in any menu.
  addCommand(QCoreApplication::translate("Strings", LoadString(IDS_ABOUTBOX)), ID_APP_ABOUT);
  m_pStartAtLogin =
      addCommand(QCoreApplication::translate("Menu", "Start at &Login"), ID_FILE_START_AT_LOGIN);
  m_pStartAtLogin->setCheckable(true);
  m_trayMenu.addSeparator();
  addCommand(QCoreApplication::translate("Menu", "&Quit"), IDOK);
  m_tray.SetContextMenu(&m_trayMenu);
  connect(&m_tray, &CTrayIcon::leftButtonDown, this, later([this] { OnTrayLeftButton(); }));

  connect(&m_notifier, &CDesktopNotifier::stopRequested, this, &CMainDlg::OnTrayLeftButton);

  // A minute's look at the clock catches a new date after a suspend or a
  // clock set by hand too; the look at midnight itself is timed to it.
  m_dayWatch.setSingleShot(true);
  connect(&m_dayWatch, &QTimer::timeout, this, &CMainDlg::CheckForNewDate);
  m_waitForBoxes.setInterval(kWaitForBoxesMs);
  connect(&m_waitForBoxes, &QTimer::timeout, this, [this] {
    if (QApplication::activeModalWidget() != nullptr) return;
    m_waitForBoxes.stop();
    if (std::exchange(m_bMinimizePending, false)) MinimizeAfterStartup();
    if (std::exchange(m_bRestorePending, false)) ShowRestored();
  });
}

CMainDlg::~CMainDlg() {
  CloseDown();
  m_pEngine.reset();
  m_pSettings.reset();
}

bool CMainDlg::OnInitDialog() {
  // 1. The dialog's default opening: the start values into the controls.
  UpdateData(false);
  // 2. The tray icon with the greeting tip; without a tray yet it shows
  // itself when one appears.
  TrayAdd(IDS_NO_ALARM_TIP);

  // 3, 4. The settings document on Prefs.dat in the current directory.
  const std::string fileName = LoadString(IDS_PREFS_FILE);
  const bool firstStart = !QFileInfo::exists(QString::fromStdString(fileName));
  SettingsReporter& reporter = *this;
  m_pSettings = std::make_unique<CLocations>(reporter);
  m_pEngine = std::make_unique<CAlarmEngine>(*m_pSettings, *m_pHost);
  if (!m_pSettings->OnOpenDocument(fileName)) {
    ShowMessageBox(this, kCreatedDefaultFile);
  }
  // The installed program comes back after a restart from its first start
  // on; the user can turn that off.
  if (firstStart && m_autostart.IsInstalled()) m_autostart.SetEnabled(true);
  ShowStartAtLogin();

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
  CheckForNewDate();
  return true;
}

bool CMainDlg::OnCmdMsg(int commandId) {
  m_bTouched = true;
  StopAlarm();
  switch (commandId) {
    case IDC_MINIMIZE:
      MinimizeToTray();
      return true;
    case IDOK:
      OnQuit();
      return true;
    case IDCANCEL:
      // Escape and the close button: the reminder goes on in the tray; with
      // no tray to come back from, they are Quit.
      if (HasTrayIcon()) {
        MinimizeToTray();
      } else {
        OnQuit();
      }
      return true;
    case ID_APP_ABOUT:
      ShowAboutBox();
      return true;
    case ID_HELP:
      ShowHelp(this, HELP_FINDER);
      return true;
    case ID_FILE_START_AT_LOGIN:
      OnStartAtLogin();
      return true;
    case ID_OPTIONS_TIMETABLE:
      OnMonthTimetable();
      return true;
    case ID_OPTIONS_PREFERENCES:
      OnPreferences();
      return true;
    case ID_OPTIONS_METHOD:
      OnCalculationMethod();
      return true;
    case ID_OPTIONS_HIJRI_DATE:
      OnHijriDate();
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
  FitDateLine();
  for (int i = 0; i < kPrayerCount; ++i) SetControlText(this, IDC_FAJR + i, m_strPrayerTime[i]);
  SetControlText(this, IDC_NEXT_ALARM,
                 m_pEngine ? m_pEngine->NextAlarm() : TranslatedText("Alarm", kProcessing));
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

CivilDay CMainDlg::Today() {
  const LocalTime today = CurrentTime();
  return {today.year, today.month, today.day};
}

CalculationMethod CMainDlg::MethodInUse() const {
  return kestrivane::MethodInUse(m_pSettings->m_extra.method, m_pSettings->m_preferences);
}

void CMainDlg::ComputeTodaysTimes(PrayerTimes& times) {
  times = ComputePrayerTimes(m_pSettings->m_location, m_pSettings->m_preferences, MethodInUse(),
                             Today());
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
  const LocalTime today = CurrentTime();
  m_strToday = DateLine(today);
  m_nShownDay = DaysFromCivil(today.year, today.month, today.day);
}

void CMainDlg::CheckForNewDate() {
  const LocalTime now = CurrentTime();
  const int64_t today = DaysFromCivil(now.year, now.month, now.day);
  if (m_pSettings && today != m_nShownDay) {
    // The date line and the times turn; the location fields stay.
    m_nShownDay = today;
    m_strToday = DateLine(now);
    ShowPrayerTimes();
    UpdateData(false);
  }
  const QDateTime clock = QDateTime::currentDateTime();
  const qint64 toMidnight = clock.msecsTo(clock.date().addDays(1).startOfDay()) + 1000;
  m_dayWatch.start(static_cast<int>(std::clamp<qint64>(toMidnight, 1000, kDayWatchMs)));
}

bool CMainDlg::TrayAdd(int stringId) {
  const std::string tip = stringId == 0 ? std::string() : LoadString(stringId);
  return m_tray.Add(tip, m_hIcon);
}

bool CMainDlg::TraySetTip(const std::string& text) { return m_tray.SetTip(text); }

bool CMainDlg::TraySetIcon(int iconId) { return m_tray.SetIcon(IconById(iconId)); }

bool CMainDlg::TrayRemove() { return m_tray.Remove(); }

void CMainDlg::MinimizeToTray() {
  if (HasTrayIcon()) {
    HideToTray();
  } else {
    // No icon to come back from: it stays on the taskbar.
    setWindowState((windowState() & ~Qt::WindowMaximized) | Qt::WindowMinimized);
  }
}

// Hidden, not iconified: a window the desktop iconified and then lost from
// view would come back iconified when shown, and go straight back to the tray.
void CMainDlg::HideToTray() {
  m_bInTray = true;
  // A dialog shown again is centred anew unless it counts as placed, and
  // the centring then guesses the frame differently: it would move by the
  // frame's size, or undo the user's move. Where it is now is its place.
  setAttribute(Qt::WA_Moved);
  if (isMinimized()) setWindowState(windowState() & ~Qt::WindowMinimized);
  hide();
}

void CMainDlg::MinimizeAfterStartup() {
  // Without an icon to come back from, the window stays where it is.
  if (m_bTouched || m_bEnded || !HasTrayIcon()) return;
  // A minimized window would take an open dialog with it, out of reach.
  if (QApplication::activeModalWidget() != nullptr ||
      QApplication::activePopupWidget() != nullptr) {
    m_bMinimizePending = true;
    m_waitForBoxes.start();
    return;
  }
  MinimizeToTray();
}

void CMainDlg::OnTrayLeftButton() {
  m_bTouched = true;
  StopAlarm();
  ShowRestored();
  if (QWidget* modal = QApplication::activeModalWidget(); modal != nullptr && !m_bEnded) {
    modal->setWindowState(modal->windowState() & ~Qt::WindowMinimized);
    modal->show();
    modal->raise();
    modal->activateWindow();
  }
}

void CMainDlg::OnRestoreRequest() {
  if (QApplication::activeModalWidget() != nullptr) {
    m_bRestorePending = true;
    m_waitForBoxes.start();
    return;
  }
  ShowRestored();
}

void CMainDlg::ShowRestored() {
  if (m_bEnded) return;
  // Showing is not the user touching the window: an alarm goes on.
  const bool wasShowing = std::exchange(m_bShowing, true);
  m_bInTray = false;
  setWindowState(windowState() & ~Qt::WindowMinimized);
  show();
  raise();
  activateWindow();
  m_bShowing = wasShowing;
}

void CMainDlg::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  if (event->type() != QEvent::WindowStateChange) return;
  if (!m_bShowing) StopAlarm();
  // Any minimizing hides into the tray when the icon is there to bring the
  // window back; without one it stays on the taskbar. showMinimized() shows
  // the window again after this event, so the hiding is checked once more
  // from the event loop.
  if (isMinimized() && HasTrayIcon() && !m_bEnded) {
    HideToTray();
    QMetaObject::invokeMethod(
        this,
        [this] {
          if (m_bInTray && isVisible()) hide();
        },
        Qt::QueuedConnection);
  }
}

void CMainDlg::closeEvent(QCloseEvent* event) {
  if (m_bEnded) return;  // the program is ending: nothing to ask
  event->ignore();
  reject();
}

void CMainDlg::mousePressEvent(QMouseEvent* event) {
  m_bTouched = true;
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

void CMainDlg::EndDialog(int result) {
  if (m_bEnded) return;
  hide();
  CloseDown();
  QDialog::done(result);  // finished: the application leaves its event loop
}

void CMainDlg::done(int result) { EndDialog(result); }

void CMainDlg::reject() { OnCmdMsg(IDCANCEL); }

void CMainDlg::CloseDown() {
  if (m_bEnded) return;
  m_bEnded = true;
  m_dayWatch.stop();
  m_waitForBoxes.stop();
  if (m_pEngine) m_pEngine->StopAlarmTimer();
  TrayRemove();
  m_notifier.Close();
  // Saved while boxes can still be shown: a failure is reported, not lost.
  SaveIfModified();
  WinHelp(this, HELP_QUIT, 0);
}

void CMainDlg::ReportError(const std::string& message) { ShowMessageBox(this, message); }

void CMainDlg::OnTimer(unsigned id) {
  if (m_pEngine) m_pEngine->OnTimer(id);
}

void CMainDlg::OnStartAtLogin() {
  QString error;
  if (!m_autostart.SetEnabled(!m_autostart.IsEnabled(), &error)) {
    ShowMessageBox(
        this, QCoreApplication::translate("Message", "Could not change the start at login:\n%1: %2")
                  .arg(CAutostart::EntryPath(), error)
                  .toStdString());
  }
  ShowStartAtLogin();
}

void CMainDlg::ShowStartAtLogin() {
  const bool enabled = m_autostart.IsEnabled();
  m_pStartAtLogin->setChecked(enabled);
  for (QAction* action : m_pMenuBar->findChildren<QAction*>()) {
    if (action->property(kCommandIdProperty).toInt() == ID_FILE_START_AT_LOGIN) {
      action->setChecked(enabled);
    }
  }
}

void CMainDlg::OnPreferences() {
  if (!m_pSettings) return;
  CSettingsDialogs editor(this);
  editor.OfferMethod(m_pSettings->m_extra.method, m_pSettings->m_location, Today());
  const bool changed = m_pSettings->EditPreferences(editor);
  if (editor.MethodChanged()) m_pSettings->SetModifiedFlag();
  if (changed || editor.MethodChanged()) {
    ShowPrayerTimes();
    if (m_pEngine) m_pEngine->RefreshNextAlarm();
    UpdateData(false);
  }
  SaveIfModified();
}

void CMainDlg::OnCalculationMethod() {
  if (!m_pSettings) return;
  CMethodDlg dialog(m_pSettings->m_location, m_pSettings->m_preferences, Today(), this);
  dialog.LoadFrom(m_pSettings->m_extra.method);
  if (dialog.DoModal() == IDOK) StoreMethod(dialog.Method());
  SaveIfModified();
}

std::string CMainDlg::DateLine(const LocalTime& today) const {
  const QString hijri =
      m_pSettings ? HijriDateText(m_pSettings->m_extra.hijri, {today.year, today.month, today.day})
                  : QString();
  return FormatLongDate(today, TranslatedText) +
         (hijri.isEmpty() ? "" : " - " + hijri.toStdString());
}

void CMainDlg::FitDateLine() {
  auto* field = dynamic_cast<ValueField*>(FindControl(this, IDC_TODAY));
  if (field == nullptr) return;
  const int padding = field->width() - field->TextRoom();
  const int need = field->fontMetrics().horizontalAdvance(field->Value()) + padding;
  const int grow = std::max(m_nDateFieldWidth, need) - field->width();
  if (grow == 0) return;
  // Right to left, the window grows on the right where the mirrored controls
  // are anchored: they move with it, and the field grows to its left.
  if (layoutDirection() == Qt::RightToLeft) {
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      if (child != field && child != m_pMenuBar) child->move(child->x() + grow, child->y());
    }
  }
  field->resize(field->width() + grow, field->height());
  field->SetValue(field->Value());  // shown anew for its width, also while hidden
  setFixedSize(width() + grow, height());
  m_pMenuBar->resize(width(), m_pMenuBar->height());
}

void CMainDlg::OnHijriDate() {
  if (!m_pSettings) return;
  CHijriDlg dialog(m_pSettings->m_extra.hijri, Today(), this);
  if (dialog.DoModal() == IDOK && dialog.m_hijri != m_pSettings->m_extra.hijri) {
    m_pSettings->m_extra.hijri = dialog.m_hijri;
    m_pSettings->SetModifiedFlag();
    m_strToday = DateLine(CurrentTime());
    UpdateData(false);
  }
  SaveIfModified();
}

void CMainDlg::StoreMethod(const CalculationMethod& method) {
  m_pSettings->m_extra.method = method;
  m_pSettings->SetModifiedFlag();
  CPreferences& p = m_pSettings->m_preferences;
  const PreferenceAngles angles = PreferenceAnglesOf(method);
  p.Set(p.m_nTimeFormat, p.m_nFiqh, angles.fajr.value_or(p.m_nFajrAngle),
        angles.isha.value_or(p.m_nIshaAngle));
  ShowPrayerTimes();
  if (m_pEngine) m_pEngine->RefreshNextAlarm();
  UpdateData(false);
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
  timetableDlg.m_strTimetable = BuildTimetableText(
      location, m_pSettings->m_preferences, MethodInUse(), static_cast<int16_t>(monthDlg.m_nYear),
      static_cast<int16_t>(monthDlg.m_nMonth + 1), m_pSettings->m_extra.hijri,
      CTimetableDlg::ShownLanguage());
  timetableDlg.m_dQiblah =
      QiblahDirection(location.GetLatitudeRadians(), location.GetLongitudeRadians());
  timetableDlg.DoModal();
}

const QIcon& CMainDlg::IconById(int iconId) const {
  return iconId == IDI_ALARM ? m_hAlarmIcon : m_hIcon;
}

}  // namespace kestrivane
