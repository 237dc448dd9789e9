#include "platform/caption_flash.h"

#include <QApplication>
#include <QWidget>
#include <QWindow>

namespace kestrivane {

namespace {

std::function<void(QWidget*, bool)>& UrgencyOverride() {
  static std::function<void(QWidget*, bool)> urgency;
  return urgency;
}

void SetUrgency(QWidget* window, bool urgent) {
  if (UrgencyOverride()) return UrgencyOverride()(window, urgent);
  if (urgent) {
    QApplication::alert(window);
  } else if (QWindow* handle = window->windowHandle()) {
    // An alert without a time limit lasts until the window is activated;
    // QWindow has no public call to withdraw it, only this slot of its own.
    QMetaObject::invokeMethod(handle, "_q_clearAlert");
  }
}

}  // namespace

QString FlashedCaption(const QString& caption) { return QStringLiteral("*** %1 ***").arg(caption); }

void FlashCaption(QWidget* window, const QString& caption, bool on) {
  window->setWindowTitle(on ? FlashedCaption(caption) : caption);
  SetUrgency(window, on);
}

void SetUrgencyForTesting(std::function<void(QWidget*, bool)> urgency) {
  UrgencyOverride() = std::move(urgency);
}

}  // namespace kestrivane
