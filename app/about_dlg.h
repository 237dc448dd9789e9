#pragma once
// The About box (template 100): description, version, copyright.

#include <QDialog>
#include <string>

namespace kestrivane {

inline constexpr int IDC_ABOUT_DESCRIPTION = 1114;
inline constexpr int IDC_ABOUT_VERSION = 1115;
inline constexpr int IDC_ABOUT_COPYRIGHT = 1116;

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
