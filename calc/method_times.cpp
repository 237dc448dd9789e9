#include "calc/method_times.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "calc/conversions.h"
#include "calc/hijri_date.h"
#include "calc/prayer_calculator.h"
#include "calc/solar_day.h"

namespace kestrivane {

namespace {

// Shaukat's seasonal twilight in minutes: four values through the year,
// counted from the winter solstice, each growing with the latitude.
double SeasonalTwilight(double latitudeDegrees, const CivilDay& date, bool morning) {
  const double l = std::fabs(latitudeDegrees) / 55.0;
  const double a = 75 + (morning ? 28.65 : 25.60) * l;
  const double b = 75 + (morning ? 19.44 : 2.05) * l;
  const double c = 75 + (morning ? 32.74 : -9.21) * l;
  const double d = 75 + (morning ? 48.10 : 6.14) * l;

  const int32_t solsticeMonth = latitudeDegrees >= 0 ? 12 : 6;
  const int64_t today = DaysFromCivil(date.year, date.month, date.day);
  int64_t solstice = DaysFromCivil(date.year, solsticeMonth, 21);
  if (solstice > today) solstice = DaysFromCivil(date.year - 1, solsticeMonth, 21);
  const double days = static_cast<double>(today - solstice);

  if (days < 91) return a + (b - a) / 91 * days;
  if (days < 137) return b + (c - b) / 46 * (days - 91);
  if (days < 183) return c + (d - c) / 46 * (days - 137);
  if (days < 229) return d + (c - d) / 46 * (days - 183);
  if (days < 275) return c + (b - c) / 46 * (days - 229);
  return b + (a - b) / 91 * (days - 275);
}

double NightShare(HighLatitudeRule rule, double angle) {
  switch (rule) {
    case HighLatitudeRule::kSeventhOfNight:
      return 1.0 / 7;
    case HighLatitudeRule::kAngleBased:
      return angle / 60;
    case HighLatitudeRule::kMiddleOfNight:
      break;
  }
  return 0.5;
}

int64_t RoundedMinutes(double minutes, Rounding rounding) {
  switch (rounding) {
    case Rounding::kTruncate:
      return static_cast<int64_t>(std::floor(minutes));
    case Rounding::kUp:
      return static_cast<int64_t>(std::ceil(minutes));
    case Rounding::kNearest:
      break;
  }
  return static_cast<int64_t>(std::floor(minutes + 0.5));
}

PrayerTime FromMinutes(int64_t minutes) {
  // Truncated toward zero like the calculator's own split.
  return {static_cast<int16_t>(minutes / 60), static_cast<int16_t>(minutes % 60)};
}

// Fractional clock hours of the six times, before any adjustment.
std::array<double, kPrayerCount> PreciseHours(const CalculationMethod& method,
                                              const Observer& observer, int32_t fiqh,
                                              const CivilDay& date) {
  const double latitude = RadToDeg(observer.latitude);
  const SolarDay sun(date, latitude, RadToDeg(observer.longitude), observer.timeZone);
  const double noon = sun.Transit();
  // Refraction and the sun's radius, lowered by the dip of the horizon.
  const double horizon = -0.8333 - 0.0347 * std::sqrt(std::max(observer.altitude, 0.0));
  // Where the sun never crosses the horizon the day is all day (midnight
  // sun) or shrinks to its noon (polar night).
  const double noonZenith = std::fabs(latitude - sun.NoonDeclination());
  const double dayArc = 90 - noonZenith > horizon ? 12.0 : 0.0;
  const double sunrise = sun.Morning(horizon).value_or(noon - dayArc);
  const double sunset = sun.Afternoon(horizon).value_or(noon + dayArc);
  const double night = 24.0 - (sunset - sunrise);

  double fajr = sun.Morning(-method.fajrAngle).value_or(-INFINITY);
  if (method.seasonalTwilight) {
    fajr = std::max(fajr, sunrise - SeasonalTwilight(latitude, date, true) / 60);
  }
  fajr = std::max(fajr, sunrise - night * NightShare(method.highLatitude, method.fajrAngle));

  const double maghrib =
      method.maghribAngle > 0 ? sun.Afternoon(-method.maghribAngle).value_or(sunset) : sunset;

  double isha = 0;
  const bool ramadan =
      method.ishaMinutesInRamadan != 0 &&
      HijriFromDays(HijriCalendar::kUmmAlQura, DaysFromCivil(date.year, date.month, date.day))
              .month == 9;
  if (const int32_t minutes = ramadan ? method.ishaMinutesInRamadan : method.ishaMinutes;
      minutes != 0) {
    isha = maghrib + minutes / 60.0;
  } else {
    isha = sun.Afternoon(-method.ishaAngle).value_or(INFINITY);
    if (method.seasonalTwilight) {
      isha = std::min(isha, sunset + SeasonalTwilight(latitude, date, false) / 60);
    }
    isha = std::min(isha, sunset + night * NightShare(method.highLatitude, method.ishaAngle));
  }

  // 'Asr: the shadow grows by one (Hanafi: two) lengths past its noon length.
  const double shadow = fiqh != 0 ? 2.0 : 1.0;
  const double asrAltitude = RadToDeg(std::atan(1.0 / (shadow + std::tan(DegToRad(noonZenith)))));
  // With the sun below the horizon at noon there is no shadow to grow.
  const double asr = noonZenith < 90 ? sun.Afternoon(asrAltitude).value_or(noon) : noon;

  return {fajr, sunrise, noon, asr, maghrib, isha};
}

}  // namespace

PrayerTimes ComputeMethodTimes(const CalculationMethod& method, const Observer& observer,
                               int32_t fiqh, const CivilDay& date, int32_t daylightSaving) {
  PrayerTimes times;
  if (method.id == MethodId::kClassic) {
    PrayerCalculator(
        times, observer.latitude, observer.longitude, observer.timeZone, observer.altitude, fiqh,
        DegToRad(method.fajrAngle), DegToRad(method.ishaAngle), static_cast<int16_t>(date.year),
        static_cast<int16_t>(date.month), static_cast<int16_t>(date.day), daylightSaving);
    for (int prayer = Fajr; prayer <= Isha; ++prayer) {
      if (const int32_t shift = method.adjustments[prayer]; shift != 0) {
        times[prayer] = FromMinutes(times[prayer].hour * 60 + times[prayer].minute + shift);
      }
    }
    return times;
  }

  const auto hours = PreciseHours(method, observer, fiqh, date);
  const double saving = daylightSaving != 0 ? 60.0 : 0.0;
  for (int prayer = Fajr; prayer <= Isha; ++prayer) {
    const double minutes =
        hours[prayer] * 60 + saving + method.methodAdjustments[prayer] + method.adjustments[prayer];
    times[prayer] = FromMinutes(RoundedMinutes(minutes, method.rounding));
  }
  return times;
}

}  // namespace kestrivane
