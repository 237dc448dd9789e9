#pragma once
// The alarm scheduler and the alarm delivery: when azan and iqamah alarms
// fire, and what firing, flashing and stopping one does. Driven by one window
// timer: every 5 seconds while waiting for an azan, every second while an
// alarm is under way.

#include <cstdint>
#include <string>

#include "app/alarm_host.h"

namespace kestrivane {

class CLocations;

inline constexpr unsigned IDT_AZAN = 1026;
inline constexpr unsigned IDT_STARTUP = 1027;
inline constexpr unsigned IDT_IQAMAH = 1028;

class CAlarmEngine {
 public:
  // The engine reads the alarm table and the clock format from the document
  // at each use, so changes take effect without telling it.
  CAlarmEngine(CLocations& document, AlarmHost& host) : m_document(document), m_host(host) {}
  CAlarmEngine(const CAlarmEngine&) = delete;
  CAlarmEngine& operator=(const CAlarmEngine&) = delete;

  // The main window's opening: the start-up timer, unless alarms are already
  // disabled or a timer runs. Reports a failure and disables alarms.
  void InstallStartupTimer();

  // Scheduler.
  bool StartAlarmTimer(unsigned seconds, unsigned id);
  void StopAlarmTimer();
  void FindCurrentAlarm();
  void ShowNextAlarm(int index, bool iqamahMode);
  void OnTimer(unsigned id);

  // Delivery.
  void FireAlarm(int index, bool iqamah);
  std::string GetNetworkUserName();
  void FlashTick(uint16_t now, int index);
  void StopAlarm();

  // State, named as the window's members are.
  int m_nCurrentAlarm = -1;        // latest entry of today whose azan has come
  unsigned m_nTimerId = 0;         // installed alarm timer, 0 when none
  unsigned g_nTimerId = 0;         // id the next installation uses
  bool m_bAlarmsDisabled = false;  // a timer failed to install; for the rest of the run
  bool m_bInTimer = false;
  bool m_bFlashOn = false;
  bool m_bAlarmActive = false;
  std::string m_strAlarmMessage;
  std::string m_strNextAlarm = "<processing...>";
  // The local date the cursor belongs to (year, month, day packed), 0 before
  // the first look at the clock.
  int32_t m_nCursorDate = 0;

 private:
  uint16_t NowMinuteOfDay();
  static int32_t DateKey(const LocalTime& time);
  uint16_t AzanMinuteOfDay(int index) const;
  uint16_t IqamahMinuteOfDay(int index) const;
  void IqamahTime(int index, uint16_t& hour, uint16_t& minute) const;
  bool Use24Hour() const;
  void OnAzanTick();
  void OnIqamahTick();

  CLocations& m_document;
  AlarmHost& m_host;
};

}  // namespace kestrivane
