#include "calc/calculation_method.h"

#include <algorithm>
#include <iterator>

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

// One authority's parameters; the rows below are in MethodId order.
struct MethodRow {
  double fajr;
  double isha;
  int32_t ishaMinutes;
  int32_t ishaMinutesInRamadan;
  double maghrib;
  bool seasonal;
  std::array<int32_t, kPrayerCount> adjustments;  // Fajr, Shurooq, Zuhr, Asr, Maghrib, 'Isha
  Rounding rounding;
};

constexpr Rounding kNearest = Rounding::kNearest;
constexpr std::array<int32_t, kPrayerCount> kZuhrPlusOne = {0, 0, 1, 0, 0, 0};

// clang-format off
constexpr MethodRow kMethodRows[] = {
    {18,   18,   0,  0,   0,   false, {},                   Rounding::kTruncate},  // classic
    {18,   17,   0,  0,   0,   false, kZuhrPlusOne,         kNearest},  // Muslim World League
    {19.5, 17.5, 0,  0,   0,   false, kZuhrPlusOne,         kNearest},  // Egyptian
    {18,   18,   0,  0,   0,   false, kZuhrPlusOne,         kNearest},  // Karachi
    {15,   15,   0,  0,   0,   false, kZuhrPlusOne,         kNearest},  // North America
    {18.5, 0,    90, 120, 0,   false, {},                   kNearest},  // Umm al-Qura
    {18.2, 18.2, 0,  0,   0,   false, {0, -3, 3, 3, 3, 0},  kNearest},  // Dubai
    {18,   0,    90, 0,   0,   false, {},                   kNearest},  // Qatar
    {18,   17.5, 0,  0,   0,   false, {},                   kNearest},  // Kuwait
    {20,   18,   0,  0,   0,   false, kZuhrPlusOne,         Rounding::kUp},  // Singapore
    {18,   17,   0,  0,   0,   false, {0, -7, 5, 4, 7, 0},  kNearest},  // Turkey
    {19,   17,   0,  0,   0,   false, {0, -3, 5, 0, 5, 0},  kNearest},  // Morocco
    {17.7, 14,   0,  0,   4.5, false, {},                   kNearest},  // Tehran
    {18,   18,   0,  0,   0,   true,  {0, 0, 5, 0, 3, 0},   kNearest},  // Moonsighting Committee
    {18,   18,   0,  0,   0,   false, {},                   kNearest},  // custom
};
// clang-format on
static_assert(std::size(kMethodRows) == std::size(kMethodNames));

}  // namespace

CalculationMethod MethodFor(MethodId id, double classicFajrAngle, double classicIshaAngle) {
  const MethodRow& row = kMethodRows[static_cast<std::size_t>(id)];
  CalculationMethod m;
  m.id = id;
  m.fajrAngle = row.fajr;
  m.ishaAngle = row.isha;
  m.ishaMinutes = row.ishaMinutes;
  m.ishaMinutesInRamadan = row.ishaMinutesInRamadan;
  m.maghribAngle = row.maghrib;
  m.seasonalTwilight = row.seasonal;
  m.methodAdjustments = row.adjustments;
  m.rounding = row.rounding;
  if (id == MethodId::kClassic) {
    m.fajrAngle = classicFajrAngle;
    m.ishaAngle = classicIshaAngle;
    m.highLatitude = HighLatitudeRule::kSeventhOfNight;
  }
  return m;
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
