#include "settings/zone_fit.h"

#include <algorithm>
#include <optional>

#include "calc/conversions.h"

namespace kestrivane {

namespace {

constexpr int32_t kHour = 3600;
constexpr int32_t kLast = 4;

int32_t MonthLength(int32_t year, int32_t month) {
  return DaysInMonth(static_cast<int16_t>(year), static_cast<int16_t>(month));
}

// The day of `month` in `year` that the ordinal (0..3, 4 = last) weekday falls on.
int32_t WeekdayDay(int32_t year, int32_t month, int32_t ordinal, int32_t weekday) {
  const int32_t first = ordinal == kLast ? MonthLength(year, month) - 6 : 1 + 7 * ordinal;
  return first + (weekday - CivilWeekday(year, month, first) + 7) % 7;
}

// The change in `changes` that goes the same way and falls in the same month as `like`.
std::optional<CivilDay> Matching(std::span<const ZoneTransition> changes,
                                 const ZoneTransition& like) {
  const bool forward = like.offsetAfter > like.offsetBefore;
  for (const ZoneTransition& t : changes) {
    if ((t.offsetAfter > t.offsetBefore) == forward && t.day.month == like.day.month) return t.day;
  }
  return std::nullopt;
}

// Sets one word as a weekday rule when one also names next year's change;
// the last weekday first, as rules are usually written.
bool SetAsWeekday(CDstRule& rule, bool isStart, const ZoneTransition& t,
                  std::span<const ZoneTransition> next) {
  const CivilDay d = t.day;
  const std::optional<CivilDay> later = Matching(next, t);
  if (!later) return false;
  const int32_t weekday = CivilWeekday(d.year, d.month, d.day);
  for (int32_t ordinal : {kLast, (d.day - 1) / 7}) {
    if (ordinal > kLast || WeekdayDay(d.year, d.month, ordinal, weekday) != d.day) continue;
    if (WeekdayDay(later->year, later->month, ordinal, weekday) != later->day) continue;
    rule.SetWeekday(isStart, true, d.month - 1, ordinal, weekday);
    return true;
  }
  return false;
}

}  // namespace

FittedZone FitZone(int32_t offset, std::span<const ZoneTransition> year,
                   std::span<const ZoneTransition> next) {
  FittedZone fitted;
  int32_t standard = offset;
  for (const ZoneTransition& t : year)
    standard = std::min({standard, t.offsetBefore, t.offsetAfter});
  fitted.timeZone = std::clamp(standard / double{kHour}, kFitMinZone, kFitMaxZone);
  const bool inRange = fitted.timeZone * kHour == standard;
  if (year.empty() && inRange) return fitted;

  fitted.fit = ZoneFit::Nearest;
  const bool sayable =
      inRange && year.size() == 2 &&
      std::all_of(year.begin(), year.end(),
                  [&](const ZoneTransition& t) {
                    return std::max(t.offsetBefore, t.offsetAfter) == standard + kHour &&
                           std::min(t.offsetBefore, t.offsetAfter) == standard;
                  }) &&
      (year[0].offsetAfter > year[0].offsetBefore) != (year[1].offsetAfter > year[1].offsetBefore);
  if (!sayable) return fitted;

  const ZoneTransition& start = year[0].offsetAfter > year[0].offsetBefore ? year[0] : year[1];
  const ZoneTransition& end = &start == &year[0] ? year[1] : year[0];
  fitted.observes = true;
  fitted.fit = ZoneFit::Rule;
  if (!SetAsWeekday(fitted.rule, true, start, next) ||
      !SetAsWeekday(fitted.rule, false, end, next)) {
    fitted.fit = ZoneFit::FixedDates;
    fitted.rule.SetDate(true, true, start.day.month - 1, start.day.day - 1);
    fitted.rule.SetDate(false, true, end.day.month - 1, end.day.day - 1);
  }
  return fitted;
}

}  // namespace kestrivane
