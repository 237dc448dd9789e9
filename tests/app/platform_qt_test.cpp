// The window timers the alarms run on, offscreen: replaced by id, ticking
// while a modal box runs its own loop, and stopped. (The tray and the
// boxes are shown through the main window's tests.)

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QEventLoop>
#include <QTimer>

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

}  // namespace
}  // namespace kestrivane
