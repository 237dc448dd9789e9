#pragma once
// The six daily times in their fixed order; every per-prayer array of the
// program uses this order.

#include <array>
#include <cstdint>

namespace kestrivane {

enum Prayer : int { Fajr = 0, Shurooq, Zuhr, Asr, Maghrib, Isha };
inline constexpr int kPrayerCount = 6;

// Hours count from the local midnight of the date and are not wrapped at
// 24; both parts are truncated, never rounded, so either may be negative.
struct PrayerTime {
  int16_t hour = 0;
  int16_t minute = 0;
  friend bool operator==(const PrayerTime&, const PrayerTime&) = default;
};

struct PrayerTimes {
  std::array<PrayerTime, kPrayerCount> times{};

  PrayerTime& operator[](int prayer) { return times[static_cast<std::size_t>(prayer)]; }
  const PrayerTime& operator[](int prayer) const { return times[static_cast<std::size_t>(prayer)]; }
  friend bool operator==(const PrayerTimes&, const PrayerTimes&) = default;
};

}  // namespace kestrivane
