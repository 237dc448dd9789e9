// Day numbers against known dates, and the round trip over five centuries.

#include "calc/calendar.h"

#include <gtest/gtest.h>

namespace kestrivane {
namespace {

TEST(CalendarTest, KnownDates) {
  struct Row {
    int32_t year, month, day;
    int64_t days;
    int32_t weekday;
  };
  const Row rows[] = {
      {1970, 1, 1, 0, 4},         {2000, 1, 7, 10963, 5},   {2000, 2, 29, 11016, 2},
      {2000, 3, 1, 11017, 3},     {1900, 2, 28, -25509, 3}, {1900, 3, 1, -25508, 4},
      {2100, 3, 1, 47541, 1},     {1969, 12, 31, -1, 3},    {2026, 12, 7, 20794, 1},
      {1582, 10, 15, -141427, 5}, {-1, 12, 31, -719529, 5},
  };
  for (const Row& r : rows) {
    EXPECT_EQ(DaysFromCivil(r.year, r.month, r.day), r.days) << r.year << "-" << r.month;
    EXPECT_EQ(CivilWeekday(r.year, r.month, r.day), r.weekday) << r.year << "-" << r.month;
  }
}

TEST(CalendarTest, RoundTripsDayByDay) {
  int64_t expected = DaysFromCivil(1800, 1, 1);
  for (int64_t n = expected; n < DaysFromCivil(2300, 1, 1); ++n) {
    const CivilDay c = CivilFromDays(n);
    ASSERT_EQ(DaysFromCivil(c.year, c.month, c.day), n);
    // Consecutive: the next day number is the next date.
    const CivilDay next = CivilFromDays(n + 1);
    ASSERT_TRUE((next.day == c.day + 1 && next.month == c.month) ||
                (next.day == 1 && (next.month == c.month % 12 + 1)))
        << c.year << "-" << c.month << "-" << c.day;
  }
}

}  // namespace
}  // namespace kestrivane
