// The Qt half of the platform layer, offscreen: window timers, the tray
// icon and message boxes.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QEventLoop>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>

#include "platform/message_box.h"
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
  EXPECT_THAT(ticks,
              ::testing::AllOf(::testing::SizeIs(::testing::Ge(3u)), ::testing::Each(1026u)));
  EXPECT_TRUE(timers.KillTimer(1026) && !timers.KillTimer(1026));
  const std::size_t count = ticks.size();
  testing::ProcessEventsFor(60);
  EXPECT_EQ(ticks.size(), count);
  timers.allowInstall = [](unsigned, unsigned) { return false; };
  EXPECT_EQ(timers.SetTimer(1027, 2000), 0u);
  EXPECT_TRUE(timers.RunningIds().empty());
}

// Without a tray the icon keeps its tip and shows itself when one appears.
// Without a tray the icon keeps its tip and shows itself when one appears.
TEST(TrayIcon, CutsTipsTo63CharactersAndWaitsForATray) {
  for (const bool available : {false, true}) {
    testing::FakeTray tray{available};
    CTrayIcon icon;
    int added = 0;
    QObject::connect(&icon, &CTrayIcon::added, [&] { ++added; });
    EXPECT_EQ(icon.Add(std::string(64, 'a'), QIcon()), available);
    EXPECT_EQ(icon.Tip().toStdString(), std::string(63, 'a'));
    EXPECT_EQ(icon.SetTip(std::string(70, 'b')), available);
    EXPECT_FALSE(icon.Add("again", QIcon()) || icon.IsWaitingForTray() == available);
    tray.available = true;
    icon.LookForTray();
    EXPECT_TRUE(icon.IsAdded() && icon.Tip().toStdString() == std::string(63, 'b'));
    EXPECT_EQ(added, available ? 0 : 1);
    EXPECT_TRUE(icon.Remove() && !icon.IsAdded() && !icon.IsWaitingForTray());
  }
}

TEST(MessageBox, RealBoxesAreTitledKestrivaneAndShowPlainText) {
  for (const bool question : {false, true}) {
    std::string seen = "no box";
    QTimer::singleShot(20, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (box == nullptr) return;
      seen = box->windowTitle().toStdString() + " " + box->text().toStdString();
      EXPECT_EQ(box->icon(), question ? QMessageBox::Question : QMessageBox::Warning);
      EXPECT_EQ(box->standardButtons(),
                question ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok);
      EXPECT_EQ(box->textFormat(), Qt::PlainText);
      box->reject();
    });
    EXPECT_FALSE(question && AskYesNo(nullptr, "<b>Go</b>")) << "closed, it answers No";
    if (!question) ShowMessageBox(nullptr, "<b>Go</b>");
    EXPECT_EQ(seen, "Kestrivane <b>Go</b>");
  }
}

}  // namespace
}  // namespace kestrivane
