#include "platform/message_box.h"

#include <QMessageBox>

#include "platform/modal.h"

namespace kestrivane {

namespace {

MessageBoxHook& Hook() {
  static MessageBoxHook hook;
  return hook;
}

QString Text(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

void SetMessageBoxHook(MessageBoxHook hook) { Hook() = std::move(hook); }

void ShowMessageBox(QWidget* parent, const std::string& text) {
  if (Hook()) {
    Hook()(MessageBoxKind::Exclamation, Text(text));
    return;
  }
  QMessageBox box(QMessageBox::Warning, QString::fromLatin1(kMessageBoxTitle), Text(text),
                  QMessageBox::Ok, ModalOwner(parent));
  box.setTextFormat(Qt::PlainText);
  ExecModal(box);
}

bool AskYesNo(QWidget* parent, const std::string& text) {
  if (Hook()) {
    return Hook()(MessageBoxKind::YesNoQuestion, Text(text));
  }
  QMessageBox box(QMessageBox::Question, QString::fromLatin1(kMessageBoxTitle), Text(text),
                  QMessageBox::Yes | QMessageBox::No, ModalOwner(parent));
  box.setTextFormat(Qt::PlainText);
  box.setDefaultButton(QMessageBox::Yes);
  return ExecModal(box) == QMessageBox::Yes;
}

}  // namespace kestrivane
