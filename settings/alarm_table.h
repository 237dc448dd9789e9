#pragma once
// The alarm table: one entry per daily time, the sound switch and the
// logins that receive network alarm messages.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "calc/prayer_times.h"

namespace kestrivane {

class CArchive;

// The azan time word (hour * 256 + minute) of an alarm that follows its
// prayer: the prayer's time that day plus the offset, kept within the date
// (00:00..23:59) so it still rings that day and reads as a time of day to
// any program that only knows the stored word.
uint16_t FollowingAzanTime(PrayerTime prayer, int32_t offsetMinutes);

class CAlarmSetting {
 public:
  static constexpr uint8_t kOn = 0x01;

  // Applies each value that differs (bit 0 of the flags for `on`), raising
  // m_bDirty per real change. Returns m_bDirty afterwards, so an entry
  // changed earlier and not yet saved keeps reporting a change.
  bool Set(bool on, uint16_t azanTime, uint16_t iqamahDelay);
  void GetAzanTime(uint16_t& hour, uint16_t& minute) const;
  bool IsOn() const { return (m_nFlags & kOn) != 0; }

  void Serialize(CArchive& ar);

  uint8_t m_nFlags = 0;          // bit 0 = on; bits 1-7 kept as loaded
  uint16_t m_wAzanTime = 0;      // hour in the high byte, minute in the low byte
  uint16_t m_nIqamahDelay = 15;  // minutes after the azan
  uint8_t m_bDirty = 1;
};

class CAlarmTable {
 public:
  // The tag of the older block layout, whose content is skipped.
  static constexpr int32_t kOlderLayoutTag = 1;
  static constexpr int kOlderLayoutValues = 42;

  // Index 0..5 in prayer order; any other index changes nothing.
  bool SetAlarm(int32_t index, bool on, uint16_t azanTime, uint16_t iqamahDelay);
  bool SetPlaySound(int32_t playSound);

  // Nearest switched-on entry below or above the index, or -1.
  int32_t FindPrevEnabled(int32_t index) const;
  int32_t FindNextEnabled(int32_t index) const;

  void Serialize(CArchive& ar);

  std::array<CAlarmSetting, kPrayerCount> m_alarm;
  std::vector<std::string> m_recipients;  // in display order
  int32_t m_bPlaySound = 0;
  uint8_t m_bDirty = 1;
};

}  // namespace kestrivane
