#include "settings/preferences.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace kestrivane {
namespace {

constexpr double kDegree = 3.141592653589793 / 180;

TEST(Preferences, SettersReportOnlyRealChanges) {
  CPreferences preferences;
  CAlarmTable& alarms = preferences.m_alarms;
  preferences.m_bDirty = alarms.m_bDirty = alarms.m_alarm[2].m_bDirty = 0;  // as loaded
  preferences.Set(0, 1, 18, 18);
  EXPECT_EQ(preferences.m_bDirty, 0);
  preferences.Set(0, 1, -1, 30);  // out of the dialog's range, passed on as is
  EXPECT_EQ(preferences.m_bDirty, 1);
  EXPECT_DOUBLE_EQ(preferences.GetFajrAngleRadians(), 4294967295.0 * kDegree);
  EXPECT_DOUBLE_EQ(preferences.GetIshaAngleRadians(), 30 * kDegree);

  EXPECT_FALSE(alarms.SetAlarm(2, false, 0, 15) || alarms.SetPlaySound(0));
  EXPECT_EQ(alarms.m_bDirty, 0);
  EXPECT_TRUE(alarms.SetAlarm(2, true, 0x0D0F, 10));  // Zuhr on at 13:15
  EXPECT_EQ(alarms.m_bDirty, 1);
  alarms.m_bDirty = 0;
  EXPECT_TRUE(alarms.SetAlarm(2, true, 0x0D0F, 10));  // unsaved change still reported
  EXPECT_EQ(alarms.m_bDirty, 1);
  EXPECT_TRUE(alarms.SetPlaySound(1));
  EXPECT_FALSE(alarms.SetAlarm(6, true, 0, 15) || alarms.SetAlarm(-1, true, 0, 15));
}

TEST(AlarmTable, FindsTheNearestSwitchedOnEntry) {
  const struct {
    uint8_t on;  // bit i = entry i on
    int32_t from, prev, next;
  } rows[] = {
      {0b000001, 5, 0, -1},   {0b100000, 0, -1, 5},         {0b000000, 3, -1, -1},
      {0b010101, 4, 2, -1},   {0b010101, 2, 0, 4},          {0b000001, -1, -1, 0},
      {0b111111, 0, -1, 1},   {0b111111, 5, 4, -1},         {0b100001, 99, 5, -1},
      {0b100001, -99, -1, 0}, {0b100001, INT32_MAX, 5, -1}, {0b100001, INT32_MIN, -1, 0},
  };
  for (const auto& r : rows) {
    CAlarmTable table;
    for (int i = 0; i < 6; ++i) table.SetAlarm(i, (r.on >> i) & 1, 0, 15);
    EXPECT_EQ(table.FindPrevEnabled(r.from), r.prev) << int(r.on) << " from " << r.from;
    EXPECT_EQ(table.FindNextEnabled(r.from), r.next) << int(r.on) << " from " << r.from;
  }
}

}  // namespace
}  // namespace kestrivane
