#include "tools/times_options.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kestrivane {
namespace {

ParsedTimesOptions Parse(std::vector<std::string> args) { return ParseTimesOptions(args); }

TEST(TimesOptions, RefusesOutOfRangeValuesNamingTheArgument) {
  const struct {
    std::vector<std::string> args;
    const char* named;
  } cases[] = {
      {{"--lat", "90:01N"}, "--lat"},     {{"--lat", "91:00N"}, "--lat"},
      {{"--lat", "33:60N"}, "--lat"},     {{"--lat", "33:40E"}, "--lat"},
      {{"--lat", "-33:40N"}, "--lat"},    {{"--lat", "33:40"}, "--lat"},
      {{"--lon", "181:00E"}, "--lon"},    {{"--lon", "73:10N"}, "--lon"},
      {{"--tz", "14.5"}, "--tz"},         {{"--tz", "-12.1"}, "--tz"},
      {{"--tz", "five"}, "--tz"},         {{"--tz", "nan"}, "--tz"},
      {{"--alt", "-10"}, "--alt"},        {{"--alt", "65536"}, "--alt"},
      {{"--alt", "1.5"}, "--alt"},        {{"--fajr", "10"}, "--fajr"},
      {{"--isha", "25"}, "--isha"},       {{"--fiqh", "maliki"}, "--fiqh"},
      {{"--date", "2001-02-29"}, "--date"}, {{"--date", "2000-13-01"}, "--date"},
      {{"--date", "0000-01-01"}, "--date"}, {{"--date", "10000-01-01"}, "--date"},
      {{"--date", "2000-1-1"}, "--date"}, {{"--date"}, "--date"},
      {{"--bogus"}, "--bogus"},           {{"--prefs", ""}, "--prefs"},
      {{"--dump-prefs"}, "--dump-prefs"},
  };
  for (const auto& c : cases) {
    const auto parsed = Parse(c.args);
    EXPECT_FALSE(parsed.ok()) << c.args[0] << ' ' << (c.args.size() > 1 ? c.args[1] : "");
    EXPECT_NE(parsed.error.find(c.named), std::string::npos) << parsed.error;
  }
}

TEST(TimesOptions, AcceptsTheEdgesOfEachRange) {
  const auto parsed = Parse({"--lat", "90:00S", "--lon=180:00w", "--tz", "-12", "--alt", "65535",
                             "--fajr", "11", "--isha", "24", "--fiqh", "shafii", "--date",
                             "1500-02-29", "--dst", "--24h", "--prefs", "my.dat",
                             "--dump-prefs=other.dat"});
  ASSERT_TRUE(parsed.ok()) << parsed.error;
  const TimesOptions& o = parsed.options;
  EXPECT_EQ(o.latitude->degrees, 90);
  EXPECT_EQ(o.latitude->hemisphere, 'S');
  EXPECT_EQ(o.longitude->hemisphere, 'W');
  EXPECT_EQ(*o.timeZone, -12.0);
  EXPECT_EQ(*o.altitude, 65535);
  EXPECT_EQ(*o.fajrAngle, 11);
  EXPECT_EQ(*o.ishaAngle, 24);
  EXPECT_EQ(*o.fiqh, 0);
  EXPECT_EQ(o.date->year, 1500);  // Julian leap day
  EXPECT_TRUE(o.daylightSaving);
  EXPECT_TRUE(o.use24Hour);
  EXPECT_FALSE(o.json);
  EXPECT_EQ(*o.prefsFile, "my.dat");
  EXPECT_EQ(*o.dumpPrefsFile, "other.dat");
}

TEST(TimesOptions, MonthTakesTheDialogsYearsAndItsOwnCompanions) {
  const struct {
    std::vector<std::string> args;
    const char* named;  // nullptr: accepted
  } cases[] = {
      {{"--month", "1900-01"}, nullptr},
      {{"--month=2100-12", "--crlf", "--ics", "out.ics"}, nullptr},
      {{"--month", "2000-02", "--prefs", "p.dat", "--24h", "--lat", "1:00S"}, nullptr},
      {{"--month", "1899-12"}, "--month"},
      {{"--month", "2101-01"}, "--month"},
      {{"--month", "2000-13"}, "--month"},
      {{"--month", "2000-00"}, "--month"},
      {{"--month", "2000-1"}, "--month"},
      {{"--month", "02000-01"}, "--month"},
      {{"--month", "+200-01"}, "--month"},
      {{"--month", "2000-+1"}, "--month"},
      {{"--month", "2000/01"}, "--month"},
      {{"--month"}, "--month"},
      {{"--crlf"}, "--crlf"},
      {{"--ics", "out.ics"}, "--ics"},
      {{"--month", "2000-01", "--ics", ""}, "--ics"},
      {{"--month", "2000-01", "--date", "2000-01-01"}, "--month"},
      {{"--month", "2000-01", "--json"}, "--month"},
      {{"--month", "2000-01", "--dst"}, "--dst"},
      {{"--month", "2000-03", "--pdf", "march.pdf"}, nullptr},
      {{"--pdf", "march.pdf"}, "--pdf"},
      {{"--month", "2000-03", "--pdf", ""}, "--pdf"},
      {{"--month", "2000-03", "--pdf", "a.pdf", "--ics", "a.ics"}, "--pdf"},
      {{"--month", "1899-12", "--pdf", "a.pdf"}, "--month"},
      {{"--pdf", "a.pdf", "--month", "2101-01"}, "--month"},
  };
  for (const auto& c : cases) {
    const auto parsed = Parse(c.args);
    if (c.named == nullptr) {
      EXPECT_TRUE(parsed.ok()) << c.args[1] << ": " << parsed.error;
      continue;
    }
    EXPECT_FALSE(parsed.ok()) << c.args[0] << ' ' << (c.args.size() > 1 ? c.args[1] : "");
    EXPECT_EQ(parsed.error.find(c.named), 0u) << parsed.error;
    EXPECT_EQ(parsed.error.find('\n'), std::string::npos);
  }
  const auto parsed = Parse({"--month", "2100-02", "--ics", "-"});
  ASSERT_TRUE(parsed.ok());
  EXPECT_EQ(parsed.options.month->year, 2100);
  EXPECT_EQ(parsed.options.month->month, 2);
  EXPECT_EQ(*parsed.options.icsFile, "-");
  EXPECT_FALSE(parsed.options.crlf);
}

}  // namespace
}  // namespace kestrivane
