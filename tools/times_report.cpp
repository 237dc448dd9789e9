#include "tools/times_report.h"

#include <cmath>
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
                              const CLocation& location, const CPreferences& preferences,
                              const CalculationMethod& storedMethod,
                              const HijriSettings& storedHijri) {
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
  // Whole angles also go where the settings file keeps them.
  const auto whole = [](const std::optional<double>& angle, int32_t stored) {
    return angle && *angle == std::floor(*angle) ? static_cast<int32_t>(*angle) : stored;
  };
  p.Set(p.m_nTimeFormat, options.fiqh.value_or(p.m_nFiqh), whole(options.fajrAngle, p.m_nFajrAngle),
        whole(options.ishaAngle, p.m_nIshaAngle));

  CalculationMethod& m = s.method;
  if (options.method) {
    m = MethodFor(*options.method);
  } else if (storedMethod.id != MethodId::kClassic) {
    m = storedMethod;
  } else {
    m = ClassicMethod(p);
    m.adjustments = storedMethod.adjustments;
  }
  m.fajrAngle = options.fajrAngle.value_or(m.fajrAngle);
  if (options.ishaAngle || options.ishaMinutes) {
    m.ishaAngle = options.ishaAngle.value_or(m.ishaAngle);
    m.ishaMinutes = options.ishaMinutes.value_or(0);
    m.ishaMinutesInRamadan = 0;
  }
  m.adjustments = options.adjustments.value_or(m.adjustments);
  m.rounding = options.rounding.value_or(m.rounding);
  m.highLatitude = options.highLatitude.value_or(m.highLatitude);

  s.hijri = storedHijri;
  if (s.hijri.calendar == HijriCalendar::kNone) s.hijri.calendar = HijriCalendar::kUmmAlQura;
  s.hijri.calendar = options.hijriCalendar.value_or(s.hijri.calendar);
  s.hijri.adjustment = options.hijriAdjustment.value_or(s.hijri.adjustment);

  s.daylightSaving = options.daylightSaving ? 1 : DaylightSavingOn(l, s.date);
  s.use24Hour = options.use24Hour || p.m_nTimeFormat != 0;
  return s;
}

PrayerTimes ComputeTimes(const TimesSettings& s) {
  return ComputePrayerTimes(s.location, s.preferences, s.method, s.date, s.daylightSaving);
}

double ComputeQiblah(const TimesSettings& s) {
  return QiblahDirection(s.location.GetLatitudeRadians(), s.location.GetLongitudeRadians());
}

HijriDay ComputeHijri(const TimesSettings& s) {
  return HijriFromDays(s.hijri.calendar, DaysFromCivil(s.date.year, s.date.month, s.date.day),
                       s.hijri.adjustment);
}

void WritePlainHijri(std::ostream& out, const HijriDay& hijri) {
  out << "Hijri: " << FormatHijriDay(hijri) << '\n';
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

void WriteJson(std::ostream& out, const CivilDay& date, const HijriDay& hijri,
               const PrayerTimes& times, double qiblah) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "{\"date\":\"%04d-%02d-%02d\"", date.year, date.month,
                date.day);
  out << buffer << ",\"hijri\":\"" << FormatHijriIso(hijri) << '"';
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

void WriteMethodList(std::ostream& out) {
  char buffer[64];
  for (std::size_t i = 0; i < MethodNames().size(); ++i) {
    const CalculationMethod m = MethodFor(static_cast<MethodId>(i));
    std::string line(MethodNames()[i]);
    if (m.id == MethodId::kClassic) {
      line += ": the program's own arithmetic, fajr and isha angles from the settings file";
    } else {
      std::snprintf(buffer, sizeof buffer, ": fajr %g", m.fajrAngle);
      line += buffer;
      if (m.ishaMinutes != 0) {
        std::snprintf(buffer, sizeof buffer, ", isha %d minutes after maghrib", m.ishaMinutes);
      } else {
        std::snprintf(buffer, sizeof buffer, ", isha %g", m.ishaAngle);
      }
      line += buffer;
      if (m.ishaMinutesInRamadan != 0) {
        std::snprintf(buffer, sizeof buffer, " (%d in Ramadan)", m.ishaMinutesInRamadan);
        line += buffer;
      }
      if (m.maghribAngle != 0) {
        std::snprintf(buffer, sizeof buffer, ", maghrib %g", m.maghribAngle);
        line += buffer;
      }
      if (m.seasonalTwilight) line += ", seasonal twilight limit";
    }
    for (int prayer = Fajr; prayer <= Isha; ++prayer) {
      if (m.methodAdjustments[prayer] == 0) continue;
      std::snprintf(buffer, sizeof buffer, ", %s %+d", kPrayerNames[prayer].key,
                    m.methodAdjustments[prayer]);
      line += buffer;
    }
    out << line << ", rounding " << RoundingName(m.rounding) << ", high latitude "
        << HighLatitudeRuleName(m.highLatitude) << '\n';
  }
}

}  // namespace kestrivane
