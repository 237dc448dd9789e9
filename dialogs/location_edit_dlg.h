#pragma once
// The Define Location dialog (template 134): names, coordinates, altitude,
// time zone and daylight saving of a CLocation, on a working copy that
// reaches the record only after OK.

#include <QString>
#include <cstdint>
#include <string>

#include "dialogs/settings_dialog.h"
#include "resources/resource_ids.h"
#include "settings/dst_rule.h"

namespace kestrivane {

class CLocation;
struct City;
struct FittedZone;

// Field ranges. Altitude is what the file's 16 bits hold; time zones are
// the ones in use, from -12 to +14 (Kiribati).
inline constexpr int32_t kMaxAltitude = 65535;
inline constexpr uint32_t kMaxLatDegrees = 90;
inline constexpr uint32_t kMaxLongDegrees = 180;
inline constexpr uint32_t kMaxMinutes = 59;
inline constexpr double kMinTimeZone = -12.0;
inline constexpr double kMaxTimeZone = 14.0;

class CLocationEditDlg : public CSettingsDialog {
 public:
  explicit CLocationEditDlg(QWidget* parent = nullptr);

  void LoadFrom(const CLocation& location);
  // After OK: every value through the record's Set, which marks what changed.
  void SaveTo(CLocation& location) const;

  // Working values.
  std::string m_strCity;
  std::string m_strCountry;
  int32_t m_bUseDst = 0;
  int32_t m_nAltitude = 0;
  uint32_t m_nLatMinutes = 0;
  uint32_t m_nLatDegrees = 0;
  uint32_t m_nLongDegrees = 0;
  uint32_t m_nLongMinutes = 0;
  int32_t m_nLongDirection = -1;  // 0 East, 1 West
  int32_t m_nLatDirection = -1;   // 0 North, 1 South
  double m_dTimeZone = 0.0;
  CDstRule m_rule;

  // The check-box routine: reads every field back, sets or clears the
  // rule's observes bit, enables Configure with the check box.
  void OnUseDst();
  // Runs the rule dialog on the working rule.
  void OnConfigure();
  // Runs Find a City and takes the chosen city with this year's zone.
  void OnFindCity();
  // The city's names, position rounded to the minute and zone into the
  // working values (the altitude stays); returns the line that says what
  // was set and what to check.
  QString ApplyCity(const City& city, const FittedZone& zone);

 protected:
  void DoDataExchange(CDataExchange& dx) override;
  void OnInitDialog() override;
};

}  // namespace kestrivane
