#include "settings/location.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <sstream>
#include <utility>

#include "settings/dst_rule.h"

namespace kestrivane {
namespace {

TEST(DstRule, InForceFromTheStartDayToTheDayBeforeTheEnd) {
  const struct {
    uint16_t start, end;
    const char* dates;  // + in force, - not
  } rules[] = {
      // The default rule observed: the last Sundays of March and October.
      {0x8220, 0x0920, "-2026-3-28 +2026-3-29 +2026-7-15 +2026-10-24 -2026-10-25 -2026-1-15"},
      {0x0220, 0x0920, "-2026-7-15"},                                   // not observed
      {0x8389, 0x0920, "-2026-4-9 +2026-4-10"},                         // the 10th of April
      {0x8120, 0x0920, "-2024-2-24 +2024-2-25 -2026-2-21 +2026-2-22"},  // last Sunday
      {0x8208, 0x0920, "-2026-3-7 +2026-3-8"},                          // second Sunday
      {0x8228, 0x0920, "-2026-3-31 +2026-4-1"},                         // an ordinal past the end
      // Southern: the first Sundays of October and April.
      {0x8900, 0x0300, "+2026-1-15 +2026-4-4 -2026-4-5 -2026-6-15 -2026-10-3 +2026-10-4"},
      // One month: the second Sunday (8th) to the 20th, and the 20th to the 5th.
      {0x8208, 0x0293, "-2026-3-7 +2026-3-8 +2026-3-19 -2026-3-20 -2026-4-15"},
      {0x8293, 0x0284, "+2026-3-4 -2026-3-5 +2026-3-20 +2026-4-1 +2026-1-15"},
      // The 10th and the second Sunday: the 8th in 2026, the 14th in 2027.
      {0x8289, 0x0208, "+2026-7-15 -2027-7-15 +2027-3-13"},
      {0x8289, 0x0289, "-2026-3-10 -2026-7-15"},  // ends as it starts
      // The last Sunday and the 28th: the 29th in 2026, the 28th in 2027.
      {0x8220, 0x029B, "+2026-7-15 -2026-3-28 +2026-3-29 -2027-7-15 -2027-3-28"},
      {0x8320, 0x0398, "+2029-4-24 -2029-4-25 +2029-4-29 +2029-7-15"},  // April's: the 29th
  };
  for (const auto& r : rules) {
    CDstRule rule;
    rule.m_wStart = r.start;
    rule.m_wEnd = r.end;
    std::istringstream dates(r.dates);
    char sign = 0, dash = 0;
    int y = 0, m = 0, d = 0;
    while (dates >> sign >> y >> dash >> m >> dash >> d) {
      using namespace std::chrono;
      const auto weekday = std::chrono::weekday(sys_days(year(y) / m / d)).c_encoding();
      EXPECT_EQ(rule.IsDst(y, m, d, static_cast<int32_t>(weekday)), sign == '+')
          << std::hex << r.start << '/' << r.end << std::dec << ' ' << y << '-' << m << '-' << d;
    }
  }
  CDstRule rule;
  rule.m_wStart = 0x8220;
  for (int32_t v : {INT32_MIN, -1, 0, 13, INT32_MAX}) {
    EXPECT_FALSE(rule.IsDst(2026, v, 1, 0));
    (void)rule.IsDst(v, 3, v, v);  // any answer, without a fault
  }
}

TEST(DstRule, SettersBuildTheWordAndRaiseTheFlagOnlyOnChange) {
  CDstRule rule;
  rule.m_bDirty = 0;
  rule.SetWeekday(true, false, 2, 4, 0);  // the stored default again
  rule.SetWeekday(false, true, 9, 4, 0);  // observes counts for the start only
  EXPECT_EQ(rule.m_bDirty, 0);
  rule.SetDate(true, true, 0x13, 0x49);  // fields are masked
  EXPECT_EQ(std::pair(rule.m_wStart, rule.m_bDirty), (std::pair<uint16_t, uint8_t>(0x8389, 1)));
}

TEST(Location, SetMarksChangedAndOnlyCapitalsMeanSouthAndWest) {
  constexpr double kDegree = 3.141592653589793 / 180;
  CLocation location;
  CDstRule other;
  other.m_wStart = 0x8900;
  location.m_bDirty = location.m_dstRule.m_bDirty = 0;
  location.Set("Quito", "Ecuador", 33, 40, true, 7, 5, true, 2850, -5.0, other);
  EXPECT_EQ(location.FormatLatitude() + location.FormatLongitude(), "33:40 S7:05 W");
  EXPECT_TRUE(location.m_bDirty && !location.m_dstRule.m_bDirty &&
              location.m_dstRule.m_wStart == 0x8900);
  EXPECT_DOUBLE_EQ(location.GetLatitudeRadians(), -(33 + 40 / 60.0) * kDegree);
  EXPECT_DOUBLE_EQ(location.GetLongitudeRadians(), -(7 + 5 / 60.0) * kDegree);
  location.m_chLatHemisphere = 's';
  location.m_chLongHemisphere = 'w';
  EXPECT_DOUBLE_EQ(location.GetLatitudeRadians(), (33 + 40 / 60.0) * kDegree);
  EXPECT_DOUBLE_EQ(location.GetLongitudeRadians(), (7 + 5 / 60.0) * kDegree);
}

}  // namespace
}  // namespace kestrivane
