// The method layer's own rules, each against the arithmetic it stands on:
// classic and its adjustments, rounding, 'Isha after Maghrib and in Ramadan,
// Maghrib by angle, the high-latitude shares and the polar days.

#include "calc/method_times.h"

#include <gtest/gtest.h>

#include <tuple>

#include "calc/conversions.h"

namespace kestrivane {
namespace {

int Minutes(const PrayerTime& t) { return t.hour * 60 + t.minute; }

const Observer kMakkah{DegToRad(21.427), DegToRad(39.829), 3, 0};

// Nearest is the authorities' rounding and is checked against their timetables.
TEST(MethodTimes, RoundingUpAndTheUsersMinutesOnTopOfTheAuthoritysOwn) {
  CalculationMethod method = MethodFor(MethodId::kDubai);
  method.rounding = Rounding::kTruncate;
  const PrayerTimes truncated = ComputeMethodTimes(method, kMakkah, 0, {2024, 2, 1}, 0);
  method.rounding = Rounding::kUp;
  const PrayerTimes up = ComputeMethodTimes(method, kMakkah, 0, {2024, 2, 1}, 0);
  method.adjustments = {1, -2, 3, -4, 5, -6};
  const PrayerTimes adjusted = ComputeMethodTimes(method, kMakkah, 0, {2024, 2, 1}, 1);
  for (int p = Fajr; p <= Isha; ++p) {
    EXPECT_EQ(Minutes(up[p]), Minutes(truncated[p]) + 1);  // no whole minute that day
    EXPECT_EQ(Minutes(adjusted[p]), Minutes(up[p]) + 60 + (p % 2 ? -p - 1 : p + 1));
  }
}

TEST(MethodTimes, IshaAfterMaghribInAndOutsideRamadanAndMaghribByAngle) {
  // clang-format off
  const std::tuple<MethodId, CivilDay, int> cases[] = {
      {MethodId::kUmmAlQura, {2024, 3, 10}, 90}, {MethodId::kUmmAlQura, {2024, 3, 11}, 120},
      {MethodId::kUmmAlQura, {2024, 4, 9}, 120}, {MethodId::kUmmAlQura, {2024, 4, 10}, 90},
      {MethodId::kQatar, {2024, 3, 20}, 90}};
  // clang-format on
  for (const auto& [id, date, minutes] : cases) {
    const PrayerTimes t = ComputeMethodTimes(MethodFor(id), kMakkah, 0, date, 0);
    EXPECT_EQ(Minutes(t[Isha]) - Minutes(t[Maghrib]), minutes) << date.month << '-' << date.day;
  }
  // 4.5 degrees below the horizon is some 15 minutes after sunset at Tehran.
  const Observer tehran{DegToRad(35.69), DegToRad(51.39), 3.5, 0};
  CalculationMethod method = MethodFor(MethodId::kTehran);
  const int byAngle = Minutes(ComputeMethodTimes(method, tehran, 0, {2024, 3, 20}, 0)[Maghrib]);
  method.maghribAngle = 0;
  const int atSunset = Minutes(ComputeMethodTimes(method, tehran, 0, {2024, 3, 20}, 0)[Maghrib]);
  EXPECT_NEAR(byAngle - atSunset, 16, 2);
}

TEST(MethodTimes, HighLatitudeSharesOfTheNightAndPolarDays) {
  // London at midsummer: the sun never sinks 18 degrees, the night is some 7.5 hours.
  const Observer london{DegToRad(51.507), DegToRad(-0.117), 1, 0};
  CalculationMethod method = MethodFor(MethodId::kKarachi);  // 18 degrees both
  method.rounding = Rounding::kTruncate;
  const std::tuple<HighLatitudeRule, double> shares[] = {
      {HighLatitudeRule::kSeventhOfNight, 1.0 / 7},
      {HighLatitudeRule::kMiddleOfNight, 0.5},
      {HighLatitudeRule::kAngleBased, 18.0 / 60}};
  for (const auto& [rule, share] : shares) {
    method.highLatitude = rule;
    const PrayerTimes t = ComputeMethodTimes(method, london, 0, {2024, 6, 21}, 0);
    const int night = 24 * 60 - (Minutes(t[Maghrib]) - Minutes(t[Shurooq]));
    EXPECT_NEAR(Minutes(t[Shurooq]) - Minutes(t[Fajr]), night * share, 2.0);
    EXPECT_NEAR(Minutes(t[Isha]) - Minutes(t[Maghrib]), night * share, 2.0);
  }
  // Where the sun never rises or never sets: every time there, in order
  // before the authority's minutes.
  CalculationMethod seasonal = MethodFor(MethodId::kMoonsightingCommittee);
  seasonal.methodAdjustments = {};
  for (const double latitude : {80.0, 90.0, -80.0, -90.0}) {
    const Observer polar{DegToRad(latitude), 0, 0, 0};
    const PrayerTimes t = ComputeMethodTimes(seasonal, polar, 1, {2024, 6, 21}, 0);
    for (int p = Fajr; p < Isha; ++p) EXPECT_LE(Minutes(t[p]), Minutes(t[p + 1])) << latitude;
  }
}

}  // namespace
}  // namespace kestrivane
