#pragma once
// The daylight-saving rule dialog (template 135): start and end of daylight
// saving, each as a fixed date or as the n-th weekday of a month. Opened
// from the Define Location dialog on its working copy of the rule.

#include <cstdint>

#include "dialogs/settings_dialog.h"

namespace kestrivane {

class CDstRule;

// Control ids of template 135.
inline constexpr int IDC_END_MONTH = 1024;
inline constexpr int IDC_START_DATE = 1044;
inline constexpr int IDC_START_WEEKDAY_FORM = 1045;
inline constexpr int IDC_END_DATE = 1046;
inline constexpr int IDC_END_DAY = 1047;
inline constexpr int IDC_END_WEEKDAY_FORM = 1048;
inline constexpr int IDC_END_WEEK = 1049;
inline constexpr int IDC_END_WEEKDAY = 1050;
inline constexpr int IDC_START_MONTH = 1051;
inline constexpr int IDC_START_DAY = 1052;
inline constexpr int IDC_START_WEEK = 1053;
inline constexpr int IDC_START_WEEKDAY = 1054;

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
