#include "platform/modal.h"

#include <QApplication>
#include <QDialog>

namespace kestrivane {

int ExecModal(QDialog& dialog) {
  if (dialog.parentWidget() != nullptr) dialog.setWindowModality(Qt::WindowModal);
  return dialog.exec();
}

QWidget* ModalOwner(QWidget* parent) {
  QWidget* modal = QApplication::activeModalWidget();
  return modal != nullptr && parent != nullptr ? modal : parent;
}

}  // namespace kestrivane
