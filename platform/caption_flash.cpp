#include "platform/caption_flash.h"

#include <QApplication>
#include <QWidget>

namespace kestrivane {

QString FlashedCaption(const QString& caption) { return QStringLiteral("*** %1 ***").arg(caption); }

void FlashCaption(QWidget* window, const QString& caption, bool on) {
  window->setWindowTitle(on ? FlashedCaption(caption) : caption);
  if (on) QApplication::alert(window);
}

}  // namespace kestrivane
