#pragma once
// A host for the alarm engine with a simulated clock: timers fire when the
// clock reaches them, message boxes stay open for a chosen time while ticks
// keep arriving, and every call is recorded.

#include <algorithm>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "app/alarm_engine.h"
#include "calc/calendar.h"
#include "resources/string_table.h"
#include "settings/locations_document.h"
#include "settings/settings_reporter.h"

namespace kestrivane::testing {

inline int64_t At(int day, int hour, int minute, int second = 0) {
  return ((static_cast<int64_t>(day) * 24 + hour) * 60 + minute) * 60 + second;
}

// An alarm on: the prayer, the azan's time and the iqamah delay in minutes.
struct AlarmEntry {
  int prayer, hour, minute, delay;
  void SetIn(CLocations& document) const {
    document.m_preferences.m_alarms.SetAlarm(
        prayer, true, static_cast<uint16_t>(hour << 8 | minute), static_cast<uint16_t>(delay));
  }
};

// Madrid, with daylight saving from the last Sunday of March to that of
// October: 25 March and 28 October 2001, days 83 and 300.
inline void SetInMadrid(CLocations& document) {
  CDstRule rule;
  rule.SetWeekday(true, true, 2, 4, 0);
  rule.SetWeekday(false, true, 9, 4, 0);
  document.m_location.Set("Madrid", "Spain", 40, 25, false, 3, 42, true, 667, 1.0, rule);
}

class NullReporter : public SettingsReporter {
 public:
  void ReportError(const std::string&) override {}
};

struct Datagram {
  int64_t time;
  std::string path;
  std::vector<uint8_t> bytes;
};

class FakeAlarmHost : public AlarmHost {
 public:
  struct Timer {
    int64_t periodSeconds;
    int64_t next;
  };

  CAlarmEngine* engine = nullptr;
  int64_t clock = 0;  // seconds since midnight of day 0
  std::map<unsigned, Timer> timers;

  // Decides whether an installation succeeds (id, period in ms).
  std::function<bool(unsigned, unsigned)> allowTimer = [](unsigned, unsigned) { return true; };
  // How long the user takes to close a message box, in seconds.
  std::function<int64_t(const std::string&)> boxSeconds = [](const std::string&) { return 0; };

  bool keepLog = true;
  std::vector<std::string> log;  // every call, in order, while keepLog
  std::vector<std::pair<int64_t, std::string>> boxes;
  std::vector<Datagram> datagrams;
  // Every alarm fired, with its time: "a" (azan) or "i" (iqamah) and the prayer.
  std::vector<std::pair<int64_t, std::string>> fired;
  std::string tip;
  bool iconic = false;
  // The user's language: source text -> translation.
  std::map<std::string, std::string> translations;

  void Log(std::string entry) {
    if (keepLog) log.push_back(std::move(entry));
  }

  LocalTime Now() override {
    // Day 0 is 1 January 2001; the clock may run for years.
    LocalTime t;
    const int64_t ofDay = clock % 86400;
    const CivilDay date = CivilFromDays(DaysFromCivil(2001, 1, 1) + clock / 86400);
    t.year = date.year;
    t.month = date.month;
    t.day = date.day;
    t.hour = static_cast<int>(ofDay / 3600);
    t.minute = static_cast<int>(ofDay / 60 % 60);
    t.second = static_cast<int>(ofDay % 60);
    return t;
  }

  unsigned SetTimer(unsigned id, unsigned milliseconds) override {
    Log("set " + std::to_string(id) + " " + std::to_string(milliseconds));
    if (!allowTimer(id, milliseconds)) return 0;
    timers[id] = Timer{milliseconds / 1000, clock + milliseconds / 1000};
    return id;
  }

  void KillTimer(unsigned id) override {
    Log("kill " + std::to_string(id));
    timers.erase(id);
  }

  void TraySetTip(const std::string& text) override {
    Log("tip " + text);
    tip = text;
  }
  void TraySetIcon(int id) override { Log("icon " + std::to_string(id)); }
  void FlashWindow(bool invert) override { Log(invert ? "flash on" : "flash off"); }
  bool IsIconic() override { return iconic; }

  void MessageBox(const std::string& text) override {
    Log("box " + text);
    boxes.emplace_back(clock, text);
    // The box's own loop keeps delivering ticks until the user closes it.
    RunUntil(clock + boxSeconds(text));
  }

  void PlaySound(const std::string& file) override { Log("sound " + file); }
  std::optional<std::string> NetworkUserName() override { return "desk7"; }
  void SendMailslot(const std::string& path, const std::vector<uint8_t>& message) override {
    Log("mailslot " + path);
    datagrams.push_back({clock, path, message});
  }
  void AlarmFired(const std::string& message) override {
    Log("fired " + message);
    const bool iqamah = message.rfind("Go for ", 0) == 0;
    std::string code = "?";
    for (int i = Fajr; i <= Isha; ++i) {
      if (message.find(std::string(LoadString(IDS_PRAYER_FAJR + i)) + " prayer") ==
          (iqamah ? 7u : 0u))
        code = (iqamah ? "i" : "a") + std::to_string(i);
    }
    fired.emplace_back(clock, code);
  }
  std::string Translate(const char*, const char* text) override {
    const auto found = translations.find(text);
    return found != translations.end() ? found->second : text;
  }
  void RefreshControls() override { Log("refresh"); }
  void MinimizeToTray() override { Log("minimize"); }

  // Delivers every tick due up to `until`, in time order, then sets the clock there.
  void RunUntil(int64_t until) {
    for (;;) {
      auto due = std::min_element(timers.begin(), timers.end(), [](const auto& a, const auto& b) {
        return a.second.next < b.second.next;
      });
      if (due == timers.end() || due->second.next > until) break;
      const unsigned id = due->first;
      clock = std::max(clock, due->second.next);
      due->second.next += due->second.periodSeconds;
      engine->OnTimer(id);
    }
    clock = std::max(clock, until);
  }

  // The wall clock jumps (suspend and resume, a clock set by hand); window
  // timers keep their own pace, so each next tick moves with it.
  void Jump(int64_t seconds) {
    clock += seconds;
    for (auto& [id, timer] : timers) timer.next += seconds;
  }
};

}  // namespace kestrivane::testing
