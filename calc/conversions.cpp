#include "calc/conversions.h"

#include <cmath>
#include <limits>

#include "calc/calendar.h"

namespace kestrivane {

namespace {

constexpr int16_t kDaysInMonth[13] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
constexpr int16_t kDaysBeforeMonth[13] = {0, 0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};

}  // namespace

double RadToDeg(double radians) { return radians * 57.29577951308232; }

double DegToRad(double degrees) { return degrees * 0.017453292519943295; }

double DegMinToDeg(int16_t degrees, int16_t minutes) {
  return minutes * 0.016666666666666666 + degrees;
}

int32_t TruncateToInt32(double value) {
  // 2^31 is exact in a double; anything at or beyond it (or NaN) is out.
  if (!(value > -2147483649.0 && value < 2147483648.0)) {
    return std::numeric_limits<int32_t>::min();
  }
  return static_cast<int32_t>(value);
}

void SplitHours(double hours, int16_t& hour, int16_t& minute) {
  const int32_t wholeHours = TruncateToInt32(hours);
  hour = static_cast<int16_t>(wholeHours);
  minute = static_cast<int16_t>(TruncateToInt32((hours - wholeHours) * 60));
}

ClockTime ToClockTime(int16_t hour, int16_t minute) {
  const DayMinute split = SplitDayMinutes(hour * 60 + minute);
  return {static_cast<int16_t>(split.minute / 60), static_cast<int16_t>(split.minute % 60),
          static_cast<int32_t>(split.day)};
}

bool IsLeapYear(int16_t year) {
  // % truncates, so negative multiples of 4 count as divisible.
  return year % 4 == 0 && (year < 1582 || year % 100 != 0 || year % 400 == 0);
}

int16_t DaysInMonth(int16_t year, int16_t month) {
  const int days = kDaysInMonth[month] + (month == 2 && IsLeapYear(year) ? 1 : 0);
  return static_cast<int16_t>(days);
}

int16_t DayIndex(int16_t year, int16_t month, int16_t day) {
  int index = kDaysBeforeMonth[month] + day - 1;
  if (month >= 3 && IsLeapYear(year)) {
    ++index;
  }
  return static_cast<int16_t>(index);
}

}  // namespace kestrivane
