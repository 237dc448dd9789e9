#pragma once
// Runs a dialog or box modally to its own window only. Application-wide
// modality would also block the tray icon and its menu, and a box or dialog
// whose window was hidden into the tray could then never be reached again.

class QDialog;
class QWidget;

namespace kestrivane {

// QDialog::exec, window-modal when the dialog has a parent window.
int ExecModal(QDialog& dialog);

// The window a new box belongs to: the innermost modal dialog or box open
// now, else `parent`. A box owned by a window that a dialog blocks would not
// get the keyboard.
QWidget* ModalOwner(QWidget* parent);

}  // namespace kestrivane
