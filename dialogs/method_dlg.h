#pragma once
// The Calculation Method dialog (template 143): the method, its rules
// (editable only under Custom; choosing a method fills them), the user's
// six adjustments, and today's times by what is chosen, kept up to date as
// the user chooses.

#include <cstdint>
#include <optional>

#include "calc/calculation_method.h"
#include "calc/calendar.h"
#include "dialogs/settings_dialog.h"
#include "settings/location.h"
#include "settings/preferences.h"

namespace kestrivane {

// Field ranges: a Fajr angle of 0 would be sunrise itself, an 'Isha angle
// of 0 stands only when 'Isha is a time after Maghrib.
inline constexpr double kMinTwilightAngle = 1;
inline constexpr double kMaxTwilightAngle = 30;
inline constexpr double kMaxMaghribAngle = 10;
inline constexpr int32_t kMaxIshaMinutes = 180;

// The preferences' angle fields hold whole degrees 11..24: the method's
// Fajr and 'Isha angles as such, each where it is one ('Isha only when it
// goes by its angle), for programs that read only those fields.
struct PreferenceAngles {
  std::optional<int32_t> fajr;
  std::optional<int32_t> isha;
};
PreferenceAngles PreferenceAnglesOf(const CalculationMethod& method);

class CMethodDlg : public CSettingsDialog {
 public:
  // The preview is of `today` at `location`, with its daylight saving,
  // clock format and 'Asr school of `preferences`, whose angles are
  // classic's.
  CMethodDlg(const CLocation& location, const CPreferences& preferences, const CivilDay& today,
             QWidget* parent = nullptr);

  void LoadFrom(const CalculationMethod& method);
  // After OK: the method as chosen, classic with the preferences' angles.
  CalculationMethod Method() const;

 protected:
  void DoDataExchange(CDataExchange& dx) override;
  void OnInitDialog() override;

 private:
  // The working values: the method, also what the fields do not show, and
  // the indices of its three lists.
  struct Working {
    CalculationMethod method;
    int32_t methodIndex = 0;
    int32_t rounding = 0;
    int32_t highLatitude = 0;
  };
  void Exchange(CDataExchange& dx, Working& working);
  static CalculationMethod MethodOf(const Working& working);

  // A method chosen from the list: its rules into the fields, which only
  // Custom lets the user edit.
  void OnMethodChosen();
  void ShowRules();
  // The six times by the fields as they are; "---" while one is refused.
  void ShowPreview();

  const CLocation& m_location;
  const CPreferences& m_preferences;
  CivilDay m_today;
  Working m_working;
};

}  // namespace kestrivane
