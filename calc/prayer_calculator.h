#pragma once
// The daily prayer-time calculator: a pure function of its arguments.

#include <cstdint>

#include "calc/prayer_times.h"

namespace kestrivane {

// Fills all six times for one civil date.
//   latitude, longitude  radians, north and east positive
//   timeZone             hours east of Greenwich
//   altitude             metres above the horizon the observer sees
//   fiqh                 0 = Shafi'i (Asr shadow once its length), else Hanafi (twice)
//   fajrAngle, ishaAngle depression below the horizon, radians, positive
//   year, month, day     month 1..12; low 16 bits of each are used
//   daylightSaving       non-zero moves every time one hour later
// Times the sun never reaches are replaced, never reported missing: the
// sunrise/sunset arc becomes 0, Fajr and Isha fall back to a seventh of the
// night, Asr to Zuhr.
// The quantities the six times are built from, in hours (noon is the
// local clock time of Zuhr, the rest are offsets from it), exposed so the
// steps can be checked one by one.
struct DayGeometry {
  int16_t dayIndex = 0;
  double declination = 0;     // radians
  double equationOfTime = 0;  // minutes
  double noon = 0;            // daylight saving already added
  double halfDayArc = 0;      // sunrise and sunset, 0 when the sun never crosses the horizon
  double fajrOffset = 0;
  double ishaOffset = 0;
  double asrOffset = 0;
};

DayGeometry ComputeDayGeometry(double latitude, double longitude, double timeZone, double altitude,
                               int32_t fiqh, double fajrAngle, double ishaAngle, int16_t year,
                               int16_t month, int16_t day, int32_t daylightSaving);

void PrayerCalculator(PrayerTimes& times, double latitude, double longitude, double timeZone,
                      double altitude, int32_t fiqh, double fajrAngle, double ishaAngle,
                      int16_t year, int16_t month, int16_t day, int32_t daylightSaving);

}  // namespace kestrivane
