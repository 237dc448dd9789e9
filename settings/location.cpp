#include "settings/location.h"

#include <cstdio>

#include "calc/conversions.h"
#include "settings/archive.h"

namespace kestrivane {

namespace {

std::string FormatCoordinate(uint16_t degrees, uint16_t minutes, char letter) {
  char text[32];
  const int length = std::snprintf(text, sizeof text, "%d:%02d %c", degrees, minutes, letter);
  // A zero letter byte is kept as part of the text, as it was stored.
  return std::string(text, static_cast<std::size_t>(length));
}

double CoordinateRadians(uint16_t degrees, uint16_t minutes, bool negative) {
  double radians =
      DegToRad(DegMinToDeg(static_cast<int16_t>(degrees), static_cast<int16_t>(minutes)));
  if (negative) {
    radians = radians * -1.0;
  }
  return radians;
}

}  // namespace

void CLocation::Set(const std::string& city, const std::string& country, uint16_t latDegrees,
                    uint16_t latMinutes, bool isSouth, uint16_t longDegrees, uint16_t longMinutes,
                    bool isWest, uint16_t altitude, double timeZone, const CDstRule& rule) {
  m_strCity = city;
  m_strCountry = country;
  m_nLatDegrees = latDegrees;
  m_nLatMinutes = latMinutes;
  m_chLatHemisphere = isSouth ? 'S' : 'N';
  m_nLongDegrees = longDegrees;
  m_nLongMinutes = longMinutes;
  m_chLongHemisphere = isWest ? 'W' : 'E';
  m_nAltitude = altitude;
  m_dTimeZone = timeZone;
  if (&rule != &m_dstRule) {
    m_dstRule.m_wStart = rule.m_wStart;
    m_dstRule.m_wEnd = rule.m_wEnd;
  }
  m_bDirty = 1;
}

void CLocation::GetLatitude(int32_t& degrees, int32_t& minutes, bool& isSouth) const {
  degrees = m_nLatDegrees;
  minutes = m_nLatMinutes;
  isSouth = m_chLatHemisphere == 'S';
}

void CLocation::GetLongitude(int32_t& degrees, int32_t& minutes, bool& isWest) const {
  degrees = m_nLongDegrees;
  minutes = m_nLongMinutes;
  isWest = m_chLongHemisphere == 'W';
}

std::string CLocation::FormatLatitude() const {
  return FormatCoordinate(m_nLatDegrees, m_nLatMinutes, m_chLatHemisphere);
}

std::string CLocation::FormatLongitude() const {
  return FormatCoordinate(m_nLongDegrees, m_nLongMinutes, m_chLongHemisphere);
}

double CLocation::GetLatitudeRadians() const {
  return CoordinateRadians(m_nLatDegrees, m_nLatMinutes, m_chLatHemisphere == 'S');
}

double CLocation::GetLongitudeRadians() const {
  return CoordinateRadians(m_nLongDegrees, m_nLongMinutes, m_chLongHemisphere == 'W');
}

void CLocation::Serialize(CArchive& ar) {
  ar.SerializeTag();
  if (ar.IsStoring()) {
    ar << m_strCity << m_strCountry << m_nLatDegrees << m_nLatMinutes << m_chLatHemisphere
       << m_nLongDegrees << m_nLongMinutes << m_chLongHemisphere << m_nAltitude << m_dTimeZone;
  } else {
    ar >> m_strCity >> m_strCountry >> m_nLatDegrees >> m_nLatMinutes >> m_chLatHemisphere >>
        m_nLongDegrees >> m_nLongMinutes >> m_chLongHemisphere >> m_nAltitude >> m_dTimeZone;
  }
  m_dstRule.Serialize(ar);
  m_bDirty = 0;
}

}  // namespace kestrivane
