#include "dialogs/preferences_dlg.h"

#include <QComboBox>
#include <QPushButton>

#include "dialogs/context_help.h"
#include "dialogs/method_dlg.h"
#include "platform/data_exchange.h"
#include "settings/preferences.h"

namespace kestrivane {

CPreferencesDlg::CPreferencesDlg(QWidget* parent) : CSettingsDialog(IDD_PREFERENCES, parent) {
  // The topic of the whole dialog, not a pop-up: no help-id table here.
  OnClicked(ID_HELP, [this] { WinHelp(this, HELP_CONTEXT, kPreferencesHelpTopic); });
  OnClicked(IDC_CALCULATION_METHOD, [this] { OnCalculationMethod(); });
  if (QWidget* button = Item(IDC_CALCULATION_METHOD)) button->setEnabled(false);
}

void CPreferencesDlg::OfferMethod(const CalculationMethod& method, const CLocation& location,
                                  const CivilDay& today) {
  m_method = method;
  m_pLocation = &location;
  m_today = today;
  if (QWidget* button = Item(IDC_CALCULATION_METHOD)) button->setEnabled(true);
}

void CPreferencesDlg::OnCalculationMethod() {
  if (m_pLocation == nullptr) return;
  UpdateData(true);      // radios and lists: nothing to refuse
  CPreferences working;  // the clock, school and classic's angles as chosen here
  SaveTo(working);
  CMethodDlg dialog(*m_pLocation, working, m_today, this);
  dialog.LoadFrom(m_chosenMethod.value_or(m_method));
  if (dialog.DoModal() != IDOK) return;
  m_chosenMethod = dialog.Method();
  const PreferenceAngles angles = PreferenceAnglesOf(*m_chosenMethod);
  if (angles.fajr) m_nFajrAngle = *angles.fajr - kFirstAngle;
  if (angles.isha) m_nIshaAngle = *angles.isha - kFirstAngle;
  UpdateData(false);
}

void CPreferencesDlg::LoadFrom(const CPreferences& preferences) {
  m_nTimeFormat = preferences.m_nTimeFormat;
  m_nFiqh = preferences.m_nFiqh;
  m_nFajrAngle = preferences.m_nFajrAngle - kFirstAngle;
  m_nIshaAngle = preferences.m_nIshaAngle - kFirstAngle;
}

void CPreferencesDlg::DoDataExchange(CDataExchange& dx) {
  dx.Radio(IDC_TIME_12, m_nTimeFormat);
  dx.Radio(IDC_FIQH_SHAFEI, m_nFiqh);
  dx.ListIndex(IDC_FAJR_ANGLE, m_nFajrAngle);
  dx.ListIndex(IDC_ISHA_ANGLE, m_nIshaAngle);
}

void CPreferencesDlg::OnInitDialog() {
  CSettingsDialog::OnInitDialog();
  // An index outside the list leaves it without a selection.
  for (const auto& [id, index] :
       {std::pair{IDC_FAJR_ANGLE, m_nFajrAngle}, std::pair{IDC_ISHA_ANGLE, m_nIshaAngle}}) {
    if (auto* list = ItemAs<QComboBox>(id)) {
      list->setCurrentIndex(index >= 0 && index < list->count() ? index : -1);
    }
  }
}

bool CPreferencesDlg::SaveTo(CPreferences& preferences) const {
  // Nothing chosen means nothing to change: storing -1 or 10 would put a
  // value no dialog can show into the file.
  const int32_t timeFormat = m_nTimeFormat >= 0 ? m_nTimeFormat : preferences.m_nTimeFormat;
  const int32_t fiqh = m_nFiqh >= 0 ? m_nFiqh : preferences.m_nFiqh;
  const int32_t fajr = m_nFajrAngle >= 0 ? m_nFajrAngle + kFirstAngle : preferences.m_nFajrAngle;
  const int32_t isha = m_nIshaAngle >= 0 ? m_nIshaAngle + kFirstAngle : preferences.m_nIshaAngle;
  preferences.Set(timeFormat, fiqh, fajr, isha);
  return preferences.m_bDirty != 0 || preferences.m_alarms.m_bDirty != 0;
}

}  // namespace kestrivane
