#pragma once
// The alarm scheduler and the alarm delivery: when azan and iqamah alarms
// fire, and what firing, flashing and stopping one does. Driven by one window
// timer: every 5 seconds while waiting for an azan, every second while an
// alarm is under way.
//
// Time is read once per step as a date and a minute of that date; alarms are
// placed on a running minute count across dates, so an iqamah past midnight
// comes at its minute of the next date. Which azans and iqamahs have fired
// is kept per date: however the clock jumps, none fires twice for one date,
// and one the clock comes back before fires when its minute comes again.
//
// An alarm that follows its prayer has its azan at that date's computed time
// plus its offset; every question about an azan's time goes through
// AzanTimeOn, so a fixed and a following alarm are scheduled alike.

#include <cstdint>
#include <map>
#include <optional>
#include <string>

#include "app/alarm_host.h"
#include "calc/calculation_method.h"
#include "calc/prayer_times.h"
#include "resources/translate_noop.h"

namespace kestrivane {

class CLocations;

inline constexpr unsigned IDT_AZAN = 1026;
inline constexpr unsigned IDT_STARTUP = 1027;
inline constexpr unsigned IDT_IQAMAH = 1028;
// The user's own alarm sound, in the current directory.
inline constexpr const char* kSoundFile = "Azan.wav";

// The next alarm's text until the engine has looked.
inline constexpr const char* kProcessing = KV_TRANSLATE_NOOP("Alarm", "<processing...>");

class CAlarmEngine {
 public:
  // The engine reads the alarm table and the clock format from the document
  // at each use, so changes take effect without telling it.
  CAlarmEngine(CLocations& document, AlarmHost& host)
      : m_document(document), m_host(host), m_strNextAlarm(Shown("Alarm", kProcessing)) {}
  CAlarmEngine(const CAlarmEngine&) = delete;
  CAlarmEngine& operator=(const CAlarmEngine&) = delete;

  // The main window's opening: the start-up timer, unless alarms are already
  // disabled or a timer runs. Reports a failure and disables alarms.
  void InstallStartupTimer();

  bool StartAlarmTimer(unsigned seconds, unsigned id);
  void StopAlarmTimer();
  // Sets the cursor from the clock and starts the watch: the azans, or the
  // iqamah of an azan that fired today when its minute is still ahead.
  void FindCurrentAlarm();
  // The next-alarm text and tip for what is watched now (after a change of
  // the clock format, say).
  void RefreshNextAlarm();
  void OnTimer(unsigned id);
  // Ends a running alarm and shows its message; nothing when none runs.
  void StopAlarm();

  // Read-only state, for the window and the tests.
  int CurrentAlarm() const { return m_nCurrentAlarm; }
  unsigned TimerId() const { return m_nTimerId; }
  bool AlarmsDisabled() const { return m_bAlarmsDisabled; }
  bool AlarmActive() const { return m_bAlarmActive; }
  // The alarm's message as sent to the recipients (English); the window,
  // tray and box show it in the user's language.
  const std::string& AlarmMessage() const { return m_strAlarmMessage; }
  const std::string& NextAlarm() const { return m_strNextAlarm; }

 private:
  // The clock as one step sees it.
  struct Clock {
    int64_t day = 0;      // day number of the local date
    uint16_t minute = 0;  // minute of that date
    int64_t Absolute() const { return day * 1440 + minute; }
  };
  // Which alarms of one date have fired, a bit per entry.
  struct Fired {
    uint8_t azans = 0;
    uint8_t iqamahs = 0;
  };

  Clock ReadClock();
  // A new date, or the clock set back: the cursor, the watch and the
  // next-alarm text follow. Runs at the start of every tick.
  void FollowClock(const Clock& now);
  // The entry just before the first switched-on entry whose azan is still
  // ahead at `minute` of `day`; an azan in the current minute counts as come.
  int CursorAt(int64_t day, uint16_t minute) const;
  void OnAzanTick();
  void OnIqamahTick();
  void WatchIqamahOf(int entry, int64_t day);
  // The azan of `entry` fired on `day` and its iqamah is still to come at `now`.
  bool IqamahPending(int entry, int64_t day, int64_t now);
  void FireAlarm(int index, bool iqamah);
  void FlashTick(const Clock& now);
  void ShowNextAlarm(int index, bool iqamahMode);
  std::string GetNetworkUserName();

  Fired& FiredOn(int64_t day);
  // The azan time word (hour * 256 + minute) of `index` on `day`: the
  // stored one, or the day's prayer time plus the offset when it follows.
  uint16_t AzanTimeOn(int index, int64_t day) const;
  uint16_t AzanMinuteOn(int index, int64_t day) const;
  uint16_t IqamahMinuteOn(int index, int64_t day) const;
  void IqamahTime(int index, int64_t day, uint16_t& hour, uint16_t& minute) const;
  // The six times of `day` by the document's settings and method.
  const PrayerTimes& TimesOn(int64_t day) const;
  // The alarm table keeps the following alarms' times of `day`, so the file
  // holds that day's time when it is next saved.
  void StoreFollowingTimes(int64_t day);
  bool Use24Hour() const;
  // A text the user sees, in their language.
  std::string Shown(const char* context, const char* text) const;
  std::string ShownPrayerName(int index) const;

  CLocations& m_document;
  AlarmHost& m_host;

  int m_nCurrentAlarm = -1;        // latest entry of the cursor's date whose azan has come
  unsigned m_nTimerId = 0;         // installed alarm timer, 0 when none
  unsigned g_nTimerId = 0;         // id the next installation uses
  bool m_bAlarmsDisabled = false;  // a timer failed to install; for the rest of the run
  bool m_bInTimer = false;
  bool m_bFlashOn = false;
  bool m_bAlarmActive = false;
  std::string m_strAlarmMessage;
  std::string m_strShownAlarmMessage;
  std::string m_strNextAlarm;

  int64_t m_nCursorDay = 0;          // the date the cursor belongs to
  int64_t m_nLastMinute = -1;        // the clock at the last look, to see it set back
  int m_nAlarmEntry = -1;            // the azan fired last, whose iqamah is watched or runs
  int64_t m_nAlarmDay = 0;           // and the date it fired on
  std::map<int64_t, Fired> m_fired;  // by date; the last few dates only

  // The last date's times and what they were computed from: asked many
  // times a step, the settings compared once a step (ReadClock clears
  // m_bTimesChecked), computed again only when the date or a setting changes.
  struct TimesInputs {
    int64_t day = 0;
    double latitude = 0, longitude = 0, timeZone = 0;
    uint16_t altitude = 0, dstStart = 0, dstEnd = 0;
    int32_t fiqh = 0;
    CalculationMethod method;
    friend bool operator==(const TimesInputs&, const TimesInputs&) = default;
  };
  mutable std::optional<TimesInputs> m_timesInputs;
  mutable PrayerTimes m_times;
  mutable bool m_bTimesChecked = false;
};

}  // namespace kestrivane
