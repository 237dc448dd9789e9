// The command line of kestrivane-times: every value in its documented form
// or one exact error line, with the bad argument escaped for the terminal.

#include "tools/times_options.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace kestrivane {
namespace {

TEST(TimesOptions, RefusedValuesNameTheOptionAndItsForm) {
  const std::string date = "YYYY-MM-DD, a real date in the years 1 to 9999";
  const std::string angle = "degrees from 11 to 24, decimals allowed";
  // clang-format off
  const std::tuple<std::string, std::vector<std::string>, std::string> cases[] = {
      {"--date", {"24-01-01", "2001-02-29", "0000-01-01", "2000-1-01", "+200-01-01", "2000-01-1 "}, date},
      {"--tz", {"0x5", "0x1p2", "1.", "1e1", ".5", "14.5", "-12.5", " 5", "inf", ""},
       "hours east of Greenwich, a number from -12 to 14"},
      {"--lat", {"90:01N", "33:5N", "+3:05N", "33:40E", "33:40", "0090:00N"},
       "D:MM followed by N or S, degrees 0 to 90, minutes 0 to 59"},
      {"--lon", {"181:00E", "73:60E"}, "D:MM followed by E or W, degrees 0 to 180, minutes 0 to 59"},
      {"--alt", {"-0", "65536", "1.5"}, "whole metres from 0 to 65535"},
      {"--fajr", {"10", "25", "0000000011"}, angle}, {"--isha", {"+24"}, angle},
      {"--fiqh", {"maliki"}, "shafii or hanafi"},
      {"--month", {"1899-12", "2101-01", "2000-13", "2000-00", "2000-+1", "02000-1"},
       "YYYY-MM, a year from 1900 to 2100 and a month from 01 to 12"},
      {"--prefs", {""}, "a settings file name"},
      {"--method", {"Kuwait", "mwl", ""}, "one of classic, muslim-world-league, egyptian, karachi, "
       "north-america, umm-al-qura, dubai, qatar, kuwait, singapore, turkey, morocco, tehran, "
       "moonsighting-committee, custom"},
      {"--isha-minutes", {"0", "241", "-5"}, "whole minutes from 1 to 240"},
      {"--adjust", {"fajr=31", "isha=-31", "fajr=+2,", "dhuhr=1", "fajr", "fajr=+", "asr=--1"},
       "prayer=MINUTES separated by commas, prayers fajr, shurooq, zuhr, asr, maghrib, isha, "
       "minutes from -30 to +30"},
      {"--rounding", {"round"}, "truncate, nearest or up"},
      {"--high-latitude", {"seventh-of-night"}, "seventh, middle or angle"}};
  // clang-format on
  for (const auto& [option, values, form] : cases) {
    for (const std::string& value : values) {
      EXPECT_EQ(ParseTimesOptions({option, value}).error,
                option + ": '" + value + "' is not valid; expected " + form);
    }
  }
}

TEST(TimesOptions, GoodArgumentsOrTheExactErrorLine) {
  const std::tuple<std::vector<std::string>, std::string> cases[] = {
      {{"--date"},
       "--date: missing value; expected YYYY-MM-DD, a real date in the years 1 to 9999"},
      {{"--\x1b[2J\n\\"}, "unknown argument '--\\x1b[2J\\n\\\\' (see --help)"},
      {{"--fiqh", "5\x07"}, "--fiqh: '5\\x07' is not valid; expected shafii or hanafi"},
      {{"--dst=yes"}, "unknown argument '--dst=yes' (see --help)"},
      // A month has its own companions, and refuses what only a day has.
      {{"--month=2100-12", "--crlf", "--prefs", "p.dat", "--24h", "--lat", "1:00S"}, ""},
      {{"--month", "1900-01", "--pdf", "a.pdf"}, ""},
      {{"--date", "0001-01-01", "--date", "9999-12-31"}, ""},
      {{"--crlf"}, "--crlf: only with --month YYYY-MM"},
      {{"--ics", "a.ics"}, "--ics: only with --month YYYY-MM"},
      {{"--pdf", "a.pdf"}, "--pdf: only with --month YYYY-MM"},
      {{"--month", "2000-03", "--pdf", "a", "--ics", "b"}, "--pdf: not with --ics"},
      {{"--month", "2000-03", "--date", "2000-03-01"}, "--month: not with --date"},
      {{"--month", "2000-03", "--json"}, "--month: not with --json, --qiblah or --dump-prefs"},
      // What only the precise methods have.
      {{"--method", "classic", "--rounding", "up"},
       "--rounding: not with the classic method (see --method)"},
      {{"--method", "qatar", "--isha-minutes", "80", "--isha", "17"},
       "--isha-minutes: not with --isha"},
      {{"--method", "custom", "--isha-minutes=240", "--rounding=up", "--high-latitude=seventh",
        "--adjust", "shurooq=-30,isha=30", "--month", "2000-03"},
       ""},
      {{"--month", "2000-03", "--dst"},
       "--dst: not with --month, where the location's daylight-saving rule decides"},
  };
  for (const auto& [args, error] : cases)
    EXPECT_EQ(ParseTimesOptions(args).error, error) << args[0];
}

TEST(TimesOptions, AcceptedValuesAreKeptAsGiven) {
  const TimesOptions o = ParseTimesOptions({"--date", "1500-02-29", "--tz=-5.75", "--lat", "90:00s",
                                            "--lon", "180:00W", "--alt", "65535", "--fajr", "011",
                                            "--isha", "24", "--fiqh", "shafii", "--dst", "--24h"})
                             .options;
  EXPECT_EQ(std::make_tuple(o.date->year, o.date->month, o.date->day, *o.timeZone, *o.altitude),
            std::make_tuple(1500, 2, 29, -5.75, uint16_t{65535}));
  EXPECT_EQ(std::make_tuple(o.latitude->degrees, o.latitude->minutes, o.latitude->hemisphere,
                            o.longitude->degrees, o.longitude->hemisphere),
            std::make_tuple(int16_t{90}, int16_t{0}, 'S', int16_t{180}, 'W'));
  EXPECT_EQ(std::make_tuple(*o.fajrAngle, *o.ishaAngle, *o.fiqh, o.daylightSaving, o.use24Hour),
            std::make_tuple(11, 24, 0, true, true));
  const auto month =
      ParseTimesOptions({"--month", "2100-02", "--ics", "-", "--fiqh", "hanafi"}).options;
  EXPECT_EQ(std::make_tuple(month.month->year, month.month->month, *month.icsFile, *month.fiqh),
            std::make_tuple(int16_t{2100}, int16_t{2}, std::string("-"), 1));
}

}  // namespace
}  // namespace kestrivane
