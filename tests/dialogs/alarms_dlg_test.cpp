// Set Alarms' candidate azan times and the time texts read back.

#include "dialogs/alarms_dlg.h"

#include <gtest/gtest.h>

#include "app/time_format.h"
#include "tests/dialogs/dialog_records.h"

namespace kestrivane {
namespace {

using namespace testing;

TEST(AzanCandidates, FollowTheStepAndStopAtTheNextPrayer) {
  const struct {
    PrayerTime start;
    std::optional<PrayerTime> end;
    int step;
    const char* expected;
  } cases[] = {
      {T(5, 0), T(6, 10), 15, "05:15 05:30 05:45 06:00"},
      {T(5, 11), T(6, 0), 15, "05:15 05:30 05:45"},
      {T(5, 12), T(6, 0), 15, "05:30 05:45"},
      {T(18, 2), T(19, 30), 5, "18:10 18:15 18:20 18:25 18:30 18:35 18:40 18:45"},
      {T(18, 1), T(18, 20), 5, "18:05 18:10 18:15"},
      {T(12, 10), T(15, 20), 15, "12:15 12:30 12:45 13:00 13:15 13:30 13:45 14:00"},
      // No end, an end at hour 0, an end in an earlier hour: eight candidates.
      {T(19, 40), std::nullopt, 15, "19:45 20:00 20:15 20:30 20:45 21:00 21:15 21:30"},
      {T(20, 0), T(0, 5), 15, "20:15 20:30 20:45 21:00 21:15 21:30 21:45 22:00"},
      {T(18, 50), T(18, 58), 15, "19:00 19:15 19:30 19:45 20:00 20:15 20:30 20:45"},
      // Nothing at or past midnight, and nothing before the next prayer.
      {T(22, 50), std::nullopt, 15, "23:00 23:15 23:30 23:45"},
      {T(23, 57), std::nullopt, 15, ""},
      {T(18, 58), T(19, 2), 5, ""},
  };
  for (const auto& c : cases) {
    std::string texts;
    for (const PrayerTime& t : AzanCandidates(c.start, c.end, c.step)) {
      texts += (texts.empty() ? "" : " ") + FormatTimeOfDay(t.hour, t.minute, true);
    }
    EXPECT_EQ(texts, c.expected) << c.start.hour << ":" << c.start.minute;
  }
}

TEST(ParseTimeText, ReadsBothClockForms) {
  const std::pair<const char*, int> cases[] = {
      {" 5:30 A.M.", 5 << 8 | 30}, {"12:15 P.M.", 12 << 8 | 15}, {"", 0}, {"5:3", 0}};
  for (const auto& [text, expected] : cases) EXPECT_EQ(ParseTimeText(text), expected) << text;
  // Every time of the day comes back from its text in both forms.
  for (int hour = 0; hour < 24; ++hour) {
    for (int minute = 0; minute < 60; minute += 5) {
      for (const bool use24Hour : {true, false}) {
        const std::string text =
            FormatTimeOfDay(static_cast<int16_t>(hour), static_cast<int16_t>(minute), use24Hour);
        EXPECT_EQ(ParseTimeText(text), hour << 8 | minute) << text;
      }
    }
  }
}

}  // namespace
}  // namespace kestrivane
