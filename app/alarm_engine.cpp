#include "app/alarm_engine.h"

#include <algorithm>

#include "app/time_format.h"
#include "calc/calendar.h"
#include "platform/mailslot.h"
#include "platform/messenger_message.h"
#include "resources/shown_text.h"
#include "resources/string_table.h"
#include "resources/translate_noop.h"
#include "settings/day_times.h"
#include "settings/locations_document.h"

namespace kestrivane {

namespace {

constexpr const char* kTimerFailedNoAlarm =
    KV_TRANSLATE_NOOP("Alarm", "Could not install timer for Alarm.\nNo alarm will be played.");
constexpr const char* kTimerFailedNoMoreAlarms = KV_TRANSLATE_NOOP(
    "Alarm", "Could not install timer for Alarm.\nNo more alarms will be played.");
constexpr const char* kAzanAt = KV_TRANSLATE_NOOP("Alarm", "%1 azan at %2");
constexpr const char* kIqamahAt = KV_TRANSLATE_NOOP("Alarm", "%1 iqama at %2");
constexpr const char* kPrayerAt = KV_TRANSLATE_NOOP("Alarm", "%1 prayer at %2 Insha Allah.");
constexpr const char* kGoNow = KV_TRANSLATE_NOOP("Alarm", "Go for %1 prayer NOW!");
constexpr int64_t kMinutesPerDay = 1440;
// A clock set back across midnight finds the dates before in this record.
constexpr int64_t kDaysRemembered = 3;

std::string PrayerName(int index) { return LoadString(IDS_PRAYER_FAJR + index); }

uint8_t Bit(int index) { return static_cast<uint8_t>(1u << index); }

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
    m_host.MessageBox(Shown("Alarm", kTimerFailedNoAlarm));
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

CAlarmEngine::Clock CAlarmEngine::ReadClock() {
  const LocalTime time = m_host.Now();
  m_bTimesChecked = false;
  Clock now;
  now.day = DaysFromCivil(time.year, time.month, time.day);
  now.minute = static_cast<uint16_t>(time.hour * 60 + time.minute);
  return now;
}

int CAlarmEngine::CursorAt(int64_t day, uint16_t minute) const {
  const CAlarmTable& alarms = m_document.m_preferences.m_alarms;
  const int last = alarms.m_alarm[Isha].IsOn() ? Isha : alarms.FindPrevEnabled(Isha);
  int cursor = last;
  for (int entry = last; entry >= 0;) {
    const uint16_t azan = AzanMinuteOn(entry, day);
    entry = alarms.FindPrevEnabled(entry);
    if (minute < azan) {
      cursor = entry;
    }
  }
  return cursor;
}

void CAlarmEngine::FindCurrentAlarm() {
  StopAlarmTimer();
  const CAlarmTable& alarms = m_document.m_preferences.m_alarms;
  const bool anyOn = alarms.FindNextEnabled(-1) != -1;
  const Clock now = ReadClock();
  FollowClock(now);

  m_nCurrentAlarm = -1;
  if (anyOn && !m_bAlarmsDisabled) {
    const int cursor = CursorAt(now.day, now.minute);
    // An OK in Set Alarms between an azan and its iqamah keeps that iqamah.
    const bool iqamah = cursor >= 0 && IqamahPending(cursor, now.day, now.Absolute());
    if (!StartAlarmTimer(5, iqamah ? IDT_IQAMAH : IDT_AZAN)) {
      m_host.MessageBox(Shown("Alarm", kTimerFailedNoAlarm));
      m_bAlarmsDisabled = true;
    } else {
      m_nCurrentAlarm = cursor;
      if (iqamah) {
        m_nAlarmEntry = cursor;
        m_nAlarmDay = now.day;
        ShowNextAlarm(cursor, true);
        return;
      }
    }
  }
  ShowNextAlarm(m_nCurrentAlarm, false);
}

void CAlarmEngine::RefreshNextAlarm() {
  if (m_nTimerId == IDT_IQAMAH && m_nAlarmEntry >= 0) {
    ShowNextAlarm(m_nAlarmEntry, true);
  } else {
    ShowNextAlarm(m_nCurrentAlarm, false);
  }
}

void CAlarmEngine::FollowClock(const Clock& now) {
  if (now.day != m_nCursorDay) {
    // A later date begins a new day; an earlier one (the clock set back
    // across midnight) takes up that date where the clock now stands.
    const bool forward = now.day > m_nCursorDay;
    m_nCursorDay = now.day;
    m_nCurrentAlarm = forward ? -1 : CursorAt(now.day, now.minute);
    std::erase_if(m_fired, [&](const auto& record) {
      return record.first < now.day - kDaysRemembered || record.first > now.day + kDaysRemembered;
    });
  } else if (now.Absolute() < m_nLastMinute) {
    // Set back within the date: what the clock comes back before is ahead again.
    m_nCurrentAlarm = std::min(m_nCurrentAlarm, CursorAt(now.day, now.minute));
  }
  m_nLastMinute = now.Absolute();
  StoreFollowingTimes(now.day);
}

void CAlarmEngine::ShowNextAlarm(int index, bool iqamahMode) {
  const CAlarmTable& alarms = m_document.m_preferences.m_alarms;
  int entry = index;
  int64_t day = iqamahMode ? m_nAlarmDay : m_nCursorDay;
  if (!iqamahMode) {
    // The next entry whose azan has not fired today, or whose iqamah is
    // still to come after the clock was set back; else tomorrow's first.
    const uint8_t firedToday = FiredOn(m_nCursorDay).azans;
    entry = alarms.FindNextEnabled(index);
    while (entry != -1 && (firedToday & Bit(entry)) != 0) {
      if (IqamahPending(entry, m_nCursorDay, m_nLastMinute)) {
        iqamahMode = true;
        break;
      }
      entry = alarms.FindNextEnabled(entry);
    }
    if (entry == -1) {
      entry = alarms.FindNextEnabled(-1);
      ++day;
    }
  }
  if (entry < 0 || entry >= kPrayerCount || m_bAlarmsDisabled) {
    m_host.TraySetTip(Shown("Strings", LoadString(IDS_NO_ALARM_TIP)));
    m_strNextAlarm = Shown("Strings", LoadString(IDS_NOT_SET));
    return;
  }

  uint16_t hour = 0;
  uint16_t minute = 0;
  if (iqamahMode) {
    IqamahTime(entry, day, hour, minute);
  } else {
    const uint16_t azan = AzanTimeOn(entry, day);
    hour = static_cast<uint16_t>(azan >> 8);
    minute = static_cast<uint16_t>(azan & 0xFF);
  }
  const char* format = iqamahMode ? kIqamahAt : kAzanAt;
  m_strNextAlarm = FillShown(
      format, Shown("Alarm", format),
      {ShownPrayerName(entry),
       FormatTimeOfDay(static_cast<int16_t>(hour), static_cast<int16_t>(minute), Use24Hour())});
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
  const Clock now = ReadClock();
  const int cursorBefore = m_nCurrentAlarm;
  const int64_t dayBefore = m_nCursorDay;
  FollowClock(now);
  if (m_nCurrentAlarm != cursorBefore || m_nCursorDay != dayBefore) {
    ShowNextAlarm(m_nCurrentAlarm, false);
    m_host.RefreshControls();
  }
  FlashTick(now);
  // The latest switched-on entry whose azan has come and is past the cursor;
  // after a jump over several only that one fires.
  for (int i = Isha; i >= Fajr; --i) {
    if (now.minute < AzanMinuteOn(i, now.day) || m_nCurrentAlarm >= i ||
        !alarms.m_alarm[i].IsOn()) {
      continue;
    }
    m_nCurrentAlarm = i;
    if ((FiredOn(now.day).azans & Bit(i)) == 0) {
      StopAlarmTimer();
      FireAlarm(i, false);
      StartAlarmTimer(1, IDT_IQAMAH);
      FlashTick(now);
      ShowNextAlarm(i, true);
    } else if (IqamahPending(i, now.day, now.Absolute())) {
      // Fired before the clock was set back: its iqamah is still to come.
      WatchIqamahOf(i, now.day);
    } else {
      ShowNextAlarm(i, false);
    }
    m_host.RefreshControls();
    break;
  }
}

void CAlarmEngine::OnIqamahTick() {
  const Clock now = ReadClock();
  FollowClock(now);
  if (m_nAlarmEntry < 0) {
    StartAlarmTimer(m_bAlarmActive ? 1 : 5, IDT_AZAN);
    return;
  }
  const int64_t azan = m_nAlarmDay * kMinutesPerDay + AzanMinuteOn(m_nAlarmEntry, m_nAlarmDay);
  const int64_t iqamah = m_nAlarmDay * kMinutesPerDay + IqamahMinuteOn(m_nAlarmEntry, m_nAlarmDay);
  if (iqamah < now.day * kMinutesPerDay || now.Absolute() < azan) {
    // An iqamah of an earlier date will not come, and a clock set back before
    // the azan starts the azan watch again: the iqamah returns with its azan.
    StartAlarmTimer(m_bAlarmActive ? 1 : 5, IDT_AZAN);
    ShowNextAlarm(m_nCurrentAlarm, false);
    m_host.RefreshControls();
    FlashTick(now);
    return;
  }
  FlashTick(now);
  if (now.Absolute() < iqamah) {
    return;
  }
  StopAlarmTimer();
  FireAlarm(m_nAlarmEntry, true);
  StartAlarmTimer(1, IDT_AZAN);
  FlashTick(now);
  ShowNextAlarm(m_nCurrentAlarm, false);
  m_host.RefreshControls();
}

void CAlarmEngine::WatchIqamahOf(int entry, int64_t day) {
  m_nAlarmEntry = entry;
  m_nAlarmDay = day;
  StartAlarmTimer(m_bAlarmActive ? 1 : 5, IDT_IQAMAH);
  ShowNextAlarm(entry, true);
}

bool CAlarmEngine::IqamahPending(int entry, int64_t day, int64_t now) {
  const Fired& fired = FiredOn(day);
  return (fired.azans & Bit(entry)) != 0 && (fired.iqamahs & Bit(entry)) == 0 &&
         day * kMinutesPerDay + IqamahMinuteOn(entry, day) >= now;
}

void CAlarmEngine::FireAlarm(int index, bool iqamah) {
  const CAlarmTable& alarms = m_document.m_preferences.m_alarms;
  uint16_t hour = 0;
  uint16_t minute = 0;
  IqamahTime(index, iqamah ? m_nAlarmDay : m_nCursorDay, hour, minute);
  const std::string iqamahText =
      FormatTimeOfDay(static_cast<int16_t>(hour), static_cast<int16_t>(minute), Use24Hour());
  // The colleagues' programs read the message sent in English; the user
  // sees it in their own language.
  const char* format = iqamah ? kGoNow : kPrayerAt;
  m_strAlarmMessage = FillPlaceholders(format, {PrayerName(index), iqamahText});
  m_strShownAlarmMessage =
      FillShown(format, Shown("Alarm", format), {ShownPrayerName(index), iqamahText});
  if (iqamah) {
    FiredOn(m_nAlarmDay).iqamahs |= Bit(index);
  } else {
    m_nAlarmEntry = index;
    m_nAlarmDay = m_nCursorDay;
    FiredOn(m_nAlarmDay).azans |= Bit(index);
  }
  m_host.TraySetTip(m_strShownAlarmMessage);
  m_bAlarmActive = true;
  // What the user sees and hears first; the network messages go out after,
  // without waiting for any of them.
  if (alarms.m_bPlaySound != 0) {
    m_host.PlaySound(kSoundFile);
  }
  m_host.AlarmFired(m_strShownAlarmMessage);

  const std::string sender = AlarmSenderName(GetNetworkUserName());
  for (const std::string& recipient : alarms.m_recipients) {
    // A name too long to leave room for any text gets nothing.
    const auto datagram = BuildMessengerMessage({sender, recipient, m_strAlarmMessage});
    if (datagram) {
      m_host.SendMailslot(MessengerMailslotPath(recipient), *datagram);
    }
  }
}

std::string CAlarmEngine::GetNetworkUserName() {
  return m_host.NetworkUserName().value_or("Default");
}

void CAlarmEngine::FlashTick(const Clock& now) {
  if (!m_bAlarmActive) {
    return;
  }
  // The alarm runs until the minute after its iqamah's, on whatever date that is.
  if (m_nAlarmEntry < 0 ||
      now.Absolute() > m_nAlarmDay * kMinutesPerDay + IqamahMinuteOn(m_nAlarmEntry, m_nAlarmDay)) {
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
    m_host.MessageBox(Shown("Alarm", kTimerFailedNoMoreAlarms));
    m_bAlarmsDisabled = true;
  }
  m_host.TraySetIcon(IDR_MAINFRAME);
  m_host.MessageBox(m_strShownAlarmMessage);
  m_host.TraySetTip(m_strNextAlarm);
}

std::string CAlarmEngine::Shown(const char* context, const char* text) const {
  return m_host.Translate(context, text);
}

std::string CAlarmEngine::ShownPrayerName(int index) const {
  return Shown("Strings", LoadString(IDS_PRAYER_FAJR + index));
}

CAlarmEngine::Fired& CAlarmEngine::FiredOn(int64_t day) { return m_fired[day]; }

uint16_t CAlarmEngine::AzanTimeOn(int index, int64_t day) const {
  const AlarmFollowing& following = m_document.m_extra.following[static_cast<size_t>(index)];
  if (!following.follows) {
    return m_document.m_preferences.m_alarms.m_alarm[index].m_wAzanTime;
  }
  return FollowingAzanTime(TimesOn(day)[index], following.offsetMinutes);
}

uint16_t CAlarmEngine::AzanMinuteOn(int index, int64_t day) const {
  const uint16_t azan = AzanTimeOn(index, day);
  return static_cast<uint16_t>((azan >> 8) * 60 + (azan & 0xFF));
}

// The delay is added to the minute with one carry into the hour; the hour is
// never reduced, so 23:50 + 15 is 24:05: five past midnight of the next date.
void CAlarmEngine::IqamahTime(int index, int64_t day, uint16_t& hour, uint16_t& minute) const {
  const uint16_t azan = AzanTimeOn(index, day);
  hour = static_cast<uint16_t>(azan >> 8);
  const unsigned sum =
      (azan & 0xFFu) + m_document.m_preferences.m_alarms.m_alarm[index].m_nIqamahDelay;
  if (sum >= 60) {
    hour = static_cast<uint16_t>(hour + 1);
    minute = static_cast<uint16_t>(sum % 60);
  } else {
    minute = static_cast<uint16_t>(sum);
  }
}

uint16_t CAlarmEngine::IqamahMinuteOn(int index, int64_t day) const {
  uint16_t hour = 0;
  uint16_t minute = 0;
  IqamahTime(index, day, hour, minute);
  return static_cast<uint16_t>(hour * 60 + minute);
}

const PrayerTimes& CAlarmEngine::TimesOn(int64_t day) const {
  if (m_bTimesChecked && m_timesInputs->day == day) {
    return m_times;
  }
  const CLocation& location = m_document.m_location;
  const CPreferences& preferences = m_document.m_preferences;
  const TimesInputs inputs{day,
                           location.GetLatitudeRadians(),
                           location.GetLongitudeRadians(),
                           location.m_dTimeZone,
                           location.m_nAltitude,
                           location.m_dstRule.m_wStart,
                           location.m_dstRule.m_wEnd,
                           preferences.m_nFiqh,
                           MethodInUse(m_document.m_extra.method, preferences)};
  if (m_timesInputs != inputs) {
    m_times = ComputePrayerTimes(location, preferences, inputs.method, CivilFromDays(day));
    m_timesInputs = inputs;
  }
  m_bTimesChecked = true;
  return m_times;
}

void CAlarmEngine::StoreFollowingTimes(int64_t day) {
  CAlarmTable& alarms = m_document.m_preferences.m_alarms;
  for (int i = Fajr; i <= Isha; ++i) {
    const CAlarmSetting& entry = alarms.m_alarm[i];
    if (m_document.m_extra.following[static_cast<size_t>(i)].follows) {
      alarms.SetAlarm(i, entry.IsOn(), AzanTimeOn(i, day), entry.m_nIqamahDelay);
    }
  }
}

bool CAlarmEngine::Use24Hour() const { return m_document.m_preferences.m_nTimeFormat != 0; }

}  // namespace kestrivane
