#include "calc/solar_position.h"

#include <gtest/gtest.h>

#include <cmath>

#include "calc/conversions.h"

namespace kestrivane {
namespace {

struct SolarCase {
  int16_t year, month, day;
  int16_t dayIndex;
  double dayCount;
  double declinationRad;  // nine decimals
  double declinationDeg;  // six decimals
  double equationOfTime;  // six decimals, minutes
};

const SolarCase kReference[] = {
    {2000, 1, 1, 0, -1.0, -0.403330915, -23.109159, 3.281234},
    {2000, 3, 15, 74, 73.0, -0.040071480, -2.295927, 9.649402},
    {2000, 6, 21, 172, 171.0, 0.409072534, 23.438130, 1.434342},
    {1999, 11, 3, 306, -60.25, -0.255080798, -14.615053, -16.422726},
    {1999, 12, 31, 364, -2.25, -0.404789308, -23.192719, 2.715132},
    {2000, 12, 31, 365, 364.0, -0.403628365, -23.126202, 3.168489},
    {2001, 1, 1, 0, 364.25, -0.403319607, -23.108511, 3.281234},
};

TEST(SolarPosition, ReferenceValues) {
  for (const auto& c : kReference) {
    SCOPED_TRACE(testing::Message() << c.year << '-' << c.month << '-' << c.day);
    const int16_t index = DayIndex(c.year, c.month, c.day);
    ASSERT_EQ(index, c.dayIndex);
    EXPECT_EQ(DayCount(c.year, index), c.dayCount);  // exact
    const double declination = SunDeclination(c.year, index);
    EXPECT_NEAR(declination, c.declinationRad, 5e-10);
    EXPECT_NEAR(RadToDeg(declination), c.declinationDeg, 5e-7);
    EXPECT_NEAR(EquationOfTime(index), c.equationOfTime, 5e-7);
  }
}

TEST(SolarPosition, DayCountStepsAtTheTurnOfTheYear) {
  EXPECT_EQ(DayCount(2000, 0) - DayCount(1999, 364), 1.25);
  EXPECT_EQ(DayCount(2001, 0) - DayCount(2000, 365), 0.25);
  EXPECT_EQ(DayCount(1900, 0), 365.25 * -100 - 1.0);
  EXPECT_EQ(DayCount(2100, 59), 365.25 * 100 + 58.0);
}

TEST(SolarPosition, FarYearsStayFinite) {
  // No reduction to 0..360: large day counts only grow the arguments.
  for (int16_t year : {1, 1000, 3000, 9999}) {
    const double declination = SunDeclination(year, 100);
    EXPECT_TRUE(std::isfinite(declination)) << year;
    EXPECT_LT(std::fabs(declination), 0.42) << year;
  }
}

}  // namespace
}  // namespace kestrivane
