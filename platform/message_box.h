#pragma once
// AfxMessageBox: modal boxes titled "Kestrivane", with the program's icon,
// centred on their window or, while it is hidden, on the screen the pointer
// is on. Failures and alarm texts show the exclamation (warning) icon and OK;
// the quit question Yes and No with the question icon. A replaceable hook
// answers instead of a real box, so tests run without a modal loop.

#include <QString>
#include <functional>
#include <string>

class QWidget;

namespace kestrivane {

inline constexpr const char* kMessageBoxTitle = "Kestrivane";

enum class MessageBoxKind { Exclamation, YesNoQuestion };

// Shows `text` with OK and waits until it is closed.
void ShowMessageBox(QWidget* parent, const std::string& text);
// Asks with Yes and No; true for Yes.
bool AskYesNo(QWidget* parent, const std::string& text);

// The hook gets the kind and text and returns true for Yes (ignored for
// Exclamation). An empty function restores the real boxes.
using MessageBoxHook = std::function<bool(MessageBoxKind, const QString& text)>;
void SetMessageBoxHook(MessageBoxHook hook);

}  // namespace kestrivane
