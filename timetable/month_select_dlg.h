#pragma once
// "Select Month ..." (template 133): the year and month of a timetable.

#include <QDialog>
#include <cstdint>

#include "resources/resource_ids.h"

namespace kestrivane {

class CMonthSelectDlg : public QDialog {
  Q_OBJECT

 public:
  // Preset to the clock's local month and year.
  explicit CMonthSelectDlg(QWidget* parent = nullptr);

  // OnInitDialog, then the modal run; QDialog::Accepted for "Make Table".
  int DoModal();
  bool OnInitDialog();
  // "Make Table": ends the dialog only when the year is whole and in range.
  void OnOK();

  int32_t m_nMonth = 0;  // 0 = January
  int32_t m_nYear = 0;

 public slots:
  void accept() override;

 private:
  // False when a field was refused; its message has been shown.
  bool DoDataExchange(bool saveAndValidate);
};

}  // namespace kestrivane
