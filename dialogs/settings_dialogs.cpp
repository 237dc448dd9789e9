#include "dialogs/settings_dialogs.h"

#include "dialogs/alarms_dlg.h"
#include "dialogs/location_edit_dlg.h"
#include "dialogs/preferences_dlg.h"
#include "settings/location.h"
#include "settings/preferences.h"

namespace kestrivane {

void CSettingsDialogs::OfferMethod(CalculationMethod& method, const CLocation& location,
                                   const CivilDay& today) {
  m_pMethod = &method;
  m_pLocation = &location;
  m_today = today;
}

bool CSettingsDialogs::RunPreferencesDialog(CPreferences& preferences) {
  CPreferencesDlg dialog(m_pParent);
  dialog.LoadFrom(preferences);
  if (m_pMethod != nullptr) dialog.OfferMethod(*m_pMethod, *m_pLocation, m_today);
  if (dialog.DoModal() != IDOK) return false;
  dialog.SaveTo(preferences);
  if (m_pMethod != nullptr && dialog.m_chosenMethod && *dialog.m_chosenMethod != *m_pMethod) {
    *m_pMethod = *dialog.m_chosenMethod;
    m_bMethodChanged = true;
  }
  return true;
}

bool CSettingsDialogs::RunLocationDialog(CLocation& location) {
  CLocationEditDlg dialog(m_pParent);
  dialog.LoadFrom(location);
  if (dialog.DoModal() != IDOK) return false;
  dialog.SaveTo(location);
  return true;
}

bool CSettingsDialogs::RunAlarmsDialog(CAlarmTable& alarms,
                                       std::array<AlarmFollowing, kPrayerCount>& following,
                                       const PrayerTimes& today, int32_t timeFormat) {
  CAlarmsDlg dialog(&alarms, &following, today, timeFormat, m_pParent);
  return dialog.DoModal() == IDOK;
}

}  // namespace kestrivane
