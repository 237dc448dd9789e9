#include <gtest/gtest.h>

#include <sstream>

#include "tools/prefs_dump.h"
#include "tools/times_report.h"

namespace kestrivane {
namespace {

TEST(TimesSettings, WeekdayFollowsTheCalendarInForce) {
  const struct {
    CivilDate date;
    int32_t weekday;
  } cases[] = {
      {{2026, 3, 29}, 0},  {{2000, 1, 1}, 6},  {{2024, 2, 29}, 4}, {{1900, 3, 1}, 4},
      {{1582, 10, 15}, 5}, {{1582, 10, 4}, 4}, {{1, 1, 1}, 6},     {{9999, 12, 31}, 5},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Weekday(c.date), c.weekday)
        << c.date.year << '-' << c.date.month << '-' << c.date.day;
  }
}

TEST(TimesSettings, OptionsOverrideTheFileValues) {
  CLocation location;
  location.Set("Santiago", "Chile", 33, 27, true, 70, 40, true, 570, -4.0, location.m_dstRule);
  CPreferences preferences;
  preferences.Set(1, 0, 16, 15);
  TimesOptions options;
  options.longitude = Coordinate{18, 25, 'E'};
  options.ishaAngle = 20;
  const TimesSettings s = ResolveSettings(options, {2026, 1, 15}, location, preferences);
  EXPECT_EQ(s.location.FormatLatitude(), "33:27 S");
  EXPECT_EQ(s.location.FormatLongitude(), "18:25 E");
  EXPECT_EQ(s.location.m_dTimeZone, -4.0);
  EXPECT_EQ(s.preferences.m_nFajrAngle, 16);
  EXPECT_EQ(s.preferences.m_nIshaAngle, 20);
  EXPECT_EQ(s.preferences.m_nFiqh, 0);
  EXPECT_TRUE(s.use24Hour);        // from the file's clock format
  EXPECT_EQ(s.daylightSaving, 0);  // rule not observed
}

TEST(TimesSettings, DaylightSavingComesFromTheRuleUnlessForced) {
  CLocation location;
  location.m_dstRule.SetWeekday(true, true, 9, 0, 0);    // first Sunday of October
  location.m_dstRule.SetWeekday(false, false, 3, 0, 0);  // first Sunday of April
  const struct {
    CivilDate date;
    bool forced;
    int32_t expected;
  } cases[] = {
      {{2026, 1, 15}, false, 1}, {{2026, 12, 15}, false, 1}, {{2026, 6, 15}, false, 0},
      {{2026, 4, 4}, false, 1},  {{2026, 4, 5}, false, 0},   {{2026, 6, 15}, true, 1},
  };
  for (const auto& c : cases) {
    TimesOptions options;
    options.daylightSaving = c.forced;
    EXPECT_EQ(ResolveSettings(options, c.date, location, CPreferences()).daylightSaving, c.expected)
        << c.date.month << '-' << c.date.day;
  }
}

TEST(PrefsDump, EscapesEveryByteOutsidePrintableAscii) {
  EXPECT_EQ(JsonString(std::string("a\"b\\c\x01\x7F\xE9~ ", 10)),
            "\"a\\\"b\\\\c\\u0001\\u007f\\u00e9~ \"");
}

class NoReports : public SettingsReporter {
  void ReportError(const std::string&) override { ADD_FAILURE() << "unexpected report"; }
};

TEST(PrefsDump, OlderAlarmLayoutPrintsNoEntries) {
  NoReports reporter;
  CLocations document(reporter);
  document.m_loadReport.alarmsTag = 1;
  document.m_preferences.m_alarms.m_recipients = {"r\n"};
  document.m_location.m_dTimeZone = 5.75;
  std::ostringstream out;
  WritePrefsJson(out, document);
  const std::string json = out.str();
  EXPECT_NE(json.find("\"alarms\":{\"tag\":1,\"olderLayout\":true,\"playSound\":0,"
                      "\"recipients\":[\"r\\u000a\"]}"),
            std::string::npos)
      << json;
  EXPECT_EQ(json.find("entries"), std::string::npos);
  EXPECT_NE(json.find("\"timeZone\":5.75,"), std::string::npos) << json;
}

}  // namespace
}  // namespace kestrivane
