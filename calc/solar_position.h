#pragma once
// The sun's declination and the equation of time for a whole date: a
// low-precision solar theory counted in days from the year-2000 epoch.

#include <cstdint>

namespace kestrivane {

// Days from the epoch: 365.25 × (year − 2000) + dayIndex − 1.0. Not
// continuous across a new year (it steps by 1.25 or 0.25), by design.
double DayCount(int16_t year, int16_t dayIndex);

// Declination in radians, north positive. No angle is reduced to 0..360
// degrees before its sine is taken.
double SunDeclination(int16_t year, int16_t dayIndex);

// Minutes to add to 12:00 local mean time to get apparent noon; the year
// plays no part.
double EquationOfTime(int16_t dayIndex);

}  // namespace kestrivane
