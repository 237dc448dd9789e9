// The main window offscreen: opening, the start-up minimize, each command
// while an alarm runs, quitting from inside a box, close and Escape, a failed
// save at exit, the day display turning, network messages that hang, and
// start at login.

#include "app/main_dlg.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <thread>

#include "platform/dialog_builder.h"
#include "platform/modal.h"
#include "tests/app/fake_alarm_host.h"
#include "tests/app/qt_test_support.h"

namespace kestrivane {
namespace {

using ::testing::ElementsAre;
using testing::MessageBoxRecorder;
using testing::ProcessEventsFor;
using testing::ReadFileBytes;
using ::testing::StartsWith;

// Friday, 7 January 2000.
LocalTime At(int hour, int minute, int second = 0, int day = 7) {
  LocalTime time;
  time.year = 2000;
  time.day = day;
  time.weekday = (5 + day - 7) % 7;
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

// Whatever dialog a command opens is cancelled as soon as it is up.
class DialogCloser {
 public:
  DialogCloser() {
    QObject::connect(&m_timer, &QTimer::timeout, [] {
      if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
    });
    m_timer.start(5);
  }

 private:
  QTimer m_timer;
};

TEST_F(MainDlgTest, OpeningShowsTheDocumentTheDateAndTheTimes) {
  struct Row {
    std::function<void(CLocations&)> edit;
    std::vector<std::pair<int, const char*>> fields;
  };
  const Row rows[] = {
      {[](CLocations&) {},
       {{1020, "Pakistan"},
        {1001, "Islamabad"},
        {1002, "33:40 N"},
        {1003, "73:10 E"},
        {1004, "+5.0"},
        {1005, "550m"},
        {1000, "Friday, January 07, 2000"},
        {1006, " 5:44 A.M."},
        {1007, " 7:08 A.M."},
        {1008, "12:13 P.M."},
        {1009, " 3:35 P.M."},
        {1010, " 5:17 P.M."},
        {1011, " 6:42 P.M."},
        {1106, "<processing...>"}}},
      {[](CLocations& d) { d.m_preferences.Set(1, 1, 18, 18); },
       {{1006, "05:44"},
        {1007, "07:08"},
        {1008, "12:13"},
        {1009, "15:35"},
        {1010, "17:17"},
        {1011, "18:42"}}},
      {[](CLocations& d) {
         d.m_location.Set("Rio", "Brazil", 22, 54, true, 43, 12, true, 0, -3.5,
                          d.m_location.m_dstRule);
       },
       {{1020, "Brazil"},
        {1001, "Rio"},
        {1002, "22:54 S"},
        {1003, "43:12 W"},
        {1004, "-3.5"},
        {1005, "0m"}}},
  };
  for (const Row& row : rows) {
    std::filesystem::remove("Prefs.dat");
    WritePrefs(row.edit);
    TestMainDlg w;
    ASSERT_TRUE(w.OnInitDialog());
    for (const auto& [id, text] : row.fields) EXPECT_EQ(GetControlText(&w, id), text) << id;
    EXPECT_THAT(w.Timers().RunningIds(), ElementsAre(IDT_STARTUP));
  }
  EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(MainDlgTest, FirstRunWritesTheDefaultsAndAFailedLoadIsReported) {
  ASSERT_TRUE(window.OnInitDialog());
  testing::NullReporter reporter;
  CLocations defaults(reporter);
  ASSERT_TRUE(defaults.OnSaveDocument("expected.dat"));
  EXPECT_EQ(ReadFileBytes("Prefs.dat"), ReadFileBytes("expected.dat"));
  EXPECT_TRUE(boxes.boxes.empty());

  std::ofstream("Prefs.dat", std::ios::binary) << std::string("\x02\x00\x00\x00\x02\x00", 6);
  TestMainDlg damaged;
  ASSERT_TRUE(damaged.OnInitDialog());
  ASSERT_EQ(boxes.boxes.size(), 2u);
  EXPECT_THAT(boxes.boxes[0].text, StartsWith("Could not read the settings file \"Prefs.dat\""));
  EXPECT_EQ(boxes.boxes[1].text, "Created default locations file");
  EXPECT_EQ(GetControlText(&damaged, 1002), "33:40 N");  // it goes on with the defaults
}

// The start-up tick minimizes into the tray, unless a box or dialog is open
// (it waits for it) or the user has taken the window in hand (it is dropped).
TEST_F(MainDlgTest, StartupMinimizeWaitsForOpenBoxesAndLeavesAWindowInUse) {
  struct Row {
    const char* name;
    bool dialogOpen;
    bool touched;
    bool hiddenAtTick;
    bool hiddenAfter;
  };
  const Row rows[] = {
      {"nothing open", false, false, true, true},
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
  struct Row {
    const char* name;
    std::function<void(TestMainDlg&)> act;
    bool answerYes;
    std::vector<std::string> boxes;
    bool visibleAtFirstBox;
    bool visibleAfter;
    bool alarmGoesOn;
    bool ended;
  };
  const std::string quit = kQuitQuestion;
  const auto command = [](int id) { return [id](TestMainDlg& w) { w.OnCmdMsg(id); }; };
  const auto fromTray = [](auto act) {
    return [act](TestMainDlg& w) {
      w.HideToTray();
      act(w);
    };
  };
  const Row rows[] = {
      {"Preferences",
       command(ID_OPTIONS_PREFERENCES),
       false,
       {kZuhrAzan},
       true,
       true,
       false,
       false},
      {"Location", command(ID_OPTIONS_LOCATION), false, {kZuhrAzan}, true, true, false, false},
      {"Alarms", command(ID_OPTIONS_ALARMS), false, {kZuhrAzan}, true, true, false, false},
      {"Timetable", command(ID_OPTIONS_TIMETABLE), false, {kZuhrAzan}, true, true, false, false},
      {"Help", command(ID_HELP), false, {kZuhrAzan}, true, true, false, false},
      {"About", command(ID_APP_ABOUT), false, {kZuhrAzan}, true, true, false, false},
      {"Minimize", command(IDC_MINIMIZE), false, {kZuhrAzan}, true, false, false, false},
      {"Quit, No", command(IDOK), false, {kZuhrAzan, quit}, true, true, false, false},
      {"Quit, Yes", command(IDOK), true, {kZuhrAzan, quit}, true, false, false, true},
      {"Escape", [](TestMainDlg& w) { w.reject(); }, false, {kZuhrAzan}, true, false, false, false},
      {"Close", [](TestMainDlg& w) { w.close(); }, false, {kZuhrAzan}, true, false, false, false},
      {"Tray click",
       fromTray([](TestMainDlg& w) { emit w.Tray().leftButtonDown(); }),
       false,
       {kZuhrAzan},
       false,
       true,
       false,
       false},
      {"Notification Stop",
       fromTray([](TestMainDlg& w) { emit w.Notifier().stopRequested(); }),
       false,
       {kZuhrAzan},
       false,
       true,
       false,
       false},
      {"A second start",
       fromTray([](TestMainDlg& w) { w.OnRestoreRequest(); }),
       false,
       {},
       false,
       true,
       true,
       false},
  };
  WriteZuhrAlarm();
  DialogCloser closer;
  for (const Row& row : rows) {
    TestMainDlg w;
    StartAlarm(w);
    boxes.boxes.clear();
    boxes.answerYes = row.answerYes;
    std::optional<bool> visibleAtFirstBox;
    boxes.onBox = [&](const testing::RecordedBox&) {
      if (!visibleAtFirstBox) visibleAtFirstBox = w.isVisible();
    };
    row.act(w);
    QCoreApplication::processEvents();  // the tray's commands run from the event loop
    EXPECT_EQ(boxes.Texts(), row.boxes) << row.name;
    if (!row.boxes.empty()) {
      EXPECT_EQ(visibleAtFirstBox, row.visibleAtFirstBox) << row.name;
    }
    EXPECT_EQ(w.isVisible(), row.visibleAfter) << row.name;
    EXPECT_EQ(w.Engine()->AlarmActive(), row.alarmGoesOn) << row.name;
    EXPECT_EQ(w.IsEnded(), row.ended) << row.name;
    // A stopped alarm waits for its iqamah every 5 seconds; none waits once ended.
    EXPECT_EQ(w.Timers().Period(IDT_IQAMAH), row.ended         ? 0u
                                             : row.alarmGoesOn ? 1000u
                                                               : 5000u)
        << row.name;
    EXPECT_NE(w.Settings(), nullptr) << row.name;  // the document lives as long as the window
  }
}

// Quit chosen from the tray menu while a box or dialog of the window is
// open: the window ends, and the code below the box still finds the engine
// and the document when the box returns.
TEST_F(MainDlgTest, QuitFromInsideABoxLeavesTheCallerItsObjects) {
  WriteZuhrAlarm();
  StartAlarm(window);
  QAction* trayQuit = window.TrayMenu().actions().back();
  ASSERT_EQ(trayQuit->text(), "&Quit");
  boxes.answerYes = true;
  bool endedInBox = false;
  boxes.onBox = [&](const testing::RecordedBox& box) {
    if (box.text == kZuhrAzan) {
      trayQuit->trigger();
      QCoreApplication::processEvents();
      endedInBox = window.IsEnded();
    }
  };
  emit window.Tray().leftButtonDown();  // the alarm's box, then Quit inside it
  QCoreApplication::processEvents();
  EXPECT_TRUE(endedInBox);
  EXPECT_THAT(boxes.Texts(), ElementsAre(kZuhrAzan, kQuitQuestion));
  EXPECT_FALSE(window.isVisible());  // the tray click's restore came after the end

  // Inside Set Alarms.
  TestMainDlg second;
  ASSERT_TRUE(second.OnInitDialog());
  boxes.boxes.clear();
  QTimer::singleShot(50, [&] {
    second.TrayMenu().actions().back()->trigger();
    QCoreApplication::processEvents();
    QApplication::activeModalWidget()->close();
  });
  second.OnCmdMsg(ID_OPTIONS_ALARMS);
  EXPECT_TRUE(second.IsEnded());
  EXPECT_THAT(boxes.Texts(), ElementsAre(kQuitQuestion));
}

TEST_F(MainDlgTest, CloseAndEscapeHideIntoTheTrayOrAskAsQuitDoes) {
  WriteZuhrAlarm();
  for (const bool trayThere : {true, false}) {
    tray.available = trayThere;
    for (const bool escape : {true, false}) {
      TestMainDlg w;
      ASSERT_TRUE(w.OnInitDialog());
      w.show();
      boxes.boxes.clear();
      boxes.answerYes = false;
      escape ? w.reject() : void(w.close());
      EXPECT_EQ(w.isVisible(), !trayThere) << trayThere << escape;
      EXPECT_FALSE(w.IsEnded());
      EXPECT_EQ(boxes.Texts(),
                trayThere ? std::vector<std::string>{} : std::vector<std::string>{kQuitQuestion});
    }
  }
}

TEST_F(MainDlgTest, AFailedSaveAtExitIsShownBeforeTheEnd) {
  ASSERT_TRUE(window.OnInitDialog());
  window.Settings()->m_preferences.Set(1, 1, 18, 18);  // a change to save
  ::chmod("Prefs.dat", 0444);  // and no way to write it, whoever runs the test
  bool finished = false;
  QObject::connect(&window, &QDialog::finished, [&] { finished = true; });
  std::vector<bool> finishedAtBox;
  boxes.onBox = [&](const testing::RecordedBox&) { finishedAtBox.push_back(finished); };
  window.OnCmdMsg(IDOK);
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_THAT(boxes.boxes[0].text, StartsWith("Could not save the settings file"));
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
  window.now = At(23, 59, 50, 25);  // Saturday 25 March 2000: the rule starts the next day
  window.now.month = 3;
  window.now.weekday = 6;
  ASSERT_TRUE(window.OnInitDialog());
  window.Engine()->OnTimer(IDT_STARTUP);  // no alarm on: no timer runs from here
  const std::string fajr = Text(1006);
  window.now = At(0, 0, 30, 26);
  window.now.month = 3;
  window.now.weekday = 0;
  window.CheckForNewDate();
  EXPECT_EQ(Text(1000), "Sunday, March 26, 2000");
  EXPECT_NE(Text(1006), fajr);
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
  std::ofstream("Azan.wav") << "RIFF";
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
  bool looped = false;  // the event loop runs meanwhile
  QTimer::singleShot(0, [&] { looped = true; });
  ProcessEventsFor(100, [&] { return looped; });
  EXPECT_TRUE(looped);
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
  ASSERT_TRUE(std::filesystem::exists(entry));
  EXPECT_THAT(ReadFileBytes(entry),
              ::testing::HasSubstr("Exec=\"" + directory.path() + "/bin/kestrivane-launcher\"\n"));
  QAction* fileItem = MenuAction(ID_FILE_START_AT_LOGIN);
  ASSERT_NE(fileItem, nullptr);
  EXPECT_TRUE(fileItem->isChecked());
  // Off from the File menu; both items follow, and a later start keeps it off.
  fileItem->trigger();
  EXPECT_FALSE(std::filesystem::exists(entry));
  EXPECT_FALSE(fileItem->isChecked());
  QAction* trayItem = window.TrayMenu().actions()[2];
  EXPECT_EQ(trayItem->text(), "Start at &Login");
  EXPECT_FALSE(trayItem->isChecked());
  TestMainDlg later;
  later.Autostart() = window.Autostart();
  ASSERT_TRUE(later.OnInitDialog());
  EXPECT_FALSE(std::filesystem::exists(entry));
  // On again from the tray menu.
  trayItem->trigger();
  QCoreApplication::processEvents();
  EXPECT_TRUE(std::filesystem::exists(entry));
  EXPECT_TRUE(fileItem->isChecked());
}

TEST_F(MainDlgTest, MenusAndALateTray) {
  std::vector<std::string> items;
  for (QAction* top : window.MenuBar()->actions()) {
    for (QAction* action : top->menu()->actions()) {
      items.push_back(action->isSeparator() ? "-" : action->text().toStdString());
    }
  }
  EXPECT_THAT(
      items, ElementsAre("&Minimize", "Start at &Login", "&Quit", "-", "&About", "&Preferences ...",
                         "&Location ...", "-", "&Alarms ...", "-", "&Month Timetable ..."));
  items.clear();
  for (QAction* action : window.TrayMenu().actions()) {
    items.push_back(action->isSeparator() ? "-" : action->text().toStdString());
  }
  EXPECT_THAT(items,
              ElementsAre("&Restore", "&About Kestrivane...", "Start at &Login", "-", "&Quit"));

  // No tray yet: the window stays on the taskbar; a tray that comes later gets
  // the icon with the tip of the moment.
  tray.available = false;
  TestMainDlg w;
  ASSERT_TRUE(w.OnInitDialog());
  w.show();
  w.Engine()->OnTimer(IDT_STARTUP);
  EXPECT_TRUE(w.isVisible());
  w.TraySetTip("Zuhr azan at 12:30 P.M.");
  tray.available = true;
  w.Tray().LookForTray();  // what its timer does every few seconds
  ASSERT_TRUE(w.HasTrayIcon());
  EXPECT_EQ(w.Tray().Tip().toStdString(), "Zuhr azan at 12:30 P.M.");
  w.MinimizeToTray();
  EXPECT_FALSE(w.isVisible());
}

}  // namespace
}  // namespace kestrivane
