// kestrivane-times --month: the text's line breaks, and the calendar whose
// events are the timetable's times in UTC, folded and escaped.

#include "tools/times_month.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "settings/day_times.h"
#include "timetable/timetable_text.h"

namespace kestrivane {
namespace {

std::string Unfold(std::string ics) {
  for (std::size_t at; (at = ics.find("\r\n ")) != std::string::npos;) ics.erase(at, 3);
  return ics;
}

// New York, five hours west, with the rule from 29 March 2026: each event,
// moved back to the local clock, is the time the timetable text shows.
TEST(MonthCalendar, EventsAreTheTimetableTimesInUtc) {
  CLocation newYork;
  newYork.Set("New York", "USA", 40, 43, false, 74, 0, true, 10, -5.0, newYork.m_dstRule);
  newYork.m_dstRule.m_wStart |= CDstRule::kObserves;
  std::ostringstream out;
  std::string error;
  ASSERT_TRUE(WriteMonthCalendar(out, newYork, {}, ClassicMethod({}), {2026, 3}, "20260101T000000Z",
                                 error, {HijriCalendar::kUmmAlQura, 0, false}));
  std::map<std::string, std::vector<std::string>> p;  // each property by name, in order
  std::istringstream lines(Unfold(out.str()));
  for (std::string line; std::getline(lines, line);) {
    ASSERT_EQ(line.back(), '\r');
    p[line.substr(0, line.find(':'))].push_back(line.substr(line.find(':') + 1, line.npos));
    p[line.substr(0, line.find(':'))].back().pop_back();
  }
  ASSERT_EQ(p["DTSTART"].size(), 31u * 6);
  EXPECT_EQ(p["LOCATION"][0], "New York\\, USA");
  EXPECT_EQ(p["SUMMARY"][1], "Shurooq");
  EXPECT_EQ(p["DESCRIPTION"].at(19 * 6 + 5), "1 Shawwal 1447");
  EXPECT_EQ(p["UID"][0].substr(0, 14), "20260301-fajr-");
  EXPECT_EQ(p["UID"][0], EventUid(newYork, 2026, 3, 1, Fajr));
  EXPECT_NE(p["UID"][0], EventUid(CLocation(), 2026, 3, 1, Fajr));
  const std::string text = BuildTimetableText(newYork, CPreferences(), 2026, 3);
  for (int day = 1; day <= 31; ++day) {
    char label[16];
    std::snprintf(label, sizeof label, "\r\n    %02d ", day);
    const std::string row = text.substr(text.find(label) + 2, 60);
    for (int prayer = Fajr; prayer <= Isha; ++prayer) {
      const std::string& start = p["DTSTART"][static_cast<std::size_t>((day - 1) * 6 + prayer)];
      int minutes = std::stoi(start.substr(9, 2)) * 60 + std::stoi(start.substr(11, 2));
      // West of Greenwich a UTC date is the same, or the next.
      minutes += (std::stoi(start.substr(6, 2)) == day ? 0 : 1440) - 300 + (day >= 29 ? 60 : 0);
      char local[16];
      std::snprintf(local, sizeof local, "%02d:%02d", minutes / 60, minutes % 60);
      EXPECT_EQ(row.substr(10 + 9 * static_cast<std::size_t>(prayer), 5), local) << row;
    }
  }
}

TEST(MonthCalendar, LinesFoldAt75OctetsNeverInsideACharacter) {
  const std::string e = "\xC3\xA9";  // two octets
  // clang-format off
  const std::tuple<std::string, std::vector<std::size_t>> cases[] = {  // octets of each line
      {std::string(75, 'a'), {75}}, {std::string(76, 'a'), {75, 2}},
      {std::string(200, 'a'), {75, 75, 52}}, {std::string(74, 'a') + e, {74, 3}},
      {std::string(73, 'a') + e + "b", {75, 2}}, {"", {0}}};
  // clang-format on
  for (const auto& [line, pieces] : cases) {
    const std::string folded = FoldLine(line);
    std::vector<std::size_t> found;
    std::size_t start = 0;
    for (std::size_t at; (at = folded.find("\r\n ", start)) != std::string::npos; start = at + 2) {
      found.push_back(at - start);
    }
    found.push_back(folded.size() - start);
    EXPECT_EQ(found, pieces) << line;
    EXPECT_EQ(Unfold(folded), line);
  }
}

TEST(MonthCalendar, TextValuesAreEscapedUtf8) {
  // clang-format off
  const std::tuple<std::string, std::string> cases[] = {
      {"a;b\\c,d", "a\\;b\\\\c\\,d"}, {"two\r\nlines\nthree\r\n", "two\\nlines\\nthree\\n"},
      {"Z\xC3\xBCrich \xC2\xB0", "Z\xC3\xBCrich \xC2\xB0"},  // UTF-8 stays
      {"M\xFCnchen", "M\xC3\xBCnchen"},    // Latin-1 read as such
      {"\x80uro", "\xE2\x82\xACuro"},      // Windows Latin-1's euro
      {"bell\x07", "bell "}};
  // clang-format on
  for (const auto& [in, out] : cases) EXPECT_EQ(IcsText(in), out) << in;
}

TEST(MonthCalendar, AZoneNoClockHasWritesNothing) {
  for (const double zone : {std::nan(""), 1e300, -25.0}) {
    CLocation location;
    location.m_dTimeZone = zone;
    std::ostringstream out;
    std::string error;
    EXPECT_FALSE(
        WriteMonthCalendar(out, location, CPreferences(), ClassicMethod({}), {2000, 3}, "", error));
    EXPECT_EQ(out.str() + error,
              "the location's time zone is not a UTC offset; no calendar written");
  }
}

TEST(MonthText, LfOrTheExactCrLfText) {
  const std::string text = "a\r\n\r\nb\nc\r\n* URL: x";
  std::ostringstream lf, crlf;
  WriteMonthText(lf, text, false);
  WriteMonthText(crlf, text, true);
  EXPECT_EQ(lf.str() + crlf.str(), "a\n\nb\nc\n* URL: x\n" + text);
}

}  // namespace
}  // namespace kestrivane
