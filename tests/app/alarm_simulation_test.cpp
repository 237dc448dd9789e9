// Four hundred simulated days at the real tick periods, five alarms a day,
// with a user who clicks at random moments and takes up to 20 seconds to
// close each box. Once with a steady clock: every azan and iqamah fires
// exactly once a day, in its minute. Then twenty times with a clock that
// jumps every two hours on average (suspend and resume, corrections, a clock
// set by hand: forward a minute to three days, back a minute to two hours):
// no alarm fires twice for a date, and every alarm the clock runs through
// fires, in its minute. And with Maghrib and 'Isha following their
// computed times in a place with daylight saving, whose clock skips an hour
// in spring and repeats one in autumn: the same, on each date's own times.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <random>
#include <string>

#include "app/alarm_engine.h"
#include "calc/calendar.h"
#include "settings/day_times.h"
#include "settings/locations_document.h"
#include "tests/app/fake_alarm_host.h"

namespace kestrivane {
namespace {

using testing::At;

constexpr int kDays = 400;
const int64_t kDay0 = DaysFromCivil(2001, 1, 1);  // the fake host's day 0

struct Entry : testing::AlarmEntry {
  int64_t Azan(int64_t day) const { return At(static_cast<int>(day), hour, minute); }
};
const Entry kEntries[] = {{{Fajr, 5, 10, 20}},
                          {{Zuhr, 12, 30, 15}},
                          {{Asr, 16, 0, 10}},
                          {{Maghrib, 18, 20, 5}},
                          {{Isha, 19, 45, 15}}};

// The seed, 0 for a steady clock; 100 on: Maghrib and 'Isha follow, in Madrid.
class AlarmSimulation : public ::testing::TestWithParam<unsigned> {};

TEST_P(AlarmSimulation, EveryAlarmOnceForItsDateInItsMinute) {
  const unsigned seed = GetParam() % 100;
  const bool following = GetParam() >= 100;
  testing::NullReporter reporter;
  CLocations document{reporter};
  document.m_preferences.m_nTimeFormat = 1;
  for (const Entry& e : kEntries) e.SetIn(document);
  std::vector<std::pair<int64_t, int64_t>> dstJumps;  // (when, by how much)
  if (following) {
    testing::SetInMadrid(document);
    document.m_preferences.m_nIshaAngle = 17;  // classic by the angles of the preferences
    document.m_extra.following[Maghrib] = {true, 0};
    document.m_extra.following[Isha] = {true, 15};
    dstJumps = {{At(83, 2, 0), 3600}, {At(300, 3, 0), -3600}};
  }
  const auto azanOf = [&](const Entry& e, int64_t day) {
    const AlarmFollowing& follow = document.m_extra.following[e.prayer];
    if (!follow.follows) return e.Azan(day);
    const PrayerTime t = ComputePrayerTimes(document.m_location, document.m_preferences,
                                            CivilFromDays(kDay0 + day))[e.prayer];
    // Past midnight it rings in the date's last minute.
    return At(static_cast<int>(day), 0,
              std::min(t.hour * 60 + t.minute + follow.offsetMinutes, 1439));
  };
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
  int lastAzan = 0;
  int64_t azanDay[kPrayerCount] = {};  // an iqamah belongs to its azan's date, even past midnight
  const auto collect = [&] {
    for (; seen < host.fired.size(); ++seen) {
      const auto& [time, code] = host.fired[seen];
      const int prayer = code[1] - '0';
      if (code[0] == 'a') azanDay[lastAzan = prayer] = time / 86400;
      fired[{azanDay[prayer], prayer, code[0] == 'i'}].push_back(time);
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
        azanStopped[{azanDay[lastAzan], lastAzan}] = true;
      }
      if (click < until) engine.StopAlarm();
    }
    steady.emplace_back(from, host.clock);
  };
  for (std::size_t dst = 0; host.clock < At(kDays, 0, 0);) {
    const int64_t next =
        seed == 0 ? At(kDays, 0, 0)
                  : host.clock + 1 + static_cast<int64_t>(-7200 * std::log(1 - unit(random)));
    while (dst < dstJumps.size() && dstJumps[dst].first <= host.clock) ++dst;
    if (dst < dstJumps.size() && dstJumps[dst].first <= next) {
      runTo(dstJumps[dst].first);
      host.Jump(dstJumps[dst++].second);
      continue;
    }
    runTo(next);
    if (seed == 0) continue;
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
      const int64_t azanTime = azanOf(e, day), iqamahTime = azanTime + e.delay * 60;
      if (ranThrough(azanTime)) {
        ++mustFire;
        ASSERT_NE(azan, fired.end()) << "azan lost: day " << day << " prayer " << e.prayer;
        // In its minute: with a jumping clock it may have fired on an earlier pass.
        if (seed == 0) {
          EXPECT_LT(static_cast<uint64_t>(azan->second[0] - azanTime), 5u) << "day " << day;
        }
      }
      if (azan == fired.end() || !ranThrough(iqamahTime)) continue;
      ++mustFire;
      const auto iqamah = fired.find({day, e.prayer, true});
      ASSERT_NE(iqamah, fired.end()) << "iqamah lost: day " << day << " prayer " << e.prayer;
      // One-second polling while the azan alarm runs, five once the user stopped it.
      const int64_t late = iqamah->second[0] - iqamahTime;
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
INSTANTIATE_TEST_SUITE_P(Following, AlarmSimulation, ::testing::Values(100u, 101u));

}  // namespace
}  // namespace kestrivane
