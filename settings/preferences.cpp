#include "settings/preferences.h"

#include "calc/conversions.h"
#include "settings/archive.h"

namespace kestrivane {

namespace {

void Update(int32_t& field, int32_t value, uint8_t& dirty) {
  if (field != value) {
    field = value;
    dirty = 1;
  }
}

}  // namespace

void CPreferences::Set(int32_t timeFormat, int32_t fiqh, int32_t fajrAngle, int32_t ishaAngle) {
  Update(m_nTimeFormat, timeFormat, m_bDirty);
  Update(m_nFiqh, fiqh, m_bDirty);
  Update(m_nFajrAngle, fajrAngle, m_bDirty);
  Update(m_nIshaAngle, ishaAngle, m_bDirty);
}

double CPreferences::GetFajrAngleRadians() const {
  return DegToRad(static_cast<double>(static_cast<uint32_t>(m_nFajrAngle)));
}

double CPreferences::GetIshaAngleRadians() const {
  return DegToRad(static_cast<double>(static_cast<uint32_t>(m_nIshaAngle)));
}

void CPreferences::Serialize(CArchive& ar) {
  ar.SerializeTag();
  if (ar.IsStoring()) {
    ar << m_nTimeFormat << m_nFiqh << m_nFajrAngle << m_nIshaAngle << m_nReserved;
  } else {
    ar >> m_nTimeFormat >> m_nFiqh >> m_nFajrAngle >> m_nIshaAngle >> m_nReserved;
  }
  m_alarms.Serialize(ar);
  m_bDirty = 0;
}

}  // namespace kestrivane
