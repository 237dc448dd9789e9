#include "calc/calendar.h"

namespace kestrivane {

// Years are counted from March, so that the leap day ends the year; an era
// is 400 years, 146097 days.
int64_t DaysFromCivil(int32_t year, int32_t month, int32_t day) {
  const int64_t y = static_cast<int64_t>(year) - (month <= 2 ? 1 : 0);
  const int64_t era = (y >= 0 ? y : y - 399) / 400;
  const int64_t yearOfEra = y - era * 400;  // 0..399
  const int64_t dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
  const int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra - 719468;
}

CivilDay CivilFromDays(int64_t days) {
  const int64_t z = days + 719468;
  const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const int64_t dayOfEra = z - era * 146097;  // 0..146096
  const int64_t yearOfEra =
      (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;  // 0..399
  const int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const int64_t monthFromMarch = (5 * dayOfYear + 2) / 153;  // 0..11
  CivilDay civil;
  civil.day = static_cast<int32_t>(dayOfYear - (153 * monthFromMarch + 2) / 5 + 1);
  civil.month = static_cast<int32_t>(monthFromMarch < 10 ? monthFromMarch + 3 : monthFromMarch - 9);
  civil.year = static_cast<int32_t>(yearOfEra + era * 400 + (civil.month <= 2 ? 1 : 0));
  return civil;
}

int32_t WeekdayFromDays(int64_t days) {
  // 1970-01-01 was a Thursday.
  return static_cast<int32_t>(((days % 7) + 7 + 4) % 7);
}

int32_t CivilWeekday(int32_t year, int32_t month, int32_t day) {
  return WeekdayFromDays(DaysFromCivil(year, month, day));
}

DayMinute SplitDayMinutes(int64_t minutes) {
  constexpr int64_t kMinutesPerDay = 24 * 60;
  const int64_t day = minutes / kMinutesPerDay - (minutes % kMinutesPerDay < 0 ? 1 : 0);
  return {day, static_cast<int32_t>(minutes - day * kMinutesPerDay)};
}

}  // namespace kestrivane
