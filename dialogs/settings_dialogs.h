#pragma once
// The settings dialogs behind the records' editing operations: each call
// runs one dialog modally over `parent`.

#include "settings/settings_editor.h"

class QWidget;

namespace kestrivane {

class CSettingsDialogs : public SettingsEditor {
 public:
  explicit CSettingsDialogs(QWidget* parent) : m_pParent(parent) {}

  bool RunPreferencesDialog(CPreferences& preferences) override;
  bool RunLocationDialog(CLocation& location) override;
  bool RunAlarmsDialog(CAlarmTable& alarms, std::array<AlarmFollowing, kPrayerCount>& following,
                       const PrayerTimes& today, int32_t timeFormat) override;

 private:
  QWidget* m_pParent;
};

}  // namespace kestrivane
