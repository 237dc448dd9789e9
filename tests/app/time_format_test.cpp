#include "app/time_format.h"

#include <gtest/gtest.h>

namespace kestrivane {
namespace {

TEST(FormatTimeOfDay, BothClocks) {
  const struct {
    int16_t hour, minute;
    bool use24Hour;
    const char* text;
  } cases[] = {
      {4, 5, true, "04:05"},
      {13, 30, true, "13:30"},
      {0, 15, true, "00:15"},
      {4, 5, false, " 4:05 A.M."},
      {12, 30, false, "12:30 P.M."},
      {13, 30, false, " 1:30 P.M."},
      {0, 15, false, " 0:15 A.M."},
      {11, 5, false, "11:05 A.M."},
      {12, 0, false, "12:00 P.M."},
      {23, 59, false, "11:59 P.M."},
      // 24:00 and later: the next day's clock time.
      {24, 5, false, "12:05 A.M."},
      {24, 5, true, "00:05"},
      {25, 0, false, " 1:00 A.M."},
      {36, 10, false, "12:10 P.M."},
      // Before the day: shown as they come.
      {0, -15, false, " 0:-15 A.M."},
      {-1, -30, true, "-1:-30"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FormatTimeOfDay(c.hour, c.minute, c.use24Hour), c.text)
        << c.hour << ':' << c.minute << (c.use24Hour ? " 24h" : " 12h");
  }
}

}  // namespace
}  // namespace kestrivane
