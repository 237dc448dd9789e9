#include "dialogs/find_city_dlg.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

#include "platform/city_database.h"

namespace kestrivane {

CFindCityDlg::CFindCityDlg(QWidget* parent, const CityDatabase* database)
    : CSettingsDialog(IDD_FIND_CITY, parent), m_pDatabase(database) {
  ItemAs<QLabel>(IDC_CITY_STATUS)->setWordWrap(true);
  connect(ItemAs<QLineEdit>(IDC_CITY_SEARCH), &QLineEdit::textChanged, this,
          [this] { OnSearch(); });
  connect(ItemAs<QListWidget>(IDC_CITY_MATCHES), &QListWidget::itemDoubleClicked, this,
          [this] { OnOK(); });
}

void CFindCityDlg::DoDataExchange(CDataExchange&) {}

void CFindCityDlg::OnSearch() {
  if (m_pDatabase == nullptr) m_pDatabase = &CityDatabase::Shared();
  auto* list = ItemAs<QListWidget>(IDC_CITY_MATCHES);
  auto* status = ItemAs<QLabel>(IDC_CITY_STATUS);
  list->clear();
  if (!m_pDatabase->loaded()) {
    m_matches.clear();
    status->setText(
        QCoreApplication::translate("CFindCityDlg",
                                    "The city database cannot be read; install the package "
                                    "libgweather-4-common to find cities by name. (%1)")
            .arg(m_pDatabase->error()));
    return;
  }
  m_matches = m_pDatabase->Search(ItemAs<QLineEdit>(IDC_CITY_SEARCH)->text());
  for (const City* city : m_matches) {
    list->addItem(city->Shown());
  }
  if (!m_matches.empty()) list->setCurrentRow(0);
  status->setText(
      m_matches.empty()
          ? QCoreApplication::translate("CFindCityDlg", "No city has that name.")
          : QCoreApplication::translate("CFindCityDlg", "Matches: %1").arg(m_matches.size()));
}

void CFindCityDlg::OnOK() {
  const int row = ItemAs<QListWidget>(IDC_CITY_MATCHES)->currentRow();
  // Nothing to choose yet: OK waits for a match.
  if (row < 0 || static_cast<size_t>(row) >= m_matches.size()) return;
  m_pChosen = m_matches[static_cast<size_t>(row)];
  CSettingsDialog::OnOK();
}

}  // namespace kestrivane
