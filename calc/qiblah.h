#pragma once
// Initial great-circle bearing towards the Kaaba in Mecca.

namespace kestrivane {

// Kaaba: 21°25' N, 39°49' E, in radians.
inline constexpr double kQiblahLatitude = 0.3737913481354523;
inline constexpr double kQiblahLongitude = 0.694931930502409;

// Bearing from A towards B, radians clockwise from north, 0 to 2π. Inputs
// in radians, north and east positive; longitudes are not reduced first.
double InitialBearing(double latA, double lonA, double latB, double lonB);

// InitialBearing from the location to the Kaaba.
double QiblahDirection(double latitude, double longitude);

}  // namespace kestrivane
