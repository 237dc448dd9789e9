// The Qt half of the platform layer offscreen: timers, dialog templates,
// caption flashing, sound, message-box hook, one instance per user.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEventLoop>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QWidget>
#include <fstream>

#include "platform/caption_flash.h"
#include "platform/desktop_notification.h"
#include "platform/dialog_builder.h"
#include "platform/message_box.h"
#include "platform/single_instance.h"
#include "platform/sound.h"
#include "platform/tray_icon.h"
#include "platform/window_timers.h"
#include "resources/dialog_template.h"
#include "tests/app/qt_test_support.h"

namespace kestrivane {
namespace {

using ::testing::ElementsAre;

TEST(WindowTimersTest, InstallReplacesTheSameIdAndTicksInNestedLoops) {
  std::vector<unsigned> ticks;
  CWindowTimers timers([&](unsigned id) { ticks.push_back(id); });
  EXPECT_EQ(timers.SetTimer(0, 10), 0u);
  EXPECT_EQ(timers.SetTimer(1026, 5000), 1026u);
  EXPECT_EQ(timers.SetTimer(1026, 20), 1026u);  // replaces the 5-second one
  EXPECT_THAT(timers.RunningIds(), ElementsAre(1026u));
  EXPECT_EQ(timers.Period(1026), 20u);

  // A nested loop, as a modal message box runs one.
  QEventLoop nested;
  QTimer::singleShot(150, &nested, &QEventLoop::quit);
  nested.exec();
  EXPECT_GE(ticks.size(), 3u);
  EXPECT_EQ(ticks.front(), 1026u);

  EXPECT_TRUE(timers.KillTimer(1026));
  EXPECT_FALSE(timers.KillTimer(1026));
  const std::size_t count = ticks.size();
  testing::ProcessEventsFor(100);
  EXPECT_EQ(ticks.size(), count);
}

TEST(WindowTimersTest, AFailedInstallReturnsZero) {
  CWindowTimers timers([](unsigned) {});
  timers.allowInstall = [](unsigned, unsigned) { return false; };
  EXPECT_EQ(timers.SetTimer(1027, 2000), 0u);
  EXPECT_TRUE(timers.RunningIds().empty());
}

TEST(DialogBuilderTest, EveryControlOfTemplate102IsFoundByIdAtItsPlace) {
  const DialogTemplate& main = *FindDialogTemplate(IDD_MAIN);
  QWidget dialog;
  BuildDialog(&dialog, main, 20);
  EXPECT_EQ(dialog.windowTitle(), "Kestrivane32");
  const DialogBaseUnits units = BaseUnitsOf(dialog.font());
  EXPECT_GT(units.averageCharWidth, 0);
  EXPECT_GT(units.charHeight, 0);
  for (const ControlTemplate& control : main.controls) {
    if (control.id == IDC_STATIC) continue;
    QWidget* widget = FindControl(&dialog, control.id);
    ASSERT_NE(widget, nullptr) << control.id;
    const QRect expected =
        MapDialogRect(QRect(control.x, control.y, control.width, control.height), units)
            .translated(0, 20);
    EXPECT_EQ(widget->geometry(), expected) << control.id;
  }
  EXPECT_EQ(dialog.width(), MapDialogRect(QRect(0, 0, 235, 175), units).width());
  EXPECT_EQ(dialog.height(), MapDialogRect(QRect(0, 0, 235, 175), units).height() + 20);

  auto* minimize = qobject_cast<QPushButton*>(FindControl(&dialog, 1113));
  ASSERT_NE(minimize, nullptr);
  EXPECT_EQ(minimize->text(), "&Minimize");
  EXPECT_TRUE(minimize->isDefault());
  EXPECT_EQ(qobject_cast<QPushButton*>(FindControl(&dialog, 57670))->text(), "&Help");
  EXPECT_EQ(qobject_cast<QPushButton*>(FindControl(&dialog, 1))->text(), "Quit");
  for (int id : {1000, 1001, 1002, 1003, 1004, 1005, 1006, 1011, 1020, 1106}) {
    auto* edit = qobject_cast<QLineEdit*>(FindControl(&dialog, id));
    ASSERT_NE(edit, nullptr) << id;
    EXPECT_TRUE(edit->isReadOnly()) << id;
    EXPECT_FALSE(edit->hasFrame()) << id;
  }
  EXPECT_TRUE(qobject_cast<QLineEdit*>(FindControl(&dialog, 1106))->alignment() & Qt::AlignHCenter);

  std::vector<std::string> labels;
  for (QLabel* label : dialog.findChildren<QLabel*>())
    labels.push_back(label->text().toStdString());
  EXPECT_THAT(labels,
              ElementsAre("Today:", "City", "Country", "Lat.", "Long.", "Altitude", "Time Zone",
                          "fajr", "shurooq", "Zuhr", "`asr", "maGHrib", "`ishaa'", "Next alarm :"));
  std::vector<std::string> groups;
  for (QGroupBox* group : dialog.findChildren<QGroupBox*>())
    groups.push_back(group->title().toStdString());
  EXPECT_THAT(groups, ElementsAre(" Location ", " Prayer Times "));
}

TEST(DialogBuilderTest, DialogUnitsFollowTheFontMetrics) {
  const DialogBaseUnits units{6, 13};
  EXPECT_EQ(MapDialogRect(QRect(4, 8, 4, 8), units), QRect(6, 13, 6, 13));
  EXPECT_EQ(MapDialogRect(QRect(161, 112, 50, 14), units), QRect(242, 182, 75, 23));
}

TEST(DialogBuilderTest, TextsGoToEditsAndComeBack) {
  QWidget dialog;
  BuildDialog(&dialog, *FindDialogTemplate(IDD_MAIN));
  SetControlText(&dialog, 1000, "Friday, January 07, 2000");
  EXPECT_EQ(GetControlText(&dialog, 1000), "Friday, January 07, 2000");
  EXPECT_EQ(FindControl(&dialog, 4242), nullptr);
}

TEST(DialogBuilderTest, SettingsControlKinds) {
  // Two radio groups split by kGroup, a check box, a list, a text view.
  static constexpr ControlTemplate kControls[] = {
      {10, ControlKind::RadioButton, "a", 0, 0, 20, 10, kGroup | kTabStop},
      {11, ControlKind::RadioButton, "b", 0, 10, 20, 10, kStyleNone},
      {12, ControlKind::RadioButton, "c", 0, 20, 20, 10, kGroup},
      {13, ControlKind::RadioButton, "d", 0, 30, 20, 10, kStyleNone},
      {14, ControlKind::CheckBox, "check", 0, 40, 20, 10, kDisabled},
      {15, ControlKind::ComboBox, "", 0, 50, 40, 60, kTabStop},
      {16, ControlKind::ListBox, "", 40, 0, 40, 60, kSort | kMultiSelect},
      {17, ControlKind::Edit, "", 80, 0, 40, 60, kMultiline | kReadOnly},
  };
  static constexpr DialogTemplate kDialog{
      999, "Kinds", 130, 120, "MS Sans Serif", 8, 0, kDialogContextHelp, kControls};
  QWidget dialog;
  BuildDialog(&dialog, kDialog);

  const auto radio = [&](int id) { return qobject_cast<QRadioButton*>(FindControl(&dialog, id)); };
  radio(10)->click();
  radio(12)->click();
  EXPECT_TRUE(radio(10)->isChecked());  // another group
  radio(11)->click();
  EXPECT_FALSE(radio(10)->isChecked());
  EXPECT_TRUE(radio(12)->isChecked());

  EXPECT_FALSE(FindControl(&dialog, 14)->isEnabled());
  ASSERT_NE(qobject_cast<QComboBox*>(FindControl(&dialog, 15)), nullptr);
  auto* list = qobject_cast<QListWidget*>(FindControl(&dialog, 16));
  ASSERT_NE(list, nullptr);
  list->addItems({"zed", "Amy", "bob"});
  EXPECT_EQ(list->item(0)->text(), "Amy");
  EXPECT_EQ(list->selectionMode(), QAbstractItemView::ExtendedSelection);

  SetControlText(&dialog, 17, "line 1\r\nline 2");
  EXPECT_EQ(GetControlText(&dialog, 17), "line 1\nline 2");
  EXPECT_TRUE(dialog.windowFlags() & Qt::WindowContextHelpButtonHint);
}

TEST(CaptionFlashTest, OnAltersTheCaptionAndOffRestoresIt) {
  QWidget window;
  window.setWindowTitle("Kestrivane32");
  FlashCaption(&window, "Kestrivane32", true);
  EXPECT_EQ(window.windowTitle(), "*** Kestrivane32 ***");
  FlashCaption(&window, "Kestrivane32", false);
  EXPECT_EQ(window.windowTitle(), "Kestrivane32");
}

TEST(SoundTest, AMissingFileIsSilent) {
  testing::TemporaryWorkingDirectory directory;
  CSoundPlayer player;
  player.Play("Azan.wav");
  EXPECT_EQ(player.StartedCount(), 0);
}

TEST(SoundTest, AFileThatIsNoSoundIsSilentToo) {
  testing::TemporaryWorkingDirectory directory;
  { std::ofstream("Azan.wav") << "not a wave file"; }
  CSoundPlayer player;
  player.Play("Azan.wav");
  EXPECT_EQ(player.StartedCount(), 1);
  testing::ProcessEventsFor(200);  // the load fails without a word
}

TEST(MessageBoxTest, TheHookAnswersInsteadOfABox) {
  testing::MessageBoxRecorder recorder;
  recorder.answerYes = true;
  ShowMessageBox(nullptr, "Created default locations file");
  EXPECT_TRUE(AskYesNo(nullptr, "quit?"));
  ASSERT_EQ(recorder.boxes.size(), 2u);
  EXPECT_EQ(recorder.boxes[0].kind, MessageBoxKind::Exclamation);
  EXPECT_EQ(recorder.boxes[1].kind, MessageBoxKind::YesNoQuestion);
}

TEST(MessageBoxTest, RealBoxIsTitledKestrivaneWithWarningIconAndOk) {
  QString title;
  int icon = -1;
  int buttons = -1;
  QTimer::singleShot(50, [&] {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      if (auto* box = qobject_cast<QMessageBox*>(widget); box && box->isVisible()) {
        title = box->windowTitle();
        icon = box->icon();
        buttons = static_cast<int>(box->standardButtons());
        box->accept();
      }
    }
  });
  ShowMessageBox(nullptr, "Created default locations file");
  EXPECT_EQ(title, "Kestrivane");
  EXPECT_EQ(icon, QMessageBox::Warning);
  EXPECT_EQ(buttons, static_cast<int>(QMessageBox::Ok));
}

TEST(MessageBoxTest, RealQuestionHasYesAndNo) {
  int icon = -1;
  int buttons = -1;
  QTimer::singleShot(50, [&] {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      if (auto* box = qobject_cast<QMessageBox*>(widget); box && box->isVisible()) {
        icon = box->icon();
        buttons = static_cast<int>(box->standardButtons());
        box->button(QMessageBox::No)->click();
      }
    }
  });
  EXPECT_FALSE(AskYesNo(nullptr, "quit?"));
  EXPECT_EQ(icon, QMessageBox::Question);
  EXPECT_EQ(buttons, static_cast<int>(QMessageBox::Yes | QMessageBox::No));
}

TEST(TrayIconTest, AddFailsWithoutATray) {
  testing::FakeTray tray{false};
  CTrayIcon icon;
  EXPECT_FALSE(icon.Add("salle 'ala Muhammad", QIcon()));
  EXPECT_FALSE(icon.SetTip("x"));
  EXPECT_FALSE(icon.Remove());
}

TEST(TrayIconTest, TipsAreCutTo63Characters) {
  testing::FakeTray tray{true};
  CTrayIcon icon;
  ASSERT_TRUE(icon.Add(std::string(64, 'a'), QIcon()));
  EXPECT_EQ(icon.Tip().size(), 63);
  EXPECT_FALSE(icon.Add("again", QIcon()));
  EXPECT_TRUE(icon.Remove());
  EXPECT_FALSE(icon.IsAdded());
}

TEST(SingleInstanceTest, ASecondStartAsksTheFirstToRestore) {
  const QString name = QStringLiteral("kestrivane-test-%1").arg(QCoreApplication::applicationPid());
  CSingleInstance first(name);
  ASSERT_TRUE(first.Claim());
  int restores = 0;
  QObject::connect(&first, &CSingleInstance::restoreRequested, [&] { ++restores; });

  CSingleInstance second(name);
  EXPECT_FALSE(second.Claim());
  testing::ProcessEventsFor(2000, [&] { return restores > 0; });
  EXPECT_EQ(restores, 1);
}

TEST(SingleInstanceTest, ASocketLeftBehindIsTakenOver) {
  const QString name =
      QStringLiteral("kestrivane-stale-%1").arg(QCoreApplication::applicationPid());
  {
    CSingleInstance crashed(name);
    ASSERT_TRUE(crashed.Claim());
  }  // the server closes; a stale socket file would look the same to a new start
  CSingleInstance next(name);
  EXPECT_TRUE(next.Claim());
}

TEST(DesktopNotifierTest, WithoutABusNothingHappens) {
  CDesktopNotifier notifier;
  notifier.Show("Kestrivane", "Zuhr prayer at 12:45 P.M. Insha Allah.");
  notifier.Close();
  EXPECT_EQ(notifier.CurrentId(), 0u);
}

}  // namespace
}  // namespace kestrivane
