#include "app/day_format.h"

#include <cstdio>

namespace kestrivane {

namespace {

// The names the platform's date formatting gives in its default settings.
constexpr const char* kWeekdays[7] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                      "Thursday", "Friday", "Saturday"};
constexpr const char* kMonths[12] = {"January",   "February", "March",    "April",
                                     "May",       "June",     "July",     "August",
                                     "September", "October",  "November", "December"};

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

std::string FormatLongDate(const LocalTime& date) {
  const char* weekday = date.weekday >= 0 && date.weekday < 7 ? kWeekdays[date.weekday] : "";
  const char* month = date.month >= 1 && date.month <= 12 ? kMonths[date.month - 1] : "";
  char text[64];
  std::snprintf(text, sizeof text, "%s, %s %02d, %d", weekday, month, date.day, date.year);
  return text;
}

}  // namespace kestrivane
