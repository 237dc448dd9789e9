#include "app/reminder_app.h"

#include <QApplication>
#include <cstdio>

#include "app/about_dlg.h"
#include "app/main_dlg.h"
#include "platform/modal.h"
#include "platform/single_instance.h"
#include "platform/translations.h"

namespace kestrivane {

int CReminderApp::InitInstance(int& argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Kestrivane"));
  QApplication::setDesktopFileName(QStringLiteral("kestrivane"));
  // The main window hides in the tray and message boxes come and go while
  // it is hidden: only the window's end ends the program.
  QApplication::setQuitOnLastWindowClosed(false);
  InstallTranslations(application);

  // A second copy in the same session asks the first to show its window
  // and ends.
  CSingleInstance instance(CSingleInstance::DefaultName());
  if (!instance.Claim()) {
    std::fputs("kestrivane: already running in this session; its window is shown\n", stderr);
    return 0;
  }

  // 1. The three-dimensional look is the toolkit's own. 2.
  ReadVersionInfo();
  // 3, 4.
  CMainDlg window(this);
  QObject::connect(&instance, &CSingleInstance::restoreRequested, &window,
                   &CMainDlg::OnRestoreRequest);
  // The window's end leaves every event loop, also those of boxes and dialogs
  // still open below it, without asking any window first.
  QObject::connect(&window, &QDialog::finished, &application, [] { QApplication::exit(0); });
  window.OnInitDialog();
  window.show();
  QApplication::exec();
  // 5. The window is destroyed with this scope; the program ends.
  return 0;
}

void CReminderApp::ReadVersionInfo() {
  const VersionTexts texts = kestrivane::ReadVersionInfo(&ProgramVersionResource());
  m_strDescription = texts.m_strDescription;
  m_strVersion = texts.m_strVersion;
  m_strCopyright = texts.m_strCopyright;
}

void CReminderApp::ShowAboutBox(QWidget* parent) {
  ShowAboutBox(parent, VersionTexts{m_strDescription, m_strVersion, m_strCopyright});
}

void CReminderApp::ShowAboutBox(QWidget* parent, const VersionTexts& texts) {
  CAboutDlg about(texts.m_strDescription, texts.m_strVersion, texts.m_strCopyright, parent);
  ExecModal(about);
}

}  // namespace kestrivane
