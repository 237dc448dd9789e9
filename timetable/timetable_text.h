#pragma once
// The month timetable as text: header, one row per day, footer, lines
// separated by CR LF. Times are always on the 24-hour clock.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "calc/calculation_method.h"
#include "calc/prayer_times.h"
#include "resources/shown_text.h"
#include "settings/extra_settings.h"
#include "settings/location.h"
#include "settings/preferences.h"

namespace kestrivane {

// The years the month dialog accepts.
inline constexpr int32_t kFirstTimetableYear = 1900;
inline constexpr int32_t kLastTimetableYear = 2100;
bool IsTimetableYear(int32_t year);

// "January" .. "December" for 1..12, whatever the locale; "" otherwise.
const char* MonthName(int32_t month);

// The mark of a time that falls on another day than its date: "-1" for
// the day before, "+1" for the day after, "" on the date itself.
std::string DayMark(int32_t day);

// One day of the table with everything its times were computed from.
struct TimetableDay {
  int16_t day = 0;
  int32_t daylightSaving = 0;  // 1 when the location's rule says so for this date
  PrayerTimes times;
};

// Every day of the month, computed as the day display computes today's
// times. A month outside 1..12 gives no days.
std::vector<TimetableDay> ComputeMonth(const CLocation& location, const CPreferences& preferences,
                                       const CalculationMethod& method, int16_t year,
                                       int16_t month);
// The same by the classic method.
std::vector<TimetableDay> ComputeMonth(const CLocation& location, const CPreferences& preferences,
                                       int16_t year, int16_t month);

// The language the table speaks. Without `translate` its words are English;
// without `cells` a heading takes one cell of the fixed-pitch font per
// character, which a script drawn from another font does not. A
// right-to-left table keeps its columns in order (the rows are digits) and
// begins its column titles with a left-to-right mark and ends each heading
// with one, so that no view runs the headings together backwards; the page
// reads that first mark as its cue to end its other lines on the right.
// Those lines open with a right-to-left mark, so that a view and the page
// read them right to left even when they begin with a Latin name.
struct TimetableLanguage {
  TranslateText translate;
  std::function<std::size_t(const std::string& heading)> cells;
  bool rightToLeft = false;
};

// The marks, U+200E and U+200F in UTF-8.
inline constexpr const char* kLeftToRightMark = "\xE2\x80\x8E";
inline constexpr const char* kRightToLeftMark = "\xE2\x80\x8F";

// Header, rows and footer; no line break after the footer. A month outside
// 1..12 gives "". A time outside its date shows its clock time with the
// day's mark right after it, in the blanks before the next column. The
// footer names `method` when it is not empty. With a calendar and its
// column chosen, each row ends in its Hijri day and the month's title line
// names the first and last Hijri dates; else the text is as it always was.
// Each heading is centred over its column's values.
std::string FormatTimetableText(const std::string& city, int16_t year, int16_t month,
                                const std::vector<TimetableDay>& days,
                                const std::string& method = {}, const HijriSettings& hijri = {},
                                const TimetableLanguage& language = {});

// The footer's name of the method: "" for the plain classic arithmetic, so
// its timetable stays as it always was; " (adjusted)" after the name when
// the user's adjustments move a time.
std::string MethodNote(const CalculationMethod& method, const CPreferences& preferences,
                       const TranslateText& translate = {});

// ComputeMonth and FormatTimetableText for the location's city, as UTF-8
// text (settings/stored_text.h) like the rest of the page.
std::string BuildTimetableText(const CLocation& location, const CPreferences& preferences,
                               const CalculationMethod& method, int16_t year, int16_t month,
                               const HijriSettings& hijri = {},
                               const TimetableLanguage& language = {});
std::string BuildTimetableText(const CLocation& location, const CPreferences& preferences,
                               int16_t year, int16_t month);

}  // namespace kestrivane
