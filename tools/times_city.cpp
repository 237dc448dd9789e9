#include "tools/times_city.h"

#include <cstdio>
#include <ostream>

#include "platform/city_database.h"
#include "platform/plain_text.h"
#include "platform/zone_changes.h"
#include "settings/location.h"

namespace kestrivane {

namespace {

Coordinate CoordinateOf(double degrees, char positive, char negative) {
  const DegreesMinutes d = RoundToMinute(degrees);
  return {static_cast<int16_t>(d.degrees), static_cast<int16_t>(d.minutes),
          d.negative ? negative : positive};
}

std::string Format(const Coordinate& c) {
  char text[16];
  std::snprintf(text, sizeof text, "%d:%02d%c", c.degrees, c.minutes, c.hemisphere);
  return text;
}

std::string NameOf(const City& city) { return city.Shown().toStdString(); }

}  // namespace

bool WriteCityList(std::ostream& out, const CityDatabase& database, const std::string& name) {
  const auto matches = database.Search(QString::fromStdString(name));
  for (const City* city : matches) {
    out << NameOf(*city) << '\t' << Format(CoordinateOf(city->latitude, 'N', 'S')) << '\t'
        << Format(CoordinateOf(city->longitude, 'E', 'W')) << '\t' << city->zone.constData()
        << '\n';
  }
  return !matches.empty();
}

std::string ApplyCityOption(const CityDatabase& database, TimesOptions& options,
                            CLocation& location, const CivilDay& date, std::string& found) {
  const auto matches = database.Search(QString::fromStdString(*options.city), 1);
  if (matches.empty())
    return "--city: no city in the city database is called '" + EscapeForDisplay(*options.city) +
           "'";
  const City& city = *matches.front();
  options.latitude = CoordinateOf(city.latitude, 'N', 'S');
  options.longitude = CoordinateOf(city.longitude, 'E', 'W');
  CDstRule& rule = location.m_dstRule;
  char zone[64];
  if (options.month) {
    const FittedZone fitted = FitIanaZone(city.zone, options.month->year);
    options.timeZone = fitted.timeZone;
    rule.m_wStart = fitted.observes ? fitted.rule.m_wStart
                                    : static_cast<uint16_t>(rule.m_wStart & ~CDstRule::kObserves);
    rule.m_wEnd = fitted.observes ? fitted.rule.m_wEnd : rule.m_wEnd;
    std::snprintf(zone, sizeof zone, "zone %g%s", fitted.timeZone,
                  fitted.fit == ZoneFit::Nearest ? ", its clock changes not followed"
                  : fitted.observes              ? ", daylight saving by its rule"
                                                 : "");
  } else {
    // The offset of that very date: no rule needed.
    const DayOffset offset = OffsetOnDay(city.zone, date);
    if (!offset.known)
      return "--city: the zone " + city.zone.toStdString() + " is not in the system's zone data";
    options.timeZone = offset.timeZone;
    options.daylightSaving = offset.daylightSaving;
    rule.m_wStart = static_cast<uint16_t>(rule.m_wStart & ~CDstRule::kObserves);
    std::snprintf(zone, sizeof zone, "zone %g%s", offset.timeZone,
                  offset.daylightSaving ? ", daylight saving" : "");
  }
  found = NameOf(city) + " (" + Format(*options.latitude) + " " + Format(*options.longitude) +
          ", " + city.zone.toStdString() + ", " + zone + ")";
  return {};
}

}  // namespace kestrivane
