#pragma once
// The settings dialogs as the records see them. The records stay free of
// any toolkit: the windowing side implements this and runs one modal dialog
// per call on the record given.

#include <cstdint>

#include "calc/prayer_times.h"
#include "settings/extra_settings.h"

namespace kestrivane {

class CAlarmTable;
class CLocation;
class CPreferences;

class SettingsEditor {
 public:
  virtual ~SettingsEditor() = default;

  // Each loads the dialog from the record, runs it, and on OK writes the
  // dialog's values back through the record's setters. True when the run
  // ended with OK; on Cancel the record is left as it was.
  virtual bool RunPreferencesDialog(CPreferences& preferences) = 0;
  virtual bool RunLocationDialog(CLocation& location) = 0;
  // `today` gives the candidate azan times; `timeFormat` is m_nTimeFormat;
  // `following` is indexed as the alarm table. The recipients list may
  // change even when this returns false.
  virtual bool RunAlarmsDialog(CAlarmTable& alarms,
                               std::array<AlarmFollowing, kPrayerCount>& following,
                               const PrayerTimes& today, int32_t timeFormat) = 0;
};

}  // namespace kestrivane
