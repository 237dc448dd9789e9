#include "platform/message_box.h"

#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QShowEvent>

#include "platform/app_icons.h"
#include "platform/modal.h"
#include "resources/resource_ids.h"

namespace kestrivane {

namespace {

MessageBoxHook& Hook() {
  static MessageBoxHook hook;
  return hook;
}

// A box's fixed texts are messages of the "Message" context; a text with
// values in it stays as composed.
QString Text(const std::string& text) {
  return QCoreApplication::translate("Message", text.c_str());
}

// A box over a visible window is centred on it. One whose window is hidden
// in the tray, or not there yet, would centre on where that window last
// was, or on the first screen: it goes to the middle of the screen the
// pointer is on, where the user looks.
class ProgramBox : public QMessageBox {
 public:
  ProgramBox(Icon icon, const std::string& text, StandardButtons buttons, QWidget* owner)
      : QMessageBox(icon, QString::fromLatin1(kMessageBoxTitle), Text(text), buttons, owner) {
    setTextFormat(Qt::PlainText);
    setWindowIcon(LoadAppIcon(IDR_MAINFRAME));
  }

 protected:
  void showEvent(QShowEvent* event) override {
    QMessageBox::showEvent(event);  // sizes the box and centres it on its owner
    const QWidget* owner = parentWidget() != nullptr ? parentWidget()->window() : nullptr;
    if (event->spontaneous() || (owner != nullptr && owner->isVisible() && !owner->isMinimized())) {
      return;
    }
    const QScreen* screen = QGuiApplication::screenAt(QCursor::pos());
    if (screen == nullptr) screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) return;
    QRect placed(QPoint(), frameGeometry().size());  // move() places the frame
    placed.moveCenter(screen->availableGeometry().center());
    move(placed.topLeft());
  }
};

}  // namespace

void SetMessageBoxHook(MessageBoxHook hook) { Hook() = std::move(hook); }

void ShowMessageBox(QWidget* parent, const std::string& text) {
  if (Hook()) {
    Hook()(MessageBoxKind::Exclamation, Text(text));
    return;
  }
  ProgramBox box(QMessageBox::Warning, text, QMessageBox::Ok, ModalOwner(parent));
  ExecModal(box);
}

bool AskYesNo(QWidget* parent, const std::string& text) {
  if (Hook()) {
    return Hook()(MessageBoxKind::YesNoQuestion, Text(text));
  }
  ProgramBox box(QMessageBox::Question, text, QMessageBox::Yes | QMessageBox::No,
                 ModalOwner(parent));
  box.setDefaultButton(QMessageBox::Yes);
  return ExecModal(box) == QMessageBox::Yes;
}

}  // namespace kestrivane
