#pragma once
// Find a City (template 150): a name typed in any language lists the
// matching cities of the city database; OK or a double-click chooses one.

#include <vector>

#include "dialogs/settings_dialog.h"

namespace kestrivane {

class CityDatabase;
struct City;

class CFindCityDlg : public CSettingsDialog {
 public:
  // Without `database` the shared one is used, read at the first search.
  explicit CFindCityDlg(QWidget* parent = nullptr, const CityDatabase* database = nullptr);

  // After OK: the city chosen.
  const City* m_pChosen = nullptr;

 protected:
  void DoDataExchange(CDataExchange& dx) override;
  void OnOK() override;

 private:
  void OnSearch();

  const CityDatabase* m_pDatabase;
  std::vector<const City*> m_matches;
};

}  // namespace kestrivane
