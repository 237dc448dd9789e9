#include "tools/times_report.h"

#include <cstdio>
#include <ostream>

#include "app/time_format.h"
#include "calc/conversions.h"
#include "calc/prayer_calculator.h"
#include "calc/qiblah.h"

namespace kestrivane {

namespace {

constexpr const char* kPlainNames[kPrayerCount] = {"Fajr", "Shurooq", "Zuhr",
                                                    "Asr",  "Maghrib", "Isha"};
constexpr const char* kJsonKeys[kPrayerCount] = {"fajr", "shurooq", "zuhr",
                                                  "asr",  "maghrib", "isha"};

}  // namespace

TimesSettings ResolveSettings(const TimesOptions& options, const CivilDate& today,
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

  const CDstRule& rule = l.m_dstRule;
  if (options.daylightSaving) {
    s.daylightSaving = 1;
  } else if (rule.m_wStart & CDstRule::kObserves) {
    s.daylightSaving = rule.IsDst(s.date.year, s.date.month, s.date.day, Weekday(s.date)) ? 1 : 0;
  }
  s.use24Hour = options.use24Hour || p.m_nTimeFormat != 0;
  return s;
}

TimesSettings ResolveSettings(const TimesOptions& options, const CivilDate& today) {
  return ResolveSettings(options, today, CLocation(), CPreferences());
}

int32_t Weekday(const CivilDate& date) {
  // Zeller's congruence (0 = Saturday), in the calendar in force on the date.
  const bool julian =
      date.year < 1582 ||
      (date.year == 1582 && (date.month < 10 || (date.month == 10 && date.day < 15)));
  const int64_t y = date.month <= 2 ? date.year - 1 : date.year;
  const int64_t m = date.month <= 2 ? date.month + 12 : date.month;
  int64_t h = date.day + (13 * (m + 1)) / 5 + y % 100 + (y % 100) / 4;
  h += julian ? 5 + 6 * (y / 100) : (y / 100) / 4 + 5 * (y / 100);
  return static_cast<int32_t>((h % 7 + 6) % 7);
}

PrayerTimes ComputeTimes(const TimesSettings& s) {
  PrayerTimes times;
  PrayerCalculator(times, s.location.GetLatitudeRadians(), s.location.GetLongitudeRadians(),
                   s.location.m_dTimeZone, static_cast<double>(s.location.m_nAltitude),
                   s.preferences.m_nFiqh, s.preferences.GetFajrAngleRadians(),
                   s.preferences.GetIshaAngleRadians(), s.date.year, s.date.month, s.date.day,
                   s.daylightSaving);
  return times;
}

double ComputeQiblah(const TimesSettings& s) {
  return QiblahDirection(s.location.GetLatitudeRadians(), s.location.GetLongitudeRadians());
}

void WritePlainTimes(std::ostream& out, const PrayerTimes& times, bool use24Hour) {
  char line[64];
  for (int prayer = Fajr; prayer <= Isha; ++prayer) {
    std::snprintf(line, sizeof line, "%-8s %s\n", kPlainNames[prayer],
                  FormatTimeOfDay(times[prayer].hour, times[prayer].minute, use24Hour).c_str());
    out << line;
  }
}

void WriteJson(std::ostream& out, const CivilDate& date, const PrayerTimes& times, double qiblah) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "{\"date\":\"%04d-%02d-%02d\"", date.year, date.month,
                date.day);
  out << buffer;
  for (int prayer = Fajr; prayer <= Isha; ++prayer) {
    std::snprintf(buffer, sizeof buffer, ",\"%s\":\"%02d:%02d\"", kJsonKeys[prayer],
                  times[prayer].hour, times[prayer].minute);
    out << buffer;
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
