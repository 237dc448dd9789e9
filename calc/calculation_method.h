#pragma once
// How an authority turns the sun's position into its published times: the
// twilight angles or intervals, its own minute adjustments, the rounding and
// the rule where twilight never ends. "classic" is the program's own
// arithmetic with the angles of the preferences.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "calc/prayer_times.h"

namespace kestrivane {

enum class MethodId : uint8_t {
  kClassic,
  kMuslimWorldLeague,
  kEgyptian,
  kKarachi,
  kNorthAmerica,
  kUmmAlQura,
  kDubai,
  kQatar,
  kKuwait,
  kSingapore,
  kTurkey,
  kMorocco,
  kTehran,
  kMoonsightingCommittee,
  kCustom,
};

// How seconds become the minute shown.
enum class Rounding : uint8_t { kTruncate, kNearest, kUp };

// Where Fajr or 'Isha by angle would fall further from sunrise or sunset
// than a share of the night (or never happens), that share is used: a
// seventh, a half, or the angle's sixtieth.
enum class HighLatitudeRule : uint8_t { kSeventhOfNight, kMiddleOfNight, kAngleBased };

inline constexpr int32_t kMaxAdjustment = 30;  // minutes, either way

struct CalculationMethod {
  MethodId id = MethodId::kClassic;
  double fajrAngle = 18;             // degrees below the horizon
  double ishaAngle = 18;             // used when ishaMinutes is 0
  int32_t ishaMinutes = 0;           // after Maghrib; 0 = by angle
  int32_t ishaMinutesInRamadan = 0;  // 0 = ishaMinutes all year
  double maghribAngle = 0;           // degrees below the horizon; 0 = at sunset
  bool seasonalTwilight = false;     // Fajr and 'Isha no further than Shaukat's seasonal limit
  std::array<int32_t, kPrayerCount> methodAdjustments{};  // the authority's own minutes
  std::array<int32_t, kPrayerCount> adjustments{};        // the user's, -30..+30
  Rounding rounding = Rounding::kNearest;
  HighLatitudeRule highLatitude = HighLatitudeRule::kMiddleOfNight;

  friend bool operator==(const CalculationMethod&, const CalculationMethod&) = default;
};

// The authority's published parameters; classic with the given angles.
CalculationMethod MethodFor(MethodId id, double classicFajrAngle = 18,
                            double classicIshaAngle = 18);

// The command-line and file names ("muslim-world-league"), in MethodId order.
std::span<const std::string_view> MethodNames();
std::string_view MethodName(MethodId id);
std::optional<MethodId> MethodIdNamed(std::string_view name);

std::string_view RoundingName(Rounding rounding);
std::optional<Rounding> RoundingNamed(std::string_view name);
std::string_view HighLatitudeRuleName(HighLatitudeRule rule);
std::optional<HighLatitudeRule> HighLatitudeRuleNamed(std::string_view name);

}  // namespace kestrivane
