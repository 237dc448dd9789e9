#include "settings/alarm_table.h"

#include <algorithm>

#include "settings/archive.h"

namespace kestrivane {

uint16_t FollowingAzanTime(PrayerTime prayer, int32_t offsetMinutes) {
  const int64_t minute =
      std::clamp<int64_t>(int64_t{prayer.hour} * 60 + prayer.minute + offsetMinutes, 0, 1439);
  return static_cast<uint16_t>(minute / 60 << 8 | minute % 60);
}

bool CAlarmSetting::Set(bool on, uint16_t azanTime, uint16_t iqamahDelay) {
  if (IsOn() != on) {
    m_nFlags = static_cast<uint8_t>(on ? (m_nFlags | kOn) : (m_nFlags & ~kOn));
    m_bDirty = 1;
  }
  if (m_wAzanTime != azanTime) {
    m_wAzanTime = azanTime;
    m_bDirty = 1;
  }
  if (m_nIqamahDelay != iqamahDelay) {
    m_nIqamahDelay = iqamahDelay;
    m_bDirty = 1;
  }
  return m_bDirty != 0;
}

void CAlarmSetting::GetAzanTime(uint16_t& hour, uint16_t& minute) const {
  hour = static_cast<uint16_t>(m_wAzanTime >> 8);
  minute = static_cast<uint16_t>(m_wAzanTime & 0xFF);
}

void CAlarmSetting::Serialize(CArchive& ar) {
  ar.SerializeTag();
  if (ar.IsStoring()) {
    ar << m_nFlags << m_wAzanTime << m_nIqamahDelay;
  } else {
    ar >> m_nFlags >> m_wAzanTime >> m_nIqamahDelay;
  }
  m_bDirty = 0;
}

bool CAlarmTable::SetAlarm(int32_t index, bool on, uint16_t azanTime, uint16_t iqamahDelay) {
  if (index < 0 || index >= kPrayerCount) {
    return false;
  }
  if (!m_alarm[static_cast<std::size_t>(index)].Set(on, azanTime, iqamahDelay)) {
    return false;
  }
  m_bDirty = 1;
  return true;
}

bool CAlarmTable::SetPlaySound(int32_t playSound) {
  if (m_bPlaySound == playSound) {
    return false;
  }
  m_bPlaySound = playSound;
  m_bDirty = 1;
  return true;
}

int32_t CAlarmTable::FindPrevEnabled(int32_t index) const {
  for (int32_t i = std::clamp(index, int32_t{0}, int32_t{kPrayerCount}) - 1; i >= 0; --i) {
    if (m_alarm[static_cast<std::size_t>(i)].IsOn()) {
      return i;
    }
  }
  return -1;
}

int32_t CAlarmTable::FindNextEnabled(int32_t index) const {
  for (int32_t i = std::clamp(index, int32_t{-1}, int32_t{kPrayerCount}) + 1; i < kPrayerCount;
       ++i) {
    if (m_alarm[static_cast<std::size_t>(i)].IsOn()) {
      return i;
    }
  }
  return -1;
}

void CAlarmTable::Serialize(CArchive& ar) {
  const int32_t tag = ar.SerializeTag();
  if (ar.IsStoring()) {
    for (CAlarmSetting& entry : m_alarm) {
      entry.Serialize(ar);
    }
    ar << m_bPlaySound << static_cast<int32_t>(m_recipients.size());
    for (const std::string& name : m_recipients) {
      ar << name;
    }
    m_bDirty = 0;
    return;
  }

  if (tag == kOlderLayoutTag) {
    // Nothing of the older block is used; the entries keep their values.
    for (int i = 0; i < kOlderLayoutValues; ++i) {
      int32_t ignored = 0;
      ar >> ignored;
    }
  } else {
    for (CAlarmSetting& entry : m_alarm) {
      entry.Serialize(ar);
    }
    uint32_t count = 0;
    ar >> m_bPlaySound >> count;
    // Every name takes at least its one-byte length: a count the rest of the
    // file cannot hold is an end of file, found before any name is read.
    if (count > ar.BytesLeft()) {
      throw CArchiveException(CArchiveException::kEndOfFile, ar.GetPosition(),
                              "unexpected end of file at byte offset " +
                                  std::to_string(ar.GetPosition()) + " (" + std::to_string(count) +
                                  " recipients, " + std::to_string(ar.BytesLeft()) +
                                  " bytes left)");
    }
    for (uint32_t i = 0; i < count; ++i) {
      std::string name;
      ar >> name;
      m_recipients.push_back(std::move(name));
    }
  }
  m_bDirty = 0;
}

}  // namespace kestrivane
