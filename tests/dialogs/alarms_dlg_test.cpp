// Set Alarms' candidate azan times, the time texts read back, and the
// alarms that follow their prayer.

#include "dialogs/alarms_dlg.h"

#include <gtest/gtest.h>

#include <tuple>

#include "app/time_format.h"
#include "tests/dialogs/dialog_records.h"

namespace kestrivane {
namespace {

using namespace testing;

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

// Rows: the offset Maghrib or 'Isha follows by before (-1: fixed), the choice
// made, what follows after, the stored time; the list shows the choice again.
TEST_F(DialogTest, AChosenFollowingAlarmIsStoredWithTodaysTimeAndShownAgain) {
  const std::tuple<Prayer, int, std::string, AlarmFollowing, uint16_t> rows[] = {
      {Maghrib, -1, "1067=maGHrib + 10", {true, 10}, 18 << 8 | 12},
      {Maghrib, 10, "1067= 6:15 P.M.", {}, 18 << 8 | 15},
      {Isha, 7, "1068=`ishaa' + 7", {true, 7}, 19 << 8 | 47},  // not offered, kept
  };
  std::string items;
  for (const auto& [prayer, before, choice, after, stored] : rows) {
    Records records;
    if (before >= 0) records.following[prayer] = {true, before};
    ASSERT_TRUE(RunDialog(Dialog::Alarms, records, Script(choice + ";1")));
    EXPECT_EQ(records.following[prayer], after) << choice;
    EXPECT_EQ(records.preferences.m_alarms.m_alarm[prayer].m_wAzanTime, stored) << choice;
    RunDialog(Dialog::Alarms, records, [&](QWidget* d) {
      EXPECT_EQ(Observe(*d, choice), choice);
      auto* list = qobject_cast<QComboBox*>(FindControl(d, 1067));
      for (int i = items.empty() ? 0 : 9; i < 9; ++i)
        items += list->itemText(i).toStdString() + "|";
    });
  }
  EXPECT_EQ(items,
            "At maGHrib time|maGHrib + 5|maGHrib + 10|maGHrib + 15|maGHrib + 20|maGHrib + 30|"
            "maGHrib + 45|maGHrib + 60| 6:10 P.M.|");
}

}  // namespace
}  // namespace kestrivane
