#pragma once
// What the five settings dialogs share: built from their template, lists
// filled from it, label mnemonics reaching the next field, context help,
// and the framework's modal protocol (OnInitDialog when first shown, OK
// through OnOK, the Cancel button, Escape and the close box through
// OnCancel).

#include <QDialog>
#include <functional>

#include "resources/resource_ids.h"

class QAbstractButton;
class QComboBox;
class QPushButton;

namespace kestrivane {

class CDataExchange;

class CSettingsDialog : public QDialog {
 public:
  // `rightClickHelp`: a right-click on a control asks for its pop-up help.
  CSettingsDialog(int templateId, QWidget* parent, bool rightClickHelp = false);

  // Runs the dialog modally: IDOK or IDCANCEL.
  int DoModal();

  // Both directions of the data exchange; false when a field was refused.
  bool UpdateData(bool saveAndValidate = true);

  QWidget* Item(int id) const;
  template <class T>
  T* ItemAs(int id) const {
    return qobject_cast<T*>(Item(id));
  }

 protected:
  virtual void DoDataExchange(CDataExchange& dx) = 0;
  // Before the dialog first shows: the working values into the controls.
  virtual void OnInitDialog();
  // OK: read back with validation, close with IDOK when nothing failed.
  virtual void OnOK();
  virtual void OnCancel();
  void EndDialog(int result);

  // Calls `handler` on each click of the button or check box `id`.
  void OnClicked(int id, std::function<void()> handler);
  // Makes `id` the default button (Enter presses it), the others not.
  void SetDefaultButton(int id);

  void showEvent(QShowEvent* event) override;

 public:
  void accept() override;
  void reject() override;

 private:
  bool m_bInitialized = false;
};

}  // namespace kestrivane
