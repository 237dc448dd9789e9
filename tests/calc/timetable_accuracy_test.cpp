// Published timetables of their authorities against the methods' own rules,
// at sea level with each zone's offset of the day. Nothing is fitted to these
// files; the table printed shows where the remaining minutes are.

#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <string>

#include "calc/conversions.h"
#include "calc/method_times.h"

namespace kestrivane {
namespace {

// The string or number after "key": at or after `from`; empty when absent.
std::string JsonValue(const std::string& json, const std::string& key, std::size_t from = 0) {
  std::size_t at = json.find('"' + key + '"', from);
  if (at == std::string::npos) return {};
  at = json.find_first_not_of(" \t\r\n:", at + key.size() + 2);
  if (json[at] == '"') return json.substr(at + 1, json.find('"', at + 1) - at - 1);
  return json.substr(at, json.find_first_of(",}\r\n", at) - at);
}

int ClockMinutes(const std::string& text) {  // "7:04 PM"
  int hour = 0, minute = 0;
  char half = 'A';
  std::sscanf(text.c_str(), "%d:%d %c", &hour, &minute, &half);
  return hour % 12 * 60 + minute + (half == 'P' ? 720 : 0);
}

// Hours east of Greenwich at noon of the date in the zone TZ names.
double ZoneOffset(int year, int month, int day) {
  std::tm noon{};
  noon.tm_mday = day, noon.tm_mon = month - 1, noon.tm_year = year - 1900, noon.tm_hour = 12;
  noon.tm_isdst = -1;
  std::mktime(&noon);
  return static_cast<double>(noon.tm_gmtoff) / 3600.0;
}

struct Tally {
  int count = 0, withinOne = 0, withinTwo = 0, worst = 0;
  void Add(int difference) {
    ++count, withinOne += difference <= 1, withinTwo += difference <= 2;
    worst = std::max(worst, difference);
  }
  void Print(const std::string& row) const {
    std::printf("%-40s %5d %5.1f%% %5.1f%% %5d\n", row.c_str(), count, 100.0 * withinOne / count,
                100.0 * withinTwo / count, worst);
  }
};

TEST(TimetableAccuracy, AuthoritiesTimetablesWithinAMinute) {
  // The timetables name methods and rules in CamelCase: "UmmAlQura" is umm-al-qura.
  const auto methodNamed = [](const std::string& camel) {
    std::string name;
    for (const char c : camel) {
      if (std::isupper(static_cast<unsigned char>(c)) && !name.empty()) name += '-';
      name += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return MethodIdNamed(name);
  };
  const char* keys[kPrayerCount] = {"fajr", "sunrise", "dhuhr", "asr", "maghrib", "isha"};

  Tally all;
  std::map<std::string, std::array<Tally, kPrayerCount>> perFile;
  for (const auto& entry : std::filesystem::directory_iterator(KESTRIVANE_TIMETABLES_DIR)) {
    if (entry.path().extension() != ".json") continue;
    std::ifstream in(entry.path());
    const std::string json{std::istreambuf_iterator<char>(in), {}};
    const std::string name = entry.path().stem().string();
    const std::optional<MethodId> id = methodNamed(JsonValue(json, "method"));
    ASSERT_TRUE(id);
    CalculationMethod method = MethodFor(*id);
    const std::string rule = JsonValue(json, "highLatitudeRule");
    ASSERT_TRUE(rule.empty() || rule == "MiddleOfTheNight") << rule;  // the methods' own
    const int32_t fiqh = JsonValue(json, "madhab") == "Hanafi" ? 1 : 0;
    const std::string zone = JsonValue(json, "timezone");
    setenv("TZ", zone.c_str(), 1);
    tzset();
    Observer observer{DegToRad(std::stod(JsonValue(json, "latitude"))),
                      DegToRad(std::stod(JsonValue(json, "longitude"))), 0, 0};

    for (std::size_t at = json.find("\"date\""); at != std::string::npos;
         at = json.find("\"date\"", at + 1)) {
      CivilDay date;
      std::sscanf(JsonValue(json, "date", at).c_str(), "%d-%d-%d", &date.year, &date.month,
                  &date.day);
      observer.timeZone = ZoneOffset(date.year, date.month, date.day);
      // Morocco's tables of 24-30 May 2020 already keep the summer offset.
      if (zone == "Africa/Casablanca" && date.year == 2020 && date.month == 5 && date.day >= 24) {
        observer.timeZone = 1;
      }
      const PrayerTimes times = ComputeMethodTimes(method, observer, fiqh, date, 0);
      for (int prayer = Fajr; prayer <= Isha; ++prayer) {
        const int official = ClockMinutes(JsonValue(json, keys[prayer], at));
        const int difference = std::abs(times[prayer].hour * 60 + times[prayer].minute - official);
        perFile[name][static_cast<std::size_t>(prayer)].Add(difference);
        all.Add(difference);
      }
    }
  }
  setenv("TZ", "UTC", 1);
  tzset();

  std::printf("%-40s %5s %6s %6s %5s\n", "timetable, prayer", "days", "<=1", "<=2", "worst");
  for (const auto& [name, tallies] : perFile) {
    for (int prayer = Fajr; prayer <= Isha; ++prayer) {
      tallies[static_cast<std::size_t>(prayer)].Print(name + ", " + keys[prayer]);
    }
  }
  all.Print("all");
  EXPECT_GT(all.count, 11000);
  EXPECT_GE(all.withinOne, 0.95 * all.count);
  EXPECT_LE(all.worst, 3);
}

}  // namespace
}  // namespace kestrivane
