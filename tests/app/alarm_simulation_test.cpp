// Four hundred simulated days at the real tick periods: every switched-on
// azan and iqamah fires exactly once a day, in its minute, whatever the user
// clicks meanwhile.

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <map>
#include <random>
#include <string>

#include "app/alarm_engine.h"
#include "settings/locations_document.h"
#include "tests/app/fake_alarm_host.h"

namespace kestrivane {
namespace {

using testing::At;
using testing::Datagram;
using testing::FakeAlarmHost;

constexpr int kDays = 400;

struct Entry {
  int prayer;
  int hour, minute, delay;

  // The delay carried once into the hour.
  std::pair<int, int> Iqamah() const {
    const int sum = minute + delay;
    return sum >= 60 ? std::pair{hour + 1, sum % 60} : std::pair{hour, sum};
  }
};

struct Table {
  const char* name;
  std::vector<Entry> entries;
};

const Table kTables[] = {
    {"one_alarm", {{Zuhr, 13, 15, 15}}},
    {"all_five",
     {{Fajr, 5, 10, 20},
      {Zuhr, 12, 30, 15},
      {Asr, 16, 0, 10},
      {Maghrib, 18, 20, 5},
      {Isha, 19, 45, 15}}},
    {"fajr_and_isha", {{Fajr, 4, 30, 30}, {Isha, 21, 0, 20}}},
};

struct Firing {
  int64_t time;
  bool userStoppedBefore;  // the azan of the same prayer was stopped by a click
};

class AlarmSimulation : public ::testing::TestWithParam<Table> {};

TEST_P(AlarmSimulation, EveryAlarmOnceADayInItsMinute) {
  const Table& table = GetParam();
  testing::NullReporter reporter;
  CLocations document{reporter};
  document.m_preferences.m_nTimeFormat = 1;
  document.m_preferences.m_alarms.m_recipients = {"ops"};
  for (const Entry& e : table.entries) {
    document.m_preferences.m_alarms.SetAlarm(e.prayer, true,
                                             static_cast<uint16_t>(e.hour << 8 | e.minute),
                                             static_cast<uint16_t>(e.delay));
  }

  FakeAlarmHost host;
  CAlarmEngine engine{document, host};
  host.engine = &engine;
  host.keepLog = false;
  std::mt19937 random(20261206);
  // The user takes up to 20 seconds to close each message box.
  host.boxSeconds = [&](const std::string&) {
    return std::uniform_int_distribution<int64_t>(0, 20)(random);
  };

  // Which alarm each datagram announces, by its text.
  std::map<std::string, std::pair<int, bool>> meaning;  // text -> (prayer, iqamah)
  const char* names[] = {"Fajr", "Shurooq", "Zuhr", "'Asr", "maGHrib", "'Isha`"};
  for (const Entry& e : table.entries) {
    char text[96];
    const auto [iqHour, iqMinute] = e.Iqamah();
    std::snprintf(text, sizeof text, "%s prayer at %02d:%02d Insha Allah.", names[e.prayer], iqHour,
                  iqMinute);
    meaning[text] = {e.prayer, false};
    std::snprintf(text, sizeof text, "Go for %s prayer NOW!", names[e.prayer]);
    meaning[text] = {e.prayer, true};
  }

  const auto started = std::chrono::steady_clock::now();
  host.clock = At(0, 0, 0);
  engine.InstallStartupTimer();

  // (day, prayer, iqamah) -> firings; and when the user stopped a running azan.
  std::map<std::tuple<int, int, bool>, std::vector<Firing>> fired;
  std::map<std::pair<int, int>, bool> azanStoppedByUser;
  std::size_t seen = 0;
  const auto collect = [&] {
    for (; seen < host.datagrams.size(); ++seen) {
      const Datagram& d = host.datagrams[seen];
      const std::string bytes(d.bytes.begin(), d.bytes.end());
      const std::string text = bytes.substr(bytes.find('\0', bytes.find('\0') + 1) + 1);
      const auto it = meaning.find(text.substr(0, text.size() - 1));
      ASSERT_NE(it, meaning.end()) << text;
      const auto [prayer, iqamah] = it->second;
      const int day = static_cast<int>(d.time / 86400);
      fired[{day, prayer, iqamah}].push_back({d.time, azanStoppedByUser[{day, prayer}]});
    }
  };

  // The user clicks the window at random moments, some while an alarm runs.
  std::exponential_distribution<double> gap(1.0 / 1800);
  int64_t click = 60;
  int userStops = 0;
  while (click < At(kDays, 0, 0)) {
    host.RunUntil(click);
    collect();
    if (engine.m_bAlarmActive) {
      ++userStops;
      const int day = static_cast<int>(host.clock / 86400);
      if (engine.m_nCurrentAlarm >= 0 && engine.m_strAlarmMessage.rfind("Go for", 0) != 0) {
        azanStoppedByUser[{day, engine.m_nCurrentAlarm}] = true;
      }
    }
    engine.StopAlarm();
    click = host.clock + 1 + static_cast<int64_t>(gap(random));
  }
  host.RunUntil(At(kDays, 0, 0));
  collect();
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();

  int count = 0;
  for (int day = 0; day < kDays; ++day) {
    for (const Entry& e : table.entries) {
      const auto& azan = fired[{day, e.prayer, false}];
      const auto& iqamah = fired[{day, e.prayer, true}];
      ASSERT_EQ(azan.size(), 1u) << "day " << day << " prayer " << e.prayer;
      ASSERT_EQ(iqamah.size(), 1u) << "day " << day << " prayer " << e.prayer;
      const int64_t azanStart = At(day, e.hour, e.minute);
      const auto [iqHour, iqMinute] = e.Iqamah();
      const int64_t iqamahStart = At(day, iqHour, iqMinute);
      EXPECT_GE(azan[0].time, azanStart);
      EXPECT_LT(azan[0].time, azanStart + 5);
      // One-second polling while the azan alarm runs; once the user stopped
      // it the watch slows to 5 seconds.
      EXPECT_GE(iqamah[0].time, iqamahStart);
      EXPECT_LT(iqamah[0].time, iqamahStart + (iqamah[0].userStoppedBefore ? 5 : 1));
      count += 2;
    }
  }
  EXPECT_EQ(host.datagrams.size(), static_cast<std::size_t>(count));  // nothing else fired
  EXPECT_FALSE(engine.m_bAlarmsDisabled);
  EXPECT_GT(userStops, kDays / 4);  // the clicks really did interrupt alarms

  std::printf("[ %s ] %d days: %d alarms fired of %d expected, %d stopped by a click, %.2f s\n",
              table.name, kDays, static_cast<int>(host.datagrams.size()), count, userStops,
              seconds);
}

INSTANTIATE_TEST_SUITE_P(Tables, AlarmSimulation, ::testing::ValuesIn(kTables),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kestrivane
