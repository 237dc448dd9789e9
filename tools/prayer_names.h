#pragma once
// The prayers' names in the tools' output, in the fixed order of the times.

#include "calc/prayer_times.h"

namespace kestrivane {

struct PrayerName {
  const char* shown;  // plain text, calendar summaries
  const char* key;    // JSON keys, calendar UIDs
};

inline constexpr PrayerName kPrayerNames[kPrayerCount] = {
    {"Fajr", "fajr"}, {"Shurooq", "shurooq"}, {"Zuhr", "zuhr"},
    {"Asr", "asr"},   {"Maghrib", "maghrib"}, {"Isha", "isha"},
};

}  // namespace kestrivane
