#pragma once
// The Preferences dialog (template 130): clock form, school for 'Asr and the
// two twilight angles of a CPreferences.

#include <cstdint>
#include <optional>

#include "calc/calculation_method.h"
#include "calc/calendar.h"
#include "dialogs/settings_dialog.h"
#include "resources/resource_ids.h"

namespace kestrivane {

class CLocation;
class CPreferences;

// The angle lists hold 11..24; the list index is the angle minus this.
inline constexpr int32_t kFirstAngle = 11;

class CPreferencesDlg : public CSettingsDialog {
 public:
  explicit CPreferencesDlg(QWidget* parent = nullptr);

  void LoadFrom(const CPreferences& preferences);
  // After OK: stores the four values through the record's Set. A group with
  // no radio checked, or a list with no selection, keeps the stored value.
  // True when the record or its alarm table is marked changed.
  bool SaveTo(CPreferences& preferences) const;

  // The Calculation Method button runs its dialog on `method`, previewed at
  // `location` on `today`; without this call the button is disabled.
  void OfferMethod(const CalculationMethod& method, const CLocation& location,
                   const CivilDay& today);
  // The method dialog's OK: its method (for the caller to store after OK
  // here) and its whole angles in the angle lists.
  void OnCalculationMethod();
  std::optional<CalculationMethod> m_chosenMethod;

  // Working values: radio and list indices, -1 for none.
  int32_t m_nTimeFormat = -1;
  int32_t m_nFiqh = -1;
  int32_t m_nFajrAngle = -1;
  int32_t m_nIshaAngle = -1;

 protected:
  void DoDataExchange(CDataExchange& dx) override;
  void OnInitDialog() override;

 private:
  CalculationMethod m_method;
  const CLocation* m_pLocation = nullptr;
  CivilDay m_today{};
};

}  // namespace kestrivane
