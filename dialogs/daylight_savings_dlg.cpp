#include "dialogs/daylight_savings_dlg.h"

#include <QButtonGroup>
#include <QRadioButton>

#include "platform/data_exchange.h"
#include "settings/dst_rule.h"

namespace kestrivane {

namespace {

constexpr uint16_t kDateForm = 0x80;

struct Transition {
  int32_t month, form, week, weekday;
  uint32_t day;
};

// `otherWeek` and `otherDay` are what the controls of the form not chosen show.
Transition Decode(uint16_t word, int32_t otherWeek, uint32_t otherDay) {
  Transition t{};
  t.month = (word >> 8) & 0x0F;
  if (word & kDateForm) {
    t.form = 0;
    t.day = static_cast<uint32_t>(word & 0x3F) + 1;
    t.week = otherWeek;
    t.weekday = 0;
  } else {
    t.form = 1;
    t.week = (word >> 3) & 0x07;
    t.weekday = word & 0x07;
    t.day = otherDay;
  }
  return t;
}

// A list read back without a selection keeps the value it was loaded with
// (a month 12..15 or a week 5..7 from a file written elsewhere), so OK
// never turns it into something else.
void ListKeep(CDataExchange& dx, int id, int32_t& value) {
  int32_t read = value;
  dx.ListIndex(id, read);
  if (!dx.SaveAndValidate() || read >= 0) value = read;
}

// Read back only in date form (0); a day of the weekday form keeps the
// value it was loaded with.
void DayField(CDataExchange& dx, int id, uint32_t& day, int32_t form) {
  if (!dx.SaveAndValidate() || form == 0) dx.IntRange(id, day, 1u, 31u);
}

}  // namespace

CDaylightSavingsDlg::CDaylightSavingsDlg(QWidget* parent)
    : CSettingsDialog(IDD_DAYLIGHT_SAVING, parent) {
  // The day field between the two radios of a transition does not split
  // them: each pair is one exclusive group.
  for (const auto& [first, second] : {std::pair{IDC_START_DATE, IDC_START_WEEKDAY_FORM},
                                      std::pair{IDC_END_DATE, IDC_END_WEEKDAY_FORM}}) {
    auto* group = new QButtonGroup(this);
    for (int id : {first, second}) {
      auto* radio = ItemAs<QAbstractButton>(id);
      if (radio->group() != nullptr) radio->group()->removeButton(radio);
      group->addButton(radio);
    }
  }
  OnClicked(IDC_START_DATE, [this] { EnableStart(true); });
  OnClicked(IDC_START_WEEKDAY_FORM, [this] { EnableStart(false); });
  OnClicked(IDC_END_DATE, [this] { EnableEnd(true); });
  OnClicked(IDC_END_WEEKDAY_FORM, [this] { EnableEnd(false); });
}

void CDaylightSavingsDlg::LoadFrom(const CDstRule& rule) {
  const Transition start = Decode(rule.m_wStart, 0, 1);
  m_nStartMonth = start.month;
  m_nStartForm = start.form;
  m_nStartDay = start.day;
  m_nStartWeek = start.week;
  m_nStartWeekday = start.weekday;
  const Transition end = Decode(rule.m_wEnd, 4, 30);
  m_nEndMonth = end.month;
  m_nEndForm = end.form;
  m_nEndDay = end.day;
  m_nEndWeek = end.week;
  m_nEndWeekday = end.weekday;
}

void CDaylightSavingsDlg::DoDataExchange(CDataExchange& dx) {
  ListKeep(dx, IDC_START_MONTH, m_nStartMonth);
  dx.Radio(IDC_START_DATE, m_nStartForm);
  if (dx.SaveAndValidate() && m_nStartForm != 0) m_nStartForm = 1;
  // A day field counts only in its form: greyed out, the user could not
  // mend it, and SaveTo stores the chosen form alone.
  DayField(dx, IDC_START_DAY, m_nStartDay, m_nStartForm);
  ListKeep(dx, IDC_START_WEEK, m_nStartWeek);
  ListKeep(dx, IDC_START_WEEKDAY, m_nStartWeekday);
  ListKeep(dx, IDC_END_MONTH, m_nEndMonth);
  dx.Radio(IDC_END_DATE, m_nEndForm);
  if (dx.SaveAndValidate() && m_nEndForm != 0) m_nEndForm = 1;
  DayField(dx, IDC_END_DAY, m_nEndDay, m_nEndForm);
  ListKeep(dx, IDC_END_WEEK, m_nEndWeek);
  ListKeep(dx, IDC_END_WEEKDAY, m_nEndWeekday);
}

void CDaylightSavingsDlg::OnInitDialog() {
  CSettingsDialog::OnInitDialog();
  EnableStart(m_nStartForm == 0);
  EnableEnd(m_nEndForm == 0);
}

void CDaylightSavingsDlg::EnableStart(bool dateForm) {
  Item(IDC_START_DAY)->setEnabled(dateForm);
  Item(IDC_START_WEEK)->setEnabled(!dateForm);
  Item(IDC_START_WEEKDAY)->setEnabled(!dateForm);
}

void CDaylightSavingsDlg::EnableEnd(bool dateForm) {
  Item(IDC_END_DAY)->setEnabled(dateForm);
  Item(IDC_END_WEEK)->setEnabled(!dateForm);
  Item(IDC_END_WEEKDAY)->setEnabled(!dateForm);
}

void CDaylightSavingsDlg::SaveTo(CDstRule& rule) const {
  if (m_nStartForm == 1) {
    rule.SetWeekday(true, true, m_nStartMonth, m_nStartWeek, m_nStartWeekday);
  } else {
    rule.SetDate(true, true, m_nStartMonth, static_cast<int32_t>(m_nStartDay) - 1);
  }
  if (m_nEndForm == 1) {
    rule.SetWeekday(false, true, m_nEndMonth, m_nEndWeek, m_nEndWeekday);
  } else {
    rule.SetDate(false, true, m_nEndMonth, static_cast<int32_t>(m_nEndDay) - 1);
  }
}

}  // namespace kestrivane
