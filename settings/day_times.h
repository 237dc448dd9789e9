#pragma once
// The six times of one date for the location and the preferences the
// settings hold: what the main window, the month timetable and the command
// line show.

#include <cstdint>

#include "calc/calculation_method.h"
#include "calc/calendar.h"
#include "calc/prayer_times.h"
#include "settings/location.h"
#include "settings/preferences.h"

namespace kestrivane {

// 1 when the location observes daylight saving and its rule has it in force
// on `date`, whose own weekday decides a weekday rule; otherwise 0.
int32_t DaylightSavingOn(const CLocation& location, const CivilDay& date);

// The program's own arithmetic with the preferences' angles.
CalculationMethod ClassicMethod(const CPreferences& preferences);

// The method the times follow when `chosen` is stored: classic takes the
// preferences' angles as they are now, keeping its adjustments.
CalculationMethod MethodInUse(const CalculationMethod& chosen, const CPreferences& preferences);

// The six times of `date` by `method`, with daylight saving as given; the
// Asr school is the preferences'. Every other form below comes here.
PrayerTimes ComputePrayerTimes(const CLocation& location, const CPreferences& preferences,
                               const CalculationMethod& method, const CivilDay& date,
                               int32_t daylightSaving);

// The same by the classic method.
PrayerTimes ComputePrayerTimes(const CLocation& location, const CPreferences& preferences,
                               const CivilDay& date, int32_t daylightSaving);

// The same with daylight saving as the location's rule has it, by `method`
// or by the classic one.
PrayerTimes ComputePrayerTimes(const CLocation& location, const CPreferences& preferences,
                               const CalculationMethod& method, const CivilDay& date);
PrayerTimes ComputePrayerTimes(const CLocation& location, const CPreferences& preferences,
                               const CivilDay& date);

}  // namespace kestrivane
