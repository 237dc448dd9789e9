// The alarm engine on a simulated clock: one alarm's exact calls, then a
// table of scenarios (clock steps, clicks, alarm changes, clock jumps) with
// the timer, period, state and next-alarm text expected after each step.

#include "app/alarm_engine.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "app/time_format.h"
#include "calc/calendar.h"
#include "settings/day_times.h"
#include "settings/locations_document.h"
#include "tests/app/fake_alarm_host.h"

namespace kestrivane {
namespace {

using testing::At;
using ::testing::ElementsAre;
using testing::FakeAlarmHost;

using Entry = testing::AlarmEntry;

class AlarmEngineTest : public ::testing::Test {
 protected:
  AlarmEngineTest() { host.engine = &engine; }

  void SetAlarms(std::initializer_list<Entry> entries) {
    for (const Entry& e : entries) e.SetIn(document);
  }

  // Opens at `time` and lets the start-up tick run.
  void StartAt(int64_t time) {
    host.clock = time;
    engine.InstallStartupTimer();
    host.RunUntil(time + 2);
  }

  // The log entries from `from` on that match one of the prefixes.
  std::vector<std::string> Calls(std::size_t from, std::initializer_list<const char*> prefixes) {
    std::vector<std::string> out;
    for (std::size_t i = from; i < host.log.size(); ++i) {
      for (const char* prefix : prefixes) {
        if (host.log[i].rfind(prefix, 0) == 0) out.push_back(host.log[i]);
      }
    }
    return out;
  }

  testing::NullReporter reporter;
  CLocations document{reporter};
  FakeAlarmHost host;
  CAlarmEngine engine{document, host};
};

// A literal with embedded zero bytes, all of them kept.
template <std::size_t N>
std::vector<uint8_t> Bytes(const char (&literal)[N]) {
  return {literal, literal + N - 1};
}

TEST_F(AlarmEngineTest, RoadOfOneAlarm) {
  SetAlarms({{Zuhr, 12, 30, 15}});
  document.m_preferences.m_alarms.m_recipients = {"ops"};
  document.m_preferences.m_alarms.m_bPlaySound = 1;

  StartAt(At(0, 12, 0));
  EXPECT_THAT(Calls(0, {"set", "kill", "minimize"}),
              ElementsAre("set 1027 2000", "kill 1027", "set 1026 5000", "minimize"));
  EXPECT_EQ(host.tip, "Zuhr azan at 12:30 P.M.");

  // The azan, within 5 seconds of 12:30: the tip and the sound before the
  // network message, which must not hold them up.
  std::size_t mark = host.log.size();
  host.RunUntil(At(0, 12, 30, 2));  // ticks fall at :02 and :07 of each minute
  ASSERT_EQ(host.datagrams.size(), 1u);
  EXPECT_LT(host.datagrams[0].time - At(0, 12, 30), 5);
  EXPECT_EQ(host.datagrams[0].path, "\\\\ops\\mailslot\\messngr");
  EXPECT_EQ(host.datagrams[0].bytes,
            Bytes("Kestrivane @ DESK7\0ops\0Zuhr prayer at 12:45 P.M. Insha Allah.\0"));
  EXPECT_THAT(Calls(mark, {"tip", "kill", "set", "sound", "fired", "mailslot", "icon"}),
              ElementsAre("kill 1026", "tip Zuhr prayer at 12:45 P.M. Insha Allah.",
                          "sound Azan.wav", "fired Zuhr prayer at 12:45 P.M. Insha Allah.",
                          "mailslot \\\\ops\\mailslot\\messngr", "set 1028 1000", "icon 142",
                          "tip Zuhr iqama at 12:45 P.M."));

  // Every second the icon alternates and the caption flashes.
  mark = host.log.size();
  host.RunUntil(At(0, 12, 30, 6));
  EXPECT_THAT(Calls(mark, {"icon", "flash"}),
              ElementsAre("icon 128", "flash off", "icon 142", "flash on", "icon 128", "flash off",
                          "icon 142", "flash on"));
  host.iconic = true;  // hidden: only the icon alternates
  mark = host.log.size();
  host.RunUntil(At(0, 12, 30, 7));
  EXPECT_THAT(Calls(mark, {"icon", "flash"}), ElementsAre("icon 128"));
  host.iconic = false;

  // The iqamah takes over in its minute, within a second.
  host.RunUntil(At(0, 12, 45, 1));
  ASSERT_EQ(host.datagrams.size(), 2u);
  EXPECT_LE(host.datagrams[1].time - At(0, 12, 45), 1);
  EXPECT_EQ(host.datagrams[1].bytes, Bytes("Kestrivane @ DESK7\0ops\0Go for Zuhr prayer NOW!\0"));
  EXPECT_EQ(Calls(0, {"sound"}).size(), 2u);

  // With the minute over the alarm stops itself and shows its message.
  host.RunUntil(At(0, 12, 46, 2));
  ASSERT_EQ(host.boxes.size(), 1u);
  EXPECT_EQ(host.boxes[0].second, "Go for Zuhr prayer NOW!");
  EXPECT_EQ(host.boxes[0].first, At(0, 12, 46));
  EXPECT_EQ(Calls(0, {"icon"}).back(), "icon " + std::to_string(IDR_MAINFRAME));
  EXPECT_EQ(host.tip, "Zuhr azan at 12:30 P.M.");
}

// In Arabic the user sees the texts translated, the arguments where the
// translation puts them, each set apart in its own direction; the
// colleagues' programs still get English.
TEST_F(AlarmEngineTest, ShowsTranslatedTextsAndSendsEnglish) {
  const auto isolated = [](const std::string& value) {
    return "\xE2\x81\xA8" + value + "\xE2\x81\xA9";
  };
  host.translations = {{"Zuhr", "الظهر"},
                       {"%1 prayer at %2 Insha Allah.", "%2 صلاة %1"},
                       {"%1 iqama at %2", "إقامة %1 %2"},
                       {"Go for %1 prayer NOW!", "هيا إلى صلاة %1 الآن!"}};
  SetAlarms({{Zuhr, 12, 30, 15}});
  document.m_preferences.m_alarms.m_recipients = {"ops"};
  StartAt(At(0, 12, 0));
  host.RunUntil(At(0, 12, 30, 2));
  EXPECT_EQ(host.tip, "إقامة " + isolated("الظهر") + " " + isolated("12:45 P.M."));
  EXPECT_EQ(Calls(0, {"fired"}).back(),
            "fired " + isolated("12:45 P.M.") + " صلاة " + isolated("الظهر"));
  host.RunUntil(At(0, 12, 46, 2));
  ASSERT_EQ(host.datagrams.size(), 2u);
  EXPECT_EQ(host.datagrams[0].bytes,
            Bytes("Kestrivane @ DESK7\0ops\0Zuhr prayer at 12:45 P.M. Insha Allah.\0"));
  EXPECT_EQ(host.datagrams[1].bytes, Bytes("Kestrivane @ DESK7\0ops\0Go for Zuhr prayer NOW!\0"));
  ASSERT_EQ(host.boxes.size(), 1u);
  EXPECT_EQ(host.boxes[0].second, "هيا إلى صلاة " + isolated("الظهر") + " الآن!");
}

// Maghrib + 10 in Madrid the evening before daylight saving begins: the
// next-alarm text gives the next date's time, and the stored time turns with
// the date (a program reading only Prefs.dat sees that day's alarm) and with
// a changed setting.
TEST_F(AlarmEngineTest, FollowingAlarmTakesEachDatesTime) {
  document.m_preferences.m_nTimeFormat = 1;
  testing::SetInMadrid(document);
  SetAlarms({{Maghrib, 12, 0, 5}});
  document.m_extra.following[Maghrib] = {true, 10};
  const auto azan = [&](int day, int offset = 10) {  // hour * 256 + minute
    return FollowingAzanTime(
        ComputePrayerTimes(document.m_location, document.m_preferences,
                           CivilFromDays(DaysFromCivil(2001, 1, 1) + day))[Maghrib],
        offset);
  };
  const auto text = [](uint16_t time) { return FormatTimeOfDay(time >> 8, time & 0xFF, true); };
  const uint16_t& stored = document.m_preferences.m_alarms.m_alarm[Maghrib].m_wAzanTime;
  StartAt(At(82, 22, 0));
  EXPECT_EQ(stored, azan(82));
  EXPECT_EQ(engine.NextAlarm(), "maGHrib azan at " + text(azan(83)));
  host.RunUntil(At(83, azan(83) >> 8, azan(83) & 0xFF, 5));
  EXPECT_EQ(stored, azan(83));
  EXPECT_EQ(engine.AlarmMessage(), "maGHrib prayer at " + text(azan(83, 15)) + " Insha Allah.");
  document.m_location.m_dTimeZone = 2;
  host.RunUntil(host.clock + 5);
  EXPECT_EQ(stored, azan(83));
}

// A scenario: its name, the start time and the alarms (prayer 0 Fajr to 5
// 'Isha, azan time, iqamah delay), then steps, each with what must hold
// after it. Steps: "run [+D] HH:MM[:SS]" runs the clock to that time (D days
// on), "jump [-]Nh|Nm" sets the clock by that much, "click" is the user
// stopping the alarm, "ok" an OK in Set Alarms, "12h" the 12-hour clock
// chosen in Preferences. The timer is "ID/SECONDS", "on" while an alarm
// runs, "-" for none; the alarms fired in the step are "a" (azan) or "i"
// (iqamah) and the entry's index.
struct Step {
  const char* action;
  const char* timer;
  const char* next;
  const char* fired;
};
struct Scenario {
  const char* setup;  // "NAME: HH:MM[:SS][; PRAYER HH:MM +DELAY]..."
  std::vector<Step> steps;
};
void PrintTo(const Scenario& s, std::ostream* out) { *out << s.setup; }

const Scenario kScenarios[] = {
    {"NoAlarmNoTimer: 06:00", {{"run +1 00:00", "-", "<not set>", ""}}},
    // An azan in the minute of the start counts as come.
    {"AzanInTheStartMinute: 15:45:30; 0 05:00 +15; 3 15:45 +15",
     {{"run 16:00", "1026/5", "Fajr azan at 05:00", ""},
      {"12h", "1026/5", "Fajr azan at  5:00 A.M.", ""}}},
    {"StatesAndTheirTimers: 14:00; 3 15:00 +10",
     {{"run 14:59:59", "1026/5", "'Asr azan at 15:00", ""},
      {"run 15:00:05", "1028/1 on", "'Asr iqama at 15:10", "a3"},
      {"click", "1028/5", "'Asr iqama at 15:10", ""},
      {"run 15:10:05", "1026/1 on", "'Asr azan at 15:00", "i3"},
      {"click", "1026/5", "'Asr azan at 15:00", ""},
      {"run +1 14:59", "1026/5", "'Asr azan at 15:00", ""}}},
    // Asleep across the azan and its iqamah: fired and stopped at once, then
    // the iqamah likewise five seconds later.
    {"AzanFoundAfterItsIqamah: 17:00; 4 18:00 +5",
     {{"jump 67m", "1028/5", "maGHrib iqama at 18:05", "a4"},
      {"run 18:07:15", "1026/5", "maGHrib azan at 18:00", "i4"}}},
    {"OnlyTheLatestDueFiresAfterAJump: 13:00; 0 05:00 +15; 2 12:30 +15; 3 15:45 +15; 5 20:00 +15",
     {{"run 13:01", "1026/5", "'Asr azan at 15:45", ""},
      {"run 20:30", "1026/5", "Fajr azan at 05:00", "a3 i3 a5 i5"},
      {"run +1 04:00", "1026/5", "Fajr azan at 05:00", ""},
      {"jump 710m", "1028/1 on", "'Asr iqama at 16:00", "a3"}}},
    // A new date starts a new day even with no tick before the Fajr time.
    {"SleepingThroughTheFajrTime: 21:00; 0 05:00 +15; 2 12:30 +15",
     {{"run 22:00", "1026/5", "Fajr azan at 05:00", ""},
      {"jump 9h", "1028/5", "Fajr iqama at 05:15", "a0"},
      {"run +1 12:30:05", "1028/1 on", "Zuhr iqama at 12:45", "i0 a2"}}},
    // An iqamah past midnight fires at its minute of the next date.
    {"IqamahPastMidnight: 23:00; 0 04:00 +15; 5 23:50 +15",
     {{"run 23:50:05", "1028/1 on", "'Isha` iqama at 00:05", "a5"},
      {"click", "1028/5", "'Isha` iqama at 00:05", ""},
      {"run +1 00:04:59", "1028/5", "'Isha` iqama at 00:05", ""},
      {"run +1 00:05:05", "1026/1 on", "Fajr azan at 04:00", "i5"},
      {"run +1 00:06:05", "1026/5", "Fajr azan at 04:00", ""},
      {"run +1 04:00:05", "1028/1 on", "Fajr iqama at 04:15", "a0"}}},
    // The iqamah of an earlier date slept past: back to the azans, and the
    // text says so.
    {"StaleIqamahAfterSleep: 12:00; 0 05:00 +15; 2 12:30 +15",
     {{"run 12:30:05", "1028/1 on", "Zuhr iqama at 12:45", "a2"},
      {"click", "1028/5", "Zuhr iqama at 12:45", ""},
      {"jump 14h", "1026/5", "Fajr azan at 05:00", ""}}},
    {"IqamahInTheLastMinuteEndsAfterMidnight: 23:00; 0 04:00 +15; 5 23:44 +15",
     {{"run 23:59:30", "1026/1 on", "Fajr azan at 04:00", "a5 i5"},
      {"run +1 00:00:03", "1026/5", "Fajr azan at 04:00", ""}}},
    // An OK in Set Alarms between an azan and its iqamah keeps the iqamah.
    {"AlarmsOkKeepsAPendingIqamah: 12:00; 2 12:30 +15; 3 15:30 +15",
     {{"run 12:30:05", "1028/1 on", "Zuhr iqama at 12:45", "a2"},
      {"ok", "1028/5", "Zuhr iqama at 12:45", ""},
      {"run 12:45:05", "1026/1 on", "'Asr azan at 15:30", "i2"},
      {"ok", "1026/5", "'Asr azan at 15:30", ""}}},
    // The clock set back across midnight after 'Isha: no second 'Isha.
    {"ClockBackAcrossMidnight: 22:00; 0 05:00 +15; 5 23:00 +15",
     {{"run 23:20", "1026/5", "Fajr azan at 05:00", "a5 i5"},
      {"run +1 00:10", "1026/5", "Fajr azan at 05:00", ""},
      {"jump -1h", "1026/5", "Fajr azan at 05:00", ""},
      {"run +1 05:00:05", "1028/1 on", "Fajr iqama at 05:15", "a0"}}},
    // Past 'Isha and back before Maghrib: Maghrib still comes, 'Isha not again.
    {"ClockBackBeforeASkippedAlarm: 17:00; 4 18:00 +5; 5 20:00 +15",
     {{"jump 4h", "1028/5", "'Isha` iqama at 20:15", "a5"},
      {"run 21:00:15", "1026/5", "maGHrib azan at 18:00", "i5"},
      {"jump -210m", "1026/5", "maGHrib azan at 18:00", ""},
      {"run 18:00:05", "1028/1 on", "maGHrib iqama at 18:05", "a4"},
      {"run 20:30", "1026/5", "maGHrib azan at 18:00", "i4"}}},
    // Set back before the azan whose iqamah is awaited: the azans are watched
    // again, and the iqamah comes back with its azan's minute.
    {"ClockBackWhileAnIqamahIsAwaited: 19:00; 4 18:00 +5; 5 20:00 +15",
     {{"run 20:00:05", "1028/1 on", "'Isha` iqama at 20:15", "a5"},
      {"click", "1028/5", "'Isha` iqama at 20:15", ""},
      {"jump -125m", "1026/5", "maGHrib azan at 18:00", ""},
      {"run 18:10:05", "1026/5", "'Isha` iqama at 20:15", "a4 i4"},
      {"run 20:00:05", "1028/5", "'Isha` iqama at 20:15", ""},
      {"run 20:15:05", "1026/1 on", "maGHrib azan at 18:00", "i5"}}},
};

// "[+D] HH:MM[:SS]" as seconds of the simulated clock.
int64_t Time(const std::string& text) {
  int day = 0, hour = 0, minute = 0, second = 0;
  const char* at = text.c_str();
  if (*at == '+') at += std::sscanf(at, "+%d ", &day) == 1 ? std::strcspn(at, " ") + 1 : 0;
  std::sscanf(at, "%d:%d:%d", &hour, &minute, &second);
  return At(day, hour, minute, second);
}

class AlarmScenarioTest : public AlarmEngineTest, public ::testing::WithParamInterface<Scenario> {};

TEST_P(AlarmScenarioTest, EachStep) {
  const Scenario& s = GetParam();
  document.m_preferences.m_nTimeFormat = 1;
  const std::string setup = s.setup, name = setup.substr(0, setup.find(':'));
  for (std::size_t at = setup.find(';'); at != std::string::npos; at = setup.find(';', at + 1)) {
    Entry e{};
    std::sscanf(setup.c_str() + at, "; %d %d:%d +%d", &e.prayer, &e.hour, &e.minute, &e.delay);
    e.SetIn(document);
  }
  StartAt(Time(setup.substr(name.size() + 2)));
  for (std::size_t n = 0; n < s.steps.size(); ++n) {
    const Step& step = s.steps[n];
    const std::size_t firedBefore = host.fired.size();
    const std::string action = step.action;
    if (action.rfind("run ", 0) == 0) {
      host.RunUntil(Time(action.substr(4)));
    } else if (action.rfind("jump ", 0) == 0) {
      const int64_t amount = std::stoll(action.substr(5));
      host.Jump(amount * (action.back() == 'h' ? 3600 : 60));
      host.RunUntil(host.clock + 5);
    } else if (action == "12h") {  // the clock format changed in Preferences
      document.m_preferences.m_nTimeFormat = 0;
      engine.RefreshNextAlarm();
    } else {
      engine.StopAlarm();  // "click", and the StopAlarm every command starts with
      if (action == "ok") engine.FindCurrentAlarm();
    }
    char timer[32] = "-";
    if (!host.timers.empty()) {
      std::snprintf(timer, sizeof timer, "%u/%lld%s", host.timers.begin()->first,
                    static_cast<long long>(host.timers.begin()->second.periodSeconds),
                    engine.AlarmActive() ? " on" : "");
    }
    const std::string where = name + " step " + std::to_string(n + 1);
    EXPECT_LE(host.timers.size(), 1u) << where;
    EXPECT_EQ(timer, std::string(step.timer)) << where;
    EXPECT_EQ(engine.NextAlarm(), step.next) << where;
    EXPECT_EQ(host.tip, std::string(step.next) == "<not set>" ? "salle 'ala Muhammad" : step.next)
        << where;
    std::string fired;
    for (std::size_t i = firedBefore; i < host.fired.size(); ++i)
      fired += (fired.empty() ? "" : " ") + host.fired[i].second;
    EXPECT_EQ(fired, step.fired) << where;
  }
}

INSTANTIATE_TEST_SUITE_P(Scenarios, AlarmScenarioTest, ::testing::ValuesIn(kScenarios),
                         [](const auto& info) {
                           const std::string setup = info.param.setup;
                           return setup.substr(0, setup.find(':'));
                         });

// A timer that cannot be installed: its message, and no alarm for the run.
TEST_F(AlarmEngineTest, TimerFailures) {
  SetAlarms({{Zuhr, 12, 0, 15}, {Asr, 15, 0, 15}});
  const std::string noAlarm = "Could not install timer for Alarm.\nNo alarm will be played.";
  const struct {
    const char* where;
    std::function<bool(unsigned id, unsigned ms)> allow;
    int64_t until;  // runs to there, then a click
    std::vector<std::string> boxes;
    const char* next;
  } rows[] = {
      {"start-up",
       [](unsigned, unsigned) { return false; },
       At(0, 11, 0),
       {noAlarm},
       "<processing...>"},
      {"stopping an alarm",
       [](unsigned, unsigned ms) { return ms != 5000; },
       At(0, 12, 0, 5),
       {"Could not install timer for Alarm.\nNo more alarms will be played.",
        "Zuhr prayer at 12:15 P.M. Insha Allah."},
       "Zuhr iqama at 12:15 P.M."},
  };
  for (const auto& row : rows) {
    FakeAlarmHost h;
    CAlarmEngine e{document, h};
    h.engine = &e;
    h.clock = At(0, 11, 0);
    h.allowTimer = [&](unsigned id, unsigned ms) {
      return h.clock < row.until - 5 || row.allow(id, ms);
    };
    e.InstallStartupTimer();
    h.RunUntil(row.until);
    e.StopAlarm();
    h.RunUntil(At(0, 16, 0));  // nothing fires from here
    std::vector<std::string> boxes;
    for (const auto& box : h.boxes) boxes.push_back(box.second);
    EXPECT_EQ(boxes, row.boxes) << row.where;
    EXPECT_TRUE(e.AlarmsDisabled()) << row.where;
    EXPECT_EQ(e.NextAlarm(), row.next) << row.where;
    EXPECT_TRUE(h.timers.empty()) << row.where;
  }
}

TEST_F(AlarmEngineTest, TicksDuringABoxFromATickAreDroppedAndFromTheUserHandled) {
  SetAlarms({{Zuhr, 12, 0, 5}, {Asr, 12, 7, 5}});
  // The iqamah's own box stays open for two minutes, across Asr's azan.
  host.boxSeconds = [](const std::string& text) {
    return text == "Go for Zuhr prayer NOW!" ? 120 : 0;
  };
  StartAt(At(0, 11, 59));
  host.RunUntil(At(0, 12, 6, 1));  // 12:06:00 ends the iqamah alarm from a tick
  ASSERT_EQ(host.boxes.size(), 1u);
  EXPECT_EQ(host.clock, At(0, 12, 8));     // the user closed it at 12:08
  EXPECT_EQ(engine.CurrentAlarm(), Zuhr);  // nothing fired inside the box
  host.RunUntil(At(0, 12, 8, 5));
  EXPECT_EQ(engine.CurrentAlarm(), Asr);

  // The user stops Asr's azan and keeps its box open ten minutes: the
  // iqamah fires and ends inside it.
  host.boxSeconds = [](const std::string& text) { return text.rfind("'Asr", 0) == 0 ? 600 : 0; };
  engine.StopAlarm();
  ASSERT_EQ(host.boxes.size(), 3u);
  EXPECT_EQ(host.boxes[2].second, "Go for 'Asr prayer NOW!");
  EXPECT_LE(host.boxes[2].first - At(0, 12, 13), 5);
}

}  // namespace
}  // namespace kestrivane
