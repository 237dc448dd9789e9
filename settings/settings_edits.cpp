// The editing operations of the document and the preferences record: the
// dialogs run behind SettingsEditor, the records decide what counts as a
// change.

#include "settings/locations_document.h"
#include "settings/preferences.h"
#include "settings/settings_editor.h"

namespace kestrivane {

bool CLocations::EditPreferences(SettingsEditor& editor) {
  if (!editor.RunPreferencesDialog(m_preferences)) return false;
  // An alarm change made earlier and not saved yet also counts.
  return m_preferences.m_bDirty != 0 || m_preferences.m_alarms.m_bDirty != 0;
}

bool CLocations::EditLocation(SettingsEditor& editor) {
  if (!editor.RunLocationDialog(m_location)) return false;
  return m_location.m_bDirty != 0 || m_location.m_dstRule.m_bDirty != 0;
}

bool CLocations::EditAlarms(SettingsEditor& editor, const PrayerTimes& today) {
  return m_preferences.EditAlarms(editor, today, m_extra.following);
}

bool CPreferences::EditAlarms(SettingsEditor& editor, const PrayerTimes& today,
                              std::array<AlarmFollowing, kPrayerCount>& following) {
  if (!editor.RunAlarmsDialog(m_alarms, following, today, m_nTimeFormat)) return false;
  return m_alarms.m_bDirty != 0;
}

}  // namespace kestrivane
