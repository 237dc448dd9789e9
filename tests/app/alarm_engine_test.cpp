// The alarm engine on a simulated clock: one alarm's exact calls, then a
// table of scenarios (clock steps, clicks, alarm changes, clock jumps) with
// the timer, period, state and next-alarm text expected after each step.

#include "app/alarm_engine.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "settings/locations_document.h"
#include "tests/app/fake_alarm_host.h"

namespace kestrivane {
namespace {

using testing::At;
using ::testing::ElementsAre;
using testing::FakeAlarmHost;

struct Entry {
  int prayer, hour, minute, delay;
};

class AlarmEngineTest : public ::testing::Test {
 protected:
  AlarmEngineTest() { host.engine = &engine; }

  void SetAlarms(std::initializer_list<Entry> entries) {
    for (const Entry& e : entries) {
      document.m_preferences.m_alarms.SetAlarm(e.prayer, true,
                                               static_cast<uint16_t>(e.hour << 8 | e.minute),
                                               static_cast<uint16_t>(e.delay));
    }
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

std::string Text(const std::vector<uint8_t>& bytes) {
  return std::string(bytes.begin(), bytes.end());
}

// A literal with embedded zero bytes, all of them kept.
template <std::size_t N>
std::string Bytes(const char (&literal)[N]) {
  return std::string(literal, N - 1);
}

TEST_F(AlarmEngineTest, RoadOfOneAlarm) {
  SetAlarms({{Zuhr, 12, 30, 15}});
  document.m_preferences.m_alarms.m_recipients = {"ops"};
  document.m_preferences.m_alarms.m_bPlaySound = 1;

  StartAt(At(0, 12, 0));
  EXPECT_THAT(Calls(0, {"set", "kill", "minimize"}),
              ElementsAre("set 1027 2000", "kill 1027", "set 1026 5000", "minimize"));
  EXPECT_EQ(engine.NextAlarm(), "Zuhr azan at 12:30 P.M.");
  EXPECT_EQ(host.tip, "Zuhr azan at 12:30 P.M.");

  // The azan, within 5 seconds of 12:30: the tip and the sound before the
  // network message, which must not hold them up.
  std::size_t mark = host.log.size();
  host.RunUntil(At(0, 12, 30, 2));  // ticks fall at :02 and :07 of each minute
  ASSERT_EQ(host.datagrams.size(), 1u);
  EXPECT_LT(host.datagrams[0].time - At(0, 12, 30), 5);
  EXPECT_EQ(host.datagrams[0].path, "\\\\ops\\mailslot\\messngr");
  EXPECT_EQ(Text(host.datagrams[0].bytes),
            Bytes("Kestrivane @ DESK7\0ops\0Zuhr prayer at 12:45 P.M. Insha Allah.\0"));
  EXPECT_EQ(engine.CurrentAlarm(), Zuhr);
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
  EXPECT_EQ(host.datagrams[1].bytes.size(), 47u);
  EXPECT_EQ(Text(host.datagrams[1].bytes),
            Bytes("Kestrivane @ DESK7\0ops\0Go for Zuhr prayer NOW!\0"));
  EXPECT_EQ(host.sounds.size(), 2u);

  // With the minute over the alarm stops itself and shows its message.
  host.RunUntil(At(0, 12, 46, 2));
  ASSERT_EQ(host.boxes.size(), 1u);
  EXPECT_EQ(host.boxes[0].second, "Go for Zuhr prayer NOW!");
  EXPECT_EQ(host.boxes[0].first, At(0, 12, 46));
  EXPECT_EQ(host.icon, IDR_MAINFRAME);
  EXPECT_EQ(host.tip, "Zuhr azan at 12:30 P.M.");
}

// One step of a scenario and what must hold after it.
enum class Do { Run, Click, Jump, AlarmsOk };
struct Step {
  Do what;
  int64_t value;   // Run: until this time; Jump: by these seconds
  unsigned timer;  // the one timer running, 0 for none
  int period;
  bool active;
  const char* next;   // the next-alarm text
  const char* fired;  // the alarm messages of this step, joined by '|'
};
struct Scenario {
  const char* name;
  std::vector<Entry> alarms;
  int64_t start;
  std::vector<Step> steps;
};

constexpr int64_t H = 3600;
constexpr int64_t M = 60;

const Scenario kScenarios[] = {
    {"NoAlarmNoTimer", {}, At(0, 6, 0), {{Do::Run, At(1, 0, 0), 0, 0, false, "<not set>", ""}}},
    {"StatesAndTheirTimers",
     {{Asr, 15, 0, 10}},
     At(0, 14, 0),
     {
         {Do::Run, At(0, 14, 59, 59), IDT_AZAN, 5, false, "'Asr azan at 15:00", ""},
         {Do::Run, At(0, 15, 0, 5), IDT_IQAMAH, 1, true, "'Asr iqama at 15:10",
          "'Asr prayer at 15:10 Insha Allah."},
         {Do::Click, 0, IDT_IQAMAH, 5, false, "'Asr iqama at 15:10", ""},
         {Do::Run, At(0, 15, 10, 5), IDT_AZAN, 1, true, "'Asr azan at 15:00",
          "Go for 'Asr prayer NOW!"},
         {Do::Click, 0, IDT_AZAN, 5, false, "'Asr azan at 15:00", ""},
         {Do::Run, At(1, 14, 59), IDT_AZAN, 5, false, "'Asr azan at 15:00", ""},
     }},
    // Asleep across the azan and its iqamah: fired and stopped at once, then
    // the iqamah likewise five seconds later.
    {"AzanFoundAfterItsIqamah",
     {{Maghrib, 18, 0, 5}},
     At(0, 17, 0),
     {
         {Do::Jump, 67 * M, IDT_IQAMAH, 5, false, "maGHrib iqama at 18:05",
          "maGHrib prayer at 18:05 Insha Allah."},
         {Do::Run, At(0, 18, 7, 15), IDT_AZAN, 5, false, "maGHrib azan at 18:00",
          "Go for maGHrib prayer NOW!"},
     }},
    {"OnlyTheLatestDueFiresAfterAJump",
     {{Fajr, 5, 0, 15}, {Zuhr, 12, 30, 15}, {Asr, 15, 45, 15}, {Isha, 20, 0, 15}},
     At(0, 13, 0),
     {
         {Do::Run, At(0, 13, 1), IDT_AZAN, 5, false, "'Asr azan at 15:45", ""},
         {Do::Run, At(0, 20, 30), IDT_AZAN, 5, false, "Fajr azan at 05:00",
          "'Asr prayer at 16:00 Insha Allah.|Go for 'Asr prayer NOW!|"
          "'Isha` prayer at 20:15 Insha Allah.|Go for 'Isha` prayer NOW!"},
         {Do::Run, At(1, 4, 0), IDT_AZAN, 5, false, "Fajr azan at 05:00", ""},
         {Do::Jump, 11 * H + 50 * M, IDT_IQAMAH, 1, true, "'Asr iqama at 16:00",
          "'Asr prayer at 16:00 Insha Allah."},
     }},
    // A new date starts a new day even with no tick before the Fajr time.
    {"SleepingThroughTheFajrTime",
     {{Fajr, 5, 0, 15}, {Zuhr, 12, 30, 15}},
     At(0, 21, 0),
     {
         {Do::Run, At(0, 22, 0), IDT_AZAN, 5, false, "Fajr azan at 05:00", ""},
         {Do::Jump, 9 * H, IDT_IQAMAH, 5, false, "Fajr iqama at 05:15",
          "Fajr prayer at 05:15 Insha Allah."},
         {Do::Run, At(1, 12, 30, 5), IDT_IQAMAH, 1, true, "Zuhr iqama at 12:45",
          "Go for Fajr prayer NOW!|Zuhr prayer at 12:45 Insha Allah."},
     }},
    // An iqamah past midnight fires at its minute of the next date.
    {"IqamahPastMidnight",
     {{Fajr, 4, 0, 15}, {Isha, 23, 50, 15}},
     At(0, 23, 0),
     {
         {Do::Run, At(0, 23, 50, 5), IDT_IQAMAH, 1, true, "'Isha` iqama at 00:05",
          "'Isha` prayer at 00:05 Insha Allah."},
         {Do::Click, 0, IDT_IQAMAH, 5, false, "'Isha` iqama at 00:05", ""},
         {Do::Run, At(1, 0, 4, 59), IDT_IQAMAH, 5, false, "'Isha` iqama at 00:05", ""},
         {Do::Run, At(1, 0, 5, 5), IDT_AZAN, 1, true, "Fajr azan at 04:00",
          "Go for 'Isha` prayer NOW!"},
         {Do::Run, At(1, 0, 6, 5), IDT_AZAN, 5, false, "Fajr azan at 04:00", ""},
         {Do::Run, At(1, 4, 0, 5), IDT_IQAMAH, 1, true, "Fajr iqama at 04:15",
          "Fajr prayer at 04:15 Insha Allah."},
     }},
    // The iqamah of an earlier date that slept past it: the watch goes back
    // to the azans, and the text says so.
    {"StaleIqamahAfterSleep",
     {{Fajr, 5, 0, 15}, {Zuhr, 12, 30, 15}},
     At(0, 12, 0),
     {
         {Do::Run, At(0, 12, 30, 5), IDT_IQAMAH, 1, true, "Zuhr iqama at 12:45",
          "Zuhr prayer at 12:45 Insha Allah."},
         {Do::Click, 0, IDT_IQAMAH, 5, false, "Zuhr iqama at 12:45", ""},
         {Do::Jump, 14 * H, IDT_AZAN, 5, false, "Fajr azan at 05:00", ""},
     }},
    {"IqamahInTheLastMinuteEndsAfterMidnight",
     {{Fajr, 4, 0, 15}, {Isha, 23, 44, 15}},
     At(0, 23, 0),
     {
         {Do::Run, At(0, 23, 59, 30), IDT_AZAN, 1, true, "Fajr azan at 04:00",
          "'Isha` prayer at 23:59 Insha Allah.|Go for 'Isha` prayer NOW!"},
         {Do::Run, At(1, 0, 0, 3), IDT_AZAN, 5, false, "Fajr azan at 04:00", ""},
     }},
    // An OK in Set Alarms between an azan and its iqamah keeps the iqamah.
    {"AlarmsOkKeepsAPendingIqamah",
     {{Zuhr, 12, 30, 15}, {Asr, 15, 30, 15}},
     At(0, 12, 0),
     {
         {Do::Run, At(0, 12, 30, 5), IDT_IQAMAH, 1, true, "Zuhr iqama at 12:45",
          "Zuhr prayer at 12:45 Insha Allah."},
         {Do::AlarmsOk, 0, IDT_IQAMAH, 5, false, "Zuhr iqama at 12:45", ""},
         {Do::Run, At(0, 12, 45, 5), IDT_AZAN, 1, true, "'Asr azan at 15:30",
          "Go for Zuhr prayer NOW!"},
         {Do::AlarmsOk, 0, IDT_AZAN, 5, false, "'Asr azan at 15:30", ""},
     }},
    // The clock set back across midnight after 'Isha: no second 'Isha.
    {"ClockBackAcrossMidnight",
     {{Fajr, 5, 0, 15}, {Isha, 23, 0, 15}},
     At(0, 22, 0),
     {
         {Do::Run, At(0, 23, 20), IDT_AZAN, 5, false, "Fajr azan at 05:00",
          "'Isha` prayer at 23:15 Insha Allah.|Go for 'Isha` prayer NOW!"},
         {Do::Run, At(1, 0, 10), IDT_AZAN, 5, false, "Fajr azan at 05:00", ""},
         {Do::Jump, -H, IDT_AZAN, 5, false, "Fajr azan at 05:00", ""},
         {Do::Run, At(1, 5, 0, 5), IDT_IQAMAH, 1, true, "Fajr iqama at 05:15",
          "Fajr prayer at 05:15 Insha Allah."},
     }},
    // Past 'Isha and back before Maghrib: Maghrib still comes, 'Isha not again.
    {"ClockBackBeforeASkippedAlarm",
     {{Maghrib, 18, 0, 5}, {Isha, 20, 0, 15}},
     At(0, 17, 0),
     {
         {Do::Jump, 4 * H, IDT_IQAMAH, 5, false, "'Isha` iqama at 20:15",
          "'Isha` prayer at 20:15 Insha Allah."},
         {Do::Run, At(0, 21, 0, 15), IDT_AZAN, 5, false, "maGHrib azan at 18:00",
          "Go for 'Isha` prayer NOW!"},
         {Do::Jump, -3 * H - 30 * M, IDT_AZAN, 5, false, "maGHrib azan at 18:00", ""},
         {Do::Run, At(0, 18, 0, 5), IDT_IQAMAH, 1, true, "maGHrib iqama at 18:05",
          "maGHrib prayer at 18:05 Insha Allah."},
         {Do::Run, At(0, 20, 30), IDT_AZAN, 5, false, "maGHrib azan at 18:00",
          "Go for maGHrib prayer NOW!"},
     }},
    // Set back before the azan whose iqamah is awaited: the azans are watched
    // again, and the iqamah comes back with its azan's minute.
    {"ClockBackWhileAnIqamahIsAwaited",
     {{Maghrib, 18, 0, 5}, {Isha, 20, 0, 15}},
     At(0, 19, 0),
     {
         {Do::Run, At(0, 20, 0, 5), IDT_IQAMAH, 1, true, "'Isha` iqama at 20:15",
          "'Isha` prayer at 20:15 Insha Allah."},
         {Do::Click, 0, IDT_IQAMAH, 5, false, "'Isha` iqama at 20:15", ""},
         {Do::Jump, -2 * H - 5 * M, IDT_AZAN, 5, false, "maGHrib azan at 18:00", ""},
         {Do::Run, At(0, 18, 10, 5), IDT_AZAN, 5, false, "'Isha` iqama at 20:15",
          "maGHrib prayer at 18:05 Insha Allah.|Go for maGHrib prayer NOW!"},
         {Do::Run, At(0, 20, 0, 5), IDT_IQAMAH, 5, false, "'Isha` iqama at 20:15", ""},
         {Do::Run, At(0, 20, 15, 5), IDT_AZAN, 1, true, "maGHrib azan at 18:00",
          "Go for 'Isha` prayer NOW!"},
     }},
};

class AlarmScenarioTest : public AlarmEngineTest, public ::testing::WithParamInterface<Scenario> {};

TEST_P(AlarmScenarioTest, EachStep) {
  const Scenario& s = GetParam();
  document.m_preferences.m_nTimeFormat = 1;
  for (const Entry& e : s.alarms) SetAlarms({e});
  // Every box stopped from a tick is closed at once; a click waits for none.
  StartAt(s.start);
  for (std::size_t n = 0; n < s.steps.size(); ++n) {
    const Step& step = s.steps[n];
    const std::size_t firedBefore = host.fired.size();
    switch (step.what) {
      case Do::Run:
        host.RunUntil(step.value);
        break;
      case Do::Click:
        engine.StopAlarm();
        break;
      case Do::Jump:
        host.Jump(step.value);
        host.RunUntil(host.clock + 5);
        break;
      case Do::AlarmsOk:
        engine.StopAlarm();
        engine.FindCurrentAlarm();
        break;
    }
    std::string fired;
    for (std::size_t i = firedBefore; i < host.fired.size(); ++i) {
      fired += (fired.empty() ? "" : "|") + host.fired[i];
    }
    const std::string where = std::string(s.name) + " step " + std::to_string(n + 1);
    ASSERT_LE(host.timers.size(), 1u) << where;
    EXPECT_EQ(host.timers.empty() ? 0u : host.timers.begin()->first, step.timer) << where;
    EXPECT_EQ(host.Period(step.timer), step.period) << where;
    EXPECT_EQ(engine.AlarmActive(), step.active) << where;
    EXPECT_EQ(engine.NextAlarm(), step.next) << where;
    EXPECT_EQ(host.tip, std::string(step.next) == "<not set>" ? "salle 'ala Muhammad" : step.next)
        << where;
    EXPECT_EQ(fired, step.fired) << where;
  }
}

INSTANTIATE_TEST_SUITE_P(Scenarios, AlarmScenarioTest, ::testing::ValuesIn(kScenarios),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(AlarmEngineTest, TimesBeforeTheMinuteAndInItAtStartUp) {
  SetAlarms({{Fajr, 5, 0, 15}, {Zuhr, 12, 30, 15}, {Asr, 15, 45, 15}});
  // An azan in the current minute counts as come.
  StartAt(At(0, 15, 45, 30));
  EXPECT_EQ(engine.CurrentAlarm(), Asr);
  EXPECT_EQ(engine.NextAlarm(), "Fajr azan at  5:00 A.M.");
  host.RunUntil(At(0, 16, 0));
  EXPECT_TRUE(host.fired.empty());
  // A clock format change shows the watched alarm in the new format.
  document.m_preferences.m_nTimeFormat = 1;
  engine.RefreshNextAlarm();
  EXPECT_EQ(engine.NextAlarm(), "Fajr azan at 05:00");
}

TEST_F(AlarmEngineTest, TimerFailures) {
  SetAlarms({{Zuhr, 12, 0, 15}, {Asr, 15, 0, 15}});
  const std::string noAlarm = "Could not install timer for Alarm.\nNo alarm will be played.";
  {  // the start-up timer
    FakeAlarmHost h;
    CAlarmEngine e{document, h};
    h.engine = &e;
    h.allowTimer = [](unsigned, unsigned) { return false; };
    e.InstallStartupTimer();
    ASSERT_EQ(h.boxes.size(), 1u);
    EXPECT_EQ(h.boxes[0].second, noAlarm);
    EXPECT_TRUE(e.AlarmsDisabled());
    EXPECT_EQ(e.NextAlarm(), "<processing...>");
  }
  // The 5-second timer when an alarm is stopped: no more alarms for the run.
  StartAt(At(0, 11, 0));
  host.RunUntil(At(0, 12, 0, 5));
  host.allowTimer = [](unsigned, unsigned ms) { return ms != 5000; };
  engine.StopAlarm();
  ASSERT_EQ(host.boxes.size(), 2u);
  EXPECT_EQ(host.boxes[0].second,
            "Could not install timer for Alarm.\nNo more alarms will be played.");
  EXPECT_EQ(host.boxes[1].second, "Zuhr prayer at 12:15 P.M. Insha Allah.");
  host.allowTimer = [](unsigned, unsigned) { return true; };
  engine.FindCurrentAlarm();
  host.RunUntil(At(0, 16, 0));
  EXPECT_EQ(host.fired.size(), 1u);
  EXPECT_EQ(engine.NextAlarm(), "<not set>");
  // The azan watch itself.
  FakeAlarmHost h;
  CAlarmEngine e{document, h};
  h.engine = &e;
  h.allowTimer = [](unsigned id, unsigned) { return id != IDT_AZAN; };
  h.clock = At(0, 11, 0);
  e.InstallStartupTimer();
  h.RunUntil(At(0, 11, 0, 2));
  ASSERT_EQ(h.boxes.size(), 1u);
  EXPECT_EQ(h.boxes[0].second, noAlarm);
  EXPECT_EQ(e.NextAlarm(), "<not set>");
  EXPECT_TRUE(h.timers.empty());
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
