// The Hijri calendars against published dates, and the day adjustment
// across month and year ends.

#include "calc/hijri_date.h"

#include <gtest/gtest.h>

#include "calc/calendar.h"

namespace kestrivane {
namespace {

HijriDay Hijri(HijriCalendar calendar, const CivilDay& civil, int32_t adjustment = 0) {
  return HijriFromDays(calendar, DaysFromCivil(civil.year, civil.month, civil.day), adjustment);
}

// The first day of each month of 1445..1448 AH, from the official Umm al-Qura
// month starts as the hijri-converter package (npm @tabby_ai/hijri-converter
// 1.0.5, ummalqura.js) carries them; 1 Ramadan 1445 = 11 March 2024, 1 Shawwal
// 1445 = 10 April 2024 and 1 Muharram 1446 = 7 July 2024 as announced.
TEST(HijriDate, UmmAlQuraMonthsBeginOnThePublishedDays) {
  struct Start {
    int32_t month;  // of 1445 counted on: 13 is Muharram 1446
    CivilDay first;
  };
  // clang-format off
  const Start starts[] = {
      {1, {2023, 7, 19}}, {2, {2023, 8, 17}}, {3, {2023, 9, 16}}, {4, {2023, 10, 16}},
      {5, {2023, 11, 15}}, {6, {2023, 12, 14}}, {7, {2024, 1, 13}}, {8, {2024, 2, 11}},
      {9, {2024, 3, 11}}, {10, {2024, 4, 10}}, {11, {2024, 5, 9}}, {12, {2024, 6, 7}},
      {13, {2024, 7, 7}}, {14, {2024, 8, 5}}, {15, {2024, 9, 4}}, {16, {2024, 10, 4}},
      {17, {2024, 11, 3}}, {18, {2024, 12, 2}}, {19, {2025, 1, 1}}, {20, {2025, 1, 31}},
      {21, {2025, 3, 1}}, {22, {2025, 3, 30}}, {23, {2025, 4, 29}}, {24, {2025, 5, 28}},
      {25, {2025, 6, 26}}, {26, {2025, 7, 26}}, {27, {2025, 8, 24}}, {28, {2025, 9, 23}},
      {29, {2025, 10, 23}}, {30, {2025, 11, 22}}, {31, {2025, 12, 21}}, {32, {2026, 1, 20}},
      {33, {2026, 2, 18}}, {34, {2026, 3, 20}}, {35, {2026, 4, 18}}, {36, {2026, 5, 18}},
      {37, {2026, 6, 16}}, {38, {2026, 7, 15}}, {39, {2026, 8, 14}}, {40, {2026, 9, 12}},
      {41, {2026, 10, 12}}, {42, {2026, 11, 11}}, {43, {2026, 12, 10}}, {44, {2027, 1, 9}},
      {45, {2027, 2, 8}}, {46, {2027, 3, 9}}, {47, {2027, 4, 8}}, {48, {2027, 5, 7}},
      {49, {2027, 6, 6}}};
  // clang-format on
  for (std::size_t i = 0; i + 1 < std::size(starts); ++i) {
    const Start& s = starts[i];
    const HijriDay first{1445 + (s.month - 1) / 12, (s.month - 1) % 12 + 1, 1};
    const int64_t day = DaysFromCivil(s.first.year, s.first.month, s.first.day);
    const int64_t next =
        DaysFromCivil(starts[i + 1].first.year, starts[i + 1].first.month, starts[i + 1].first.day);
    SCOPED_TRACE(FormatHijriIso(first));
    EXPECT_EQ(HijriFromDays(HijriCalendar::kUmmAlQura, day), first);
    EXPECT_EQ(HijriFromDays(HijriCalendar::kUmmAlQura, next - 1).day, next - day);  // its last
  }
}

TEST(HijriDate, CivilEpochKnownDaysAndTheAdjustment) {
  const struct {
    HijriCalendar calendar;
    CivilDay civil;
    int32_t adjustment;
    HijriDay hijri;
  } cases[] = {
      // 1 Muharram 1 AH: 16 July 622 Julian, 19 July 622 proleptic Gregorian.
      {HijriCalendar::kCivil, {622, 7, 19}, 0, {1, 1, 1}},
      {HijriCalendar::kCivil, {622, 7, 20}, -1, {1, 1, 1}},
      {HijriCalendar::kCivil, {1970, 1, 1}, 0, {1389, 10, 22}},
      {HijriCalendar::kCivil, {1979, 11, 21}, 0, {1400, 1, 1}},
      {HijriCalendar::kCivil, {2000, 1, 1}, 0, {1420, 9, 24}},
      {HijriCalendar::kCivil, {2026, 6, 16}, 0, {1447, 12, 30}},  // a leap year's 355th day
      {HijriCalendar::kCivil, {2026, 6, 16}, 1, {1448, 1, 1}},
      // Umm al-Qura's year and month ends, moved either way.
      {HijriCalendar::kUmmAlQura, {2026, 6, 15}, 1, {1448, 1, 1}},
      {HijriCalendar::kUmmAlQura, {2026, 6, 15}, 2, {1448, 1, 2}},
      {HijriCalendar::kUmmAlQura, {2026, 6, 16}, -1, {1447, 12, 29}},
      {HijriCalendar::kUmmAlQura, {2026, 6, 17}, -2, {1447, 12, 29}},
      {HijriCalendar::kUmmAlQura, {2024, 3, 10}, 1, {1445, 9, 1}},
      {HijriCalendar::kNone, {2024, 3, 11}, 0, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(FormatHijriIso(c.hijri));
    EXPECT_EQ(Hijri(c.calendar, c.civil, c.adjustment), c.hijri);
  }
}

TEST(HijriDate, TextForms) {
  EXPECT_EQ(FormatHijriDay({1445, 9, 1}), "1 Ramadan 1445");
  EXPECT_EQ(FormatHijriDay({1448, 6, 26}), "26 Jumada al-Akhirah 1448");
  EXPECT_EQ(FormatHijriIso({1445, 9, 1}), "1445-09-01");
  EXPECT_EQ(HijriMonthName(12), std::string("Dhu al-Hijjah"));
}

}  // namespace
}  // namespace kestrivane
