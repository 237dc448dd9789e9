#pragma once
// What Prefs.dat cannot hold: the calculation method and the alarms that
// follow their prayer. Kept in Kestrivane.ini beside Prefs.dat, so the
// binary file stays exactly what every program reading it expects; without
// that file everything is as Prefs.dat alone says.

#include <array>
#include <cstdint>

#include "calc/calculation_method.h"
#include "calc/prayer_times.h"

namespace kestrivane {

inline constexpr int32_t kMaxFollowOffset = 60;  // minutes after the prayer

// An alarm that follows its prayer rings each day at that day's computed
// time plus the offset; Prefs.dat keeps the resulting time of the day it
// was last saved, for readers that know nothing of following.
struct AlarmFollowing {
  bool follows = false;
  int32_t offsetMinutes = 0;  // 0..kMaxFollowOffset

  friend bool operator==(const AlarmFollowing&, const AlarmFollowing&) = default;
};

struct ExtraSettings {
  CalculationMethod method;                              // classic: the angles are Prefs.dat's
  std::array<AlarmFollowing, kPrayerCount> following{};  // indexed as the alarm table

  friend bool operator==(const ExtraSettings&, const ExtraSettings&) = default;
};

}  // namespace kestrivane
