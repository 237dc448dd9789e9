#pragma once
// The one formatter for times of day, on screen and in alarm texts.

#include <cstdint>
#include <string>

namespace kestrivane {

// 24-hour: "04:05". 12-hour: " 4:05 A.M.", "12:30 P.M.", " 0:15 A.M." (an
// hour of 0 stays 0). An hour of 24 or more is the next day's clock time:
// 24:05 shows as "00:05" and "12:05 A.M.".
std::string FormatTimeOfDay(int16_t hour, int16_t minute, bool use24Hour);

}  // namespace kestrivane
