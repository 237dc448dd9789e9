#include "dialogs/settings_dialogs.h"

#include "dialogs/alarms_dlg.h"
#include "dialogs/location_edit_dlg.h"
#include "dialogs/preferences_dlg.h"
#include "settings/location.h"
#include "settings/preferences.h"

namespace kestrivane {

bool CSettingsDialogs::RunPreferencesDialog(CPreferences& preferences) {
  CPreferencesDlg dialog(m_pParent);
  dialog.LoadFrom(preferences);
  if (dialog.DoModal() != IDOK) return false;
  dialog.SaveTo(preferences);
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
