// The conversions and the calendar against the worked cases: truncation,
// the Julian and Gregorian leap years, day numbers and clock times.

#include "calc/conversions.h"

#include <gtest/gtest.h>

#include <limits>
#include <tuple>

#include "calc/calendar.h"

namespace kestrivane {
namespace {

// 12.2 - 12 is just below 0.2; out of range gives the low 16 bits of INT32_MIN.
TEST(SplitHours, TruncatesTowardZeroAndNeverWraps) {
  // clang-format off
  const std::tuple<double, int, int> cases[] = {
      {5.5, 5, 30}, {12.999, 12, 59}, {12.2, 12, 11}, {24.5, 24, 30}, {-0.25, 0, -15},
      {-1.5, -1, -30}, {1e300, 0, 0}, {std::numeric_limits<double>::quiet_NaN(), 0, 0}};
  // clang-format on
  for (const auto& [hours, hour, minute] : cases) {
    int16_t h = 99, m = 99;
    SplitHours(hours, h, m);
    EXPECT_EQ(std::make_pair(int{h}, int{m}), std::make_pair(hour, minute)) << hours;
  }
  EXPECT_EQ(TruncateToInt32(2147483647.9), 2147483647);
  EXPECT_EQ(DegMinToDeg(33, 40), 33.666666666666664);
}

TEST(Calendar, LeapYearsMonthLengthsAndDayIndex) {
  for (const int16_t y : {1500, 1600, 2000, 2004, 1580, -4}) EXPECT_TRUE(IsLeapYear(y)) << y;
  for (const int16_t y : {1700, 1900, 2100, 2001, 1582}) EXPECT_FALSE(IsLeapYear(y)) << y;
  // clang-format off
  const std::tuple<int16_t, int16_t, int16_t, int, int> dates[] = {
      {2000, 1, 1, 0, 31}, {1999, 3, 1, 59, 31}, {2000, 3, 1, 60, 31}, {1999, 12, 31, 364, 31},
      {2000, 12, 31, 365, 31}, {2000, 2, 29, 59, 29}, {1900, 2, 28, 58, 28}, {2001, 4, 30, 119, 30},
      {2001, 6, 30, 180, 30}, {1500, 3, 1, 60, 31}, {static_cast<int16_t>(67536), 3, 1, 60, 31}};
  // clang-format on
  for (const auto& [year, month, day, index, days] : dates) {
    EXPECT_EQ(std::make_pair(int{DayIndex(year, month, day)}, int{DaysInMonth(year, month)}),
              std::make_pair(index, days))
        << year << '-' << month;
  }
}

TEST(Calendar, DayNumbersWeekdaysAndClockTimes) {
  // clang-format off
  const std::tuple<int32_t, int32_t, int32_t, int64_t, int32_t> dates[] = {
      {1970, 1, 1, 0, 4}, {2000, 2, 29, 11016, 2}, {2000, 3, 1, 11017, 3}, {1900, 2, 28, -25509, 3},
      {1900, 3, 1, -25508, 4}, {2100, 3, 1, 47541, 1}, {-400, 3, 1, -865565, 3},
      {2026, 3, 29, 20541, 0}, {1582, 10, 15, -141427, 5}, {-1, 12, 31, -719529, 5}};
  // clang-format on
  for (const auto& [year, month, day, days, weekday] : dates) {
    const CivilDay back = CivilFromDays(days);
    EXPECT_EQ(std::make_tuple(DaysFromCivil(year, month, day), CivilWeekday(year, month, day),
                              back.year, back.month, back.day),
              std::make_tuple(days, weekday, year, month, day));
  }
  // Every day of five centuries is the day after the one before.
  for (int64_t n = DaysFromCivil(1800, 1, 1); n < DaysFromCivil(2300, 1, 1); ++n) {
    const CivilDay c = CivilFromDays(n), next = CivilFromDays(n + 1);
    ASSERT_EQ(DaysFromCivil(c.year, c.month, c.day), n);
    ASSERT_TRUE((next.day == c.day + 1 && next.month == c.month) ||
                (next.day == 1 && next.month == c.month % 12 + 1))
        << c.year << '-' << c.month << '-' << c.day;
  }
  // clang-format off
  const std::tuple<int16_t, int16_t, int, int, int> times[] = {
      {0, 0, 0, 0, 0}, {23, 59, 23, 59, 0}, {24, 0, 0, 0, 1}, {30, 54, 6, 54, 1},
      {0, -15, 23, 45, -1}, {-20, -14, 3, 46, -1}, {-24, 0, 0, 0, -1}, {-24, -1, 23, 59, -2},
      {49, 5, 1, 5, 2}};
  // clang-format on
  for (const auto& [hour, minute, clockHour, clockMinute, day] : times) {
    const ClockTime t = ToClockTime(hour, minute);
    EXPECT_EQ(std::make_tuple(int{t.hour}, int{t.minute}, t.day),
              std::make_tuple(clockHour, clockMinute, day))
        << hour << ':' << minute;
  }
}

}  // namespace
}  // namespace kestrivane
