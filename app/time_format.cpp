#include "app/time_format.h"

#include <cstdio>

#include "resources/string_table.h"

namespace kestrivane {

std::string FormatTimeOfDay(int16_t hour, int16_t minute, bool use24Hour) {
  // 24:00 and later belong to the next day and show as its clock time; there
  // midnight is 12 on the 12-hour clock, as every clock shows it.
  const bool nextDay = hour >= 24;
  if (nextDay) {
    hour = static_cast<int16_t>(hour % 24);
  }
  char text[32];
  if (use24Hour) {
    std::snprintf(text, sizeof text, LoadString(IDS_TIME_24H), hour, minute);
    return text;
  }
  char letter = 'A';
  int shownHour = hour;
  if (hour == 12) {
    letter = 'P';
  } else if (hour > 12) {
    letter = 'P';
    shownHour = hour - 12;
  } else if (hour == 0 && nextDay) {
    shownHour = 12;
  }
  std::snprintf(text, sizeof text, LoadString(IDS_TIME_12H), shownHour, minute, letter);
  return text;
}

}  // namespace kestrivane
