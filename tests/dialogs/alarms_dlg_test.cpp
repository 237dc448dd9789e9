// Set Alarms' candidate azan times and the time texts read back.

#include "dialogs/alarms_dlg.h"

#include <gtest/gtest.h>

#include <tuple>

#include "app/time_format.h"

namespace kestrivane {
namespace {

TEST(AzanCandidates, FollowTheStepAndStopAtTheNextPrayer) {
  // The prayer's time, the next one's (hour -1: none), the step, the candidates.
  const std::tuple<PrayerTime, PrayerTime, int, const char*> cases[] = {
      {{5, 0}, {6, 10}, 15, "05:15 05:30 05:45 06:00"},
      // No end, an end at hour 0, an end in an earlier hour: eight candidates.
      {{19, 40}, {-1, 0}, 15, "19:45 20:00 20:15 20:30 20:45 21:00 21:15 21:30"},
      {{20, 0}, {0, 5}, 15, "20:15 20:30 20:45 21:00 21:15 21:30 21:45 22:00"},
      {{18, 50}, {18, 58}, 15, "19:00 19:15 19:30 19:45 20:00 20:15 20:30 20:45"},
      {{22, 50}, {-1, 0}, 15, "23:00 23:15 23:30 23:45"},  // nothing at or past midnight
  };
  for (const auto& [start, next, step, expected] : cases) {
    std::string texts;
    const auto end = next.hour < 0 ? std::nullopt : std::optional(next);
    for (const PrayerTime& t : AzanCandidates(start, end, step)) {
      texts += (texts.empty() ? "" : " ") + FormatTimeOfDay(t.hour, t.minute, true);
    }
    EXPECT_EQ(texts, expected) << start.hour << ":" << start.minute;
  }
}

TEST(ParseTimeText, ReadsBothClockFormsOfEveryTime) {
  for (int16_t minute = 0; minute < 24 * 60; minute += 5) {
    for (const bool use24Hour : {true, false}) {
      const std::string text = FormatTimeOfDay(minute / 60, minute % 60, use24Hour);
      EXPECT_EQ(ParseTimeText(text), minute / 60 << 8 | minute % 60) << text;
    }
  }
}

}  // namespace
}  // namespace kestrivane
