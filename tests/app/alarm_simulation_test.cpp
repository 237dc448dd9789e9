// Four hundred simulated days at the real tick periods. With a steady clock
// every switched-on azan and iqamah fires exactly once a day, in its minute,
// whatever the user clicks meanwhile. With a clock that jumps (suspend and
// resume, corrections, a clock set by hand) no alarm fires twice for a date,
// and every alarm the clock runs through fires.

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
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
  int64_t Azan(int day) const { return At(day, hour, minute); }
  int64_t Iqamah(int day) const { return Azan(day) + delay * 60; }
};

struct Table {
  const char* name;
  std::vector<Entry> entries;
};

const Table kOneAlarm{"one_alarm", {{Zuhr, 13, 15, 15}}};
const Table kAllFive{"all_five",
                     {{Fajr, 5, 10, 20},
                      {Zuhr, 12, 30, 15},
                      {Asr, 16, 0, 10},
                      {Maghrib, 18, 20, 5},
                      {Isha, 19, 45, 15}}};
const Table kFajrAndIsha{"fajr_and_isha", {{Fajr, 4, 30, 30}, {Isha, 21, 0, 20}}};

// An engine on a simulated clock with a user who clicks at random moments
// and takes up to 20 seconds to close each box; every alarm it sends is
// sorted by date, prayer and kind.
class Simulation {
 public:
  Simulation(const Table& table, unsigned seed) : m_random(seed) {
    document.m_preferences.m_nTimeFormat = 1;
    document.m_preferences.m_alarms.m_recipients = {"ops"};
    const char* names[] = {"Fajr", "Shurooq", "Zuhr", "'Asr", "maGHrib", "'Isha`"};
    for (const Entry& e : table.entries) {
      document.m_preferences.m_alarms.SetAlarm(e.prayer, true,
                                               static_cast<uint16_t>(e.hour << 8 | e.minute),
                                               static_cast<uint16_t>(e.delay));
      const int64_t q = e.Iqamah(0);
      char text[96];
      std::snprintf(text, sizeof text, "%s prayer at %02d:%02d Insha Allah.", names[e.prayer],
                    static_cast<int>(q / 3600), static_cast<int>(q / 60 % 60));
      m_meaning[text] = {e.prayer, false};
      m_meaning[std::string("Go for ") + names[e.prayer] + " prayer NOW!"] = {e.prayer, true};
    }
    host.engine = &engine;
    host.keepLog = false;
    host.boxSeconds = [this](const std::string&) {
      return std::uniform_int_distribution<int64_t>(0, 20)(m_random);
    };
    engine.InstallStartupTimer();
  }

  // Runs to `until`, the user clicking now and then.
  void RunUntil(int64_t until) {
    while (m_click < until) {
      host.RunUntil(m_click);
      Collect();
      if (engine.AlarmActive()) {
        ++userStops;
        if (engine.AlarmMessage().rfind("Go for", 0) != 0) {
          m_azanStopped[{host.clock / 86400, engine.CurrentAlarm()}] = true;
        }
      }
      engine.StopAlarm();
      m_click = host.clock + 1 + static_cast<int64_t>(m_gap(m_random));
    }
    host.RunUntil(until);
    Collect();
  }

  struct Firing {
    int64_t time;
    bool azanStoppedBefore;  // the azan of the same prayer was stopped by a click
  };
  // (day, prayer, iqamah) -> firings
  std::map<std::tuple<int64_t, int, bool>, std::vector<Firing>> fired;
  int userStops = 0;

  testing::NullReporter reporter;
  CLocations document{reporter};
  FakeAlarmHost host;
  CAlarmEngine engine{document, host};

 private:
  void Collect() {
    for (; m_seen < host.datagrams.size(); ++m_seen) {
      const Datagram& d = host.datagrams[m_seen];
      const std::string bytes(d.bytes.begin(), d.bytes.end());
      const std::string text = bytes.substr(bytes.find('\0', bytes.find('\0') + 1) + 1);
      const auto it = m_meaning.find(text.substr(0, text.size() - 1));
      ASSERT_NE(it, m_meaning.end()) << text;
      const auto [prayer, iqamah] = it->second;
      const int64_t day = d.time / 86400;
      fired[{day, prayer, iqamah}].push_back({d.time, m_azanStopped[{day, prayer}]});
    }
  }

  std::mt19937 m_random;
  std::exponential_distribution<double> m_gap{1.0 / 1800};
  int64_t m_click = 60;
  std::size_t m_seen = 0;
  std::map<std::string, std::pair<int, bool>> m_meaning;  // text -> (prayer, iqamah)
  std::map<std::pair<int64_t, int>, bool> m_azanStopped;
};

class SteadyClock : public ::testing::TestWithParam<Table> {};

TEST_P(SteadyClock, EveryAlarmOnceADayInItsMinute) {
  const Table& table = GetParam();
  const auto started = std::chrono::steady_clock::now();
  Simulation sim(table, 20261206);
  sim.RunUntil(At(kDays, 0, 0));
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();

  std::size_t count = 0;
  for (int day = 0; day < kDays; ++day) {
    for (const Entry& e : table.entries) {
      const auto& azan = sim.fired[{day, e.prayer, false}];
      const auto& iqamah = sim.fired[{day, e.prayer, true}];
      ASSERT_EQ(azan.size(), 1u) << "day " << day << " prayer " << e.prayer;
      ASSERT_EQ(iqamah.size(), 1u) << "day " << day << " prayer " << e.prayer;
      EXPECT_GE(azan[0].time, e.Azan(day));
      EXPECT_LT(azan[0].time, e.Azan(day) + 5);
      // One-second polling while the azan alarm runs; once the user stopped
      // it the watch slows to 5 seconds.
      EXPECT_GE(iqamah[0].time, e.Iqamah(day));
      EXPECT_LT(iqamah[0].time, e.Iqamah(day) + (iqamah[0].azanStoppedBefore ? 5 : 1));
      count += 2;
    }
  }
  EXPECT_EQ(sim.host.datagrams.size(), count);  // nothing else fired
  EXPECT_FALSE(sim.engine.AlarmsDisabled());
  EXPECT_GT(sim.userStops, kDays / 4);  // the clicks really did interrupt alarms
  std::printf("[ %s ] %d days: %zu alarms fired of %zu expected, %d stopped by a click, %.2f s\n",
              table.name, kDays, sim.host.datagrams.size(), count, sim.userStops, seconds);
}

INSTANTIATE_TEST_SUITE_P(Tables, SteadyClock, ::testing::Values(kOneAlarm, kAllFive, kFajrAndIsha),
                         [](const auto& info) { return std::string(info.param.name); });

// Twenty runs of 400 days each; every two hours on average the clock jumps
// forward by a minute to three days, or back by a minute to two hours.
class JumpingClock : public ::testing::TestWithParam<unsigned> {};

TEST_P(JumpingClock, NoAlarmTwiceForADateAndNoneLostThatTheClockRunsThrough) {
  Simulation sim(kAllFive, GetParam());
  std::mt19937 random(GetParam() * 7919u);
  std::exponential_distribution<double> between(1.0 / 7200);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  // Stretches of time the clock ran through without a jump.
  std::vector<std::pair<int64_t, int64_t>> steady;
  int forward = 0;
  int back = 0;
  while (sim.host.clock < At(kDays, 0, 0)) {
    const int64_t from = sim.host.clock;
    sim.RunUntil(from + 1 + static_cast<int64_t>(between(random)));
    steady.emplace_back(from, sim.host.clock);
    const bool ahead = unit(random) < 0.5;
    const double span = ahead ? std::log(3.0 * 1440) : std::log(120.0);
    const int64_t minutes = static_cast<int64_t>(std::exp(unit(random) * span));
    sim.host.Jump((ahead ? 60 : -60) * std::max<int64_t>(minutes, 1));
    (ahead ? forward : back) += 1;
  }
  const auto ranThrough = [&](int64_t time) {
    for (const auto& [start, end] : steady) {
      if (start <= time - 5 && end >= time + 60) return true;
    }
    return false;
  };

  int mustFire = 0;
  for (const auto& [key, firings] : sim.fired) {
    EXPECT_EQ(firings.size(), 1u) << "day " << std::get<0>(key) << " prayer " << std::get<1>(key)
                                  << (std::get<2>(key) ? " iqamah" : " azan");
  }
  for (int day = 0; day < kDays + 3; ++day) {
    for (const Entry& e : kAllFive.entries) {
      const bool azanFired = sim.fired.count({day, e.prayer, false}) != 0;
      if (ranThrough(e.Azan(day))) {
        ++mustFire;
        EXPECT_TRUE(azanFired) << "azan lost: day " << day << " prayer " << e.prayer;
      }
      if (azanFired && ranThrough(e.Iqamah(day))) {
        ++mustFire;
        EXPECT_TRUE(sim.fired.count({day, e.prayer, true}) != 0)
            << "iqamah lost: day " << day << " prayer " << e.prayer;
      }
    }
  }
  EXPECT_GT(mustFire, 400);  // the clock really ran through many alarms
  EXPECT_GT(back, 100);
  EXPECT_GT(forward, 100);
}

INSTANTIATE_TEST_SUITE_P(Seeds, JumpingClock, ::testing::Range(1u, 21u));

}  // namespace
}  // namespace kestrivane
