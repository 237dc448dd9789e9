#pragma once
// A time zone's year of clock changes said in the Define Location dialog's
// terms: a standard offset, whether daylight saving is observed, and its
// start and end as the n-th or last weekday of a month or as fixed dates.

#include <cstdint>
#include <span>

#include "calc/calendar.h"
#include "settings/dst_rule.h"

namespace kestrivane {

struct ZoneTransition {
  CivilDay day;          // the date on the clock just before the change
  int32_t offsetBefore;  // seconds east of Greenwich
  int32_t offsetAfter;
};

enum class ZoneFit {
  NoDaylightSaving,  // one offset all year
  Rule,              // weekday words that give next year's changes too
  FixedDates,        // this year's dates; they move from year to year
  Nearest,           // cannot be said: standard offset, daylight saving off
};

struct FittedZone {
  double timeZone = 0;  // hours east of Greenwich, standard time
  bool observes = false;
  CDstRule rule;  // start and end words, the observes bit as above
  ZoneFit fit = ZoneFit::NoDaylightSaving;
};

// The dialog's range of zones, hours.
inline constexpr double kFitMinZone = -12.0;
inline constexpr double kFitMaxZone = 14.0;

// `offset` is the zone's offset at the start of the year (seconds), `year`
// the year's changes in order, `next` the following year's.
FittedZone FitZone(int32_t offset, std::span<const ZoneTransition> year,
                   std::span<const ZoneTransition> next);

}  // namespace kestrivane
