#pragma once
// FlashWindow: the "on" phase asks the desktop for attention (urgency hint)
// and shows the caption visibly altered; "off" restores the caption.

#include <QString>

class QWidget;

namespace kestrivane {

// `caption` is the window's normal caption.
void FlashCaption(QWidget* window, const QString& caption, bool on);

// The caption shown in the "on" phase.
QString FlashedCaption(const QString& caption);

}  // namespace kestrivane
