#include "tools/times_month.h"

#include <cmath>
#include <cstdio>
#include <ostream>

#include "calc/calendar.h"
#include "resources/project_info.h"
#include "settings/stored_text.h"
#include "timetable/timetable_text.h"
#include "tools/prayer_names.h"

namespace kestrivane {

namespace {

std::string ProjectDomain() {
  std::string home = kProjectHomePage;
  if (const auto scheme = home.find("://"); scheme != std::string::npos) home.erase(0, scheme + 3);
  if (const auto path = home.find('/'); path != std::string::npos) home.resize(path);
  return home;
}

// Whole minutes east of Greenwich; false for a zone no clock has.
bool ZoneMinutes(double timeZone, int64_t& minutes) {
  if (!std::isfinite(timeZone) || std::fabs(timeZone) > 24.0) return false;
  minutes = std::llround(timeZone * 60.0);
  return true;
}

std::string CalendarName(const CLocation& location, const YearMonth& month) {
  char tail[32];
  std::snprintf(tail, sizeof tail, ", %s %d", MonthName(month.month), month.year);
  return "Prayer Timetable for " + StoredToText(location.m_strCity) + tail;
}

std::string PlaceName(const CLocation& location) {
  // Each name read on its own: one may be Windows-1252, the other UTF-8.
  const std::string city = StoredToText(location.m_strCity);
  const std::string country = StoredToText(location.m_strCountry);
  if (country.empty()) return city;
  if (city.empty()) return country;
  return city + ", " + country;
}

}  // namespace

void WriteMonthText(std::ostream& out, const std::string& timetable, bool crlf) {
  if (crlf) {
    out << timetable;
    return;
  }
  std::string text;
  text.reserve(timetable.size() + 1);
  for (std::size_t i = 0; i < timetable.size(); ++i) {
    if (timetable[i] == '\r' && i + 1 < timetable.size() && timetable[i + 1] == '\n') continue;
    text += timetable[i];
  }
  out << text << '\n';
}

UtcMinute LocalToUtc(int32_t year, int32_t month, int32_t day, int32_t hour, int32_t minute,
                     double timeZone, int32_t daylightSaving) {
  int64_t zone = 0;
  ZoneMinutes(timeZone, zone);
  const int64_t local = DaysFromCivil(year, month, day) * 1440 + int64_t{hour} * 60 + minute;
  const int64_t utc = local - zone - (daylightSaving ? 60 : 0);
  const DayMinute split = SplitDayMinutes(utc);
  const CivilDay date = CivilFromDays(split.day);
  return {date.year, date.month, date.day, split.minute / 60, split.minute % 60};
}

std::string EventUid(const CLocation& location, int32_t year, int32_t month, int32_t day,
                     int prayer) {
  // FNV-1a over the position as stored, so two places never share an id.
  char place[64];
  std::snprintf(place, sizeof place, "%u:%u%c/%u:%u%c", location.m_nLatDegrees,
                location.m_nLatMinutes, location.m_chLatHemisphere == 'S' ? 'S' : 'N',
                location.m_nLongDegrees, location.m_nLongMinutes,
                location.m_chLongHemisphere == 'W' ? 'W' : 'E');
  uint32_t hash = 2166136261u;
  for (const char* p = place; *p != '\0'; ++p) {
    hash = (hash ^ static_cast<unsigned char>(*p)) * 16777619u;
  }
  char uid[96];
  std::snprintf(uid, sizeof uid, "%04d%02d%02d-%s-%08x@", year, month, day,
                prayer >= 0 && prayer < kPrayerCount ? kPrayerNames[prayer].key : "time", hash);
  return uid + ProjectDomain();
}

std::string FoldLine(const std::string& line) {
  std::string out;
  std::size_t at = 0;
  std::size_t room = 75;  // the first line; continuations give one octet to the blank
  while (line.size() - at > room) {
    std::size_t cut = at + room;
    while (cut > at + 1 && (static_cast<unsigned char>(line[cut]) & 0xC0) == 0x80) --cut;
    out.append(line, at, cut - at).append("\r\n ");
    at = cut;
    room = 74;
  }
  return out.append(line, at, std::string::npos);
}

std::string IcsText(const std::string& bytes) {
  const std::string text = StoredToText(bytes);
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto b = static_cast<unsigned char>(text[i]);
    if (b == '\\' || b == ';' || b == ',') {
      out += '\\';
      out += static_cast<char>(b);
    } else if (b == '\n' || b == '\r') {
      if (b == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      out += "\\n";
    } else if (b < 0x20 || b == 0x7F) {
      out += ' ';  // no other control character may stand in a TEXT value
    } else {
      out += static_cast<char>(b);
    }
  }
  return out;
}

bool WriteMonthCalendar(std::ostream& out, const CLocation& location,
                        const CPreferences& preferences, const CalculationMethod& method,
                        const YearMonth& month, const std::string& stamp, std::string& error,
                        const HijriSettings& hijri) {
  int64_t zone = 0;
  if (!ZoneMinutes(location.m_dTimeZone, zone)) {
    error = "the location's time zone is not a UTC offset; no calendar written";
    return false;
  }
  std::string ics;
  const auto line = [&ics](const std::string& content) {
    ics += FoldLine(content);
    ics += "\r\n";
  };
  line("BEGIN:VCALENDAR");
  line("VERSION:2.0");
  line("PRODID:-//Kestrivane//Prayer Timetable//EN");
  line("CALSCALE:GREGORIAN");
  line("METHOD:PUBLISH");
  line("X-WR-CALNAME:" + IcsText(CalendarName(location, month)));
  const std::string place = IcsText(PlaceName(location));
  for (const TimetableDay& d :
       ComputeMonth(location, preferences, method, month.year, month.month)) {
    for (int prayer = Fajr; prayer <= Isha; ++prayer) {
      const UtcMinute utc =
          LocalToUtc(month.year, month.month, d.day, d.times[prayer].hour, d.times[prayer].minute,
                     location.m_dTimeZone, d.daylightSaving);
      char start[32];
      std::snprintf(start, sizeof start, "%04d%02d%02dT%02d%02d00Z", utc.year, utc.month, utc.day,
                    utc.hour, utc.minute);
      line("BEGIN:VEVENT");
      line("UID:" + EventUid(location, month.year, month.month, d.day, prayer));
      line("DTSTAMP:" + stamp);
      line(std::string("DTSTART:") + start);
      line(std::string("SUMMARY:") + kPrayerNames[prayer].shown);
      if (hijri.calendar != HijriCalendar::kNone) {
        line("DESCRIPTION:" +
             FormatHijriDay(HijriFromDays(
                 hijri.calendar, DaysFromCivil(month.year, month.month, d.day), hijri.adjustment)));
      }
      if (!place.empty()) line("LOCATION:" + place);
      line("TRANSP:TRANSPARENT");
      line("END:VEVENT");
    }
  }
  line("END:VCALENDAR");
  out << ics;
  return true;
}

}  // namespace kestrivane
