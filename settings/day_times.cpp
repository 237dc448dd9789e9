#include "settings/day_times.h"

#include "calc/method_times.h"

namespace kestrivane {

int32_t DaylightSavingOn(const CLocation& location, const CivilDay& date) {
  const CDstRule& rule = location.m_dstRule;
  if ((rule.m_wStart & CDstRule::kObserves) == 0) return 0;
  const int32_t weekday = CivilWeekday(date.year, date.month, date.day);
  return rule.IsDst(date.year, date.month, date.day, weekday) ? 1 : 0;
}

CalculationMethod ClassicMethod(const CPreferences& preferences) {
  // The same conversion as the preferences' radians, so classic stays bit for bit.
  return MethodFor(MethodId::kClassic,
                   static_cast<double>(static_cast<uint32_t>(preferences.m_nFajrAngle)),
                   static_cast<double>(static_cast<uint32_t>(preferences.m_nIshaAngle)));
}

CalculationMethod MethodInUse(const CalculationMethod& chosen, const CPreferences& preferences) {
  if (chosen.id != MethodId::kClassic) return chosen;
  CalculationMethod classic = ClassicMethod(preferences);
  classic.adjustments = chosen.adjustments;
  return classic;
}

PrayerTimes ComputePrayerTimes(const CLocation& location, const CPreferences& preferences,
                               const CalculationMethod& method, const CivilDay& date,
                               int32_t daylightSaving) {
  const Observer observer{location.GetLatitudeRadians(), location.GetLongitudeRadians(),
                          location.m_dTimeZone, static_cast<double>(location.m_nAltitude)};
  return ComputeMethodTimes(method, observer, preferences.m_nFiqh, date, daylightSaving);
}

PrayerTimes ComputePrayerTimes(const CLocation& location, const CPreferences& preferences,
                               const CivilDay& date, int32_t daylightSaving) {
  return ComputePrayerTimes(location, preferences, ClassicMethod(preferences), date,
                            daylightSaving);
}

PrayerTimes ComputePrayerTimes(const CLocation& location, const CPreferences& preferences,
                               const CalculationMethod& method, const CivilDay& date) {
  return ComputePrayerTimes(location, preferences, method, date, DaylightSavingOn(location, date));
}

PrayerTimes ComputePrayerTimes(const CLocation& location, const CPreferences& preferences,
                               const CivilDay& date) {
  return ComputePrayerTimes(location, preferences, ClassicMethod(preferences), date);
}

}  // namespace kestrivane
