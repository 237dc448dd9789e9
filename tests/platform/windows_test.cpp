// The platform's own windows, real and offscreen: message boxes and the
// help window.

#define QTEST_QPA_MOUSE_HANDLING  // clicks as the window system sends them
#include <gtest/gtest.h>

#include <QApplication>
#include <QCursor>
#include <QDialog>
#include <QPushButton>
#include <QScreen>
#include <QTextBrowser>
#include <QTimer>
#include <QtTest/QTest>

#include "platform/app_icons.h"
#include "platform/help_viewer.h"
#include "platform/message_box.h"
#include "resources/resource_ids.h"

namespace kestrivane {
namespace {

// With its window hidden in the tray (or none yet) a box shows in the middle
// of the pointer's screen, not where the window last was.
TEST(MessageBox, WithItsWindowHiddenCentresOnThePointersScreenAndCarriesTheProgramsIcon) {
  QWidget window;
  window.setGeometry(0, 0, 200, 100);
  window.show();
  window.hide();
  QCursor::setPos(700, 500);
  const QPoint middle = QGuiApplication::screenAt(QCursor::pos())->availableGeometry().center();
  for (QWidget* owner : {&window, static_cast<QWidget*>(nullptr)}) {
    QTimer::singleShot(0, [&] {
      QWidget* box = QApplication::activeModalWidget();
      EXPECT_LE((box->frameGeometry().center() - middle).manhattanLength(), 1) << owner;
      EXPECT_EQ(box->windowIcon().pixmap(32).toImage(),
                LoadAppIcon(IDR_MAINFRAME).pixmap(32).toImage());
      box->close();
    });
    ShowMessageBox(owner, "Could not save Prefs.dat.");
  }
}

void ClickLink(QTextBrowser* browser, const char* label) {
  QTextCursor link = browser->document()->find(label);
  link.setPosition(link.selectionStart() + 1);
  QTest::mouseClick(browser->viewport(), Qt::LeftButton, {}, browser->cursorRect(link).center());
}

// A window the modal dialog blocked would drop the clicks.
TEST(HelpWindow, OpenedFromAModalDialogItFollowsLinksBackAndForward) {
  QDialog dialog;  // without a parent: modal to the whole program
  std::string seen;
  QTimer::singleShot(0, [&] {
    ASSERT_TRUE(WinHelp(&dialog, HELP_CONTEXT, 0x20082));
    QTextBrowser* browser = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (w->isVisible() && browser == nullptr) browser = w->findChild<QTextBrowser*>();
    }
    ASSERT_NE(browser, nullptr);
    // Contents, Back, Forward; then the page shown, B and F for Back and Forward enabled.
    const auto buttons = browser->window()->findChildren<QPushButton*>();
    for (const char* step : {"", "0", "Define Location", "1", "1", "2", "Set Alarms"}) {
      if (std::isdigit(*step)) QTest::mouseClick(buttons[*step - '0'], Qt::LeftButton);
      if (std::isalpha(*step)) ClickLink(browser, step);
      seen += browser->source().toString().toStdString() + (buttons[1]->isEnabled() ? " B" : " -") +
              (buttons[2]->isEnabled() ? "F\n" : "-\n");
    }
    browser->window()->close();
    dialog.reject();
  });
  dialog.exec();
  EXPECT_EQ(seen,
            "topic:0x20082 --\ncontents: B-\ntopic:0x20086 B-\ncontents: BF\ntopic:0x20082 -F\n"
            "contents: BF\ntopic:0x20089 B-\n");
}

}  // namespace
}  // namespace kestrivane
