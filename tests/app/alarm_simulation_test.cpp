// Four hundred simulated days at the real tick periods, five alarms a day,
// with a user who clicks at random moments and takes up to 20 seconds to
// close each box. Once with a steady clock: every azan and iqamah fires
// exactly once a day, in its minute. Then twenty times with a clock that
// jumps every two hours on average (suspend and resume, corrections, a clock
// set by hand: forward a minute to three days, back a minute to two hours):
// no alarm fires twice for a date, and every alarm the clock runs through
// fires, in its minute.

#include <gtest/gtest.h>

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

constexpr int kDays = 400;

struct Entry : testing::AlarmEntry {
  int64_t Azan(int64_t day) const { return At(static_cast<int>(day), hour, minute); }
  int64_t Iqamah(int64_t day) const { return Azan(day) + delay * 60; }
};
const Entry kEntries[] = {{{Fajr, 5, 10, 20}},
                          {{Zuhr, 12, 30, 15}},
                          {{Asr, 16, 0, 10}},
                          {{Maghrib, 18, 20, 5}},
                          {{Isha, 19, 45, 15}}};

class AlarmSimulation : public ::testing::TestWithParam<unsigned> {};  // 0: a steady clock

TEST_P(AlarmSimulation, EveryAlarmOnceForItsDateInItsMinute) {
  const unsigned seed = GetParam();
  testing::NullReporter reporter;
  CLocations document{reporter};
  document.m_preferences.m_nTimeFormat = 1;
  for (const Entry& e : kEntries) e.SetIn(document);
  testing::FakeAlarmHost host;
  CAlarmEngine engine{document, host};
  host.engine = &engine;
  host.keepLog = false;
  std::mt19937 random(20261206 + seed);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  host.boxSeconds = [&](const std::string&) { return static_cast<int64_t>(unit(random) * 21); };
  engine.InstallStartupTimer();

  // (date, prayer, iqamah) -> firing times, and whether a click stopped the azan first.
  std::map<std::tuple<int64_t, int, bool>, std::vector<int64_t>> fired;
  std::map<std::pair<int64_t, int>, bool> azanStopped;
  std::size_t seen = 0;
  const auto collect = [&] {
    for (; seen < host.fired.size(); ++seen) {
      const auto& [time, code] = host.fired[seen];
      fired[{time / 86400, code[1] - '0', code[0] == 'i'}].push_back(time);
    }
  };
  // Stretches of time the clock ran through without a jump.
  std::vector<std::pair<int64_t, int64_t>> steady;
  const auto runTo = [&](int64_t until) {
    const int64_t from = host.clock;
    for (int64_t click = from; click < until;) {
      click += 1 + static_cast<int64_t>(-1800 * std::log(1 - unit(random)));
      host.RunUntil(std::min(click, until));
      collect();
      if (engine.AlarmActive() && engine.AlarmMessage().rfind("Go for", 0) != 0) {
        azanStopped[{host.clock / 86400, engine.CurrentAlarm()}] = true;
      }
      if (click < until) engine.StopAlarm();
    }
    steady.emplace_back(from, host.clock);
  };
  while (host.clock < At(kDays, 0, 0)) {
    if (seed == 0) {
      runTo(At(kDays, 0, 0));
      break;
    }
    runTo(host.clock + 1 + static_cast<int64_t>(-7200 * std::log(1 - unit(random))));
    const bool ahead = unit(random) < 0.5;
    const int64_t minutes =
        static_cast<int64_t>(std::exp(unit(random) * std::log(ahead ? 4320.0 : 120.0)));
    host.Jump((ahead ? 60 : -60) * std::max<int64_t>(minutes, 1));
  }
  collect();

  const auto ranThrough = [&](int64_t time) {
    for (const auto& [start, end] : steady) {
      if (start <= time - 5 && end >= time + 60) return true;
    }
    return false;
  };
  int mustFire = 0;
  for (const auto& [key, times] : fired) {
    EXPECT_EQ(times.size(), 1u) << "day " << std::get<0>(key) << " prayer " << std::get<1>(key)
                                << (std::get<2>(key) ? " iqamah" : " azan");
  }
  for (int64_t day = 0; day < kDays + 3; ++day) {
    for (const Entry& e : kEntries) {
      const auto azan = fired.find({day, e.prayer, false});
      if (ranThrough(e.Azan(day))) {
        ++mustFire;
        ASSERT_NE(azan, fired.end()) << "azan lost: day " << day << " prayer " << e.prayer;
        // In its minute: with a jumping clock it may have fired on an earlier pass.
        if (seed == 0) {
          EXPECT_LT(azan->second[0] - e.Azan(day), 5) << "day " << day;
        }
      }
      if (azan == fired.end() || !ranThrough(e.Iqamah(day))) continue;
      ++mustFire;
      const auto iqamah = fired.find({day, e.prayer, true});
      ASSERT_NE(iqamah, fired.end()) << "iqamah lost: day " << day << " prayer " << e.prayer;
      // One-second polling while the azan alarm runs, five once the user stopped it.
      const int64_t late = iqamah->second[0] - e.Iqamah(day);
      if (seed == 0) {
        EXPECT_TRUE(late >= 0 && late < (azanStopped[{day, e.prayer}] ? 5 : 1)) << day;
      }
    }
  }
  EXPECT_GE(mustFire, seed == 0 ? 2 * 5 * kDays : 400);  // the clock ran through the alarms
  if (seed == 0) {
    EXPECT_EQ(host.fired.size(), 2u * 5 * kDays);  // and nothing else fired
  }
  EXPECT_FALSE(engine.AlarmsDisabled());
}

INSTANTIATE_TEST_SUITE_P(Seeds, AlarmSimulation, ::testing::Range(0u, 21u));

}  // namespace
}  // namespace kestrivane
