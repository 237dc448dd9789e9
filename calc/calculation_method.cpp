#include "calc/calculation_method.h"

#include <algorithm>

namespace kestrivane {

namespace {

constexpr std::string_view kMethodNames[] = {
    "classic",       "muslim-world-league",
    "egyptian",      "karachi",
    "north-america", "umm-al-qura",
    "dubai",         "qatar",
    "kuwait",        "singapore",
    "turkey",        "morocco",
    "tehran",        "moonsighting-committee",
    "custom",
};
constexpr std::string_view kRoundingNames[] = {"truncate", "nearest", "up"};
constexpr std::string_view kHighLatitudeNames[] = {"seventh", "middle", "angle"};

template <typename Enum, std::size_t N>
std::optional<Enum> Named(const std::string_view (&names)[N], std::string_view name) {
  const auto* found = std::find(std::begin(names), std::end(names), name);
  if (found == std::end(names)) return std::nullopt;
  return static_cast<Enum>(found - std::begin(names));
}

CalculationMethod ByAngles(MethodId id, double fajr, double isha, int32_t zuhrAdjustment = 1) {
  CalculationMethod m;
  m.id = id;
  m.fajrAngle = fajr;
  m.ishaAngle = isha;
  m.methodAdjustments[Zuhr] = zuhrAdjustment;
  return m;
}

// Shurooq, Zuhr, Asr and Maghrib moved by whole minutes.
CalculationMethod Adjusted(CalculationMethod m, int32_t shurooq, int32_t zuhr, int32_t asr,
                           int32_t maghrib) {
  m.methodAdjustments = {0, shurooq, zuhr, asr, maghrib, 0};
  return m;
}

}  // namespace

CalculationMethod MethodFor(MethodId id, double classicFajrAngle, double classicIshaAngle) {
  using M = MethodId;
  switch (id) {
    case M::kClassic: {
      CalculationMethod m = ByAngles(id, classicFajrAngle, classicIshaAngle, 0);
      m.rounding = Rounding::kTruncate;
      m.highLatitude = HighLatitudeRule::kSeventhOfNight;
      return m;
    }
    case M::kMuslimWorldLeague:
      return ByAngles(id, 18, 17);
    case M::kEgyptian:
      return ByAngles(id, 19.5, 17.5);
    case M::kKarachi:
      return ByAngles(id, 18, 18);
    case M::kNorthAmerica:
      return ByAngles(id, 15, 15);
    case M::kUmmAlQura: {
      CalculationMethod m = ByAngles(id, 18.5, 0, 0);
      m.ishaMinutes = 90;
      m.ishaMinutesInRamadan = 120;
      return m;
    }
    case M::kDubai:
      return Adjusted(ByAngles(id, 18.2, 18.2), -3, 3, 3, 3);
    case M::kQatar: {
      CalculationMethod m = ByAngles(id, 18, 0, 0);
      m.ishaMinutes = 90;
      return m;
    }
    case M::kKuwait:
      return ByAngles(id, 18, 17.5, 0);
    case M::kSingapore: {
      CalculationMethod m = ByAngles(id, 20, 18);
      m.rounding = Rounding::kUp;
      return m;
    }
    case M::kTurkey:
      return Adjusted(ByAngles(id, 18, 17), -7, 5, 4, 7);
    case M::kMorocco:
      return Adjusted(ByAngles(id, 19, 17), -3, 5, 0, 5);
    case M::kTehran: {
      CalculationMethod m = ByAngles(id, 17.7, 14, 0);
      m.maghribAngle = 4.5;
      return m;
    }
    case M::kMoonsightingCommittee: {
      CalculationMethod m = Adjusted(ByAngles(id, 18, 18), 0, 5, 0, 3);
      m.seasonalTwilight = true;
      return m;
    }
    case M::kCustom:
      break;
  }
  return ByAngles(M::kCustom, 18, 18, 0);
}

std::span<const std::string_view> MethodNames() { return kMethodNames; }

std::string_view MethodName(MethodId id) { return kMethodNames[static_cast<std::size_t>(id)]; }

std::optional<MethodId> MethodIdNamed(std::string_view name) {
  return Named<MethodId>(kMethodNames, name);
}

std::string_view RoundingName(Rounding rounding) {
  return kRoundingNames[static_cast<std::size_t>(rounding)];
}

std::optional<Rounding> RoundingNamed(std::string_view name) {
  return Named<Rounding>(kRoundingNames, name);
}

std::string_view HighLatitudeRuleName(HighLatitudeRule rule) {
  return kHighLatitudeNames[static_cast<std::size_t>(rule)];
}

std::optional<HighLatitudeRule> HighLatitudeRuleNamed(std::string_view name) {
  return Named<HighLatitudeRule>(kHighLatitudeNames, name);
}

}  // namespace kestrivane
