#include "calc/solar_day.h"

#include <itl/astro.h>

#include <cmath>

namespace kestrivane {

namespace {

constexpr double kDegree = 0.017453292519943295;
constexpr double kJulianDayOf1970 = 2440587.5;
constexpr double kSiderealDegreesPerDay = 360.985647;

double Wrap360(double degrees) {
  const double wrapped = std::fmod(degrees, 360.0);
  return wrapped < 0 ? wrapped + 360.0 : wrapped;
}

double Wrap180(double degrees) { return Wrap360(degrees + 180.0) - 180.0; }

// Meeus (3.3): y at n days from the middle of three daily values.
double Interpolate(const double (&y)[3], double n) {
  const double a = y[1] - y[0];
  const double b = y[2] - y[1];
  return y[1] + n / 2 * (a + b + n * (b - a));
}

}  // namespace

SolarDay::SolarDay(const CivilDay& date, double latitude, double longitude, double timeZone)
    : latitude_(latitude), longitude_(longitude), timeZone_(timeZone) {
  const double julianDay =
      kJulianDayOf1970 + static_cast<double>(DaysFromCivil(date.year, date.month, date.day));
  // The observer only matters for the topocentric values, which are not used.
  Location observer{};
  Astro geocentric{};
  Astro topocentric{};
  getAstroValuesByDay(julianDay, &observer, &geocentric, &topocentric);
  for (int i = 0; i < 3; ++i) {
    rightAscension_[i] = geocentric.ra[i];
    declination_[i] = geocentric.dec[i] / kDegree;  // the library gives radians here
  }
  // Right ascension crosses 360 once a year; keep the three days continuous.
  for (int i : {0, 2}) {
    rightAscension_[i] += 360.0 * std::round((rightAscension_[1] - rightAscension_[i]) / 360.0);
  }
  siderealTime_ = geocentric.sid[1];

  // The transit nearest to local noon, then one correction (Meeus 15.2).
  double m = (rightAscension_[1] - longitude_ - siderealTime_) / 360.0;
  m -= std::floor(m + timeZone_ / 24.0);
  const double hourAngle =
      Wrap180(siderealTime_ + kSiderealDegreesPerDay * m + longitude_ - RightAscension(m));
  m -= hourAngle / 360.0;
  transit_ = m * 24.0 + timeZone_;
  noonDeclination_ = Declination(m);
}

double SolarDay::RightAscension(double dayFraction) const {
  return Interpolate(rightAscension_, dayFraction);
}

double SolarDay::Declination(double dayFraction) const {
  return Interpolate(declination_, dayFraction);
}

std::optional<double> SolarDay::AtAltitude(double altitude, int side) const {
  const double phi = latitude_ * kDegree;
  const double delta = declination_[1] * kDegree;
  const double cosine = (std::sin(altitude * kDegree) - std::sin(phi) * std::sin(delta)) /
                        (std::cos(phi) * std::cos(delta));
  // Also false for NaN, at the poles.
  if (!(std::fabs(cosine) <= 1.0)) return std::nullopt;
  double m = (transit_ - timeZone_) / 24.0 + side * std::acos(cosine) / kDegree / 360.0;

  // One correction with the sun's place at that moment.
  const double d = Declination(m) * kDegree;
  const double h =
      (siderealTime_ + kSiderealDegreesPerDay * m + longitude_ - RightAscension(m)) * kDegree;
  const double reached =
      std::asin(std::sin(phi) * std::sin(d) + std::cos(phi) * std::cos(d) * std::cos(h));
  const double correction =
      (reached / kDegree - altitude) / (360.0 * std::cos(d) * std::cos(phi) * std::sin(h));
  if (std::isfinite(correction)) m += correction;
  return m * 24.0 + timeZone_;
}

}  // namespace kestrivane
