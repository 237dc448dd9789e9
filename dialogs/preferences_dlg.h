#pragma once
// The Preferences dialog (template 130): clock form, school for 'Asr and the
// two twilight angles of a CPreferences.

#include <cstdint>

#include "dialogs/settings_dialog.h"
#include "resources/resource_ids.h"

namespace kestrivane {

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

  // Working values: radio and list indices, -1 for none.
  int32_t m_nTimeFormat = -1;
  int32_t m_nFiqh = -1;
  int32_t m_nFajrAngle = -1;
  int32_t m_nIshaAngle = -1;

 protected:
  void DoDataExchange(CDataExchange& dx) override;
  void OnInitDialog() override;
};

}  // namespace kestrivane
