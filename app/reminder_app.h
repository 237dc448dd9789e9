#pragma once
// The application object: reads the version data, runs the main
// window and ends with it. On Linux it also keeps to one copy per user.

#include <string>

#include "app/version_text.h"

class QWidget;

namespace kestrivane {

class CReminderApp {
 public:
  CReminderApp() = default;

  // The start-up; returns the process's exit status.
  int InitInstance(int& argc, char** argv);

  void ReadVersionInfo();
  // Command 57664: the About box with copies of the three lines.
  void ShowAboutBox(QWidget* parent);
  static void ShowAboutBox(QWidget* parent, const VersionTexts& texts);

  std::string m_strDescription;
  std::string m_strVersion;
  std::string m_strCopyright;
};

}  // namespace kestrivane
