#pragma once
// --city and --city-list of kestrivane-times: the city database's matches,
// and the best one's position and zone in place of the location's.

#include <iosfwd>
#include <string>

#include "calc/calendar.h"
#include "tools/times_options.h"

namespace kestrivane {

class CityDatabase;
class CLocation;

// One line per match: city, country, latitude and longitude as --lat and
// --lon take them, IANA zone, separated by tabs. False when none matches.
bool WriteCityList(std::ostream& out, const CityDatabase& database, const std::string& name);

// The best match for options.city into `options` and `location`: its
// position, and its zone's offset and daylight saving on `date` from the
// zone data (with --month, the month's year fitted to a rule). Returns an
// error line, empty on success; `found` describes the city chosen.
std::string ApplyCityOption(const CityDatabase& database, TimesOptions& options,
                            CLocation& location, const CivilDay& date, std::string& found);

}  // namespace kestrivane
