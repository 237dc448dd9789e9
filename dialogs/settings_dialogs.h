#pragma once
// The settings dialogs behind the records' editing operations: each call
// runs one dialog modally over `parent`.

#include "calc/calculation_method.h"
#include "calc/calendar.h"
#include "settings/settings_editor.h"

class QWidget;

namespace kestrivane {

class CSettingsDialogs : public SettingsEditor {
 public:
  explicit CSettingsDialogs(QWidget* parent) : m_pParent(parent) {}

  // Lets Preferences run the Calculation Method dialog on `method`, which
  // its OK replaces; MethodChanged tells whether it did.
  void OfferMethod(CalculationMethod& method, const CLocation& location, const CivilDay& today);
  bool MethodChanged() const { return m_bMethodChanged; }

  bool RunPreferencesDialog(CPreferences& preferences) override;
  bool RunLocationDialog(CLocation& location) override;
  bool RunAlarmsDialog(CAlarmTable& alarms, std::array<AlarmFollowing, kPrayerCount>& following,
                       const PrayerTimes& today, int32_t timeFormat) override;

 private:
  QWidget* m_pParent;
  CalculationMethod* m_pMethod = nullptr;
  const CLocation* m_pLocation = nullptr;
  CivilDay m_today{};
  bool m_bMethodChanged = false;
};

}  // namespace kestrivane
