#include "calc/prayer_calculator.h"

#include <cmath>
#include <optional>

#include "calc/conversions.h"
#include "calc/solar_position.h"

namespace kestrivane {

namespace {

constexpr double kOneFifteenth = 0.06666666666666667;
constexpr double kOneSixtieth = 0.016666666666666666;
constexpr double kOneSeventh = 0.14285714285714285;

// Hours from noon at which the sun's altitude has sine s, or nothing when
// the sun does not pass through that altitude on this date. The strict test
// is also what keeps the arccosine inside its domain.
class HourAngle {
 public:
  HourAngle(double declination, double latitude)
      : p_(std::sin(declination) * std::sin(latitude)),
        q_(std::cos(declination) * std::cos(latitude)) {}

  std::optional<double> operator()(double s) const {
    const double x = s - p_;
    if (!(std::fabs(x) < std::fabs(q_))) {
      return std::nullopt;
    }
    return RadToDeg(std::acos(x / q_)) * kOneFifteenth;
  }

 private:
  double p_;
  double q_;
};

}  // namespace

DayGeometry ComputeDayGeometry(double latitude, double longitude, double timeZone, double altitude,
                               int32_t fiqh, double fajrAngle, double ishaAngle, int16_t year,
                               int16_t month, int16_t day, int32_t daylightSaving) {
  DayGeometry g;
  const double shadowFactor = fiqh != 0 ? 2.0 : 1.0;

  g.dayIndex = DayIndex(year, month, day);
  g.declination = SunDeclination(year, g.dayIndex);
  g.equationOfTime = EquationOfTime(g.dayIndex);
  g.noon = (15 * timeZone - RadToDeg(longitude)) * kOneFifteenth + g.equationOfTime * kOneSixtieth +
           12.0;

  const HourAngle hourAngle(g.declination, latitude);

  // Refraction and the sun's radius, lowered by the dip of the horizon.
  const double horizonAltitude = -0.8333 - 0.0347 * std::sqrt(altitude);
  g.halfDayArc = hourAngle(std::sin(DegToRad(horizonAltitude))).value_or(0.0);
  const double nightFallback = g.halfDayArc + (24.0 - 2 * g.halfDayArc) * kOneSeventh;

  // Where the sun does not sink that far: the half-day arc plus a seventh of the night.
  const auto twilight = [&](double depression) {
    const std::optional<double> offset = hourAngle(-std::sin(depression));
    return offset && *offset != 0.0 ? *offset : nightFallback;
  };
  g.fajrOffset = twilight(fajrAngle);
  g.ishaOffset = twilight(ishaAngle);

  const double noonZenith = std::fabs(latitude - g.declination);
  if (noonZenith < 1.5707963267948966) {
    // π/2 rounded to thirteen decimals, as stored timetables were made with.
    const double asrSine =
        std::sin(std::atan(shadowFactor + std::tan(noonZenith)) + 1.5707963267949);
    g.asrOffset = hourAngle(asrSine).value_or(0.0);
  }

  if (daylightSaving != 0) {
    g.noon = g.noon + 1.0;
  }
  return g;
}

void PrayerCalculator(PrayerTimes& times, double latitude, double longitude, double timeZone,
                      double altitude, int32_t fiqh, double fajrAngle, double ishaAngle,
                      int16_t year, int16_t month, int16_t day, int32_t daylightSaving) {
  const DayGeometry g = ComputeDayGeometry(latitude, longitude, timeZone, altitude, fiqh, fajrAngle,
                                           ishaAngle, year, month, day, daylightSaving);
  const double fractional[kPrayerCount] = {
      g.noon - g.fajrOffset, g.noon - g.halfDayArc, g.noon,
      g.noon + g.asrOffset,  g.noon + g.halfDayArc, g.noon + g.ishaOffset,
  };
  for (int prayer = Fajr; prayer <= Isha; ++prayer) {
    SplitHours(fractional[prayer], times[prayer].hour, times[prayer].minute);
  }
}

}  // namespace kestrivane
