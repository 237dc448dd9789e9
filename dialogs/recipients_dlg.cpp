#include "dialogs/recipients_dlg.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QValidator>
#include <algorithm>

#include "platform/data_exchange.h"
#include "platform/message_box.h"
#include "settings/stored_text.h"

namespace kestrivane {

namespace {

// The list's order: alphabetical without regard to letter case; names that
// differ only in case keep a fixed order among themselves.
class RecipientItem : public QListWidgetItem {
 public:
  using QListWidgetItem::QListWidgetItem;
  bool operator<(const QListWidgetItem& other) const override {
    const int order = text().compare(other.text(), Qt::CaseInsensitive);
    return order != 0 ? order < 0 : text() < other.text();
  }
};

// Typed letters become capitals.
class UpperCase : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int&) const override {
    input = input.toUpper();
    return Acceptable;
  }
};

}  // namespace

CRecipientsDlg::CRecipientsDlg(std::vector<std::string>* recipients, QWidget* parent)
    : CSettingsDialog(IDD_RECIPIENTS, parent, /*rightClickHelp=*/true), m_pRecipients(recipients) {
  auto* name = ItemAs<QLineEdit>(IDC_RECIPIENT_NAME);
  name->setValidator(new UpperCase(name));
  connect(name, &QLineEdit::textChanged, this, [this] { OnNameChanged(); });
  OnClicked(IDC_ADD_RECIPIENT, [this] { OnAdd(); });
  OnClicked(IDC_REMOVE_RECIPIENT, [this] { OnRemove(); });
  List()->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

QListWidget* CRecipientsDlg::List() const { return ItemAs<QListWidget>(IDC_RECIPIENT_LIST); }

void CRecipientsDlg::DoDataExchange(CDataExchange& dx) { dx.Text(IDC_RECIPIENT_NAME, m_strName); }

void CRecipientsDlg::OnInitDialog() {
  CSettingsDialog::OnInitDialog();
  QListWidget* list = List();
  for (const std::string& name : *m_pRecipients) {
    list->addItem(new RecipientItem(QString::fromStdString(StoredToText(name))));
  }
  if (list->count() > 0) {
    Item(IDC_REMOVE_RECIPIENT)->setEnabled(true);
    list->setCurrentRow(0);
  }
  Item(IDC_RECIPIENT_NAME)->setFocus();
}

void CRecipientsDlg::OnNameChanged() {
  UpdateData(true);
  const bool hasName = !m_strName.empty();
  Item(IDC_ADD_RECIPIENT)->setEnabled(hasName);
  SetDefaultButton(hasName ? IDC_ADD_RECIPIENT : IDOK);
}

void CRecipientsDlg::OnAdd() {
  UpdateData(true);
  QListWidget* list = List();
  const QString name = QString::fromStdString(m_strName);
  for (int i = 0; i < list->count(); ++i) {
    if (list->item(i)->text().compare(name, Qt::CaseInsensitive) == 0) {
      ShowMessageBox(this, kDuplicateRecipient);
      Item(IDC_RECIPIENT_NAME)->setFocus();
      return;
    }
  }
  auto* item = new RecipientItem(name);
  list->addItem(item);
  list->clearSelection();
  list->setCurrentItem(item);
  item->setSelected(true);
  Item(IDC_REMOVE_RECIPIENT)->setEnabled(true);
  ItemAs<QLineEdit>(IDC_RECIPIENT_NAME)->clear();
  Item(IDC_RECIPIENT_NAME)->setFocus();
  SetDefaultButton(IDOK);
  Item(IDC_ADD_RECIPIENT)->setEnabled(false);
  m_bChanged = true;
}

void CRecipientsDlg::OnRemove() {
  QListWidget* list = List();
  std::vector<int> rows;
  for (QListWidgetItem* item : list->selectedItems()) rows.push_back(list->row(item));
  std::sort(rows.begin(), rows.end());
  if (!rows.empty()) {
    list->clearSelection();
    for (auto row = rows.rbegin(); row != rows.rend(); ++row) delete list->takeItem(*row);
    if (list->count() > 0) {
      const int next = std::min(rows.front(), list->count() - 1);
      list->setCurrentRow(next);
    }
  }
  if (list->count() == 0) {
    SetDefaultButton(IDC_ADD_RECIPIENT);
    Item(IDC_REMOVE_RECIPIENT)->setEnabled(false);
    Item(IDC_RECIPIENT_NAME)->setFocus();
  }
  m_bChanged = true;
}

void CRecipientsDlg::OnOK() {
  QListWidget* list = List();
  // A name that was in the list keeps the bytes it was loaded with.
  const std::vector<std::string> loaded = std::move(*m_pRecipients);
  m_pRecipients->clear();
  for (int i = list->count() - 1; i >= 0; --i) {
    m_pRecipients->insert(m_pRecipients->begin(),
                          TextToStored(list->item(i)->text().toStdString(), loaded));
  }
  // The framework's OK reads the name field back; a name not added is dropped.
  CSettingsDialog::OnOK();
}

}  // namespace kestrivane
