#pragma once
// Angle, time and calendar conversions shared by every computing module.
// Their constants and truncation rules fix the last minute of every time
// the program shows, so they are exact to the digit.

#include <cstdint>

namespace kestrivane {

// angle × 57.29577951308232
double RadToDeg(double radians);
// angle × 0.017453292519943295
double DegToRad(double degrees);
// minutes × (1/60) + degrees; no hemisphere, callers negate for S and W.
double DegMinToDeg(int16_t degrees, int16_t minutes);

// Fractional hours to clock hour and minute, both truncated toward zero and
// never reduced modulo 24: 24.5 -> 24:30, -0.25 -> 0:-15, 12.2 -> 12:11.
void SplitHours(double hours, int16_t& hour, int16_t& minute);

// A time counted from the local midnight of its date, unwrapped as
// SplitHours gives it, as the clock shows it: hour 0..23, minute 0..59, and
// the day it falls on counted from that date (-1 the day before, 1 the day
// after). -20:-14 is 03:46 of the day before.
struct ClockTime {
  int16_t hour = 0;
  int16_t minute = 0;
  int32_t day = 0;
};
ClockTime ToClockTime(int16_t hour, int16_t minute);

// Julian rule before 1582, Gregorian from then on. Only the low 16 bits of
// the year count.
bool IsLeapYear(int16_t year);
// month 1..12; callers guarantee the range.
int16_t DaysInMonth(int16_t year, int16_t month);
// Zero-based day of the year (1 January is 0); month 1..12.
int16_t DayIndex(int16_t year, int16_t month, int16_t day);

// Truncation toward zero as the hardware conversion does it: a value
// outside the 32-bit range, or NaN, gives INT32_MIN instead of undefined
// behaviour.
int32_t TruncateToInt32(double value);

}  // namespace kestrivane
