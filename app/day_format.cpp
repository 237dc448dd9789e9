#include "app/day_format.h"

#include <cstdio>

#include "resources/translate_noop.h"

namespace kestrivane {

namespace {

// The names the platform's date formatting gives in its default settings.
constexpr const char* kWeekdays[7] = {
    KV_TRANSLATE_NOOP("Date", "Sunday"),   KV_TRANSLATE_NOOP("Date", "Monday"),
    KV_TRANSLATE_NOOP("Date", "Tuesday"),  KV_TRANSLATE_NOOP("Date", "Wednesday"),
    KV_TRANSLATE_NOOP("Date", "Thursday"), KV_TRANSLATE_NOOP("Date", "Friday"),
    KV_TRANSLATE_NOOP("Date", "Saturday")};
constexpr const char* kMonths[12] = {
    KV_TRANSLATE_NOOP("Date", "January"),   KV_TRANSLATE_NOOP("Date", "February"),
    KV_TRANSLATE_NOOP("Date", "March"),     KV_TRANSLATE_NOOP("Date", "April"),
    KV_TRANSLATE_NOOP("Date", "May"),       KV_TRANSLATE_NOOP("Date", "June"),
    KV_TRANSLATE_NOOP("Date", "July"),      KV_TRANSLATE_NOOP("Date", "August"),
    KV_TRANSLATE_NOOP("Date", "September"), KV_TRANSLATE_NOOP("Date", "October"),
    KV_TRANSLATE_NOOP("Date", "November"),  KV_TRANSLATE_NOOP("Date", "December")};
// Weekday, month, day and year.
constexpr const char* kLongDate = KV_TRANSLATE_NOOP("Date", "%1, %2 %3, %4");

}  // namespace

std::string FormatTimeZone(double timeZone) {
  char text[64];
  std::snprintf(text, sizeof text, "%+1.1f", timeZone);
  return text;
}

std::string FormatAltitude(uint16_t altitude) {
  char text[16];
  std::snprintf(text, sizeof text, "%dm", static_cast<int>(altitude));
  return text;
}

std::string FormatLongDate(const LocalTime& date, const TranslateText& translate) {
  const auto shown = [&](const char* text) {
    return translate && *text != '\0' ? translate("Date", text) : std::string(text);
  };
  const char* weekday = date.weekday >= 0 && date.weekday < 7 ? kWeekdays[date.weekday] : "";
  const char* month = date.month >= 1 && date.month <= 12 ? kMonths[date.month - 1] : "";
  char day[16];
  std::snprintf(day, sizeof day, "%02d", date.day);
  return FillPlaceholders(shown(kLongDate),
                          {shown(weekday), shown(month), day, std::to_string(date.year)});
}

}  // namespace kestrivane
