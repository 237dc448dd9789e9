#pragma once
// The six times of one date for the location and the preferences the
// settings hold: what the main window, the month timetable and the command
// line show.

#include <cstdint>

#include "calc/calendar.h"
#include "calc/prayer_times.h"
#include "settings/location.h"
#include "settings/preferences.h"

namespace kestrivane {

// 1 when the location observes daylight saving and its rule has it in force
// on `date`, whose own weekday decides a weekday rule; otherwise 0.
int32_t DaylightSavingOn(const CLocation& location, const CivilDay& date);

// The six times of `date`, with daylight saving as given.
PrayerTimes ComputePrayerTimes(const CLocation& location, const CPreferences& preferences,
                               const CivilDay& date, int32_t daylightSaving);

// The same with daylight saving as the location's rule has it.
PrayerTimes ComputePrayerTimes(const CLocation& location, const CPreferences& preferences,
                               const CivilDay& date);

}  // namespace kestrivane
