#pragma once
// The texts of the day display that are not times of day.

#include <cstdint>
#include <string>

#include "app/alarm_host.h"
#include "resources/shown_text.h"

namespace kestrivane {

// "%+1.1f": 5 gives "+5.0", -3.5 "-3.5", 0 "+0.0".
std::string FormatTimeZone(double timeZone);
// "%dm" of the altitude read as unsigned 16-bit: 550 gives "550m".
std::string FormatAltitude(uint16_t altitude);
// "%A, %B %d, %Y" with English names whatever the locale:
// 7 January 2000 (a Friday) gives "Friday, January 07, 2000"; with
// `translate`, the names and the order of the user's language.
std::string FormatLongDate(const LocalTime& date, const TranslateText& translate = {});

}  // namespace kestrivane
