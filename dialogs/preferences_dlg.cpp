#include "dialogs/preferences_dlg.h"

#include <QComboBox>

#include "dialogs/context_help.h"
#include "platform/data_exchange.h"
#include "settings/preferences.h"

namespace kestrivane {

CPreferencesDlg::CPreferencesDlg(QWidget* parent) : CSettingsDialog(IDD_PREFERENCES, parent) {
  // The topic of the whole dialog, not a pop-up: no help-id table here.
  OnClicked(ID_HELP, [this] { WinHelp(this, HELP_CONTEXT, kPreferencesHelpTopic); });
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
