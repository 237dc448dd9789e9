#pragma once
// The daylight-saving rule dialog (template 135): start and end of daylight
// saving, each as a fixed date or as the n-th weekday of a month. Opened
// from the Define Location dialog on its working copy of the rule.

#include <cstdint>

#include "dialogs/settings_dialog.h"
#include "resources/resource_ids.h"

namespace kestrivane {

class CDstRule;

class CDaylightSavingsDlg : public CSettingsDialog {
 public:
  explicit CDaylightSavingsDlg(QWidget* parent = nullptr);

  void LoadFrom(const CDstRule& rule);
  // After OK: both words through SetDate or SetWeekday; the start word
  // always observes daylight saving afterwards.
  void SaveTo(CDstRule& rule) const;

  // Working values. Forms: 0 date, 1 weekday. Lists: indices, -1 for none.
  int32_t m_nStartMonth = -1;
  int32_t m_nStartForm = -1;
  uint32_t m_nStartDay = 0;
  int32_t m_nStartWeek = -1;
  int32_t m_nStartWeekday = -1;
  int32_t m_nEndMonth = -1;
  int32_t m_nEndForm = -1;
  uint32_t m_nEndDay = 0;
  int32_t m_nEndWeek = -1;
  int32_t m_nEndWeekday = -1;

 protected:
  void DoDataExchange(CDataExchange& dx) override;
  void OnInitDialog() override;

 private:
  // Enables the day field or the two weekday lists of one transition.
  void EnableStart(bool dateForm);
  void EnableEnd(bool dateForm);
};

}  // namespace kestrivane
