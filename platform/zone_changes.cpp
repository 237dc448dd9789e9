#include "platform/zone_changes.h"

#include <QTimeZone>
#include <algorithm>
#include <vector>

namespace kestrivane {

namespace {

QDateTime YearStart(int32_t year) { return QDateTime(QDate(year, 1, 1), QTime(0, 0), Qt::UTC); }

std::vector<ZoneTransition> ChangesOf(const QTimeZone& zone, int32_t year) {
  std::vector<ZoneTransition> changes;
  // Local years begin up to 14 hours away from UTC's.
  const QDateTime from = YearStart(year).addSecs(-14 * 3600);
  const QDateTime to = YearStart(year + 1).addSecs(14 * 3600);
  for (const QTimeZone::OffsetData& change : zone.transitions(from, to)) {
    const int32_t before = zone.offsetFromUtc(change.atUtc.addSecs(-1));
    if (before == change.offsetFromUtc) continue;  // only a name or the DST flag changed
    // The date on the clock just before the change: the day it belongs to.
    const QDate day = change.atUtc.addSecs(before - 1).date();
    if (day.year() != year) continue;
    changes.push_back({{day.year(), day.month(), day.day()}, before, change.offsetFromUtc});
  }
  return changes;
}

}  // namespace

FittedZone FitIanaZone(const QByteArray& zoneId, int32_t year) {
  const QTimeZone zone(zoneId);
  if (!zone.isValid()) {
    FittedZone unknown;
    unknown.fit = ZoneFit::Nearest;
    return unknown;
  }
  const std::vector<ZoneTransition> changes = ChangesOf(zone, year),
                                    next = ChangesOf(zone, year + 1);
  return FitZone(zone.offsetFromUtc(YearStart(year)), changes, next);
}

DayOffset OffsetOnDay(const QByteArray& zoneId, const CivilDay& day) {
  const QTimeZone zone(zoneId);
  if (!zone.isValid()) return {};
  const int32_t offset =
      QDateTime(QDate(day.year, day.month, day.day), QTime(12, 0), zone).offsetFromUtc();
  int32_t smallest = zone.offsetFromUtc(YearStart(day.year));
  for (const ZoneTransition& change : ChangesOf(zone, day.year)) {
    smallest = std::min({smallest, change.offsetBefore, change.offsetAfter});
  }
  const bool daylightSaving = offset == smallest + 3600;
  return {(daylightSaving ? smallest : offset) / 3600.0, daylightSaving, true};
}

}  // namespace kestrivane
