#pragma once
// The About box (template 100): description, version, copyright.

#include <QDialog>
#include <string>

#include "resources/resource_ids.h"

namespace kestrivane {

class CAboutDlg : public QDialog {
  Q_OBJECT

 public:
  CAboutDlg(std::string description, std::string version, std::string copyright,
            QWidget* parent = nullptr);

  std::string m_strDescription;
  std::string m_strCopyright;
  std::string m_strVersion;

 private:
  void DoDataExchange();
};

}  // namespace kestrivane
