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

double CoordinateRadians(const Coordinate& c, char negative) {
  double radians = DegToRad(DegMinToDeg(c.degrees, c.minutes));
  if (c.hemisphere == negative) {
    radians = radians * -1.0;
  }
  return radians;
}

}  // namespace

TimesSettings ResolveSettings(const TimesOptions& options, const CivilDate& today) {
  TimesSettings s;
  s.date = options.date.value_or(today);
  s.latitude = options.latitude.value_or(s.latitude);
  s.longitude = options.longitude.value_or(s.longitude);
  s.timeZone = options.timeZone.value_or(s.timeZone);
  s.altitude = options.altitude.value_or(s.altitude);
  s.fiqh = options.fiqh.value_or(s.fiqh);
  s.fajrAngle = options.fajrAngle.value_or(s.fajrAngle);
  s.ishaAngle = options.ishaAngle.value_or(s.ishaAngle);
  if (options.daylightSaving) {
    s.daylightSaving = 1;
  }
  s.use24Hour = s.use24Hour || options.use24Hour;
  return s;
}

double LatitudeRadians(const Coordinate& latitude) { return CoordinateRadians(latitude, 'S'); }

double LongitudeRadians(const Coordinate& longitude) { return CoordinateRadians(longitude, 'W'); }

PrayerTimes ComputeTimes(const TimesSettings& s) {
  PrayerTimes times;
  PrayerCalculator(times, LatitudeRadians(s.latitude), LongitudeRadians(s.longitude), s.timeZone,
                   static_cast<double>(s.altitude), s.fiqh,
                   DegToRad(static_cast<double>(static_cast<uint32_t>(s.fajrAngle))),
                   DegToRad(static_cast<double>(static_cast<uint32_t>(s.ishaAngle))), s.date.year,
                   s.date.month, s.date.day, s.daylightSaving);
  return times;
}

double ComputeQiblah(const TimesSettings& s) {
  return QiblahDirection(LatitudeRadians(s.latitude), LongitudeRadians(s.longitude));
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
