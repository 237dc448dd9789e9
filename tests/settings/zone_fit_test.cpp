// A zone's year of clock changes in the location's terms, over the cases
// the terms cannot say plainly.

#include "settings/zone_fit.h"

#include <gtest/gtest.h>

#include <vector>

namespace kestrivane {
namespace {

constexpr int32_t H = 3600;

struct FitRow {
  const char* zone;
  int32_t offset;
  std::vector<ZoneTransition> year, next;
  double timeZone;
  ZoneFit fit;
  uint16_t start, end;  // the observes bit included
};

TEST(FitZone, SaysEachYearInTheDialogsTermsOrTheNearest) {
  // clang-format off
  const FitRow rows[] = {
      // Southern hemisphere: first Sunday of April back, first Sunday of October forward.
      {"Australia/Sydney", 11 * H,
       {{{2026, 4, 5}, 11 * H, 10 * H}, {{2026, 10, 4}, 10 * H, 11 * H}},
       {{{2027, 4, 4}, 11 * H, 10 * H}, {{2027, 10, 3}, 10 * H, 11 * H}},
       10, ZoneFit::Rule, 0x8900, 0x0300},
      // Last Sunday of March (the 29th: not a fourth Sunday) and of October.
      {"Europe/Paris", H,
       {{{2026, 3, 29}, H, 2 * H}, {{2026, 10, 25}, 2 * H, H}},
       {{{2027, 3, 28}, H, 2 * H}, {{2027, 10, 31}, 2 * H, H}},
       1, ZoneFit::Rule, 0x8220, 0x0920},
      // Ramadan's change back moves every year: this year's dates, the end first.
      {"Africa/Casablanca", H,
       {{{2026, 2, 15}, H, 0}, {{2026, 3, 22}, 0, H}},
       {{{2027, 2, 7}, H, 0}, {{2027, 3, 14}, 0, H}},
       0, ZoneFit::FixedDates, 0x8295, 0x018E},
      // Half an hour's shift cannot be said: standard time only.
      {"Australia/Lord_Howe", 11 * H,
       {{{2026, 4, 5}, 11 * H, 10 * H + H / 2}, {{2026, 10, 4}, 10 * H + H / 2, 11 * H}},
       {},
       10.5, ZoneFit::Nearest, 0x0220, 0x0920},
      {"Asia/Tehran", 3 * H + H / 2, {}, {}, 3.5, ZoneFit::NoDaylightSaving, 0x0220, 0x0920},
      // Past the dialog's +14.
      {"Etc/GMT-15", 15 * H, {}, {}, 14, ZoneFit::Nearest, 0x0220, 0x0920},
  };
  // clang-format on
  for (const FitRow& row : rows) {
    SCOPED_TRACE(row.zone);
    const FittedZone fitted = FitZone(row.offset, row.year, row.next);
    EXPECT_EQ(fitted.timeZone, row.timeZone);
    EXPECT_EQ(fitted.fit, row.fit);
    EXPECT_EQ(fitted.observes, (row.start & CDstRule::kObserves) != 0);
    EXPECT_EQ(fitted.rule.m_wStart, row.start);
    EXPECT_EQ(fitted.rule.m_wEnd, row.end);
  }
}

}  // namespace
}  // namespace kestrivane
