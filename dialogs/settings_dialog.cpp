#include "dialogs/settings_dialog.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "dialogs/context_help.h"
#include "platform/data_exchange.h"
#include "platform/dialog_builder.h"
#include "platform/modal.h"
#include "resources/dialog_template.h"

namespace kestrivane {

namespace {

// List items ride in the template's caption, one per line; a translation
// keeps the lines.
void FillList(QWidget* control, const char* caption) {
  if (caption == nullptr || *caption == '\0') return;
  const QStringList items = QCoreApplication::translate("Dialog", caption).split(QLatin1Char('\n'));
  if (auto* combo = qobject_cast<QComboBox*>(control)) {
    combo->addItems(items);
    combo->setCurrentIndex(-1);
  } else if (auto* list = qobject_cast<QListWidget*>(control)) {
    list->addItems(items);
  }
}

}  // namespace

CSettingsDialog::CSettingsDialog(int templateId, QWidget* parent, bool rightClickHelp)
    : QDialog(parent) {
  const DialogTemplate& dialogTemplate = *FindDialogTemplate(templateId);
  BuildDialog(this, dialogTemplate);
  setModal(true);

  // The builder makes one widget per control, in template order.
  const QList<QWidget*> widgets = findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
  QLabel* pendingLabel = nullptr;
  for (qsizetype i = 0; i < widgets.size() && i < qsizetype(dialogTemplate.controls.size()); ++i) {
    const ControlTemplate& control = dialogTemplate.controls[static_cast<size_t>(i)];
    QWidget* widget = widgets[i];
    if (control.kind == ControlKind::ComboBox || control.kind == ControlKind::ListBox) {
      FillList(widget, control.caption);
    }
    if (auto* label = qobject_cast<QLabel*>(widget)) {
      // Static text wraps at its width, as the platform's does.
      label->setWordWrap(true);
      if (label->text().contains(QLatin1Char('&'))) pendingLabel = label;
      continue;
    }
    // A label's mnemonic moves the focus to the next field that takes it.
    if (pendingLabel != nullptr && (control.style & kTabStop) != 0) {
      pendingLabel->setBuddy(widget);
      pendingLabel = nullptr;
    }
  }
  // Group boxes stay behind the controls they frame, whatever their place
  // in the template.
  for (QGroupBox* group : findChildren<QGroupBox*>()) group->lower();

  if (auto* ok = ItemAs<QPushButton>(IDOK)) {
    connect(ok, &QPushButton::clicked, this, [this] { OnOK(); });
  }
  if (auto* cancel = ItemAs<QPushButton>(IDCANCEL)) {
    connect(cancel, &QPushButton::clicked, this, [this] { OnCancel(); });
  }
  new CContextHelp(this, rightClickHelp);
}

int CSettingsDialog::DoModal() { return ExecModal(*this) == QDialog::Accepted ? IDOK : IDCANCEL; }

bool CSettingsDialog::UpdateData(bool saveAndValidate) {
  CDataExchange dx(this, saveAndValidate);
  DoDataExchange(dx);
  return !dx.Failed();
}

QWidget* CSettingsDialog::Item(int id) const { return FindControl(this, id); }

void CSettingsDialog::OnInitDialog() { UpdateData(false); }

void CSettingsDialog::OnOK() {
  if (!UpdateData(true)) return;
  EndDialog(IDOK);
}

void CSettingsDialog::OnCancel() { EndDialog(IDCANCEL); }

void CSettingsDialog::EndDialog(int result) {
  QDialog::done(result == IDOK ? QDialog::Accepted : QDialog::Rejected);
}

void CSettingsDialog::accept() { OnOK(); }

void CSettingsDialog::reject() {
  // Escape and the close box count as the Cancel button, and do nothing
  // while that button is disabled.
  if (auto* cancel = ItemAs<QPushButton>(IDCANCEL); cancel != nullptr && !cancel->isEnabled()) {
    return;
  }
  OnCancel();
}

void CSettingsDialog::OnClicked(int id, std::function<void()> handler) {
  if (auto* button = ItemAs<QAbstractButton>(id)) {
    connect(button, &QAbstractButton::clicked, this, [handler = std::move(handler)] { handler(); });
  }
}

void CSettingsDialog::SetDefaultButton(int id) {
  for (QPushButton* button : findChildren<QPushButton*>()) {
    button->setDefault(button->property(kControlIdProperty).toInt() == id);
  }
}

void CSettingsDialog::showEvent(QShowEvent* event) {
  if (!m_bInitialized) {
    m_bInitialized = true;
    OnInitDialog();
  }
  QDialog::showEvent(event);
}

}  // namespace kestrivane
