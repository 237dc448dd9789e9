// Set Alarms' candidate azan times and the time texts read back.

#include "dialogs/alarms_dlg.h"

#include <gtest/gtest.h>

#include "app/time_format.h"

namespace kestrivane {
namespace {

TEST(AzanCandidates, FollowTheStepAndStopAtTheNextPrayer) {
  const struct {
    int16_t hour, minute, endHour, endMinute;  // no end: -1
    int step;
    const char* expected;
  } cases[] = {
      {5, 0, 6, 10, 15, "05:15 05:30 05:45 06:00"},
      // No end, an end at hour 0, an end in an earlier hour: eight candidates.
      {19, 40, -1, 0, 15, "19:45 20:00 20:15 20:30 20:45 21:00 21:15 21:30"},
      {20, 0, 0, 5, 15, "20:15 20:30 20:45 21:00 21:15 21:30 21:45 22:00"},
      {18, 50, 18, 58, 15, "19:00 19:15 19:30 19:45 20:00 20:15 20:30 20:45"},
      // Nothing at or past midnight, and nothing before the next prayer.
      {22, 50, -1, 0, 15, "23:00 23:15 23:30 23:45"},
      {18, 58, 19, 2, 5, ""},
  };
  for (const auto& c : cases) {
    std::optional<PrayerTime> end;
    if (c.endHour >= 0) end = PrayerTime{c.endHour, c.endMinute};
    std::string texts;
    for (const PrayerTime& t : AzanCandidates({c.hour, c.minute}, end, c.step)) {
      texts += (texts.empty() ? "" : " ") + FormatTimeOfDay(t.hour, t.minute, true);
    }
    EXPECT_EQ(texts, c.expected) << c.hour << ":" << c.minute;
  }
}

TEST(ParseTimeText, ReadsBothClockFormsOfEveryTime) {
  EXPECT_EQ(ParseTimeText("") + ParseTimeText("5:3"), 0);
  for (int16_t minute = 0; minute < 24 * 60; minute += 5) {
    for (const bool use24Hour : {true, false}) {
      const std::string text = FormatTimeOfDay(minute / 60, minute % 60, use24Hour);
      EXPECT_EQ(ParseTimeText(text), minute / 60 << 8 | minute % 60) << text;
    }
  }
}

}  // namespace
}  // namespace kestrivane
