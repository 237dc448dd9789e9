#include "app/alarm_engine.h"

#include <cstdio>

#include "app/time_format.h"
#include "platform/mailslot.h"
#include "platform/messenger_message.h"
#include "resources/string_table.h"
#include "settings/locations_document.h"

namespace kestrivane {

namespace {

constexpr const char* kTimerFailedNoAlarm =
    "Could not install timer for Alarm.\nNo alarm will be played.";
constexpr const char* kTimerFailedNoMoreAlarms =
    "Could not install timer for Alarm.\nNo more alarms will be played.";
constexpr const char* kSoundFile = "Azan.wav";

std::string PrayerName(int index) { return LoadString(IDS_PRAYER_FAJR + index); }

// Clears the re-entry guard on every way out of a tick.
class InTimerGuard {
 public:
  explicit InTimerGuard(bool& flag) : flag_(flag) { flag_ = true; }
  ~InTimerGuard() { flag_ = false; }
  InTimerGuard(const InTimerGuard&) = delete;
  InTimerGuard& operator=(const InTimerGuard&) = delete;

 private:
  bool& flag_;
};

}  // namespace

void CAlarmEngine::InstallStartupTimer() {
  if (m_bAlarmsDisabled || m_nTimerId != 0) {
    return;
  }
  if (!StartAlarmTimer(2, IDT_STARTUP)) {
    m_host.MessageBox(kTimerFailedNoAlarm);
    m_bAlarmsDisabled = true;
  }
}

bool CAlarmEngine::StartAlarmTimer(unsigned seconds, unsigned id) {
  if (id != 0) {
    g_nTimerId = id;
  }
  StopAlarmTimer();
  m_nTimerId = m_host.SetTimer(g_nTimerId, seconds * 1000);
  return m_nTimerId != 0;
}

void CAlarmEngine::StopAlarmTimer() {
  if (m_nTimerId != 0) {
    m_host.KillTimer(m_nTimerId);
    m_nTimerId = 0;
  }
}

void CAlarmEngine::FindCurrentAlarm() {
  StopAlarmTimer();
  const CAlarmTable& alarms = m_document.m_preferences.m_alarms;
  const int last = alarms.m_alarm[Isha].IsOn() ? Isha : alarms.FindPrevEnabled(Isha);
  const LocalTime clock = m_host.Now();
  const uint16_t now = static_cast<uint16_t>(clock.hour * 60 + clock.minute);
  m_nCursorDate = DateKey(clock);

  if (last == -1 || m_bAlarmsDisabled) {
    m_nCurrentAlarm = -1;
  } else if (!StartAlarmTimer(5, IDT_AZAN)) {
    m_host.MessageBox(kTimerFailedNoAlarm);
    m_bAlarmsDisabled = true;
    m_nCurrentAlarm = -1;
  } else {
    // The entry just before the first one whose azan is still ahead; an azan
    // in the current minute counts as come.
    m_nCurrentAlarm = last;
    int entry = last;
    do {
      const uint16_t azan = AzanMinuteOfDay(entry);
      entry = alarms.FindPrevEnabled(entry);
      if (now < azan) {
        m_nCurrentAlarm = entry;
      }
    } while (entry >= 0);
  }
  ShowNextAlarm(m_nCurrentAlarm, false);
}

void CAlarmEngine::ShowNextAlarm(int index, bool iqamahMode) {
  const CAlarmTable& alarms = m_document.m_preferences.m_alarms;
  int entry = index;
  if (!iqamahMode) {
    entry = alarms.FindNextEnabled(index);
    if (entry == -1) {
      entry = alarms.FindNextEnabled(-1);  // the first alarm of the next day
    }
  }
  if (entry < 0 || entry >= kPrayerCount || m_bAlarmsDisabled) {
    m_host.TraySetTip(LoadString(IDS_NO_ALARM_TIP));
    m_strNextAlarm = LoadString(IDS_NOT_SET);
    return;
  }

  uint16_t hour = 0;
  uint16_t minute = 0;
  if (iqamahMode) {
    IqamahTime(entry, hour, minute);
  } else {
    alarms.m_alarm[entry].GetAzanTime(hour, minute);
  }
  m_strNextAlarm =
      PrayerName(entry) + (iqamahMode ? " iqama at " : " azan at ") +
      FormatTimeOfDay(static_cast<int16_t>(hour), static_cast<int16_t>(minute), Use24Hour());
  m_host.TraySetTip(m_strNextAlarm);
}

void CAlarmEngine::OnTimer(unsigned id) {
  // A tick that arrives while an earlier one waits in a message box is dropped.
  if (m_bInTimer) {
    return;
  }
  InTimerGuard guard(m_bInTimer);
  switch (id) {
    case IDT_STARTUP:
      FindCurrentAlarm();
      m_host.RefreshControls();
      m_host.MinimizeToTray();
      break;
    case IDT_AZAN:
      OnAzanTick();
      break;
    case IDT_IQAMAH:
      OnIqamahTick();
      break;
    default:
      break;
  }
}

void CAlarmEngine::OnAzanTick() {
  const CAlarmTable& alarms = m_document.m_preferences.m_alarms;
  const LocalTime clock = m_host.Now();
  const uint16_t now = static_cast<uint16_t>(clock.hour * 60 + clock.minute);
  FlashTick(now, m_nCurrentAlarm);
  // A new date begins a new day too: a machine asleep from before until after
  // the Fajr entry's time would otherwise keep yesterday's cursor and miss
  // every alarm of the day.
  const int32_t date = DateKey(clock);
  if (date != m_nCursorDate) {
    m_nCurrentAlarm = -1;
    m_nCursorDate = date;
  }
  for (int i = Isha; i >= Fajr; --i) {
    if (now < AzanMinuteOfDay(i)) {
      if (i == Fajr) {
        m_nCurrentAlarm = -1;  // before the Fajr entry's azan: a new day has begun
      }
    } else if (m_nCurrentAlarm < i && alarms.m_alarm[i].IsOn()) {
      m_nCurrentAlarm = i;
      StopAlarmTimer();
      FireAlarm(i, false);
      StartAlarmTimer(1, IDT_IQAMAH);
      FlashTick(now, i);
      ShowNextAlarm(i, true);
      m_host.RefreshControls();
    }
  }
}

void CAlarmEngine::OnIqamahTick() {
  const LocalTime clock = m_host.Now();
  const uint16_t now = static_cast<uint16_t>(clock.hour * 60 + clock.minute);
  FlashTick(now, m_nCurrentAlarm);
  if (DateKey(clock) != m_nCursorDate) {
    // An iqamah at 24:00 or later never comes; waiting for it past midnight
    // would starve the azan watch of every later day.
    StartAlarmTimer(m_bAlarmActive ? 1 : 5, IDT_AZAN);
    return;
  }
  if (m_nCurrentAlarm < 0 || now < IqamahMinuteOfDay(m_nCurrentAlarm)) {
    return;
  }
  StopAlarmTimer();
  FireAlarm(m_nCurrentAlarm, true);
  StartAlarmTimer(1, IDT_AZAN);
  FlashTick(now, m_nCurrentAlarm);
  ShowNextAlarm(m_nCurrentAlarm, false);
  m_host.RefreshControls();
}

void CAlarmEngine::FireAlarm(int index, bool iqamah) {
  const CAlarmTable& alarms = m_document.m_preferences.m_alarms;
  uint16_t hour = 0;
  uint16_t minute = 0;
  IqamahTime(index, hour, minute);
  const std::string iqamahText =
      FormatTimeOfDay(static_cast<int16_t>(hour), static_cast<int16_t>(minute), Use24Hour());
  const std::string name = PrayerName(index);

  char message[160];
  if (iqamah) {
    std::snprintf(message, sizeof message, "Go for %s prayer NOW!", name.c_str());
  } else {
    std::snprintf(message, sizeof message, "%s prayer at %s Insha Allah.", name.c_str(),
                  iqamahText.c_str());
  }
  m_strAlarmMessage = message;
  m_host.TraySetTip(m_strAlarmMessage);

  const std::string sender = AlarmSenderName(GetNetworkUserName());
  for (const std::string& recipient : alarms.m_recipients) {
    // A name too long to leave room for any text gets nothing.
    const auto datagram = BuildMessengerMessage({sender, recipient, m_strAlarmMessage});
    if (datagram) {
      m_host.WriteMailslot(MessengerMailslotPath(recipient), *datagram);
    }
  }

  m_bAlarmActive = true;
  if (alarms.m_bPlaySound != 0) {
    m_host.PlaySound(kSoundFile);
  }
  m_host.AlarmFired(m_strAlarmMessage);
}

std::string CAlarmEngine::GetNetworkUserName() {
  return m_host.NetworkUserName().value_or("Default");
}

void CAlarmEngine::FlashTick(uint16_t now, int index) {
  if (!m_bAlarmActive) {
    return;
  }
  // After midnight the cursor may name no entry: the alarm is over.
  if (index < 0 || index >= kPrayerCount || now > IqamahMinuteOfDay(index)) {
    StopAlarm();
    return;
  }
  m_bFlashOn = !m_bFlashOn;
  m_host.TraySetIcon(m_bFlashOn ? IDI_ALARM : IDR_MAINFRAME);
  if (!m_host.IsIconic()) {
    m_host.FlashWindow(m_bFlashOn);
  }
}

void CAlarmEngine::StopAlarm() {
  if (!m_bAlarmActive) {
    return;
  }
  m_host.FlashWindow(false);
  m_bAlarmActive = false;
  m_bFlashOn = false;
  StopAlarmTimer();
  if (!StartAlarmTimer(5, 0)) {
    m_host.MessageBox(kTimerFailedNoMoreAlarms);
    m_bAlarmsDisabled = true;
  }
  m_host.TraySetIcon(IDR_MAINFRAME);
  m_host.MessageBox(m_strAlarmMessage);
  m_host.TraySetTip(m_strNextAlarm);
}

uint16_t CAlarmEngine::NowMinuteOfDay() {
  const LocalTime now = m_host.Now();
  return static_cast<uint16_t>(now.hour * 60 + now.minute);
}

int32_t CAlarmEngine::DateKey(const LocalTime& time) {
  return (time.year * 100 + time.month) * 100 + time.day;
}

uint16_t CAlarmEngine::AzanMinuteOfDay(int index) const {
  uint16_t hour = 0;
  uint16_t minute = 0;
  m_document.m_preferences.m_alarms.m_alarm[index].GetAzanTime(hour, minute);
  return static_cast<uint16_t>(hour * 60 + minute);
}

// The delay is added to the minute with one carry into the hour; the hour is
// never reduced, so 23:50 + 15 is 24:05.
void CAlarmEngine::IqamahTime(int index, uint16_t& hour, uint16_t& minute) const {
  const CAlarmSetting& entry = m_document.m_preferences.m_alarms.m_alarm[index];
  entry.GetAzanTime(hour, minute);
  const unsigned sum = minute + entry.m_nIqamahDelay;
  if (sum >= 60) {
    hour = static_cast<uint16_t>(hour + 1);
    minute = static_cast<uint16_t>(sum % 60);
  } else {
    minute = static_cast<uint16_t>(sum);
  }
}

uint16_t CAlarmEngine::IqamahMinuteOfDay(int index) const {
  uint16_t hour = 0;
  uint16_t minute = 0;
  IqamahTime(index, hour, minute);
  return static_cast<uint16_t>(hour * 60 + minute);
}

bool CAlarmEngine::Use24Hour() const { return m_document.m_preferences.m_nTimeFormat != 0; }

}  // namespace kestrivane
