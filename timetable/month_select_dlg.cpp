#include "timetable/month_select_dlg.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <ctime>

#include "platform/data_exchange.h"
#include "platform/dialog_builder.h"
#include "platform/modal.h"
#include "resources/dialog_template.h"
#include "resources/menu_template.h"
#include "timetable/timetable_text.h"

namespace kestrivane {

CMonthSelectDlg::CMonthSelectDlg(QWidget* parent) : QDialog(parent) {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  m_nMonth = local.tm_mon;
  m_nYear = local.tm_year + 1900;

  BuildDialog(this, *FindDialogTemplate(IDD_MONTH_SELECT));

  auto* year = qobject_cast<QLineEdit*>(FindControl(this, IDC_YEAR));
  auto* month = qobject_cast<QComboBox*>(FindControl(this, IDC_MONTH));
  if (month != nullptr) {
    for (int m = 1; m <= 12; ++m) month->addItem(QCoreApplication::translate("Date", MonthName(m)));
    // The template's height is the dropped list's; closed it is one line,
    // as high as the year field beside it.
    if (year != nullptr) month->setGeometry(month->x(), year->y(), month->width(), year->height());
  }
  // Static text wraps, and "&Year:" and "&Month:" are the fields' mnemonics.
  for (QLabel* label : findChildren<QLabel*>()) {
    label->setWordWrap(true);
    if (label->text() == QCoreApplication::translate("Dialog", "&Year:")) label->setBuddy(year);
    if (label->text() == QCoreApplication::translate("Dialog", "&Month:")) label->setBuddy(month);
  }

  if (auto* ok = qobject_cast<QPushButton*>(FindControl(this, IDOK))) {
    connect(ok, &QPushButton::clicked, this, &CMonthSelectDlg::OnOK);
  }
  if (auto* cancel = qobject_cast<QPushButton*>(FindControl(this, IDCANCEL))) {
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  }
}

int CMonthSelectDlg::DoModal() {
  OnInitDialog();
  return ExecModal(*this);
}

bool CMonthSelectDlg::OnInitDialog() {
  DoDataExchange(false);
  // The first field has the focus, its text selected, as on any dialog.
  if (auto* year = qobject_cast<QLineEdit*>(FindControl(this, IDC_YEAR))) {
    year->setFocus();
    year->selectAll();
  }
  return true;
}

bool CMonthSelectDlg::DoDataExchange(bool saveAndValidate) {
  CDataExchange dx(this, saveAndValidate);
  dx.ListIndex(IDC_MONTH, m_nMonth);
  dx.IntRange(IDC_YEAR, m_nYear, kFirstTimetableYear, kLastTimetableYear);
  return !dx.Failed();
}

void CMonthSelectDlg::OnOK() {
  if (!DoDataExchange(true)) return;
  QDialog::accept();
}

void CMonthSelectDlg::accept() { OnOK(); }

}  // namespace kestrivane
