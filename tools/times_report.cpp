#include "tools/times_report.h"

#include <cstdio>
#include <ostream>

#include "app/time_format.h"
#include "calc/conversions.h"
#include "calc/qiblah.h"
#include "settings/day_times.h"
#include "timetable/timetable_text.h"
#include "tools/prayer_names.h"

namespace kestrivane {

TimesSettings ResolveSettings(const TimesOptions& options, const CivilDay& today,
                              const CLocation& location, const CPreferences& preferences) {
  TimesSettings s;
  s.date = options.date.value_or(today);
  s.location = location;
  s.preferences = preferences;
  CLocation& l = s.location;
  if (options.latitude) {
    l.m_nLatDegrees = static_cast<uint16_t>(options.latitude->degrees);
    l.m_nLatMinutes = static_cast<uint16_t>(options.latitude->minutes);
    l.m_chLatHemisphere = options.latitude->hemisphere;
  }
  if (options.longitude) {
    l.m_nLongDegrees = static_cast<uint16_t>(options.longitude->degrees);
    l.m_nLongMinutes = static_cast<uint16_t>(options.longitude->minutes);
    l.m_chLongHemisphere = options.longitude->hemisphere;
  }
  l.m_dTimeZone = options.timeZone.value_or(l.m_dTimeZone);
  l.m_nAltitude = options.altitude.value_or(l.m_nAltitude);
  CPreferences& p = s.preferences;
  p.Set(p.m_nTimeFormat, options.fiqh.value_or(p.m_nFiqh),
        options.fajrAngle.value_or(p.m_nFajrAngle), options.ishaAngle.value_or(p.m_nIshaAngle));

  s.daylightSaving = options.daylightSaving ? 1 : DaylightSavingOn(l, s.date);
  s.use24Hour = options.use24Hour || p.m_nTimeFormat != 0;
  return s;
}

PrayerTimes ComputeTimes(const TimesSettings& s) {
  return ComputePrayerTimes(s.location, s.preferences, s.date, s.daylightSaving);
}

double ComputeQiblah(const TimesSettings& s) {
  return QiblahDirection(s.location.GetLatitudeRadians(), s.location.GetLongitudeRadians());
}

void WritePlainTimes(std::ostream& out, const PrayerTimes& times, bool use24Hour) {
  char line[64];
  for (int prayer = Fajr; prayer <= Isha; ++prayer) {
    const ClockTime clock = ToClockTime(times[prayer].hour, times[prayer].minute);
    const std::string mark = clock.day == 0 ? "" : " " + DayMark(clock.day);
    std::snprintf(line, sizeof line, "%-8s %s%s\n", kPrayerNames[prayer].shown,
                  FormatTimeOfDay(clock.hour, clock.minute, use24Hour).c_str(), mark.c_str());
    out << line;
  }
}

void WriteJson(std::ostream& out, const CivilDay& date, const PrayerTimes& times, double qiblah) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "{\"date\":\"%04d-%02d-%02d\"", date.year, date.month,
                date.day);
  out << buffer;
  for (int prayer = Fajr; prayer <= Isha; ++prayer) {
    const ClockTime clock = ToClockTime(times[prayer].hour, times[prayer].minute);
    std::snprintf(buffer, sizeof buffer, "\"%02d:%02d\"", clock.hour, clock.minute);
    out << ",\"" << kPrayerNames[prayer].key << "\":";
    if (clock.day == 0) {
      out << buffer;
    } else {
      out << "{\"time\":" << buffer << ",\"day\":" << clock.day << '}';
    }
  }
  std::snprintf(buffer, sizeof buffer, ",\"qiblah\":%.4f}\n", RadToDeg(qiblah));
  out << buffer;
}

void WritePlainQiblah(std::ostream& out, double qiblah) {
  const double degrees = RadToDeg(qiblah);
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.4f %d\n", degrees, TruncateToInt32(degrees + 0.5));
  out << buffer;
}

}  // namespace kestrivane
