#include "calc/qiblah.h"

#include <cmath>

namespace kestrivane {

namespace {
constexpr double kHalfPi = 1.5707963267948966;
constexpr double kPi = 3.141592653589793;
constexpr double kTwoPi = 6.283185307179586;
}  // namespace

double InitialBearing(double latA, double lonA, double latB, double lonB) {
  const double colatA = kHalfPi - latA;
  const double colatB = kHalfPi - latB;
  const double deltaLon = lonA - lonB;

  const double distance = std::acos(std::cos(colatA) * std::cos(colatB) +
                                    std::sin(colatA) * std::sin(colatB) * std::cos(deltaLon));
  const double x = (std::cos(colatB) - std::cos(colatA) * std::cos(distance)) /
                   (std::sin(colatA) * std::sin(distance));

  double angle;
  if (x >= 1) {
    angle = 0.0;
  } else if (x <= -1 || std::isnan(x)) {
    angle = kPi;  // 0/0 at a pole or at the target itself
  } else {
    angle = std::acos(x);
  }

  // West when the difference is within half a turn, or when the target is
  // more than half a turn to the east and so nearer by the west.
  const bool west = (deltaLon > 0 && deltaLon < kPi) || deltaLon < -kPi;
  return west ? kTwoPi - angle : angle;
}

double QiblahDirection(double latitude, double longitude) {
  return InitialBearing(latitude, longitude, kQiblahLatitude, kQiblahLongitude);
}

}  // namespace kestrivane
