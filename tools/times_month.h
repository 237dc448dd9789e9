#pragma once
// kestrivane-times --month: the month's timetable text and its times as an
// iCalendar file.

#include <cstdint>
#include <iosfwd>
#include <string>

#include "settings/extra_settings.h"
#include "settings/location.h"
#include "settings/preferences.h"
#include "tools/times_options.h"

namespace kestrivane {

// The timetable text with LF line breaks and a final one, or exactly as it
// is (CR LF, none after the footer) when `crlf` is set.
void WriteMonthText(std::ostream& out, const std::string& timetable, bool crlf);

// A UTC instant to the minute.
struct UtcMinute {
  int32_t year = 0;
  int32_t month = 0;
  int32_t day = 0;
  int32_t hour = 0;
  int32_t minute = 0;
};

// A time of day on a local date (hours not wrapped at 24, as the calculator
// gives them) in UTC: the zone's offset and, on a daylight-saving day, one
// hour more are taken off.
UtcMinute LocalToUtc(int32_t year, int32_t month, int32_t day, int32_t hour, int32_t minute,
                     double timeZone, int32_t daylightSaving);

// The UID of one prayer's event: the same date, prayer and coordinates give
// the same UID on every run, so importing a month again updates its events.
std::string EventUid(const CLocation& location, int32_t year, int32_t month, int32_t day,
                     int prayer);

// RFC 5545 line folding: lines of at most 75 octets, continued after CR LF
// and one blank, never inside a UTF-8 sequence. `line` has no line break.
std::string FoldLine(const std::string& line);

// A TEXT value of stored text (settings/stored_text.h): backslash,
// semicolon, comma and line breaks escaped.
std::string IcsText(const std::string& bytes);

// One event per prayer per day, CR LF lines, its description the day's
// Hijri date when a calendar is chosen. `stamp` is the DTSTAMP value
// (YYYYMMDDTHHMMSSZ). False, with nothing written, when the zone cannot be
// a UTC offset.
bool WriteMonthCalendar(std::ostream& out, const CLocation& location,
                        const CPreferences& preferences, const CalculationMethod& method,
                        const YearMonth& month, const std::string& stamp, std::string& error,
                        const HijriSettings& hijri = {});

}  // namespace kestrivane
