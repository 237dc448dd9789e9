// Real message boxes: the program's icon, and while their window is hidden
// (or not there yet) the middle of the screen the pointer is on.

#include "platform/message_box.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCursor>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include "platform/app_icons.h"
#include "resources/resource_ids.h"

namespace kestrivane {
namespace {

TEST(MessageBox, WithItsWindowHiddenCentresOnThePointersScreenAndCarriesTheProgramsIcon) {
  QWidget window;  // last seen in a corner, then hidden into the tray
  window.setGeometry(0, 0, 200, 100);
  window.show();
  window.hide();
  QCursor::setPos(700, 500);
  const QRect screen = QGuiApplication::screenAt(QCursor::pos())->availableGeometry();
  const QImage programIcon = LoadAppIcon(IDR_MAINFRAME).pixmap(32).toImage();
  for (QWidget* owner : {&window, static_cast<QWidget*>(nullptr)}) {
    QRect shown;
    QImage icon;
    QTimer::singleShot(0, [&] {
      QWidget* box = QApplication::activeModalWidget();
      ASSERT_NE(box, nullptr);
      shown = box->frameGeometry();
      icon = box->windowIcon().pixmap(32).toImage();
      box->close();
    });
    ShowMessageBox(owner, "Could not save Prefs.dat.");
    EXPECT_LE((shown.center() - screen.center()).manhattanLength(), 1) << owner;
    EXPECT_EQ(icon, programIcon) << owner;
  }
}

}  // namespace
}  // namespace kestrivane
