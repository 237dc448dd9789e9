// The method layer's own rules, each against the arithmetic it stands on:
// classic and its adjustments, rounding, 'Isha after Maghrib and in Ramadan,
// Maghrib by angle, the high-latitude shares and the polar days.

#include "calc/method_times.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <tuple>

#include "calc/conversions.h"
#include "calc/prayer_calculator.h"

namespace kestrivane {
namespace {

int Minutes(const PrayerTime& t) { return t.hour * 60 + t.minute; }

const Observer kMakkah{DegToRad(21.427), DegToRad(39.829), 3, 0};
const Observer kLondon{DegToRad(51.507), DegToRad(-0.117), 1, 0};

TEST(MethodTimes, ClassicIsTheCalculatorShiftedByTheUsersMinutes) {
  CalculationMethod method = MethodFor(MethodId::kClassic, 15, 17);
  method.adjustments = {-30, 0, 2, 0, 30, -7};
  const Observer far{DegToRad(60), DegToRad(-170), 12, 40};
  for (const Observer& o : {kMakkah, far}) {
    PrayerTimes plain;
    PrayerCalculator(plain, o.latitude, o.longitude, o.timeZone, o.altitude, 1, DegToRad(15),
                     DegToRad(17), 2024, 6, 21, 1);
    const PrayerTimes shifted = ComputeMethodTimes(method, o, 1, {2024, 6, 21}, 1);
    for (int prayer = Fajr; prayer <= Isha; ++prayer) {
      EXPECT_EQ(Minutes(shifted[prayer]), Minutes(plain[prayer]) + method.adjustments[prayer]);
      EXPECT_LT(std::abs(shifted[prayer].minute), 60);
    }
  }
}

TEST(MethodTimes, RoundingAndAdjustmentsOnTopOfTheAuthoritysOwn) {
  CalculationMethod method = MethodFor(MethodId::kDubai);
  int differences = 0;
  for (int day = 1; day <= 28; ++day) {
    std::array<PrayerTimes, 3> byRounding;
    for (const Rounding r : {Rounding::kTruncate, Rounding::kNearest, Rounding::kUp}) {
      method.rounding = r;
      byRounding[static_cast<std::size_t>(r)] =
          ComputeMethodTimes(method, kMakkah, 0, {2024, 2, day}, 0);
    }
    method.adjustments = {1, -2, 3, -4, 5, -6};
    const PrayerTimes adjusted = ComputeMethodTimes(method, kMakkah, 0, {2024, 2, day}, 1);
    method.adjustments = {};
    for (int p = Fajr; p <= Isha; ++p) {
      const int truncated = Minutes(byRounding[0][p]);
      const int nearest = Minutes(byRounding[1][p]);
      EXPECT_EQ(Minutes(byRounding[2][p]), truncated + 1);  // seconds are never all zero here
      EXPECT_TRUE(nearest == truncated || nearest == truncated + 1);
      differences += nearest != truncated;
      EXPECT_EQ(Minutes(adjusted[p]), Minutes(byRounding[2][p]) + 60 + (p % 2 ? -p - 1 : p + 1));
    }
  }
  EXPECT_GT(differences, 20);  // nearest is neither of the others
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
  EXPECT_GE(byAngle - atSunset, 14);
  EXPECT_LE(byAngle - atSunset, 18);
}

TEST(MethodTimes, HighLatitudeSharesOfTheNightAndPolarDays) {
  // London at midsummer: the sun never sinks 18 degrees, the night is some 7.5 hours.
  CalculationMethod method = MethodFor(MethodId::kMuslimWorldLeague);
  method.rounding = Rounding::kTruncate;
  const std::tuple<HighLatitudeRule, double> shares[] = {
      {HighLatitudeRule::kSeventhOfNight, 1.0 / 7},
      {HighLatitudeRule::kMiddleOfNight, 0.5},
      {HighLatitudeRule::kAngleBased, 18.0 / 60}};
  for (const auto& [rule, share] : shares) {
    method.highLatitude = rule;
    const PrayerTimes t = ComputeMethodTimes(method, kLondon, 0, {2024, 6, 21}, 0);
    const int night = 24 * 60 - (Minutes(t[Maghrib]) - Minutes(t[Shurooq]));
    EXPECT_NEAR(Minutes(t[Shurooq]) - Minutes(t[Fajr]), night * share, 2.0);
  }
  // Where the sun never rises or never sets: every time there, in order
  // before the authority's minutes.
  CalculationMethod seasonal = MethodFor(MethodId::kMoonsightingCommittee);
  seasonal.methodAdjustments = {};
  for (const CivilDay date : {CivilDay{2024, 6, 21}, CivilDay{2024, 12, 21}}) {
    for (const double latitude : {80.0, 90.0, -90.0}) {
      const Observer polar{DegToRad(latitude), 0, 0, 0};
      const PrayerTimes t = ComputeMethodTimes(seasonal, polar, 1, date, 0);
      for (int p = Fajr; p < Isha; ++p) EXPECT_LE(Minutes(t[p]), Minutes(t[p + 1])) << latitude;
      EXPECT_LE(Minutes(t[Isha]) - Minutes(t[Fajr]), 24 * 60);
    }
  }
}

TEST(CalculationMethod, NamesRoundTripAndTabularHijriMonths) {
  for (const std::string_view name : MethodNames()) {
    EXPECT_EQ(MethodName(MethodFor(*MethodIdNamed(name)).id), name);
  }
  EXPECT_FALSE(MethodIdNamed("Classic"));
  // 1 Muharram 1 AH, 22 Shawwal 1389, and Ramadan 1445's first and last days.
  const std::tuple<int, int, int, int> cases[] = {
      {622, 7, 15, 0},  {622, 7, 19, 1}, {1970, 1, 1, 10}, {2024, 3, 10, 8},
      {2024, 3, 11, 9}, {2024, 4, 9, 9}, {2024, 4, 10, 10}};
  for (const auto& [y, m, d, month] : cases) {
    EXPECT_EQ(TabularHijriMonth(DaysFromCivil(y, m, d)), month) << y << '-' << m << '-' << d;
  }
}

}  // namespace
}  // namespace kestrivane
