// The Qt half of the platform layer, offscreen: window timers, the tray
// icon, message boxes, the caption flash, sound, the notifier without a
// bus, and one running copy per user.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QEventLoop>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>
#include <fstream>

#include "platform/caption_flash.h"
#include "platform/desktop_notification.h"
#include "platform/message_box.h"
#include "platform/sound.h"
#include "platform/tray_icon.h"
#include "platform/window_timers.h"
#include "tests/app/qt_test_support.h"

namespace kestrivane {
namespace {

TEST(WindowTimers, ReplaceByIdTickInNestedLoopsAndStop) {
  std::vector<unsigned> ticks;
  CWindowTimers timers([&](unsigned id) { ticks.push_back(id); });
  EXPECT_EQ(timers.SetTimer(0, 10), 0u);
  EXPECT_EQ(timers.SetTimer(1026, 5000), 1026u);
  EXPECT_EQ(timers.SetTimer(1026, 20), 1026u);  // replaces the 5-second one
  EXPECT_THAT(timers.RunningIds(), ::testing::ElementsAre(1026u));
  EXPECT_EQ(timers.Period(1026), 20u);
  QEventLoop nested;  // as a modal message box runs one
  QTimer::singleShot(150, &nested, &QEventLoop::quit);
  nested.exec();
  EXPECT_GE(ticks.size(), 3u);
  EXPECT_THAT(ticks, ::testing::Each(1026u));
  EXPECT_TRUE(timers.KillTimer(1026));
  EXPECT_FALSE(timers.KillTimer(1026));
  const std::size_t count = ticks.size();
  testing::ProcessEventsFor(60);
  EXPECT_EQ(ticks.size(), count);
  timers.allowInstall = [](unsigned, unsigned) { return false; };
  EXPECT_EQ(timers.SetTimer(1027, 2000), 0u);
  EXPECT_TRUE(timers.RunningIds().empty());
}

// Without a tray the icon keeps its tip and shows itself when one appears.
TEST(TrayIcon, CutsTipsTo63CharactersAndWaitsForATray) {
  for (const bool available : {false, true}) {
    testing::FakeTray tray{available};
    CTrayIcon icon;
    EXPECT_EQ(icon.Add(std::string(64, 'a'), QIcon()), available);
    EXPECT_EQ(icon.Tip().size(), 63);
    EXPECT_EQ(icon.SetTip(std::string(70, 'b')), available);
    EXPECT_EQ(icon.Tip().toStdString(), std::string(63, 'b'));
    EXPECT_FALSE(icon.Add("again", QIcon()));
    EXPECT_EQ(icon.IsWaitingForTray(), !available);
    tray.available = true;
    int added = 0;
    QObject::connect(&icon, &CTrayIcon::added, [&] { ++added; });
    icon.LookForTray();
    EXPECT_TRUE(icon.IsAdded());
    EXPECT_EQ(added, available ? 0 : 1);
    EXPECT_EQ(icon.Tip().toStdString(), std::string(63, 'b'));
    EXPECT_TRUE(icon.Remove());
    EXPECT_FALSE(icon.IsAdded() || icon.IsWaitingForTray());
  }
}

TEST(MessageBox, TheHookAnswersInsteadOfABox) {
  testing::MessageBoxRecorder recorder;
  recorder.answerYes = true;
  ShowMessageBox(nullptr, "Created default locations file");
  EXPECT_TRUE(AskYesNo(nullptr, "quit?"));
  ASSERT_EQ(recorder.boxes.size(), 2u);
  EXPECT_EQ(recorder.boxes[0].kind, MessageBoxKind::Exclamation);
  EXPECT_EQ(recorder.boxes[1].kind, MessageBoxKind::YesNoQuestion);
}

TEST(MessageBox, RealBoxesAreTitledKestrivaneAndShowPlainText) {
  const struct {
    std::function<bool()> show;
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons buttons;
  } cases[] = {
      {[] { return ShowMessageBox(nullptr, "<b>Go</b>"), false; }, QMessageBox::Warning,
       QMessageBox::Ok},
      {[] { return AskYesNo(nullptr, "<b>quit?</b>"); }, QMessageBox::Question,
       QMessageBox::Yes | QMessageBox::No},
  };
  for (const auto& c : cases) {
    QMessageBox* seen = nullptr;
    QTimer::singleShot(20, [&] {
      seen = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (seen == nullptr) return;
      EXPECT_EQ(seen->windowTitle(), "Kestrivane");
      EXPECT_EQ(seen->icon(), c.icon);
      EXPECT_EQ(seen->standardButtons(), c.buttons);
      EXPECT_EQ(seen->textFormat(), Qt::PlainText);
      seen->reject();
    });
    EXPECT_FALSE(c.show());
    EXPECT_NE(seen, nullptr);
  }
}

TEST(CaptionFlash, OnAltersTheCaptionAndOffRestoresIt) {
  QWidget window;
  FlashCaption(&window, "Kestrivane32", true);
  EXPECT_EQ(window.windowTitle(), "*** Kestrivane32 ***");
  FlashCaption(&window, "Kestrivane32", false);
  EXPECT_EQ(window.windowTitle(), "Kestrivane32");
}

TEST(Sound, AMissingOrBrokenFileIsSilent) {
  testing::TemporaryWorkingDirectory directory;
  CSoundPlayer player;
  player.Play("Azan.wav");
  EXPECT_EQ(player.StartedCount(), 0);
  std::ofstream("Azan.wav") << "not a wave file";
  player.Play("Azan.wav");
  EXPECT_EQ(player.StartedCount(), 1);
  testing::ProcessEventsFor(100);  // the load fails without a word
}

TEST(DesktopNotifier, WithoutABusNothingHappens) {
  CDesktopNotifier notifier;
  notifier.Show("Kestrivane", "Zuhr prayer at 12:45 P.M. Insha Allah.");
  notifier.Close();
  EXPECT_EQ(notifier.CurrentId(), 0u);
}

}  // namespace
}  // namespace kestrivane
