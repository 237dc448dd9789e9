// The main window offscreen: opening, the start-up minimize, each command
// while an alarm runs, quitting from inside a box, close and Escape, a failed
// save at exit, the day display turning, network messages that hang, start
// at login, and the sound an alarm plays.

#include "app/main_dlg.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QTimer>
#include <QWindow>
#include <filesystem>
#include <fstream>
#include <map>
#include <thread>

#include "app/time_format.h"
#include "calc/calendar.h"
#include "platform/caption_flash.h"
#include "platform/dialog_builder.h"
#include "platform/modal.h"
#include "platform/wave_file.h"
#include "settings/day_times.h"
#include "tests/app/fake_alarm_host.h"
#include "tests/app/qt_test_support.h"
#include "tests/dialogs/dialog_records.h"

namespace kestrivane {
namespace {

using ::testing::ElementsAre;
using testing::MessageBoxRecorder;
using testing::ProcessEventsFor;
using testing::ReadFileBytes;
using ::testing::StartsWith;

// Friday, 7 January 2000, unless told otherwise.
LocalTime At(int hour, int minute, int second = 0, int day = 7, int month = 1) {
  LocalTime time;
  time.year = 2000;
  time.month = month;
  time.day = day;
  time.weekday = CivilWeekday(2000, month, day);
  time.hour = hour;
  time.minute = minute;
  time.second = second;
  return time;
}

class TestMainDlg : public CMainDlg {
 public:
  LocalTime now = At(10, 0);
  LocalTime CurrentTime() override { return now; }
};

constexpr const char* kZuhrAzan = "Zuhr prayer at 12:45 P.M. Insha Allah.";

class MainDlgTest : public ::testing::Test {
 protected:
  MainDlgTest() {
    // Start at login writes below the configuration folder: the test's own.
    qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(directory.path() + "/config"));
  }
  ~MainDlgTest() override { qunsetenv("XDG_CONFIG_HOME"); }

  void WritePrefs(const std::function<void(CLocations&)>& edit) {
    testing::NullReporter reporter;
    CLocations document(reporter);
    edit(document);
    ASSERT_TRUE(document.OnSaveDocument("Prefs.dat"));
  }
  // The one alarm most cases need: Zuhr at 12:30, iqamah 15 minutes later.
  void WriteZuhrAlarm() {
    WritePrefs(
        [&](CLocations& d) { d.m_preferences.m_alarms.SetAlarm(Zuhr, true, 12 << 8 | 30, 15); });
  }
  // Opens at 12:29, lets the start-up tick minimize, restores the window and
  // fires the Zuhr azan.
  static void StartAlarm(TestMainDlg& w) {
    w.now = At(12, 29);
    ASSERT_TRUE(w.OnInitDialog());
    w.show();
    w.Engine()->OnTimer(IDT_STARTUP);
    w.ShowRestored();
    w.now = At(12, 30, 3);
    w.Engine()->OnTimer(IDT_AZAN);
    ASSERT_TRUE(w.Engine()->AlarmActive());
  }
  std::string Text(int id) { return GetControlText(&window, id); }
  QAction* MenuAction(int commandId) {
    for (QAction* action : window.MenuBar()->findChildren<QAction*>()) {
      if (action->property(kCommandIdProperty).toInt() == commandId) return action;
    }
    return nullptr;
  }

  testing::TemporaryWorkingDirectory directory;
  testing::FakeTray tray{true};
  MessageBoxRecorder boxes;
  TestMainDlg window;
};

// The fields in control order: country 1020, then 1000 to 1011, then 1106.
std::string Fields(const QWidget* window) {
  std::string fields = GetControlText(window, IDC_COUNTRY);
  for (int id = IDC_TODAY; id <= IDC_FAJR + 5; ++id) fields += "|" + GetControlText(window, id);
  return fields + "|" + GetControlText(window, IDC_NEXT_ALARM);
}

TEST_F(MainDlgTest, OpeningShowsTheDocumentTheDateAndTheTimes) {
  const std::pair<std::function<void(CLocations&)>, const char*> rows[] = {
      {[](CLocations&) {},
       "Pakistan|Friday, January 07, 2000|Islamabad|33:40 N|73:10 E|+5.0|550m| 5:44 A.M.| 7:08 A.M."
       "|12:13 P.M.| 3:35 P.M.| 5:17 P.M.| 6:42 P.M.|<processing...>"},
      {[](CLocations& d) {
         d.m_preferences.Set(1, 1, 18, 18);
         d.m_location.Set("Rio", "Brazil", 22, 54, true, 43, 12, true, 0, -3.5,
                          d.m_location.m_dstRule);
       },
       "Brazil|Friday, January 07, 2000|Rio|22:54 S|43:12 W|-3.5|0m|03:18|04:44|11:28|16:06|18:13"
       "|19:39|<processing...>"},
  };
  for (const auto& [edit, fields] : rows) {
    std::filesystem::remove("Prefs.dat");
    WritePrefs(edit);
    TestMainDlg w;
    ASSERT_TRUE(w.OnInitDialog());
    EXPECT_EQ(Fields(&w), fields);
  }
  EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(MainDlgTest, EveryValueShowsWholeOrElidedWithItsToolTip) {
  ASSERT_TRUE(window.OnInitDialog());
  // Id, value, and whether it must show whole (the fixed formats do).
  const std::tuple<int, std::string, bool> values[] = {
      {IDC_CITY, std::string(60, 'M'), false}, {IDC_CITY + 1, "90:00 S", true},
      {IDC_CITY + 2, "179:59 W", true},        {IDC_CITY + 3, "+10.0", true},
      {IDC_CITY + 4, "65535m", true},          {IDC_FAJR, "12:59 P.M.", true}};
  for (const auto& [id, value, whole] : values) {
    SetControlText(&window, id, value);
    auto* field = qobject_cast<QLineEdit*>(FindControl(&window, id));
    const QString text = QString::fromStdString(value);
    // Whole: all of it, within the edit's own inner margins of 2 pixels.
    const bool shownWhole = field->text() == text && field->fontMetrics().horizontalAdvance(text) <=
                                                         field->contentsRect().width() - 4;
    EXPECT_EQ(shownWhole, whole) << value;
    EXPECT_TRUE(whole || (field->text().endsWith(QChar(0x2026)) && field->toolTip() == text));
  }
  // The location headings keep clear of each other.
  std::map<QString, int> left;
  for (QLabel* label : window.findChildren<QLabel*>()) left[label->text()] = label->x();
  const char* headings[] = {"City", "Country", "Lat.", "Long.", "Altitude", "Time Zone"};
  for (int i = 1; i < 6; ++i) {
    EXPECT_LT(left[headings[i - 1]] + window.fontMetrics().horizontalAdvance(headings[i - 1]) + 2,
              left[headings[i]]);
  }
  // Padded 12-hour times line up on their colons.
  SetControlText(&window, IDC_FAJR, " 5:03 A.M.");
  SetControlText(&window, IDC_FAJR + 2, "12:15 P.M.");
  const auto colon = [&](int id) {
    return window.fontMetrics().horizontalAdvance(
        FindControl(&window, id)->property("text").toString().section(':', 0, 0));
  };
  EXPECT_EQ(colon(IDC_FAJR), colon(IDC_FAJR + 2));
}

// The method chosen in its dialog, from its command or from Preferences
// (only after its OK), is stored with its whole 'Isha angle in the
// preferences, saved, and the day display shows its times.
TEST_F(MainDlgTest, TheChosenMethodIsStoredAndShown) {
  const std::tuple<int, const char*, const char*, MethodId, int> rows[] = {
      {ID_OPTIONS_METHOD, "1118=Muslim World League;1", "", MethodId::kMuslimWorldLeague, 17},
      {ID_OPTIONS_PREFERENCES, "1117>1118=Kuwait;1", "1", MethodId::kKuwait, 18},
      {ID_OPTIONS_PREFERENCES, "1117>1118=Muslim World League;1", "1", MethodId::kMuslimWorldLeague,
       17},
      {ID_OPTIONS_PREFERENCES, "1117>1118=Muslim World League;1", "2", MethodId::kClassic, 18}};
  for (const auto& [command, script, end, method, ishaAngle] : rows) {
    std::filesystem::remove("Prefs.dat");
    std::filesystem::remove("Kestrivane.ini");
    TestMainDlg w;
    ASSERT_TRUE(w.OnInitDialog());
    testing::WhenModal([script = script, end = end](QWidget* dialog) {
      testing::Play(dialog, script);
      if (dialog->isVisible()) testing::Play(dialog, end);
    });
    EXPECT_TRUE(w.OnCmdMsg(command));
    CLocations& d = *w.Settings();
    EXPECT_EQ(d.m_extra.method.id, method);
    EXPECT_EQ(d.m_preferences.m_nIshaAngle, ishaAngle);
    EXPECT_FALSE(d.IsModified());
    const PrayerTimes t =
        ComputePrayerTimes(d.m_location, d.m_preferences, MethodFor(method), {2000, 1, 7}, 0);
    for (int i = Fajr; i <= Isha; ++i)
      EXPECT_EQ(GetControlText(&w, IDC_FAJR + i), FormatTimeOfDay(t[i].hour, t[i].minute, false));
  }
}

// Hijri Date: OK stores and saves it, with its preview; Cancel keeps the
// old; the date line gives it, also once the day turns.
TEST_F(MainDlgTest, TheHijriDateIsChosenAndShownOnTheDateLine) {
  ASSERT_TRUE(window.OnInitDialog());
  const std::tuple<const char*, const char*, HijriSettings, const char*, const char*> rows[] = {
      {"1137=Umm al-Qura;1138=+1;1139",
       "1",
       {HijriCalendar::kUmmAlQura, 1, true},
       "1 Shawwal 1420",
       "Friday, January 07, 2000 - 1 Shawwal 1420"},
      {"1137=None", "2", {HijriCalendar::kUmmAlQura, 1, true}, "", "Friday, January 07, 2000 - 1"}};
  for (const auto& [fields, button, stored, preview, line] : rows) {
    testing::WhenModal([&](QWidget* dialog) {
      testing::Play(dialog, fields);
      EXPECT_EQ(GetControlText(dialog, IDC_HIJRI_PREVIEW), preview);
      testing::Play(dialog, button);
    });
    EXPECT_TRUE(window.OnCmdMsg(ID_OPTIONS_HIJRI_DATE));
    EXPECT_EQ(window.Settings()->m_extra.hijri, stored);
    EXPECT_THAT(Text(IDC_TODAY), StartsWith(line));
  }
  EXPECT_FALSE(window.Settings()->IsModified());
  window.now = At(0, 0, 30, 26, 9);
  window.CheckForNewDate();
  EXPECT_EQ(Text(IDC_TODAY), "Tuesday, September 26, 2000 - 29 Jumada al-Akhirah 1421");
  const auto* field = qobject_cast<QLineEdit*>(FindControl(&window, IDC_TODAY));
  EXPECT_EQ(field->text().toStdString(), Text(IDC_TODAY)) << "whole, not elided";
  EXPECT_LE(field->geometry().right(), window.width());
}

TEST_F(MainDlgTest, AFailedLoadIsReportedAndTheDefaultsServe) {
  std::ofstream("Prefs.dat", std::ios::binary) << std::string("\x02\x00\x00\x00\x02\x00", 6);
  ASSERT_TRUE(window.OnInitDialog());
  EXPECT_THAT(boxes.boxes, ElementsAre(StartsWith("Could not read the settings file \"Prefs.dat\""),
                                       "Created default locations file"));
  EXPECT_EQ(Text(1002), "33:40 N");
}

// The start-up tick minimizes into the tray, unless a box or dialog is open
// (it waits for it) or the user has taken the window in hand (it is dropped).
TEST_F(MainDlgTest, StartupMinimizeWaitsForOpenBoxesAndLeavesAWindowInUse) {
  struct Row {
    const char* name;
    bool dialogOpen, touched, hiddenAtTick, hiddenAfter;
  };
  const Row rows[] = {
      {"a box open", true, false, false, true},
      {"a dialog the user opened", true, true, false, false},
  };
  WriteZuhrAlarm();
  for (const Row& row : rows) {
    TestMainDlg w;
    ASSERT_TRUE(w.OnInitDialog());
    w.show();
    if (row.touched) {
      QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton,
                        Qt::LeftButton, Qt::NoModifier);
      QApplication::sendEvent(&w, &press);
    }
    bool hiddenAtTick = false;
    const auto tick = [&] {
      w.Engine()->OnTimer(IDT_STARTUP);
      hiddenAtTick = !w.isVisible();
    };
    if (row.dialogOpen) {
      QDialog dialog(&w);
      QTimer::singleShot(0, &dialog, [&] {
        tick();
        dialog.reject();
      });
      ExecModal(dialog);
    } else {
      tick();
    }
    ProcessEventsFor(1000, [&] { return !w.isVisible(); });
    EXPECT_EQ(hiddenAtTick, row.hiddenAtTick) << row.name;
    EXPECT_EQ(!w.isVisible(), row.hiddenAfter) << row.name;
    EXPECT_EQ(GetControlText(&w, 1106), "Zuhr azan at 12:30 P.M.") << row.name;
  }
}

// Every way the user reaches the window while an alarm runs: the boxes it
// shows, and where the window, the alarm and the program are afterwards.
TEST_F(MainDlgTest, EachCommandWhileAnAlarmRuns) {
  // boxes: A the alarm's message, Q the quit question, then D a dialog.
  // after: the window shown at the first box, shown after, the alarm still
  // running, the window ended, the urgency hint on, each 0 or 1; then the iqamah watch's period in
  // seconds (a stopped alarm waits for its iqamah every 5, a running one every second).
  struct Row {
    const char* name;
    std::function<void(TestMainDlg&)> act;
    bool answerYes;
    std::string boxes, after;
  };
  const auto command = [](int id) { return [id](TestMainDlg& w) { w.OnCmdMsg(id); }; };
  const auto fromTray = [](void (*act)(TestMainDlg&)) {
    return [act](TestMainDlg& w) { w.HideToTray(), act(w); };
  };
  const Row rows[] = {
      {"Preferences", command(ID_OPTIONS_PREFERENCES), false, "AD", "11000/5"},
      {"Calculation Method", command(ID_OPTIONS_METHOD), false, "AD", "11000/5"},
      {"Location", command(ID_OPTIONS_LOCATION), false, "AD", "11000/5"},
      {"Alarms", command(ID_OPTIONS_ALARMS), false, "AD", "11000/5"},
      {"Timetable", command(ID_OPTIONS_TIMETABLE), false, "AD", "11000/5"},
      {"Help", command(ID_HELP), false, "A", "11000/5"},
      {"About", command(ID_APP_ABOUT), false, "AD", "11000/5"},
      {"Minimize", command(IDC_MINIMIZE), false, "A", "10000/5"},
      {"Quit, No", command(IDOK), false, "AQ", "11000/5"},
      {"Quit, Yes", command(IDOK), true, "AQ", "10010/0"},
      {"Escape", [](TestMainDlg& w) { w.reject(); }, false, "A", "10000/5"},
      {"Close", [](TestMainDlg& w) { w.close(); }, false, "A", "10000/5"},
      {"Tray click", fromTray([](TestMainDlg& w) { emit w.Tray().leftButtonDown(); }), false, "A",
       "01000/5"},
      {"Notification Stop", fromTray([](TestMainDlg& w) { emit w.Notifier().stopRequested(); }),
       false, "A", "01000/5"},
      {"A second start", fromTray([](TestMainDlg& w) { w.OnRestoreRequest(); }), false, "",
       "01101/1"},
      {"Alarms from the tray",
       fromTray([](TestMainDlg& w) { w.TrayMenu().actions()[5]->trigger(); }), false, "AD",
       "00000/5"},
  };
  WriteZuhrAlarm();
  // Whatever dialog a command opens is cancelled as soon as it is up: D when
  // the tray's settings wait meanwhile, d when they do not.
  std::string dialogs;
  TestMainDlg* current = nullptr;
  QTimer closer;
  QObject::connect(&closer, &QTimer::timeout, [&] {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || !modal->isVisible()) return;
    emit current->TrayMenu().aboutToShow();
    dialogs += current->TrayMenu().actions()[3]->isEnabled() ? 'd' : 'D';
    modal->close();
  });
  closer.start(5);
  bool urgent = false;
  SetUrgencyForTesting([&](QWidget*, bool on) { urgent = on; });
  const std::shared_ptr<void> restore(nullptr, [](void*) { SetUrgencyForTesting({}); });
  for (const Row& row : rows) {
    TestMainDlg w;
    StartAlarm(w);
    boxes.boxes.clear();
    boxes.answerYes = row.answerYes;
    char shownAtBox = '0';
    boxes.onBox = [&](const std::string&) {
      if (boxes.boxes.size() == 1) shownAtBox = w.isVisible() ? '1' : '0';
    };
    current = &w, dialogs.clear();
    row.act(w);
    QCoreApplication::processEvents();  // the tray's commands run from the event loop
    std::string shown;
    for (const auto& box : boxes.boxes)
      shown += box == kZuhrAzan ? 'A' : box == kQuitQuestion ? 'Q' : '?';
    const auto bit = [](bool on) { return on ? '1' : '0'; };
    const std::string after =
        std::string{shownAtBox, bit(w.isVisible()), bit(w.Engine()->AlarmActive()),
                    bit(w.IsEnded()), bit(urgent)} +
        "/" + std::to_string(w.Timers().Period(IDT_IQAMAH) / 1000);
    EXPECT_EQ(shown + dialogs, row.boxes) << row.name;
    EXPECT_EQ(after, row.after) << row.name;
    EXPECT_NE(w.Settings(), nullptr) << row.name;  // the document lives as long as the window
  }
}

// Moved by the desktop (not by the program), hidden into the tray and
// brought back: the window comes back where it was.
TEST_F(MainDlgTest, HideAndRestoreKeepThePlaceTheDesktopGaveIt) {
  ASSERT_TRUE(window.OnInitDialog());
  window.show();
  window.windowHandle()->setPosition(40, 30);
  QCoreApplication::processEvents();
  const QPoint placed = window.pos();
  window.HideToTray();
  emit window.Tray().leftButtonDown();
  QCoreApplication::processEvents();
  EXPECT_EQ(window.pos(), placed);
}

// Quit chosen from the tray menu while the alarm's box is open: the window
// ends, and the code below the box still finds the engine and the document
// when the box returns. (Quit from inside Set Alarms: the end-to-end run.)
TEST_F(MainDlgTest, QuitFromInsideABoxLeavesTheCallerItsObjects) {
  WriteZuhrAlarm();
  StartAlarm(window);
  QAction* trayQuit = window.TrayMenu().actions().back();
  ASSERT_EQ(trayQuit->text(), "&Quit");
  boxes.answerYes = true;
  bool endedInBox = false;
  boxes.onBox = [&](const std::string& box) {
    if (box == kZuhrAzan) {
      trayQuit->trigger();
      QCoreApplication::processEvents();
      endedInBox = window.IsEnded();
    }
  };
  emit window.Tray().leftButtonDown();  // the alarm's box, then Quit inside it
  QCoreApplication::processEvents();
  EXPECT_TRUE(endedInBox);
  EXPECT_THAT(boxes.boxes, ElementsAre(kZuhrAzan, kQuitQuestion));
  EXPECT_FALSE(window.isVisible());  // the tray click's restore came after the end
}

// With a tray, Escape and close hide the window (the table above); without
// one they ask as Quit does.
TEST_F(MainDlgTest, WithoutATrayCloseAndEscapeAskAsQuitDoes) {
  WriteZuhrAlarm();
  tray.available = false;
  ASSERT_TRUE(window.OnInitDialog());
  window.show();
  window.reject();
  window.close();
  EXPECT_TRUE(window.isVisible());
  EXPECT_THAT(boxes.boxes, ElementsAre(kQuitQuestion, kQuitQuestion));
}

TEST_F(MainDlgTest, AFailedSaveAtExitIsShownBeforeTheEnd) {
  ASSERT_TRUE(window.OnInitDialog());
  window.Settings()->m_preferences.Set(1, 1, 18, 18);  // a change to save
  ::chmod("Prefs.dat", 0444);  // and no way to write it, whoever runs the test
  bool finished = false;
  QObject::connect(&window, &QDialog::finished, [&] { finished = true; });
  std::vector<bool> finishedAtBox;
  boxes.onBox = [&](const std::string&) { finishedAtBox.push_back(finished); };
  window.OnCmdMsg(IDOK);
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_THAT(boxes.boxes[0], StartsWith("Could not save the settings file"));
  EXPECT_THAT(finishedAtBox, ElementsAre(false));
  EXPECT_TRUE(finished);
}

// Whether or not an alarm timer runs, the date line and the times follow a
// new date, daylight saving with it.
TEST_F(MainDlgTest, TheDayDisplayTurnsWithTheDate) {
  WritePrefs([](CLocations& d) {
    CDstRule rule;
    rule.SetWeekday(true, true, 2, 4, 0);   // last Sunday of March (months from 0)
    rule.SetWeekday(false, true, 9, 4, 0);  // to the last Sunday of October
    d.m_location.m_dstRule = rule;
  });
  window.now = At(23, 59, 50, 25, 3);  // Saturday 25 March 2000: the rule starts the next day
  ASSERT_TRUE(window.OnInitDialog());
  window.Engine()->OnTimer(IDT_STARTUP);  // no alarm on: no timer runs from here
  const std::string fajr = Text(1006);
  window.now = At(0, 0, 30, 26, 3);
  window.CheckForNewDate();
  EXPECT_EQ(Text(1000), "Sunday, March 26, 2000");
  EXPECT_EQ(std::stoi(Text(1006)), std::stoi(fajr) + 1);  // an hour later, summer time
}

// Ten recipients whose names take seconds to look up: the sound and the
// window do not wait for them.
TEST_F(MainDlgTest, HangingNameLookupsHoldUpNothing) {
  WritePrefs([](CLocations& d) {
    d.m_preferences.m_alarms.SetAlarm(Zuhr, true, 12 << 8 | 30, 15);
    d.m_preferences.m_alarms.SetPlaySound(1);
    d.m_preferences.m_alarms.m_recipients = {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j"};
  });
  window.Sender().SetResolver([](const std::string&, std::string*) -> std::optional<uint32_t> {
    std::this_thread::sleep_for(std::chrono::seconds(2));
    return std::nullopt;
  });
  window.now = At(12, 29);
  ASSERT_TRUE(window.OnInitDialog());
  window.Engine()->OnTimer(IDT_STARTUP);
  window.now = At(12, 30, 3);
  QElapsedTimer tick;
  tick.start();
  window.Engine()->OnTimer(IDT_AZAN);
  const qint64 tickMs = tick.elapsed();
  std::printf("[ tick with ten hanging recipients ] %lld ms, %d lookups pending\n",
              static_cast<long long>(tickMs), window.Sender().Pending());
  EXPECT_EQ(window.Sound().StartedCount(), 1);
  EXPECT_LT(tickMs, 1000);  // the lookups take two seconds each
  EXPECT_EQ(window.Sender().Pending(), 10);
  ProcessEventsFor(5000, [&] { return window.Sender().Pending() == 0; });
}

TEST_F(MainDlgTest, StartAtLoginIsAnEntryTheMenusSwitch) {
  const std::filesystem::path entry = directory.path() + "/config/autostart/kestrivane.desktop";
  // The installed program's first start turns it on: a launcher beside it.
  std::filesystem::create_directories("bin");
  std::ofstream("bin/kestrivane-launcher") << "#!/bin/sh\n";
  std::filesystem::permissions("bin/kestrivane-launcher", std::filesystem::perms::owner_all);
  window.Autostart() = CAutostart(QDir::currentPath() + "/bin/kestrivane");
  ASSERT_TRUE(window.OnInitDialog());
  EXPECT_THAT(ReadFileBytes(entry),
              ::testing::HasSubstr("Exec=\"" + directory.path() + "/bin/kestrivane-launcher\"\n"));
  QAction* fileItem = MenuAction(ID_FILE_START_AT_LOGIN);
  QStringList items;
  for (const QAction* action : window.TrayMenu().actions()) items << action->text();
  EXPECT_EQ(items.join('|'),
            "&Restore||&Preferences ...|&Calculation Method...|&Hijri Date...|&Location ...|"
            "&Alarms ...|&Month Timetable ...||&About Kestrivane...|Start at &Login||&Quit");
  QAction* trayItem = window.TrayMenu().actions()[10];
  ASSERT_TRUE(fileItem && fileItem->isChecked() && trayItem->isChecked());
  // Off from the File menu; both items follow, and a later start keeps it off.
  fileItem->trigger();
  EXPECT_FALSE(std::filesystem::exists(entry) || fileItem->isChecked() || trayItem->isChecked());
  TestMainDlg later;
  later.Autostart() = window.Autostart();
  ASSERT_TRUE(later.OnInitDialog());
  EXPECT_FALSE(std::filesystem::exists(entry));
  trayItem->trigger();  // on again from the tray menu
  QCoreApplication::processEvents();
  EXPECT_TRUE(std::filesystem::exists(entry) && fileItem->isChecked());
}

// What an alarm plays: Azan.wav when it holds sound the player reads, else
// the program's own chime.
TEST_F(MainDlgTest, TheSoundIsAChimeWhenAzanWavIsMissingOrCannotBePlayed) {
  const std::string chime = ChimeWave();
  const auto patched = [&](std::size_t at, std::string_view bytes) {
    return std::string(chime).replace(at, bytes.size(), bytes);
  };
  using enum SoundFile;
  const std::pair<std::string, SoundFile> rows[] = {
      {ReadFileBytes(KESTRIVANE_TEST_DATA "/silence.wav"), Playable},  // 8 bits
      {chime, Playable},                                               // 16 bits
      {patched(20, "\x03"), Unplayable},                               // float
      {patched(34, "\x18"), Unplayable},                               // 24 bits
      {patched(36, "junk"), Unplayable},                               // no data
      {chime.substr(0, 44), Unplayable},                               // no sound
  };
  for (const auto& [bytes, expected] : rows) {
    std::ofstream("Azan.wav", std::ios::binary) << bytes;
    CSoundPlayer player;
    player.Play("Azan.wav");
    EXPECT_EQ(player.PlaysChime(), expected != Playable) << bytes.substr(0, 48);
  }
}

}  // namespace
}  // namespace kestrivane
