#pragma once
// The six times of one date by a calculation method: the program's own
// arithmetic for classic, the precise solar position for every other.

#include <cstdint>

#include "calc/calculation_method.h"
#include "calc/calendar.h"
#include "calc/prayer_times.h"

namespace kestrivane {

struct Observer {
  double latitude = 0;   // radians, north positive
  double longitude = 0;  // radians, east positive
  double timeZone = 0;   // hours east of Greenwich
  double altitude = 0;   // metres above the horizon the observer sees
};

// fiqh: 0 = Shafi'i, else Hanafi. daylightSaving non-zero moves every time
// an hour later. The user's adjustments apply to every method; classic
// otherwise gives exactly what PrayerCalculator gives.
PrayerTimes ComputeMethodTimes(const CalculationMethod& method, const Observer& observer,
                               int32_t fiqh, const CivilDay& date, int32_t daylightSaving);

}  // namespace kestrivane
