#pragma once
// What kestrivane-times computes and prints, apart from argument parsing.

#include <cstdint>
#include <iosfwd>

#include "calc/prayer_times.h"
#include "tools/times_options.h"

namespace kestrivane {

// Every input of one day's calculation, resolved from defaults and options.
struct TimesSettings {
  CivilDate date;
  Coordinate latitude{33, 40, 'N'};  // Islamabad
  Coordinate longitude{73, 10, 'E'};
  double timeZone = 5.0;
  uint16_t altitude = 550;
  int32_t fiqh = 1;  // Hanafi
  int32_t fajrAngle = 18;
  int32_t ishaAngle = 18;
  int32_t daylightSaving = 0;
  bool use24Hour = false;
};

// Defaults overridden by the options given; `today` stands in for a date
// that was not given.
TimesSettings ResolveSettings(const TimesOptions& options, const CivilDate& today);

double LatitudeRadians(const Coordinate& latitude);
double LongitudeRadians(const Coordinate& longitude);

PrayerTimes ComputeTimes(const TimesSettings& settings);
double ComputeQiblah(const TimesSettings& settings);

// The three output forms.
void WritePlainTimes(std::ostream& out, const PrayerTimes& times, bool use24Hour);
void WriteJson(std::ostream& out, const CivilDate& date, const PrayerTimes& times, double qiblah);
void WritePlainQiblah(std::ostream& out, double qiblah);

}  // namespace kestrivane
