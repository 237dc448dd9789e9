#include "settings/location.h"

#include <gtest/gtest.h>

#include <chrono>

#include "settings/dst_rule.h"

namespace kestrivane {
namespace {

int32_t Weekday(int y, unsigned m, unsigned d) {
  using namespace std::chrono;
  return static_cast<int32_t>(weekday{sys_days{year{y} / month{m} / day{d}}}.c_encoding());
}

struct DateCase {
  int year;
  unsigned month, day;
  bool inForce;
};

void ExpectDst(const CDstRule& rule, std::initializer_list<DateCase> cases, const char* name) {
  for (const auto& c : cases) {
    EXPECT_EQ(rule.IsDst(c.year, static_cast<int32_t>(c.month), static_cast<int32_t>(c.day),
                         Weekday(c.year, c.month, c.day)),
              c.inForce)
        << name << ": " << c.year << '-' << c.month << '-' << c.day;
  }
}

CDstRule Rule(uint16_t start, uint16_t end) {
  CDstRule rule;
  rule.m_wStart = start;
  rule.m_wEnd = end;
  return rule;
}

TEST(DstRule, DefaultRuleObservedChangesOnTheLastSundays) {
  ExpectDst(Rule(0x8220, 0x0920),
            {{2026, 3, 29, true},
             {2026, 3, 28, false},
             {2026, 10, 25, false},
             {2026, 10, 24, true},
             {2026, 7, 15, true},
             {2026, 1, 15, false},
             {2026, 12, 31, false}},
            "default observed");
}

TEST(DstRule, NotObservedIsNeverInForce) {
  for (uint16_t end : {uint16_t{0x0920}, uint16_t{0x0320}, uint16_t{0x0B80}}) {
    ExpectDst(Rule(0x0220, end), {{2026, 3, 29, false}, {2026, 7, 15, false}, {2026, 1, 15, false}},
              "bit 15 clear");
  }
}

TEST(DstRule, TransitionsOnFixedDatesAndNthWeekdays) {
  // Day 10 of April entered as day index 9 of month 3.
  CDstRule fixedStart = Rule(0x8220, 0x0920);
  fixedStart.SetDate(true, true, 3, 9);
  EXPECT_EQ(fixedStart.m_wStart, 0x8389);
  ExpectDst(fixedStart, {{2026, 4, 9, false}, {2026, 4, 10, true}, {2026, 3, 31, false}},
            "fixed start");
  // Last Sunday of February: the 25th in leap 2024, the 22nd in 2026.
  ExpectDst(Rule(0x8120, 0x0920),
            {{2024, 2, 24, false}, {2024, 2, 25, true}, {2026, 2, 21, false}, {2026, 2, 22, true}},
            "last Sunday of February");
  // Second Sunday of March 2026 is the 8th.
  ExpectDst(Rule(0x8208, 0x0920), {{2026, 3, 7, false}, {2026, 3, 8, true}}, "second Sunday");
  // An ordinal the dialog cannot produce puts the transition past the month.
  ExpectDst(Rule(0x8228, 0x0920), {{2026, 3, 31, false}, {2026, 4, 1, true}}, "ordinal 5");
}

TEST(DstRule, SouthernRulesHoldAcrossTheNewYear) {
  CDstRule rule;
  rule.SetWeekday(true, true, 9, 0, 0);    // first Sunday of October
  rule.SetWeekday(false, false, 3, 0, 0);  // first Sunday of April
  EXPECT_EQ(rule.m_wStart, 0x8900);
  EXPECT_EQ(rule.m_wEnd, 0x0300);
  ExpectDst(rule,
            {{2026, 1, 15, true},
             {2026, 12, 15, true},
             {2026, 6, 15, false},
             {2026, 4, 4, true},
             {2026, 4, 5, false},
             {2026, 10, 3, false},
             {2026, 10, 4, true}},
            "southern");
}

TEST(DstRule, BothTransitionsInOneMonth) {
  // Second Sunday (8th) to the 20th of March 2026: a window.
  ExpectDst(Rule(0x8208, 0x0293),
            {{2026, 3, 7, false},
             {2026, 3, 8, true},
             {2026, 3, 19, true},
             {2026, 3, 20, false},
             {2026, 3, 31, false},
             {2026, 4, 15, false}},
            "window");
  // An end before the start: in force over the turn of the year.
  ExpectDst(Rule(0x8293, 0x0200),
            {{2026, 3, 19, false}, {2026, 3, 20, true}, {2026, 3, 31, true}, {2026, 4, 1, true}},
            "end before start");
}

TEST(DstRule, SettersBuildTheWordAndRaiseTheFlagOnlyOnChange) {
  CDstRule rule;
  rule.m_bDirty = 0;
  rule.SetWeekday(true, false, 2, 4, 0);  // the stored default again
  rule.SetWeekday(false, true, 9, 4, 0);  // observes is ignored for the end
  EXPECT_EQ(rule.m_wStart, 0x0220);
  EXPECT_EQ(rule.m_wEnd, 0x0920);
  EXPECT_EQ(rule.m_bDirty, 0);
  rule.SetWeekday(true, true, 2, 4, 0);
  EXPECT_EQ(rule.m_wStart, 0x8220);
  EXPECT_EQ(rule.m_bDirty, 1);
  rule.SetDate(false, false, 0x1F, 0x7F);  // out-of-range fields are masked
  EXPECT_EQ(rule.m_wEnd, 0x0FBF);
}

TEST(DstRule, OutlandishDatesDoNotCrash) {
  const CDstRule rule = Rule(0x8220, 0x0920);
  for (int32_t v : {INT32_MIN, -1, 0, 13, 99, INT32_MAX}) {
    EXPECT_FALSE(rule.IsDst(2026, v, 1, 0));
    // Any answer will do; it must come without a fault.
    (void)rule.IsDst(v, 3, v, v);
    (void)rule.IsDst(2026, 3, 29, v);
  }
}

TEST(Location, FormatsAndRadians) {
  CLocation location;
  EXPECT_EQ(location.FormatLatitude(), "33:40 N");
  EXPECT_EQ(location.FormatLongitude(), "73:10 E");
  const double north = location.GetLatitudeRadians();
  EXPECT_DOUBLE_EQ(north, (33 + 40 / 60.0) * 3.141592653589793 / 180);

  location.Set("Quito", "Ecuador", 33, 40, true, 7, 5, true, 2850, -5.0, location.m_dstRule);
  EXPECT_EQ(location.FormatLongitude(), "7:05 W");
  EXPECT_EQ(location.GetLatitudeRadians(), -north);
  EXPECT_LT(location.GetLongitudeRadians(), 0);
  int32_t degrees = 0, minutes = 0;
  bool negative = false;
  location.GetLongitude(degrees, minutes, negative);
  EXPECT_EQ(degrees, 7);
  EXPECT_EQ(minutes, 5);
  EXPECT_TRUE(negative);

  location.m_chLatHemisphere = 's';  // only the capital letter means south
  location.GetLatitude(degrees, minutes, negative);
  EXPECT_FALSE(negative);
  EXPECT_EQ(location.GetLatitudeRadians(), north);
}

TEST(Location, SetAlwaysMarksChangedAndCopiesAnotherRule) {
  CLocation location;
  location.m_bDirty = 0;
  location.m_dstRule.m_bDirty = 0;
  location.Set(location.m_strCity, location.m_strCountry, 33, 40, false, 73, 10, false, 550, 5.0,
               location.m_dstRule);
  EXPECT_EQ(location.m_bDirty, 1);

  CDstRule other = Rule(0x8900, 0x0300);
  location.Set("Sydney", "Australia", 33, 52, true, 151, 12, false, 58, 10.0, other);
  EXPECT_EQ(location.m_dstRule.m_wStart, 0x8900);
  EXPECT_EQ(location.m_dstRule.m_wEnd, 0x0300);
  EXPECT_EQ(location.m_dstRule.m_bDirty, 0);
  EXPECT_EQ(location.m_chLatHemisphere, 'S');
  EXPECT_EQ(location.m_chLongHemisphere, 'E');
}

}  // namespace
}  // namespace kestrivane
