#pragma once
// What Prefs.dat cannot hold: the calculation method, the alarms that
// follow their prayer and the Hijri date. Kept in Kestrivane.ini beside Prefs.dat, so the
// binary file stays exactly what every program reading it expects; without
// that file everything is as Prefs.dat alone says.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "calc/calculation_method.h"
#include "calc/hijri_date.h"
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

// The Hijri date beside the Gregorian one; kNone shows none.
struct HijriSettings {
  HijriCalendar calendar = HijriCalendar::kNone;
  int32_t adjustment = 0;  // days, -kMaxHijriAdjustment..kMaxHijriAdjustment
  bool timetableColumn = false;

  friend bool operator==(const HijriSettings&, const HijriSettings&) = default;
};

struct ExtraSettings {
  CalculationMethod method;                              // classic: the angles are Prefs.dat's
  std::array<AlarmFollowing, kPrayerCount> following{};  // indexed as the alarm table
  HijriSettings hijri;

  friend bool operator==(const ExtraSettings&, const ExtraSettings&) = default;
};

// Kestrivane.ini's text. Classic keeps only the user's adjustments: its
// angles are Prefs.dat's, and its arithmetic neither rounds nor takes a
// high-latitude rule. Angles keep their decimals exactly. [Hijri] is
// written only when it differs from HijriSettings{}, so files without it
// read the same.
std::string ExtraSettingsToIni(const ExtraSettings& settings);

struct ParsedExtraSettings {
  ExtraSettings settings;  // ExtraSettings{} when refused
  std::string error;       // why the text was refused; empty when read
};

// Every value the text form holds must be there and in its range, or the
// text is refused; other sections and keys are passed over. Without a
// [Hijri] section the Hijri settings are HijriSettings{}.
ParsedExtraSettings ExtraSettingsFromIni(std::string_view text);

}  // namespace kestrivane
