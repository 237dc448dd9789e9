#include "settings/day_times.h"

#include "calc/prayer_calculator.h"

namespace kestrivane {

int32_t DaylightSavingOn(const CLocation& location, const CivilDay& date) {
  const CDstRule& rule = location.m_dstRule;
  if ((rule.m_wStart & CDstRule::kObserves) == 0) return 0;
  const int32_t weekday = CivilWeekday(date.year, date.month, date.day);
  return rule.IsDst(date.year, date.month, date.day, weekday) ? 1 : 0;
}

PrayerTimes ComputePrayerTimes(const CLocation& location, const CPreferences& preferences,
                               const CivilDay& date, int32_t daylightSaving) {
  PrayerTimes times;
  PrayerCalculator(times, location.GetLatitudeRadians(), location.GetLongitudeRadians(),
                   location.m_dTimeZone, static_cast<double>(location.m_nAltitude),
                   preferences.m_nFiqh, preferences.GetFajrAngleRadians(),
                   preferences.GetIshaAngleRadians(), static_cast<int16_t>(date.year),
                   static_cast<int16_t>(date.month), static_cast<int16_t>(date.day),
                   daylightSaving);
  return times;
}

PrayerTimes ComputePrayerTimes(const CLocation& location, const CPreferences& preferences,
                               const CivilDay& date) {
  return ComputePrayerTimes(location, preferences, date, DaylightSavingOn(location, date));
}

}  // namespace kestrivane
