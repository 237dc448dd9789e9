#include "app/about_dlg.h"

#include <QPushButton>

#include "platform/dialog_builder.h"
#include "platform/translations.h"
#include "resources/dialog_template.h"

namespace kestrivane {

CAboutDlg::CAboutDlg(std::string description, std::string version, std::string copyright,
                     QWidget* parent)
    : QDialog(parent),
      m_strDescription(std::move(description)),
      m_strCopyright(std::move(copyright)),
      m_strVersion(std::move(version)) {
  BuildDialog(this, *FindDialogTemplate(IDD_ABOUTBOX));
  if (auto* ok = qobject_cast<QPushButton*>(FindControl(this, 1))) {
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  }
  DoDataExchange();
}

void CAboutDlg::DoDataExchange() {
  SetControlText(this, IDC_ABOUT_DESCRIPTION, TranslatedText("Version", m_strDescription.c_str()));
  SetControlText(this, IDC_ABOUT_COPYRIGHT, m_strCopyright);
  SetControlText(this, IDC_ABOUT_VERSION, m_strVersion);
}

}  // namespace kestrivane
