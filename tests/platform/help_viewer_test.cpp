// The help window opened from a modal dialog: the dialog does not block it,
// and its Contents, Back and Forward go along with the links clicked.

#define QTEST_QPA_MOUSE_HANDLING  // clicks as the window system sends them
#include "platform/help_viewer.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QTextBrowser>
#include <QTimer>
#include <QtTest/QTest>
#include <functional>

namespace kestrivane {
namespace {

QWidget* OpenHelpWindow() {
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (w->isVisible() && w->findChild<QTextBrowser*>() != nullptr) return w;
  }
  return nullptr;
}

QPushButton* Button(QWidget* help, const QString& text) {
  for (auto* button : help->findChildren<QPushButton*>()) {
    if (button->text() == text) return button;
  }
  return nullptr;
}

void ClickLink(QTextBrowser* browser, const QString& label) {
  QTextCursor link = browser->document()->find(label);
  ASSERT_FALSE(link.isNull()) << label.toStdString();
  link.setPosition(link.selectionStart() + 1);
  QTest::mouseClick(browser->viewport(), Qt::LeftButton, {}, browser->cursorRect(link).center());
}

TEST(HelpWindow, OpenedFromAModalDialogItFollowsLinksBackAndForward) {
  QDialog dialog;  // without a parent: modal to the whole program
  std::string seen;
  QTimer::singleShot(0, [&] {
    ASSERT_TRUE(WinHelp(&dialog, HELP_CONTEXT, 0x20082));
    QWidget* help = OpenHelpWindow();
    ASSERT_NE(help, nullptr);
    EXPECT_FALSE(help->windowIcon().isNull());
    auto* browser = help->findChild<QTextBrowser*>();
    QPushButton* back = Button(help, "&Back");
    QPushButton* forward = Button(help, "&Forward");
    const auto click = [](QPushButton* button) {
      return [button] { QTest::mouseClick(button, Qt::LeftButton); };
    };
    const auto link = [&](const char* label) { return [=] { ClickLink(browser, label); }; };
    // After each step: the page shown, then B and F for Back and Forward enabled.
    const std::function<void()> steps[] = {
        [] {},
        click(Button(help, "&Contents")),
        link("Define Location"),
        click(back),
        click(back),
        click(forward),
        link("Set Alarms"),
    };
    for (const auto& step : steps) {
      step();
      seen += browser->source().toString().toStdString() + (back->isEnabled() ? " B" : " -") +
              (forward->isEnabled() ? "F\n" : "-\n");
    }
    help->close();
    dialog.reject();
  });
  dialog.exec();
  EXPECT_EQ(seen,
            "topic:0x20082 --\ncontents: B-\ntopic:0x20086 B-\ncontents: BF\ntopic:0x20082 -F\n"
            "contents: BF\ntopic:0x20089 B-\n");
  EXPECT_FALSE(IsHelpWindowOpen());
}

}  // namespace
}  // namespace kestrivane
