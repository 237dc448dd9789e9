#pragma once
// A city's IANA time zone, from the system's zone data: its clock changes
// in the dialog's terms, and its offset on a given day.

#include <QByteArray>
#include <cstdint>

#include "calc/calendar.h"
#include "settings/zone_fit.h"

namespace kestrivane {

// `year`'s changes fitted to a standard offset and a daylight-saving rule;
// an unknown zone gives offset 0, fitted as Nearest.
FittedZone FitIanaZone(const QByteArray& zone, int32_t year);

// The zone's offset (hours) at noon of `day` and whether that is daylight
// saving: one hour more than the year's smallest offset.
struct DayOffset {
  double timeZone = 0;  // standard offset when daylightSaving, else the offset itself
  bool daylightSaving = false;
  bool known = false;
};
DayOffset OffsetOnDay(const QByteArray& zone, const CivilDay& day);

}  // namespace kestrivane
