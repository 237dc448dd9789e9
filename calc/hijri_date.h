#pragma once
// The Hijri date of a civil day, by the Umm al-Qura calendar or the tabular
// (civil) one, moved by a few days for a local moon sighting.

#include <cstdint>
#include <string>

#include "resources/shown_text.h"

namespace kestrivane {

enum class HijriCalendar { kNone, kUmmAlQura, kCivil };

inline constexpr int32_t kMaxHijriAdjustment = 2;  // days either way

struct HijriDay {
  int32_t year = 0;
  int32_t month = 0;  // 1..12; 9 is Ramadan
  int32_t day = 0;    // 1..30

  friend bool operator==(const HijriDay&, const HijriDay&) = default;
};

// `days` counts from 1970-01-01 (calc/calendar.h); the adjustment is added to
// it first. Umm al-Qura covers 1300..1600 AH and goes on as the civil
// calendar past them. kNone gives HijriDay{}.
HijriDay HijriFromDays(HijriCalendar calendar, int64_t days, int32_t adjustment = 0);

// The English name of month 1..12 ("Ramadan"), marked for translation in
// the "Hijri" context; "" for any other month.
const char* HijriMonthName(int32_t month);

// "1 Ramadan 1445": the month's name through `translate`, English without one.
std::string FormatHijriDay(const HijriDay& date, const TranslateText& translate = {});
// "1445-09-01".
std::string FormatHijriIso(const HijriDay& date);

}  // namespace kestrivane
