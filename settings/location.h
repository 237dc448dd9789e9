#pragma once
// The one location the program keeps: names, position, altitude, time zone
// and the daylight-saving rule.

#include <cstdint>
#include <string>

#include "settings/dst_rule.h"

namespace kestrivane {

class CArchive;

class CLocation {
 public:
  // Assigns every field and raises m_bDirty even when nothing changed, so
  // that an OK in the location dialog always leads to a save. A rule other
  // than m_dstRule has its two words copied; the rule's own flag is left
  // alone.
  void Set(const std::string& city, const std::string& country, uint16_t latDegrees,
           uint16_t latMinutes, bool isSouth, uint16_t longDegrees, uint16_t longMinutes,
           bool isWest, uint16_t altitude, double timeZone, const CDstRule& rule);

  void GetLatitude(int32_t& degrees, int32_t& minutes, bool& isSouth) const;
  void GetLongitude(int32_t& degrees, int32_t& minutes, bool& isWest) const;

  // "33:40 N", "73:10 E": degrees, two-digit minutes, a blank, the letter.
  std::string FormatLatitude() const;
  std::string FormatLongitude() const;

  // North and east positive. Only an upper-case 'S' or 'W' counts as south
  // or west.
  double GetLatitudeRadians() const;
  double GetLongitudeRadians() const;

  void Serialize(CArchive& ar);

  std::string m_strCity = "Islamabad";
  std::string m_strCountry = "Pakistan";
  uint16_t m_nLatDegrees = 33;
  uint16_t m_nLatMinutes = 40;
  char m_chLatHemisphere = 'N';
  uint16_t m_nLongDegrees = 73;
  uint16_t m_nLongMinutes = 10;
  char m_chLongHemisphere = 'E';
  uint16_t m_nAltitude = 550;  // metres
  double m_dTimeZone = 5.0;    // hours east of Greenwich, standard time
  CDstRule m_dstRule;
  uint8_t m_bDirty = 1;
};

}  // namespace kestrivane
