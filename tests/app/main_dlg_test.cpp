// The main window offscreen: opening, first run, failed load, quit, closing,
// commands during an alarm, minimizing with and without a tray.

#include "app/main_dlg.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <fstream>

#include "platform/dialog_builder.h"
#include "platform/tray_icon.h"
#include "resources/menu_template.h"
#include "settings/locations_document.h"
#include "tests/app/fake_alarm_host.h"
#include "tests/app/qt_test_support.h"

namespace kestrivane {
namespace {

using ::testing::ElementsAre;
using testing::FakeTray;
using ::testing::HasSubstr;
using testing::MessageBoxRecorder;
using testing::ReadFileBytes;
using ::testing::StartsWith;
using testing::TemporaryWorkingDirectory;

// Friday, 7 January 2000.
LocalTime At(int hour, int minute, int second = 0) {
  LocalTime time;
  time.year = 2000;
  time.month = 1;
  time.day = 7;
  time.weekday = 5;
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

uint16_t Azan(int hour, int minute) { return static_cast<uint16_t>(hour << 8 | minute); }

ino_t Inode(const char* path) {
  struct stat info {};
  return ::stat(path, &info) == 0 ? info.st_ino : 0;
}

class MainDlgTest : public ::testing::Test {
 protected:
  // Writes Prefs.dat as `edit` leaves the defaults.
  void WritePrefs(const std::function<void(CLocations&)>& edit) {
    testing::NullReporter reporter;
    CLocations document(reporter);
    edit(document);
    ASSERT_TRUE(document.OnSaveDocument("Prefs.dat"));
  }  // The one alarm most cases need: Zuhr at 12:30, iqamah 15 minutes later.
  void WriteZuhrAlarm() {
    WritePrefs(
        [](CLocations& d) { d.m_preferences.m_alarms.SetAlarm(Zuhr, true, Azan(12, 30), 15); });
  }

  std::string Text(int id) { return GetControlText(&window, id); }

  TemporaryWorkingDirectory directory;
  FakeTray tray{true};
  MessageBoxRecorder boxes;
  TestMainDlg window;
};

TEST_F(MainDlgTest, OpeningShowsTrayDocumentLocationDateAndTimes) {
  EXPECT_EQ(window.m_strLocation[0], "Islamabad");  // start values until the opening
  EXPECT_EQ(window.m_strLocation[1], "33:40N");
  EXPECT_EQ(window.m_strToday, "---");

  ASSERT_TRUE(window.OnInitDialog());

  EXPECT_TRUE(window.m_bTrayIcon);
  EXPECT_TRUE(window.Tray().IsAdded());
  EXPECT_EQ(window.Tray().Tip().toStdString(), "salle 'ala Muhammad");
  EXPECT_EQ(ReadFileBytes("Prefs.dat").size(), 145u);

  EXPECT_EQ(Text(1001), "Islamabad");
  EXPECT_EQ(Text(1020), "Pakistan");
  EXPECT_EQ(Text(1002), "33:40 N");
  EXPECT_EQ(Text(1003), "73:10 E");
  EXPECT_EQ(Text(1004), "+5.0");
  EXPECT_EQ(Text(1005), "550m");
  EXPECT_EQ(Text(1000), "Friday, January 07, 2000");
  const char* times[] = {" 5:44 A.M.", " 7:08 A.M.", "12:13 P.M.",
                         " 3:35 P.M.", " 5:17 P.M.", " 6:42 P.M."};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(Text(1006 + i), times[i]) << i;
  EXPECT_EQ(Text(1106), "<processing...>");  // until the first tick

  EXPECT_THAT(window.Timers().RunningIds(), ElementsAre(IDT_STARTUP));
  EXPECT_EQ(window.Timers().Period(IDT_STARTUP), 2000u);
  EXPECT_FALSE(window.windowIcon().isNull());
  EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(MainDlgTest, OpeningShowsTimesOnTheTwentyFourHourClock) {
  WritePrefs([](CLocations& d) { d.m_preferences.Set(1, 1, 18, 18); });
  ASSERT_TRUE(window.OnInitDialog());
  const char* times[] = {"05:44", "07:08", "12:13", "15:35", "17:17", "18:42"};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(Text(1006 + i), times[i]) << i;
}

TEST_F(MainDlgTest, OpeningShowsAnotherLocationsFields) {
  WritePrefs([](CLocations& d) {
    d.m_location.Set("Rio", "Brazil", 22, 54, true, 43, 12, true, 0, -3.5, d.m_location.m_dstRule);
  });
  ASSERT_TRUE(window.OnInitDialog());
  EXPECT_EQ(Text(1001), "Rio");
  EXPECT_EQ(Text(1020), "Brazil");
  EXPECT_EQ(Text(1002), "22:54 S");
  EXPECT_EQ(Text(1003), "43:12 W");
  EXPECT_EQ(Text(1004), "-3.5");
  EXPECT_EQ(Text(1005), "0m");
}

TEST_F(MainDlgTest, FirstRunWritesTheDefaultFileWithoutAMessage) {
  ASSERT_TRUE(window.OnInitDialog());
  const std::string bytes = ReadFileBytes("Prefs.dat");
  EXPECT_EQ(bytes.size(), 145u);
  testing::NullReporter reporter;
  CLocations defaults(reporter);
  ASSERT_TRUE(defaults.OnSaveDocument("expected.dat"));
  EXPECT_EQ(bytes, ReadFileBytes("expected.dat"));
  EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(MainDlgTest, FailedLoadShowsTheReportThenCreatedDefault) {
  {
    std::ofstream cut("Prefs.dat", std::ios::binary);
    cut << std::string("\x02\x00\x00\x00\x02\x00", 6);
  }
  // The order of the opening, seen from inside the boxes: the icon is
  // there, the location fields and the timer are not yet.
  std::vector<std::string> seen;
  boxes.onBox = [&](const testing::RecordedBox&) {
    seen.push_back(std::string(window.Tray().IsAdded() ? "tray" : "no tray") + " " + Text(1002) +
                   " " + std::to_string(window.Timers().RunningIds().size()));
  };
  ASSERT_TRUE(window.OnInitDialog());
  ASSERT_EQ(boxes.boxes.size(), 2u);
  EXPECT_EQ(boxes.boxes[0].kind, MessageBoxKind::Exclamation);
  EXPECT_THAT(boxes.boxes[0].text, StartsWith("Could not read the settings file \"Prefs.dat\""));
  EXPECT_EQ(boxes.boxes[1].text, "Created default locations file");
  EXPECT_EQ(boxes.boxes[1].kind, MessageBoxKind::Exclamation);
  EXPECT_THAT(seen, ElementsAre("tray 33:40N 0", "tray 33:40N 0"));
  // It goes on with what the document holds.
  EXPECT_EQ(Text(1001), "Islamabad");
  EXPECT_EQ(Text(1002), "33:40 N");
  EXPECT_THAT(window.Timers().RunningIds(), ElementsAre(IDT_STARTUP));
}

TEST_F(MainDlgTest, UnreadableFileShowsTheOpenReport) {
  { std::ofstream file("Prefs.dat", std::ios::binary); }
  ::chmod("Prefs.dat", 0);
  if (::access("Prefs.dat", R_OK) == 0) GTEST_SKIP() << "running as a user who reads anything";
  ASSERT_TRUE(window.OnInitDialog());
  ASSERT_EQ(boxes.boxes.size(), 2u);
  EXPECT_THAT(boxes.boxes[0].text, StartsWith("Could not open the settings file \"Prefs.dat\""));
  EXPECT_EQ(boxes.boxes[1].text, "Created default locations file");
}

TEST_F(MainDlgTest, StartupTickFindsTheAlarmAndMinimizesIntoTheTray) {
  WriteZuhrAlarm();
  ASSERT_TRUE(window.OnInitDialog());
  window.show();
  window.Engine()->OnTimer(IDT_STARTUP);
  EXPECT_EQ(Text(1106), "Zuhr azan at 12:30 P.M.");
  EXPECT_EQ(window.Tray().Tip().toStdString(), "Zuhr azan at 12:30 P.M.");
  EXPECT_THAT(window.Timers().RunningIds(), ElementsAre(IDT_AZAN));
  EXPECT_EQ(window.Timers().Period(IDT_AZAN), 5000u);
  EXPECT_FALSE(window.isVisible());
}

TEST_F(MainDlgTest, StartupTimerTicksThroughTheEventLoop) {
  ASSERT_TRUE(window.OnInitDialog());
  window.show();
  testing::ProcessEventsFor(4000, [&] { return !window.isVisible(); });
  EXPECT_FALSE(window.isVisible());
  EXPECT_EQ(Text(1106), "<not set>");
  EXPECT_TRUE(window.Timers().RunningIds().empty());
}

TEST_F(MainDlgTest, QuitWithNoAlarmEndsAtOnce) {
  ASSERT_TRUE(window.OnInitDialog());
  window.show();
  auto* quit = qobject_cast<QPushButton*>(FindControl(&window, 1));
  ASSERT_NE(quit, nullptr);
  EXPECT_EQ(quit->text(), "Quit");
  quit->click();
  EXPECT_TRUE(boxes.boxes.empty());
  EXPECT_TRUE(window.IsDestroyed());
  EXPECT_EQ(window.result(), QDialog::Accepted);
  EXPECT_FALSE(window.isVisible());
}

TEST_F(MainDlgTest, QuitWithAnAlarmAsksAndNoKeepsRunning) {
  WriteZuhrAlarm();
  ASSERT_TRUE(window.OnInitDialog());
  window.show();
  boxes.answerYes = false;
  window.OnCmdMsg(IDOK);
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(boxes.boxes[0].kind, MessageBoxKind::YesNoQuestion);
  EXPECT_EQ(boxes.boxes[0].text,
            "WARNING: Alarms will no longer play after exiting.\n\nDo you really wish to quit?");
  EXPECT_FALSE(window.IsDestroyed());
  EXPECT_TRUE(window.isVisible());
  EXPECT_TRUE(window.Tray().IsAdded());
  EXPECT_THAT(window.Timers().RunningIds(), ElementsAre(IDT_STARTUP));

  boxes.answerYes = true;
  window.OnCmdMsg(IDOK);
  EXPECT_EQ(boxes.boxes.size(), 2u);
  EXPECT_TRUE(window.IsDestroyed());
}

TEST_F(MainDlgTest, EscapeEndsWithoutTheQuestion) {
  WriteZuhrAlarm();
  ASSERT_TRUE(window.OnInitDialog());
  window.show();
  window.reject();
  EXPECT_TRUE(boxes.boxes.empty());
  EXPECT_TRUE(window.IsDestroyed());
  EXPECT_EQ(window.result(), QDialog::Rejected);
}

TEST_F(MainDlgTest, ClosingStopsTheTimerRemovesTheIconAndLeavesAnUnchangedFile) {
  ASSERT_TRUE(window.OnInitDialog());
  const ino_t before = Inode("Prefs.dat");
  window.OnCmdMsg(IDOK);
  EXPECT_TRUE(window.Timers().RunningIds().empty());
  EXPECT_FALSE(window.Tray().IsAdded());
  EXPECT_EQ(window.Settings(), nullptr);
  EXPECT_EQ(Inode("Prefs.dat"), before);  // not rewritten
}

TEST_F(MainDlgTest, ClosingSavesAChangedDocument) {
  ASSERT_TRUE(window.OnInitDialog());
  const ino_t before = Inode("Prefs.dat");
  window.Settings()->m_preferences.Set(1, 1, 18, 18);  // the 24-hour clock
  window.OnCmdMsg(IDOK);
  EXPECT_NE(Inode("Prefs.dat"), before);
  testing::NullReporter reporter;
  CLocations saved(reporter);
  ASSERT_TRUE(saved.ReadDocument("Prefs.dat"));
  EXPECT_EQ(saved.m_preferences.m_nTimeFormat, 1);
}

class AlarmRunningTest : public MainDlgTest {
 protected:
  void SetUp() override {
    WriteZuhrAlarm();
    window.now = At(12, 29);
    ASSERT_TRUE(window.OnInitDialog());
    window.show();
    window.Engine()->OnTimer(IDT_STARTUP);  // minimizes into the tray
    window.ShowRestored();
    window.now = At(12, 30, 3);
    window.Engine()->OnTimer(IDT_AZAN);
    ASSERT_TRUE(window.Engine()->m_bAlarmActive);
    boxes.boxes.clear();
    // The commands' own dialogs are not under test here: each is cancelled
    // as soon as it is up.
    closer.setInterval(20);
    QObject::connect(&closer, &QTimer::timeout, &closer, [] {
      if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
        dialog->reject();
      }
    });
    closer.start();
  }

  QTimer closer;
};

constexpr const char* kZuhrAzan = "Zuhr prayer at 12:45 P.M. Insha Allah.";

TEST_F(AlarmRunningTest, FiringShowsTheMessageAsTipAndTicksEverySecond) {
  EXPECT_EQ(window.Tray().Tip().toStdString(), "Zuhr iqama at 12:45 P.M.");
  EXPECT_EQ(Text(1106), "Zuhr iqama at 12:45 P.M.");
  EXPECT_THAT(window.Timers().RunningIds(), ElementsAre(IDT_IQAMAH));
  EXPECT_EQ(window.Timers().Period(IDT_IQAMAH), 1000u);
  EXPECT_EQ(window.Engine()->m_strAlarmMessage, kZuhrAzan);
  // The first flash: alarm icon, altered caption.
  EXPECT_EQ(window.Tray().IconCacheKey(), window.m_hAlarmIcon.cacheKey());
  EXPECT_EQ(window.windowTitle(), "*** Kestrivane32 ***");
  window.Engine()->OnTimer(IDT_IQAMAH);
  EXPECT_EQ(window.Tray().IconCacheKey(), window.m_hIcon.cacheKey());
  EXPECT_EQ(window.windowTitle(), "Kestrivane32");
}

TEST_F(AlarmRunningTest, EveryCommandFirstStopsTheAlarmWithItsMessageBox) {
  // The commands open their dialogs: cancel each once it is up.
  QTimer closer;
  QObject::connect(&closer, &QTimer::timeout, [] {
    if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
  });
  closer.start(5);
  for (int id : {ID_OPTIONS_PREFERENCES, ID_OPTIONS_LOCATION, ID_OPTIONS_ALARMS,
                 ID_OPTIONS_TIMETABLE, ID_HELP}) {
    window.Engine()->OnTimer(IDT_AZAN);  // no new firing: Zuhr has come
    window.Engine()->m_bAlarmActive = true;
    boxes.boxes.clear();
    EXPECT_TRUE(window.OnCmdMsg(id));
    EXPECT_THAT(boxes.Texts(), ElementsAre(kZuhrAzan)) << id;
    EXPECT_FALSE(window.Engine()->m_bAlarmActive) << id;
    EXPECT_EQ(window.Tray().IconCacheKey(), window.m_hIcon.cacheKey());
    EXPECT_EQ(window.windowTitle(), "Kestrivane32");
    EXPECT_EQ(window.Timers().Period(IDT_IQAMAH), 5000u);
  }
}

TEST_F(AlarmRunningTest, MinimizeStopsTheAlarmBeforeItMinimizes) {
  bool minimizedAtBox = true;
  boxes.onBox = [&](const testing::RecordedBox&) { minimizedAtBox = window.isMinimized(); };
  window.OnCmdMsg(IDC_MINIMIZE);
  EXPECT_THAT(boxes.Texts(), ElementsAre(kZuhrAzan));
  EXPECT_FALSE(minimizedAtBox);
  EXPECT_FALSE(window.isVisible());
  EXPECT_EQ(window.Tray().Tip().toStdString(), "Zuhr iqama at 12:45 P.M.");
}

TEST_F(AlarmRunningTest, QuitStopsTheAlarmThenAsks) {
  boxes.answerYes = false;
  window.OnCmdMsg(IDOK);
  ASSERT_EQ(boxes.boxes.size(), 2u);
  EXPECT_EQ(boxes.boxes[0].text, kZuhrAzan);
  EXPECT_EQ(boxes.boxes[0].kind, MessageBoxKind::Exclamation);
  EXPECT_EQ(boxes.boxes[1].kind, MessageBoxKind::YesNoQuestion);
  EXPECT_FALSE(window.IsDestroyed());
}

TEST_F(AlarmRunningTest, MenuItemsAndButtonsAreCommands) {
  // The menu's Options items and the Help button reach the same routing.
  QAction* preferences = nullptr;
  for (QAction* action : window.MenuBar()->findChildren<QAction*>()) {
    if (action->property(kCommandIdProperty).toInt() == ID_OPTIONS_PREFERENCES)
      preferences = action;
  }
  ASSERT_NE(preferences, nullptr);
  // The command opens the Preferences dialog: cancel it once it is up.
  QTimer closer;
  QObject::connect(&closer, &QTimer::timeout, [] {
    if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
  });
  closer.start(5);
  preferences->trigger();
  closer.stop();
  EXPECT_THAT(boxes.Texts(), ElementsAre(kZuhrAzan));

  window.Engine()->m_bAlarmActive = true;
  boxes.boxes.clear();
  qobject_cast<QPushButton*>(FindControl(&window, ID_HELP))->click();
  EXPECT_THAT(boxes.Texts(), ElementsAre(kZuhrAzan));
}

TEST_F(AlarmRunningTest, TrayClickStopsTheAlarmThenRestores) {
  window.MinimizeToTray();  // stops the alarm first
  ASSERT_FALSE(window.isVisible());
  window.Engine()->m_bAlarmActive = true;
  boxes.boxes.clear();
  bool visibleAtBox = true;
  boxes.onBox = [&](const testing::RecordedBox&) { visibleAtBox = window.isVisible(); };
  emit window.Tray().leftButtonDown();
  EXPECT_THAT(boxes.Texts(), ElementsAre(kZuhrAzan));
  EXPECT_FALSE(visibleAtBox);
  EXPECT_TRUE(window.isVisible());
  EXPECT_FALSE(window.isMinimized());
}

TEST_F(AlarmRunningTest, NotificationStopDoesWhatTheTrayClickDoes) {
  window.MinimizeToTray();
  window.Engine()->m_bAlarmActive = true;
  boxes.boxes.clear();
  emit window.Notifier().stopRequested();
  EXPECT_THAT(boxes.Texts(), ElementsAre(kZuhrAzan));
  EXPECT_TRUE(window.isVisible());
}

TEST_F(MainDlgTest, MinimizingHidesWhenThereIsAnIcon) {
  ASSERT_TRUE(window.OnInitDialog());
  window.show();
  window.MinimizeToTray();
  EXPECT_FALSE(window.isVisible());
  emit window.Tray().leftButtonDown();
  EXPECT_TRUE(window.isVisible());
  // Any minimizing, not only the command, hides.
  window.showMinimized();
  testing::ProcessEventsFor(200, [&] { return !window.isVisible(); });
  EXPECT_FALSE(window.isVisible());
}

TEST(MainDlgNoTrayTest, WithoutATrayMinimizingKeepsTheWindowOnTheTaskbar) {
  TemporaryWorkingDirectory directory;
  FakeTray tray{false};
  MessageBoxRecorder boxes;
  TestMainDlg window;
  ASSERT_TRUE(window.OnInitDialog());
  window.show();
  EXPECT_FALSE(window.m_bTrayIcon);
  EXPECT_TRUE(boxes.boxes.empty());       // nothing reported
  window.Engine()->OnTimer(IDT_STARTUP);  // the start-up tick minimizes
  EXPECT_TRUE(window.isVisible());
  EXPECT_TRUE(window.isMinimized());
  window.MinimizeToTray();
  EXPECT_TRUE(window.isVisible());
  EXPECT_FALSE(window.TraySetTip("x"));
  EXPECT_FALSE(window.TraySetIcon(IDI_ALARM));
  EXPECT_FALSE(window.TrayRemove());
}

TEST(MainDlgNoTrayTest, ATrayThatAppearsLaterGetsTheIconWithTheCurrentTip) {
  TemporaryWorkingDirectory directory;
  FakeTray tray{false};
  MessageBoxRecorder boxes;
  TestMainDlg window;
  ASSERT_TRUE(window.OnInitDialog());
  window.show();
  EXPECT_TRUE(window.IsTrayPolling());
  window.TraySetTip("Zuhr azan at 12:30 P.M.");
  window.PollTray();
  EXPECT_FALSE(window.m_bTrayIcon);

  tray.available = true;
  window.PollTray();
  EXPECT_TRUE(window.m_bTrayIcon);
  EXPECT_FALSE(window.IsTrayPolling());
  EXPECT_EQ(window.Tray().Tip().toStdString(), "Zuhr azan at 12:30 P.M.");
  window.MinimizeToTray();
  EXPECT_FALSE(window.isVisible());
}

TEST(MainDlgNoTrayTest, ThePollRunsOnATimer) {
  TemporaryWorkingDirectory directory;
  FakeTray tray{false};
  MessageBoxRecorder boxes;
  TestMainDlg window;
  ASSERT_TRUE(window.OnInitDialog());
  tray.available = true;
  testing::ProcessEventsFor(kTrayPollMs + 2000, [&] { return window.m_bTrayIcon; });
  EXPECT_TRUE(window.m_bTrayIcon);
}

TEST_F(MainDlgTest, TrayTipIsCutTo63Characters) {
  ASSERT_TRUE(window.OnInitDialog());
  const std::string longText(70, 'x');
  EXPECT_TRUE(window.TraySetTip(longText));
  EXPECT_EQ(window.Tray().Tip().toStdString(), std::string(63, 'x'));
}

TEST_F(MainDlgTest, TrayMenuRestoresShowsAboutAndQuits) {
  WriteZuhrAlarm();
  ASSERT_TRUE(window.OnInitDialog());
  window.show();
  QList<QAction*> actions;
  for (QAction* action : window.TrayMenu().actions()) {
    if (!action->isSeparator()) actions.push_back(action);
  }
  ASSERT_EQ(actions.size(), 3);
  EXPECT_EQ(actions[0]->text(), "&Restore");
  EXPECT_EQ(actions[1]->text(), "&About Kestrivane...");
  EXPECT_EQ(actions[2]->text(), "&Quit");

  window.MinimizeToTray();
  actions[0]->trigger();
  EXPECT_TRUE(window.isVisible());

  boxes.answerYes = false;
  actions[2]->trigger();
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(boxes.boxes[0].kind, MessageBoxKind::YesNoQuestion);
  EXPECT_FALSE(window.IsDestroyed());
}

TEST_F(MainDlgTest, MenuHoldsTheItemsOfMenu129) {
  std::vector<std::string> items;
  for (QAction* top : window.MenuBar()->actions()) {
    items.push_back(top->text().toStdString() + ":");
    for (QAction* action : top->menu()->actions()) {
      items.push_back(action->isSeparator()
                          ? std::string("-")
                          : action->text().toStdString() + " " +
                                std::to_string(action->property(kCommandIdProperty).toInt()));
    }
  }
  EXPECT_THAT(items, ElementsAre("&File:", "&Minimize 1113", "&Quit 1", "-", "&About 57664",
                                 "&Options:", "&Preferences ... 32773", "&Location ... 32771", "-",
                                 "&Alarms ... 32774", "-", "&Month Timetable ... 32772"));
}

}  // namespace
}  // namespace kestrivane
