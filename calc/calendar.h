#pragma once
// Civil (proleptic Gregorian) dates as day numbers and back, and the weekday.
// Day numbers count from 1970-01-01 (day 0), so the difference of two day
// numbers is the number of days between the dates. Valid for years
// -32768..32767 and beyond; no range check is needed there.

#include <cstdint>

namespace kestrivane {

struct CivilDay {
  int32_t year = 1970;
  int32_t month = 1;  // 1..12
  int32_t day = 1;    // 1..31
};

// month 1..12, day 1..31; a day past the month's end counts on into the next.
int64_t DaysFromCivil(int32_t year, int32_t month, int32_t day);
CivilDay CivilFromDays(int64_t days);
// 0 = Sunday .. 6 = Saturday.
int32_t WeekdayFromDays(int64_t days);
int32_t CivilWeekday(int32_t year, int32_t month, int32_t day);

// Minutes counted from a midnight as the day they fall on, counted from
// that midnight's date, and the minute of that day (0..1439): -15 is
// minute 1425 of day -1.
struct DayMinute {
  int64_t day = 0;
  int32_t minute = 0;
};
DayMinute SplitDayMinutes(int64_t minutes);

}  // namespace kestrivane
