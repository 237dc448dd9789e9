#pragma once
// The Azan Recipients dialog (template 141): the logins that receive alarm
// messages. Works on the alarm table's list itself and writes it on OK.

#include <string>
#include <vector>

#include "dialogs/settings_dialog.h"
#include "resources/resource_ids.h"
#include "resources/translate_noop.h"

class QListWidget;

namespace kestrivane {

inline constexpr const char* kDuplicateRecipient =
    KV_TRANSLATE_NOOP("Message", "This recipient is already in the list.");

class CRecipientsDlg : public CSettingsDialog {
 public:
  CRecipientsDlg(std::vector<std::string>* recipients, QWidget* parent = nullptr);

  // Add or Remove was used (whether or not the dialog ends with OK).
  bool m_bChanged = false;
  std::string m_strName;

  void OnNameChanged();
  void OnAdd();
  void OnRemove();

 protected:
  void DoDataExchange(CDataExchange& dx) override;
  void OnInitDialog() override;
  void OnOK() override;

 private:
  QListWidget* List() const;

  std::vector<std::string>* m_pRecipients;
};

}  // namespace kestrivane
