#include "calc/solar_position.h"

#include <cmath>

namespace kestrivane {

namespace {
constexpr double kDegToRad = 0.017453292519943295;
}

double DayCount(int16_t year, int16_t dayIndex) {
  // Multiples of 0.25 far below 2^53: every step is exact.
  const double yearOffset = -1.5 + 365.25 * (year - 2000);
  return dayIndex + yearOffset + 0.5;
}

double SunDeclination(int16_t year, int16_t dayIndex) {
  const double n = DayCount(year, dayIndex);
  const double meanAnomaly = 357.528 + 0.9856003 * n;
  const double meanLongitude = 280.461 + 0.9856474 * n;
  const double eclipticLongitude = meanLongitude + 1.915 * std::sin(meanAnomaly * kDegToRad) +
                                   0.02 * std::sin(2 * meanAnomaly * kDegToRad);
  const double obliquity = 23.4393 - 3.563e-07 * n;
  return std::asin(std::sin(eclipticLongitude * kDegToRad) * std::sin(obliquity * kDegToRad));
}

double EquationOfTime(int16_t dayIndex) {
  const double b = (dayIndex - 81) * 0.017202423838958484;  // 2π / 365.25
  return 7.53 * std::cos(b) + 1.5 * std::sin(b) - 9.87 * std::sin(2 * b);
}

}  // namespace kestrivane
