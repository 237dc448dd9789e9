#include "tools/times_month.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <cstdio>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "timetable/timetable_text.h"

namespace kestrivane {
namespace {

constexpr const char* kStamp = "20260101T000000Z";

std::string Unfold(const std::string& ics) {
  std::string out;
  for (std::size_t i = 0; i < ics.size(); ++i) {
    if (ics.compare(i, 3, "\r\n ") == 0) {
      i += 2;
      continue;
    }
    out += ics[i];
  }
  return out;
}

struct Event {
  std::map<std::string, std::string> fields;
};

// Checks the physical form (CR LF, 75 octets) and returns the events.
std::vector<Event> ParseCalendar(const std::string& ics) {
  std::size_t start = 0;
  for (std::size_t at; (at = ics.find("\r\n", start)) != std::string::npos; start = at + 2) {
    EXPECT_LE(at - start, 75u) << ics.substr(start, at - start);
  }
  EXPECT_EQ(start, ics.size()) << "the last line has no CR LF";

  std::vector<Event> events;
  std::istringstream lines(Unfold(ics));
  std::string line;
  bool inEvent = false;
  int calendars = 0;
  while (std::getline(lines, line)) {
    EXPECT_FALSE(line.empty());
    EXPECT_EQ(line.back(), '\r');
    line.pop_back();
    const auto colon = line.find(':');
    EXPECT_NE(colon, std::string::npos) << line;
    const std::string name = line.substr(0, colon), value = line.substr(colon + 1);
    if (line == "BEGIN:VCALENDAR") ++calendars;
    if (line == "BEGIN:VEVENT") {
      EXPECT_FALSE(inEvent);
      inEvent = true;
      events.emplace_back();
    } else if (line == "END:VEVENT") {
      inEvent = false;
    } else if (inEvent) {
      events.back().fields[name] = value;
    }
  }
  EXPECT_EQ(calendars, 1);
  return events;
}

std::string WriteCalendar(const CLocation& location, const CPreferences& prefs, YearMonth month) {
  std::ostringstream out;
  std::string error;
  EXPECT_TRUE(WriteMonthCalendar(out, location, prefs, month, kStamp, error)) << error;
  return out.str();
}

TEST(MonthCalendar, LocalTimesBecomeUtcAcrossDaysZonesAndDaylightSaving) {
  const struct {
    int32_t year, month, day, hour, minute;
    double zone;
    int32_t dst;
    UtcMinute utc;
  } cases[] = {
      {2000, 3, 31, 4, 32, 5.0, 0, {2000, 3, 30, 23, 32}},
      {2000, 12, 31, 20, 10, -5.0, 0, {2001, 1, 1, 1, 10}},
      {2026, 3, 29, 19, 50, -5.0, 1, {2026, 3, 29, 23, 50}},
      {2000, 3, 1, 0, -15, 5.5, 0, {2000, 2, 29, 18, 15}},  // leap day
      {1900, 3, 1, 3, 0, 5.75, 0, {1900, 2, 28, 21, 15}},   // no leap day
      {2100, 12, 31, 23, 59, -12.0, 0, {2101, 1, 1, 11, 59}},
      {2000, 6, 30, 24, 10, 0.0, 0, {2000, 7, 1, 0, 10}},
      {2000, 6, 30, 0, 30, 0.0, 1, {2000, 6, 29, 23, 30}},
  };
  for (const auto& c : cases) {
    const UtcMinute u = LocalToUtc(c.year, c.month, c.day, c.hour, c.minute, c.zone, c.dst);
    EXPECT_EQ(std::vector<int32_t>({u.year, u.month, u.day, u.hour, u.minute}),
              std::vector<int32_t>({c.utc.year, c.utc.month, c.utc.day, c.utc.hour, c.utc.minute}))
        << c.year << '-' << c.month << '-' << c.day << ' ' << c.hour << ':' << c.minute;
  }
}

// Parses the calendar back: six events a day, each at the time the
// timetable text shows for its day once moved back to local time.
TEST(MonthCalendar, EventsReadBackAsTheTimetableText) {
  CLocation newYork;
  newYork.Set("New York", "USA", 40, 43, false, 74, 0, true, 10, -5.0, newYork.m_dstRule);
  newYork.m_dstRule.m_wStart |= CDstRule::kObserves;  // last Sunday of March: 29 March 2026
  const struct {
    CLocation location;
    YearMonth month;
    std::set<int> dstDays;
  } cases[] = {
      {CLocation(), {2000, 3}, {}},
      {newYork, {2026, 3}, {29, 30, 31}},
      {newYork, {2026, 10}, {1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12,
                             13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24}},
  };
  const char* names[] = {"Fajr", "Shurooq", "Zuhr", "Asr", "Maghrib", "Isha"};
  CPreferences prefs;
  for (const auto& c : cases) {
    const std::vector<Event> events = ParseCalendar(WriteCalendar(c.location, prefs, c.month));
    ASSERT_EQ(events.size(), 31u * 6);

    // The rows of the text, by day.
    const std::string text = BuildTimetableText(c.location, prefs, c.month.year, c.month.month);
    std::map<int, std::string> rows;
    for (std::size_t at = text.find("\r\n    "); at != std::string::npos;
         at = text.find("\r\n    ", at + 2)) {
      if (std::isdigit(static_cast<unsigned char>(text[at + 6]))) {
        rows[std::stoi(text.substr(at + 6, 2))] = text.substr(at + 2, 60);
      }
    }
    ASSERT_EQ(rows.size(), 31u);

    std::set<std::string> uids;
    int crossedMidnight = 0;
    for (std::size_t i = 0; i < events.size(); ++i) {
      const auto& f = events[i].fields;
      const int day = static_cast<int>(i / 6) + 1;
      const int prayer = static_cast<int>(i % 6);
      EXPECT_EQ(f.at("SUMMARY"), names[prayer]);
      EXPECT_EQ(f.at("DTSTAMP"), kStamp);
      uids.insert(f.at("UID"));
      const std::string start = f.at("DTSTART");
      ASSERT_EQ(start.size(), 16u) << start;
      ASSERT_EQ(start.substr(8, 1) + start.substr(13), "T00Z") << start;
      // Back to local wall-clock minutes on the row's own date; only the
      // first and last days can spill into the next or previous month.
      const int utcMonth = std::stoi(start.substr(4, 2));
      const int utcDay = std::stoi(start.substr(6, 2));
      const int dayShift =
          utcMonth == c.month.month ? utcDay - day : (utcDay == 1 && day > 1 ? 1 : -1);
      crossedMidnight += dayShift != 0;
      int minutes =
          std::stoi(start.substr(9, 2)) * 60 + std::stoi(start.substr(11, 2)) + dayShift * 1440;
      minutes += static_cast<int>(c.location.m_dTimeZone * 60) + (c.dstDays.count(day) ? 60 : 0);
      char local[32];
      std::snprintf(local, sizeof local, "%02d:%02d", minutes / 60, minutes % 60);
      EXPECT_EQ(rows[day].substr(10 + 9 * static_cast<std::size_t>(prayer), 5), local)
          << names[prayer] << " on day " << day << " from " << start;
    }
    EXPECT_EQ(uids.size(), events.size()) << "UIDs must be unique";
    EXPECT_GT(crossedMidnight, 0) << "the case should cross a UTC midnight";
  }
}

TEST(MonthCalendar, SameMonthSameOutputAndUidsNameTheDayPrayerAndPlace) {
  const CLocation here;
  CLocation elsewhere;
  elsewhere.m_nLatMinutes = 41;
  const std::string once = WriteCalendar(here, CPreferences(), {2000, 3});
  EXPECT_EQ(once, WriteCalendar(here, CPreferences(), {2000, 3}));

  // Other angles move the times but keep the events' identity.
  CPreferences other;
  other.Set(0, 0, 15, 15);
  const auto a = ParseCalendar(once);
  const auto b = ParseCalendar(WriteCalendar(here, other, {2000, 3}));
  ASSERT_EQ(a.size(), b.size());
  EXPECT_EQ(a[0].fields.at("UID"), b[0].fields.at("UID"));
  EXPECT_NE(a[0].fields.at("DTSTART"), b[0].fields.at("DTSTART"));

  const std::string uid = EventUid(here, 2000, 3, 1, Fajr);
  EXPECT_EQ(uid, a[0].fields.at("UID"));
  EXPECT_EQ(uid.substr(0, 14), "20000301-fajr-");
  EXPECT_EQ(uid.substr(uid.size() - 15), "@kestrivane.org");
  EXPECT_NE(uid, EventUid(elsewhere, 2000, 3, 1, Fajr));
  EXPECT_NE(uid, EventUid(here, 2000, 3, 2, Fajr));
  EXPECT_NE(uid, EventUid(here, 2000, 3, 1, Isha));
  EXPECT_NE(uid, EventUid(here, 2001, 3, 1, Fajr));
}

TEST(MonthCalendar, LongLinesFoldAt75OctetsAndUnfoldToTheSame) {
  const std::string e = "\xC3\xA9";  // two octets
  const struct {
    std::string line;
    std::vector<std::size_t> pieces;  // octets of each physical line, blank included
  } cases[] = {
      {std::string(75, 'a'), {75}},
      {std::string(76, 'a'), {75, 2}},
      {std::string(200, 'a'), {75, 75, 52}},
      {std::string(74, 'a') + e, {74, 3}},  // not between the two octets
      {std::string(73, 'a') + e + "b", {75, 2}},
      {"", {0}},
  };
  for (const auto& c : cases) {
    const std::string folded = FoldLine(c.line);
    std::vector<std::size_t> pieces;
    std::size_t start = 0;
    for (std::size_t at; (at = folded.find("\r\n", start)) != std::string::npos; start = at + 2) {
      pieces.push_back(at - start);
      EXPECT_EQ(folded[at + 2], ' ');
    }
    pieces.push_back(folded.size() - start);
    EXPECT_EQ(pieces, c.pieces) << c.line;
    EXPECT_EQ(Unfold(folded), c.line);
  }

  CLocation location;
  location.m_strCity = std::string(90, 'L') + ", the far one";
  const std::string ics = WriteCalendar(location, CPreferences(), {2000, 2});
  const auto events = ParseCalendar(ics);  // checks every physical line
  ASSERT_EQ(events.size(), 29u * 6);
  EXPECT_EQ(events[0].fields.at("LOCATION"), std::string(90, 'L') + "\\, the far one\\, Pakistan");
}

TEST(MonthCalendar, TextValuesAreEscapedUtf8) {
  const struct {
    std::string in, out;
  } cases[] = {
      {"Islamabad, Pakistan", "Islamabad\\, Pakistan"},
      {"a;b\\c", "a\\;b\\\\c"},
      {"two\r\nlines\nthree", "two\\nlines\\nthree"},
      {"Z\xC3\xBCrich", "Z\xC3\xBCrich"},  // UTF-8 stays
      {"M\xFCnchen", "M\xC3\xBCnchen"},    // Latin-1 read as such
      {"\x80uro", "\xE2\x82\xACuro"},      // Windows Latin-1's euro
      {"bell\x07", "bell "},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(IcsText(c.in), c.out) << c.in;
  }
}

TEST(MonthCalendar, AZoneNoClockHasWritesNothing) {
  for (const double zone : {std::nan(""), 1e300, -25.0}) {
    CLocation location;
    location.m_dTimeZone = zone;
    std::ostringstream out;
    std::string error;
    EXPECT_FALSE(WriteMonthCalendar(out, location, CPreferences(), {2000, 3}, kStamp, error));
    EXPECT_TRUE(out.str().empty());
    EXPECT_FALSE(error.empty());
  }
}

TEST(MonthText, LfOrTheExactCrLfText) {
  const std::string text = "a\r\n\r\nb\r\n* URL: x";
  const struct {
    bool crlf;
    std::string out;
  } cases[] = {{false, "a\n\nb\n* URL: x\n"}, {true, text}};
  for (const auto& c : cases) {
    std::ostringstream out;
    WriteMonthText(out, text, c.crlf);
    EXPECT_EQ(out.str(), c.out);
  }
}

}  // namespace
}  // namespace kestrivane
