#pragma once
// The sun's path over one place on one date, to the second: the Islamic
// Tools and Libraries' solar theory (apparent right ascension, declination
// and sidereal time at 0h UT of the day before, the day and the day after),
// and between those the interpolation and one correction step of Meeus,
// Astronomical Algorithms, chapter 15. Not thread-safe: the library keeps
// its last days in static storage.

#include <optional>

#include "calc/calendar.h"

namespace kestrivane {

class SolarDay {
 public:
  // latitude, longitude  degrees, north and east positive
  // timeZone             hours east of Greenwich; results are on this clock
  SolarDay(const CivilDay& date, double latitude, double longitude, double timeZone);

  // Hours from the local midnight of the date, not wrapped at 24.
  double Transit() const { return transit_; }
  // When the sun's centre stands at `altitude` degrees (negative below the
  // horizon) before or after the transit; nothing when it never does.
  std::optional<double> Morning(double altitude) const { return AtAltitude(altitude, -1); }
  std::optional<double> Afternoon(double altitude) const { return AtAltitude(altitude, 1); }
  // Degrees, at the transit.
  double NoonDeclination() const { return noonDeclination_; }

 private:
  std::optional<double> AtAltitude(double altitude, int side) const;
  double RightAscension(double dayFraction) const;
  double Declination(double dayFraction) const;

  double latitude_;
  double longitude_;
  double timeZone_;
  double rightAscension_[3];  // degrees, at 0h UT of the day before, the day, the day after
  double declination_[3];     // degrees
  double siderealTime_;       // degrees, at 0h UT of the day
  double transit_;
  double noonDeclination_;
};

}  // namespace kestrivane
