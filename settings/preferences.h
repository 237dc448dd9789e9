#pragma once
// The user's choices apart from the location: clock format, school for
// 'Asr, the twilight angles, and the alarm table.

#include <cstdint>

#include "calc/prayer_times.h"
#include "settings/alarm_table.h"
#include "settings/extra_settings.h"

namespace kestrivane {

class CArchive;
class SettingsEditor;

class CPreferences {
 public:
  // Stores each value that differs and raises m_bDirty for it; the reserved
  // value and the alarm table are not touched.
  void Set(int32_t timeFormat, int32_t fiqh, int32_t fajrAngle, int32_t ishaAngle);

  // The stored whole degrees, read as unsigned, in radians; no range check.
  double GetFajrAngleRadians() const;
  double GetIshaAngleRadians() const;

  void Serialize(CArchive& ar);

  // Runs the Set Alarms dialog on m_alarms and which alarms follow their
  // prayer, with today's times; true when the dialog ended with OK and the
  // alarm table is marked changed.
  bool EditAlarms(SettingsEditor& editor, const PrayerTimes& today,
                  std::array<AlarmFollowing, kPrayerCount>& following);

  int32_t m_nTimeFormat = 0;  // 0 = 12-hour clock, 1 = 24-hour clock
  int32_t m_nFiqh = 1;        // 0 = Shafe'i, 1 = Hanafi
  int32_t m_nFajrAngle = 18;  // degrees below the horizon
  int32_t m_nIshaAngle = 18;
  int32_t m_nReserved = 0;  // written back as loaded
  CAlarmTable m_alarms;
  uint8_t m_bDirty = 1;
};

}  // namespace kestrivane
