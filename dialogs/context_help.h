#pragma once
// Context help shared by the settings dialogs and the main window: the
// help-id table (control id -> help context number), ShowHelp, and the
// wiring that turns F1, the what's-this mode and right-clicks into
// ShowHelp requests.

#include <QObject>
#include <cstdint>
#include <functional>
#include <span>

#include "platform/help_viewer.h"

class QWidget;

namespace kestrivane {

// 0x80000000 + template * 0x10000 + control id.
constexpr uint32_t HelpContextId(uint32_t templateId, uint32_t controlId) {
  return 0x80000000u + templateId * 0x10000u + controlId;
}
// The Preferences topic: 0x20000 + template 130.
inline constexpr uint32_t kPreferencesHelpTopic = 0x20082;
// The Hijri Date topic: 0x20000 + template 144.
inline constexpr uint32_t kHijriHelpTopic = 0x20090;
// The main window's help numbers use 138 in the template position.
inline constexpr uint32_t kMainWindowHelpTemplate = 138;

// The one table, ended by the pair (0, 0).
std::span<const HelpIdPair> HelpIdTable();

// WinHelp with the application's help file and the help-id table.
bool ShowHelp(QWidget* window, HelpCommand command);

// Routes help requests in `window`: F1 on a focused control and a click in
// the what's-this mode (Shift+F1 or the title-bar button) become
// HELP_WM_HELP for that control; with `rightClick`, a right-click on a
// control becomes HELP_CONTEXTMENU (editable fields keep their own menu).
// `before` runs first on every request (the main window stops its alarm).
class CContextHelp : public QObject {
 public:
  CContextHelp(QWidget* window, bool rightClick, std::function<void()> before = {});

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* ControlOf(QObject* watched) const;
  void Request(QWidget* control, HelpCommand command);

  QWidget* m_pWindow;
  bool m_bRightClick;
  std::function<void()> m_before;
};

}  // namespace kestrivane
