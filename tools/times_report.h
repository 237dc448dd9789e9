#pragma once
// What kestrivane-times computes and prints, apart from argument parsing.

#include <cstdint>
#include <iosfwd>

#include "calc/calendar.h"
#include "calc/hijri_date.h"
#include "calc/prayer_times.h"
#include "settings/extra_settings.h"
#include "settings/location.h"
#include "settings/preferences.h"
#include "tools/times_options.h"

namespace kestrivane {

// Every input of one day's calculation, resolved from the settings records
// and the options.
struct TimesSettings {
  CivilDay date;
  CLocation location;
  CPreferences preferences;
  CalculationMethod method;  // classic carries the preferences' angles
  int32_t daylightSaving = 0;
  bool use24Hour = false;
  HijriSettings hijri;  // always a calendar: Umm al-Qura unless one is stored or given
};

// The given records (a settings file's, or the defaults) overridden by the
// options given; `today` stands in for a date that was not given. Daylight
// saving comes from the location's rule unless --dst forces it. The stored
// method (Kestrivane.ini's) holds unless --method replaces it; a classic
// one brings only its adjustments, its angles being the preferences'. The
// Hijri calendar and adjustment given replace the stored ones.
TimesSettings ResolveSettings(const TimesOptions& options, const CivilDay& today,
                              const CLocation& location, const CPreferences& preferences,
                              const CalculationMethod& storedMethod = {},
                              const HijriSettings& storedHijri = {});

PrayerTimes ComputeTimes(const TimesSettings& settings);
double ComputeQiblah(const TimesSettings& settings);
HijriDay ComputeHijri(const TimesSettings& settings);

// The three output forms. A time outside the date shows its clock time and
// the day it falls on: a "-1" or "+1" mark in text, a "day" member in JSON.
void WritePlainTimes(std::ostream& out, const PrayerTimes& times, bool use24Hour);
// "Hijri: 1 Ramadan 1445", after the times.
void WritePlainHijri(std::ostream& out, const HijriDay& hijri);
void WriteJson(std::ostream& out, const CivilDay& date, const HijriDay& hijri,
               const PrayerTimes& times, double qiblah);
void WritePlainQiblah(std::ostream& out, double qiblah);
// --list-methods: one line per method, its name and its parameters.
void WriteMethodList(std::ostream& out);

}  // namespace kestrivane
