#include "calc/qiblah.h"

#include <gtest/gtest.h>

#include <cmath>

#include "calc/conversions.h"

namespace kestrivane {
namespace {

double Radians(int16_t degrees, int16_t minutes, bool negative) {
  const double radians = DegToRad(DegMinToDeg(degrees, minutes));
  return negative ? radians * -1.0 : radians;
}

struct BearingCase {
  const char* name;
  int16_t latDeg, latMin;
  bool south;
  int16_t lonDeg, lonMin;
  bool west;
  double radians;
  double degrees;  // four decimals
  int shown;       // whole degrees, rounded half up
};

const BearingCase kBearings[] = {
    {"islamabad", 33, 40, false, 73, 10, false, 4.46879812211027, 256.0433, 256},
    {"cape_town", 33, 55, true, 18, 25, false, 0.40761774628410735, 23.3548, 23},
    {"new_york", 40, 43, false, 74, 0, true, 1.0209481623839947, 58.4960, 58},
    {"london", 51, 30, false, 0, 7, true, 2.0770837794999606, 119.0081, 119},
    {"jakarta", 6, 10, true, 106, 49, false, 5.151124288642805, 295.1377, 295},
    {"sydney", 33, 52, true, 151, 13, false, 4.843052379130524, 277.4865, 277},
    {"medina_side", 24, 28, false, 39, 36, false, 3.0755214155015196, 176.2144, 176},
};

int Shown(double radians) { return TruncateToInt32(RadToDeg(radians) + 0.5); }

TEST(Qiblah, ReferenceBearings) {
  for (const auto& c : kBearings) {
    const double bearing =
        QiblahDirection(Radians(c.latDeg, c.latMin, c.south), Radians(c.lonDeg, c.lonMin, c.west));
    EXPECT_NEAR(bearing, c.radians, 1e-12) << c.name;
    EXPECT_NEAR(RadToDeg(bearing), c.degrees, 5e-5) << c.name;
    EXPECT_EQ(Shown(bearing), c.shown) << c.name;
  }
}

TEST(Qiblah, OnTheTargetsMeridian) {
  const double lon = Radians(39, 49, false);
  EXPECT_EQ(Shown(QiblahDirection(Radians(40, 0, false), lon)), 180);  // north of it
  EXPECT_EQ(Shown(QiblahDirection(Radians(5, 0, false), lon)), 0);     // south of it
}

TEST(InitialBearing, DegenerateAndWrappedCases) {
  // At the target itself the quotient is 0/0: the bearing is π, never NaN.
  EXPECT_EQ(QiblahDirection(kQiblahLatitude, kQiblahLongitude), 3.141592653589793);
  // At the north pole every direction is south.
  EXPECT_FALSE(std::isnan(InitialBearing(1.5707963267948966, 0.3, 0.1, 0.2)));
  // A target more than half a turn to the east is nearer by the west, and
  // the same point given with a longitude 2π apart gives the same bearing.
  const double east = InitialBearing(0.5, -2.5, 0.3, 2.5);
  const double wrapped = InitialBearing(0.5, -2.5 + 6.283185307179586, 0.3, 2.5);
  EXPECT_GT(east, 3.141592653589793);
  EXPECT_NEAR(east, wrapped, 1e-9);
}

}  // namespace
}  // namespace kestrivane
