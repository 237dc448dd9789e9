#include "calc/conversions.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace kestrivane {
namespace {

struct SplitCase {
  double hours;
  int16_t hour;
  int16_t minute;
};

TEST(SplitHours, TruncatesTowardZeroAndNeverWraps) {
  const SplitCase cases[] = {
      {5.5, 5, 30},    {12.999, 12, 59},  // never rounded up to 13:00
      {12.2, 12, 11},                     // 12.2 - 12 is just below 0.2
      {24.5, 24, 30},                     // no wrap at midnight
      {-0.25, 0, -15},                    // both parts toward zero, not floored
      {-1.5, -1, -30}, {0.0, 0, 0},      {12.283046, 12, 16},
  };
  for (const auto& c : cases) {
    int16_t hour = 99, minute = 99;
    SplitHours(c.hours, hour, minute);
    EXPECT_EQ(hour, c.hour) << c.hours;
    EXPECT_EQ(minute, c.minute) << c.hours;
  }
}

TEST(SplitHours, OutOfRangeValuesAreDefined) {
  int16_t hour = 1, minute = 1;
  SplitHours(std::numeric_limits<double>::quiet_NaN(), hour, minute);
  EXPECT_EQ(hour, 0);  // low 16 bits of INT32_MIN
  SplitHours(1e300, hour, minute);
  EXPECT_EQ(hour, 0);
  EXPECT_EQ(TruncateToInt32(2147483647.9), 2147483647);
  EXPECT_EQ(TruncateToInt32(-2147483648.9), std::numeric_limits<int32_t>::min());
  EXPECT_EQ(TruncateToInt32(2147483648.0), std::numeric_limits<int32_t>::min());
}

TEST(IsLeapYear, JulianBefore1582GregorianAfter) {
  const struct {
    int16_t year;
    bool leap;
  } cases[] = {{1500, true},  {1600, true}, {1700, false}, {1900, false}, {2000, true},
               {2100, false}, {2004, true}, {2001, false}, {1580, true},  {-4, true},
               {-100, true},  {0, true},    {1582, false}, {1584, true}};
  for (const auto& c : cases) {
    EXPECT_EQ(IsLeapYear(c.year), c.leap) << c.year;
  }
}

TEST(Calendar, DaysInMonthAndDayIndex) {
  EXPECT_EQ(DaysInMonth(2000, 2), 29);
  EXPECT_EQ(DaysInMonth(1900, 2), 28);
  EXPECT_EQ(DaysInMonth(2001, 4), 30);
  EXPECT_EQ(DaysInMonth(2001, 12), 31);

  const struct {
    int16_t year, month, day, index;
  } cases[] = {{2000, 1, 1, 0},     {1999, 3, 1, 59},  {2000, 3, 1, 60},   {1999, 12, 31, 364},
               {2000, 12, 31, 365}, {2000, 3, 15, 74}, {1999, 11, 3, 306}, {2000, 6, 21, 172}};
  for (const auto& c : cases) {
    EXPECT_EQ(DayIndex(c.year, c.month, c.day), c.index)
        << c.year << '-' << c.month << '-' << c.day;
  }
}

TEST(Calendar, OnlyTheLow16BitsOfTheYearCount) {
  // 67536 = 65536 + 2000: a leap year once cut to 16 bits.
  EXPECT_EQ(DayIndex(static_cast<int16_t>(67536), 3, 1), 60);
  EXPECT_TRUE(IsLeapYear(static_cast<int16_t>(67536)));
}

TEST(Angles, ConstantsAsWritten) {
  EXPECT_EQ(DegMinToDeg(33, 40), 33.666666666666664);
  EXPECT_EQ(DegToRad(180.0), 3.141592653589793);
  EXPECT_EQ(RadToDeg(1.0), 57.29577951308232);
  EXPECT_EQ(DegMinToDeg(0, 30), 0.5);
}

}  // namespace
}  // namespace kestrivane
