// What kestrivane-times prints: settings from the file overridden by the
// options, daylight saving by the rule, and times outside the day.

#include "tools/times_report.h"

#include <gtest/gtest.h>

#include <sstream>
#include <tuple>

namespace kestrivane {
namespace {

TEST(TimesReport, OptionsOverrideTheFileAndTheRuleDecidesDaylightSaving) {
  CLocation location;
  location.Set("Santiago", "Chile", 33, 27, true, 70, 40, true, 570, -4.0, location.m_dstRule);
  location.m_dstRule.SetWeekday(true, true, 9, 0, 0);    // first Sunday of October
  location.m_dstRule.SetWeekday(false, false, 3, 0, 0);  // first Sunday of April
  CPreferences preferences;
  preferences.Set(1, 0, 16, 15);
  TimesOptions options;
  options.longitude = Coordinate{18, 25, 'E'};
  options.ishaAngle = 20;
  const TimesSettings s = ResolveSettings(options, {2026, 4, 4}, location, preferences);
  EXPECT_EQ(s.location.FormatLatitude() + " " + s.location.FormatLongitude(), "33:27 S 18:25 E");
  EXPECT_EQ(std::make_tuple(s.location.m_dTimeZone, s.preferences.m_nFajrAngle,
                            s.preferences.m_nIshaAngle, s.preferences.m_nFiqh, s.use24Hour),
            std::make_tuple(-4.0, 16, 20, 0, true));
  EXPECT_EQ(s.method, MethodFor(MethodId::kClassic, 16, 20));

  // An angle for 'Isha replaces the method's minutes; a decimal one stays
  // out of the settings file.
  TimesOptions m;
  m.method = MethodId::kUmmAlQura;
  m.ishaAngle = 17.5;
  m.fajrAngle = 19;
  const TimesSettings t = ResolveSettings(m, {2026, 4, 4}, location, preferences);
  EXPECT_EQ(std::make_tuple(t.method.id, t.method.fajrAngle, t.method.ishaAngle,
                            t.method.ishaMinutes, t.method.ishaMinutesInRamadan,
                            t.preferences.m_nFajrAngle, t.preferences.m_nIshaAngle),
            std::make_tuple(MethodId::kUmmAlQura, 19.0, 17.5, 0, 0, 19, 15));

  // clang-format off
  const std::tuple<CivilDay, bool, int32_t> cases[] = {
      {{2026, 4, 4}, false, 1}, {{2026, 4, 5}, false, 0}, {{2026, 10, 3}, false, 0},
      {{2026, 10, 4}, false, 1}, {{2026, 6, 15}, true, 1}};  // Sundays 5 April and 4 October
  // clang-format on
  for (const auto& [date, forced, dst] : cases) {
    options.daylightSaving = forced;
    EXPECT_EQ(ResolveSettings(options, date, location, preferences).daylightSaving, dst)
        << date.month << '-' << date.day;
  }
}

TEST(TimesReport, TimesOutsideTheDayShowTheDayTheyFallOn) {
  PrayerTimes times;
  const PrayerTime given[] = {{-20, -14}, {0, -15}, {0, 0}, {23, 59}, {24, 0}, {30, 54}};
  std::copy(std::begin(given), std::end(given), times.times.begin());
  std::ostringstream text, twelve, json;
  WritePlainTimes(text, times, true);
  WritePlainTimes(twelve, times, false);
  WriteJson(json, {2000, 6, 21}, {1421, 3, 19}, times, 0.0);
  EXPECT_EQ(text.str(),
            "Fajr     03:46 -1\nShurooq  23:45 -1\nZuhr     00:00\n"
            "Asr      23:59\nMaghrib  00:00 +1\nIsha     06:54 +1\n");
  EXPECT_EQ(twelve.str().substr(0, 46), "Fajr      3:46 A.M. -1\nShurooq  11:45 P.M. -1\n");
  EXPECT_EQ(json.str(),
            "{\"date\":\"2000-06-21\",\"hijri\":\"1421-03-19\","
            "\"fajr\":{\"time\":\"03:46\",\"day\":-1},\"shurooq\":{\"time\":\"23:45\",\"day\":-1},"
            "\"zuhr\":\"00:00\",\"asr\":\"23:59\",\"maghrib\":{\"time\":\"00:00\",\"day\":1},"
            "\"isha\":{\"time\":\"06:54\",\"day\":1},\"qiblah\":0.0000}\n");
}

}  // namespace
}  // namespace kestrivane
