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

uint16_t Azan(int hour, int minute) { return static_cast<uint16_t>(hour << 8 | minute); }

class AlarmEngineTest : public ::testing::Test {
 protected:
  AlarmEngineTest() { host.engine = &engine; }

  void SetAlarm(int prayer, int hour, int minute, int delay = 15) {
    document.m_preferences.m_alarms.SetAlarm(prayer, true, Azan(hour, minute),
                                             static_cast<uint16_t>(delay));
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
  SetAlarm(Zuhr, 12, 30, 15);
  document.m_preferences.m_alarms.m_recipients = {"ops"};
  document.m_preferences.m_alarms.m_bPlaySound = 1;

  StartAt(At(0, 12, 0));
  EXPECT_THAT(Calls(0, {"set", "kill", "minimize"}),
              ElementsAre("set 1027 2000", "kill 1027", "set 1026 5000", "minimize"));
  EXPECT_EQ(engine.m_nCurrentAlarm, -1);
  EXPECT_EQ(engine.m_strNextAlarm, "Zuhr azan at 12:30 P.M.");
  EXPECT_EQ(host.tip, "Zuhr azan at 12:30 P.M.");

  // The azan: within 5 seconds of 12:30.
  std::size_t mark = host.log.size();
  host.RunUntil(At(0, 12, 30, 2));  // ticks fall at :02 and :07 of each minute
  ASSERT_EQ(host.datagrams.size(), 1u);
  EXPECT_LT(host.datagrams[0].time - At(0, 12, 30), 5);
  EXPECT_EQ(host.datagrams[0].path, "\\\\ops\\mailslot\\messngr");
  EXPECT_EQ(Text(host.datagrams[0].bytes),
            Bytes("Kestrivane @ DESK7\0ops\0Zuhr prayer at 12:45 P.M. Insha Allah.\0"));
  EXPECT_EQ(engine.m_nCurrentAlarm, Zuhr);
  EXPECT_EQ(engine.m_strAlarmMessage, "Zuhr prayer at 12:45 P.M. Insha Allah.");
  EXPECT_THAT(
      Calls(mark, {"tip", "kill", "set", "sound", "fired", "icon"}),
      ElementsAre("kill 1026", "tip Zuhr prayer at 12:45 P.M. Insha Allah.", "sound Azan.wav",
                  "fired Zuhr prayer at 12:45 P.M. Insha Allah.", "set 1028 1000", "icon 142",
                  "tip Zuhr iqama at 12:45 P.M."));
  EXPECT_EQ(engine.m_strNextAlarm, "Zuhr iqama at 12:45 P.M.");

  // Every second the icon alternates and the caption flashes.
  mark = host.log.size();
  host.RunUntil(At(0, 12, 30, 6));
  EXPECT_THAT(Calls(mark, {"icon", "flash"}),
              ElementsAre("icon 128", "flash off", "icon 142", "flash on", "icon 128", "flash off",
                          "icon 142", "flash on"));

  // The iqamah takes over in its minute, within a second.
  mark = host.log.size();
  host.RunUntil(At(0, 12, 45, 1));
  ASSERT_EQ(host.datagrams.size(), 2u);
  EXPECT_LE(host.datagrams[1].time - At(0, 12, 45), 1);
  EXPECT_EQ(host.datagrams[1].bytes.size(), 47u);
  EXPECT_EQ(Text(host.datagrams[1].bytes),
            Bytes("Kestrivane @ DESK7\0ops\0Go for Zuhr prayer NOW!\0"));
  EXPECT_EQ(host.sounds.size(), 2u);
  EXPECT_EQ(host.Period(IDT_AZAN), 1);
  EXPECT_EQ(engine.m_strNextAlarm, "Zuhr azan at 12:30 P.M.");  // tomorrow's

  // With the minute over the alarm stops itself and shows its message.
  host.RunUntil(At(0, 12, 46, 2));
  ASSERT_EQ(host.boxes.size(), 1u);
  EXPECT_EQ(host.boxes[0].second, "Go for Zuhr prayer NOW!");
  EXPECT_EQ(host.boxes[0].first, At(0, 12, 46));
  EXPECT_FALSE(engine.m_bAlarmActive);
  EXPECT_EQ(host.Period(IDT_AZAN), 5);
  EXPECT_EQ(host.icon, IDR_MAINFRAME);
  EXPECT_EQ(host.tip, "Zuhr azan at 12:30 P.M.");
}

TEST_F(AlarmEngineTest, StatesAndTheirTimers) {
  // Start-up with nothing switched on: Idle, no timer at all.
  StartAt(At(0, 6, 0));
  EXPECT_TRUE(host.timers.empty());
  EXPECT_EQ(engine.m_strNextAlarm, "<not set>");
  EXPECT_EQ(host.tip, "salle 'ala Muhammad");

  // An alarms change that switches one on: Waiting for azan.
  SetAlarm(Asr, 15, 0, 10);
  engine.FindCurrentAlarm();
  EXPECT_EQ(host.Period(IDT_AZAN), 5);

  // Due azan: Azan running on 1028 every second.
  host.RunUntil(At(0, 15, 0, 5));
  EXPECT_TRUE(engine.m_bAlarmActive);
  EXPECT_EQ(host.Period(IDT_IQAMAH), 1);
  EXPECT_EQ(host.timers.size(), 1u);

  // The user touches the window: Azan stopped, 1028 every 5 seconds.
  engine.StopAlarm();
  EXPECT_FALSE(engine.m_bAlarmActive);
  EXPECT_EQ(host.Period(IDT_IQAMAH), 5);
  EXPECT_EQ(host.boxes.back().second, "'Asr prayer at  3:10 P.M. Insha Allah.");

  // Iqamah due: Iqamah running on 1026 every second (within the 5-second poll).
  host.RunUntil(At(0, 15, 10, 5));
  EXPECT_TRUE(engine.m_bAlarmActive);
  EXPECT_EQ(engine.m_strAlarmMessage, "Go for 'Asr prayer NOW!");
  EXPECT_EQ(host.Period(IDT_AZAN), 1);

  // The user stops it: Waiting for azan again.
  engine.StopAlarm();
  EXPECT_EQ(host.Period(IDT_AZAN), 5);
  EXPECT_EQ(host.timers.size(), 1u);
  host.RunUntil(At(1, 14, 59));
  EXPECT_EQ(host.boxes.size(), 2u);  // nothing more that day
}

TEST_F(AlarmEngineTest, AzanFoundAfterItsIqamahMinuteIsFiredAndStoppedAtOnce) {
  SetAlarm(Maghrib, 18, 0, 5);
  StartAt(At(0, 17, 0));
  // The machine sleeps across the azan and its iqamah.
  host.timers[IDT_AZAN].next = At(0, 18, 7);
  host.RunUntil(At(0, 18, 7));
  ASSERT_EQ(host.boxes.size(), 1u);
  EXPECT_EQ(host.boxes[0].second, "maGHrib prayer at  6:05 P.M. Insha Allah.");
  EXPECT_FALSE(engine.m_bAlarmActive);
  EXPECT_EQ(Calls(0, {"flash on"}).size(), 0u);  // no flashing before the box

  // Five seconds later 1028 fires the iqamah, which stops at once too.
  host.RunUntil(At(0, 18, 7, 5));
  ASSERT_EQ(host.boxes.size(), 2u);
  EXPECT_EQ(host.boxes[1].second, "Go for maGHrib prayer NOW!");
  EXPECT_EQ(host.Period(IDT_AZAN), 5);
}

TEST_F(AlarmEngineTest, CursorAndDueEntries) {
  SetAlarm(Fajr, 5, 0);
  SetAlarm(Zuhr, 12, 30);
  SetAlarm(Asr, 15, 45);
  SetAlarm(Isha, 20, 0);

  // Start-up in the middle of the day: the entry just before the first ahead.
  StartAt(At(0, 13, 0));
  EXPECT_EQ(engine.m_nCurrentAlarm, Zuhr);
  EXPECT_EQ(engine.m_strNextAlarm, "'Asr azan at  3:45 P.M.");

  // An azan in the current minute counts as come.
  host.clock = At(0, 15, 45, 30);
  engine.FindCurrentAlarm();
  EXPECT_EQ(engine.m_nCurrentAlarm, Asr);

  // After the last alarm the field shows tomorrow's first one.
  host.clock = At(0, 21, 0);
  engine.FindCurrentAlarm();
  EXPECT_EQ(engine.m_nCurrentAlarm, Isha);
  EXPECT_EQ(engine.m_strNextAlarm, "Fajr azan at  5:00 A.M.");

  // The clock jumps from 04:00 to 16:00: only the latest due entry fires.
  host.datagrams.clear();
  document.m_preferences.m_alarms.m_recipients = {"ops"};
  host.clock = At(1, 4, 0);
  engine.FindCurrentAlarm();
  host.RunUntil(At(1, 4, 0, 5));
  EXPECT_EQ(engine.m_nCurrentAlarm, -1);  // before Fajr's azan: a new day
  host.timers[IDT_AZAN].next = At(1, 16, 0);
  host.RunUntil(At(1, 16, 0));
  ASSERT_EQ(host.datagrams.size(), 1u);
  EXPECT_EQ(engine.m_nCurrentAlarm, Asr);
  EXPECT_EQ(engine.m_strAlarmMessage, "'Asr prayer at  4:00 P.M. Insha Allah.");
}

TEST_F(AlarmEngineTest, SleepingThroughTheFajrTimeLosesNoDay) {
  SetAlarm(Fajr, 5, 0);
  SetAlarm(Zuhr, 12, 30);
  SetAlarm(Isha, 20, 0);
  StartAt(At(0, 21, 0));
  EXPECT_EQ(engine.m_nCurrentAlarm, Isha);
  // Suspended from 22:00 until 07:00 the next day: no tick before Fajr's time.
  host.timers[IDT_AZAN].next = At(1, 7, 0);
  host.RunUntil(At(1, 7, 0));
  // The new date resets the cursor: the latest due entry fires on waking,
  // as after any sleep, and the day's later alarms follow.
  EXPECT_EQ(engine.m_strAlarmMessage, "Fajr prayer at  5:15 A.M. Insha Allah.");
  engine.StopAlarm();
  host.RunUntil(At(1, 12, 30, 5));
  EXPECT_TRUE(engine.m_bAlarmActive);
  EXPECT_EQ(engine.m_nCurrentAlarm, Zuhr);
}

TEST_F(AlarmEngineTest, TimesPastMidnight) {
  // 24:05 is never reached, and is shown as stored.
  document.m_preferences.m_nTimeFormat = 1;
  SetAlarm(Isha, 24, 5);
  StartAt(At(0, 23, 0));
  EXPECT_EQ(engine.m_nCurrentAlarm, -1);
  EXPECT_EQ(engine.m_strNextAlarm, "'Isha` azan at 24:05");
  host.RunUntil(At(2, 0, 0));
  EXPECT_TRUE(host.boxes.empty());
  EXPECT_FALSE(engine.m_bAlarmActive);
}

TEST_F(AlarmEngineTest, AnIqamahPastMidnightDoesNotStarveTheNextDay) {
  SetAlarm(Fajr, 4, 0);
  SetAlarm(Isha, 23, 30, 45);  // iqamah 24:15, never reached
  StartAt(At(0, 23, 0));
  host.RunUntil(At(0, 23, 30, 5));
  EXPECT_TRUE(engine.m_bAlarmActive);
  engine.StopAlarm();
  EXPECT_EQ(host.Period(IDT_IQAMAH), 5);
  // The first tick of the new date hands the watch back to the azan timer.
  host.RunUntil(At(1, 0, 0, 10));
  EXPECT_EQ(host.Period(IDT_IQAMAH), 0);
  EXPECT_EQ(host.Period(IDT_AZAN), 5);
  host.RunUntil(At(1, 4, 0, 5));
  EXPECT_TRUE(engine.m_bAlarmActive);
  EXPECT_EQ(engine.m_strAlarmMessage, "Fajr prayer at  4:15 A.M. Insha Allah.");
  EXPECT_EQ(host.boxes.size(), 1u);  // the Isha azan's, nothing else
}

TEST_F(AlarmEngineTest, IqamahInTheLastMinuteEndsJustAfterMidnight) {
  SetAlarm(Fajr, 4, 0);
  SetAlarm(Isha, 23, 44, 15);  // iqamah 23:59
  StartAt(At(0, 23, 0));
  host.RunUntil(At(0, 23, 59, 30));
  EXPECT_TRUE(engine.m_bAlarmActive);
  EXPECT_EQ(engine.m_strAlarmMessage, "Go for 'Isha` prayer NOW!");
  // The clock's minute of day starts again at 0: the scan resets the cursor
  // and the next tick ends the alarm instead of reading an entry at -1.
  host.RunUntil(At(1, 0, 0, 3));
  EXPECT_FALSE(engine.m_bAlarmActive);
  EXPECT_EQ(host.boxes.back().second, "Go for 'Isha` prayer NOW!");
  EXPECT_EQ(host.Period(IDT_AZAN), 5);
  host.RunUntil(At(1, 4, 0, 5));
  EXPECT_TRUE(engine.m_bAlarmActive);  // Fajr still comes
}

TEST_F(AlarmEngineTest, TimerFailures) {
  SetAlarm(Zuhr, 12, 0);
  const std::string noAlarm = "Could not install timer for Alarm.\nNo alarm will be played.";

  {  // the start-up timer
    FakeAlarmHost h;
    CAlarmEngine e{document, h};
    h.engine = &e;
    h.allowTimer = [](unsigned, unsigned) { return false; };
    e.InstallStartupTimer();
    ASSERT_EQ(h.boxes.size(), 1u);
    EXPECT_EQ(h.boxes[0].second, noAlarm);
    EXPECT_TRUE(e.m_bAlarmsDisabled);
    EXPECT_EQ(e.m_strNextAlarm, "<processing...>");
  }
  {  // the azan watch
    host.allowTimer = [](unsigned id, unsigned) { return id != IDT_AZAN; };
    StartAt(At(0, 11, 0));
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.boxes[0].second, noAlarm);
    EXPECT_EQ(engine.m_strNextAlarm, "<not set>");
    EXPECT_TRUE(host.timers.empty());
  }
}

TEST_F(AlarmEngineTest, TimerFailureWhenStoppingDisablesTheRest) {
  SetAlarm(Zuhr, 12, 0);
  SetAlarm(Asr, 15, 0);
  StartAt(At(0, 11, 0));
  host.RunUntil(At(0, 12, 0, 5));
  host.allowTimer = [](unsigned, unsigned ms) { return ms != 5000; };
  engine.StopAlarm();
  ASSERT_EQ(host.boxes.size(), 2u);
  EXPECT_EQ(host.boxes[0].second,
            "Could not install timer for Alarm.\nNo more alarms will be played.");
  EXPECT_EQ(host.boxes[1].second, "Zuhr prayer at 12:15 P.M. Insha Allah.");
  EXPECT_TRUE(engine.m_bAlarmsDisabled);
  host.allowTimer = [](unsigned, unsigned) { return true; };
  engine.FindCurrentAlarm();
  host.RunUntil(At(0, 16, 0));
  EXPECT_EQ(host.boxes.size(), 2u);
  EXPECT_EQ(engine.m_strNextAlarm, "<not set>");
}

TEST_F(AlarmEngineTest, TicksDuringABoxShownFromATickAreDropped) {
  SetAlarm(Zuhr, 12, 0, 5);
  SetAlarm(Asr, 12, 7, 5);
  // The iqamah's own box stays open for two minutes, across Asr's azan.
  host.boxSeconds = [](const std::string& text) {
    return text == "Go for Zuhr prayer NOW!" ? 120 : 0;
  };
  StartAt(At(0, 11, 59));
  host.RunUntil(At(0, 12, 6, 1));  // 12:06:00 ends the iqamah alarm from a tick
  ASSERT_EQ(host.boxes.size(), 1u);
  EXPECT_EQ(host.boxes[0].first, At(0, 12, 6));
  EXPECT_EQ(host.clock, At(0, 12, 8));  // the user closed it at 12:08
  // Nothing fired inside the box although Asr came at 12:07.
  EXPECT_FALSE(engine.m_bAlarmActive);
  EXPECT_EQ(engine.m_nCurrentAlarm, Zuhr);
  host.RunUntil(At(0, 12, 8, 5));
  EXPECT_TRUE(engine.m_bAlarmActive);
  EXPECT_EQ(engine.m_nCurrentAlarm, Asr);
}

TEST_F(AlarmEngineTest, TicksDuringABoxShownFromTheUserAreHandled) {
  SetAlarm(Zuhr, 12, 0, 5);
  host.boxSeconds = [](const std::string& text) {
    return text == "Zuhr prayer at 12:05 P.M. Insha Allah." ? 600 : 0;
  };
  StartAt(At(0, 11, 59));
  host.RunUntil(At(0, 12, 1));
  engine.StopAlarm();  // the user clicks; the box stays open ten minutes
  // The iqamah fired and ended inside the box.
  ASSERT_EQ(host.boxes.size(), 2u);
  EXPECT_EQ(host.boxes[1].second, "Go for Zuhr prayer NOW!");
  EXPECT_EQ(host.boxes[1].first, At(0, 12, 6));
}

}  // namespace
}  // namespace kestrivane
