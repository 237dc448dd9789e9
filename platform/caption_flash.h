#pragma once
// FlashWindow: the "on" phase asks the desktop for attention (urgency hint)
// and shows the caption visibly altered; "off" restores the caption and
// withdraws the request, so a stopped alarm leaves no mark behind.

#include <QString>
#include <functional>

class QWidget;

namespace kestrivane {

// `caption` is the window's normal caption.
void FlashCaption(QWidget* window, const QString& caption, bool on);

// The caption shown in the "on" phase.
QString FlashedCaption(const QString& caption);

// Tests: stands in for the desktop's urgency hint; an empty function restores it.
void SetUrgencyForTesting(std::function<void(QWidget* window, bool urgent)> urgency);

}  // namespace kestrivane
