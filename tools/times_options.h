#pragma once
// Command line of kestrivane-times: parsing and validation, no output.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "calc/calculation_method.h"
#include "calc/calendar.h"
#include "calc/hijri_date.h"

namespace kestrivane {

// A month of the timetable: year 1900..2100, month 1..12.
struct YearMonth {
  int16_t year = 0;
  int16_t month = 0;
};

// Degrees and minutes with a hemisphere letter, as the location stores them.
struct Coordinate {
  int16_t degrees = 0;
  int16_t minutes = 0;
  char hemisphere = 'N';
};

// Each setting is optional: an absent one falls back to the settings file
// (or the defaults), a given one overrides it.
struct TimesOptions {
  std::optional<std::string> prefsFile;      // read only, never written
  std::optional<std::string> dumpPrefsFile;  // print its stored fields instead
  std::optional<CivilDay> date;
  std::optional<Coordinate> latitude;
  std::optional<Coordinate> longitude;
  std::optional<double> timeZone;
  std::optional<uint16_t> altitude;
  std::optional<int32_t> fiqh;
  std::optional<double> fajrAngle;  // degrees, decimals allowed
  std::optional<double> ishaAngle;
  std::optional<MethodId> method;      // classic when absent
  std::optional<int32_t> ishaMinutes;  // 'Isha this long after Maghrib instead of by angle
  std::optional<std::array<int32_t, kPrayerCount>> adjustments;  // minutes per prayer
  std::optional<Rounding> rounding;
  std::optional<HighLatitudeRule> highLatitude;
  std::optional<std::string> city;             // the best match's position and zone
  std::optional<std::string> cityList;         // list the matches instead
  std::optional<HijriCalendar> hijriCalendar;  // the stored one, or Umm al-Qura, when absent
  std::optional<int32_t> hijriAdjustment;      // days
  std::optional<YearMonth> month;              // the month's timetable instead of one day
  std::optional<std::string> icsFile;          // with month: the times as iCalendar, "-" = stdout
  std::optional<std::string> pdfFile;          // with month: the printed page as a PDF file
  bool crlf = false;                           // with month: the text's own CR LF line breaks
  bool daylightSaving = false;
  bool use24Hour = false;
  bool json = false;
  bool qiblah = false;
  bool listMethods = false;
  bool version = false;
  bool help = false;
};

struct ParsedTimesOptions {
  TimesOptions options;
  // One line naming the argument, escaped for the terminal, and its allowed
  // form; empty on success.
  std::string error;
  bool ok() const { return error.empty(); }
};

// Each value in its documented form only: no blanks, signs, base prefixes
// or exponents where the form has none.
// With --prefs and no --method, the method options are checked against the
// method stored beside the file only once it is read.
ParsedTimesOptions ParseTimesOptions(const std::vector<std::string>& arguments);

// The options the classic method cannot take, as an error line; empty when
// none is given.
std::string ClassicMethodConflict(const TimesOptions& options);

}  // namespace kestrivane
