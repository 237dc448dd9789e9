#pragma once
// The help service: pop-up texts at a control, topics by number and the
// contents, all from the help file compiled in from resources/help/.
//
// Help file format (one file, plain text, UTF-8):
//   # comment                      ignored
//   [popup 0x80860427]             starts the pop-up text for that context number
//   [topic 0x20082] Title          starts a topic with its title
//   [contents] Title               starts the contents page
//   ...text lines...               blank lines separate paragraphs
// Within topics and contents, {0x20082} links to that topic.

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>

#include "platform/help_file.h"
#include "resources/translate_noop.h"

class QWidget;

namespace kestrivane {

// The commands WinHelp knows, with their numbers.
enum HelpCommand : uint32_t {
  HELP_CONTEXT = 1,       // one topic by context number
  HELP_QUIT = 2,          // close the help window
  HELP_CONTEXTMENU = 10,  // right-click: "What's This?" for the control
  HELP_FINDER = 11,       // the contents
  HELP_WM_HELP = 12,      // F1 or the what's-this mode: pop-up for the control
};

// One pair of a help-id table: a control id and its context number.
struct HelpIdPair {
  uint32_t controlId;
  uint32_t contextId;
};

// The answer for a control without help, as the help service words it.
inline constexpr const char* kNoHelpText =
    KV_TRANSLATE_NOOP("Help", "No Help topic is associated with this item.");

// Lookups in the help file.
std::optional<std::string> HelpPopupText(uint32_t context);
std::optional<HelpTopic> HelpTopicByNumber(uint32_t context);
HelpTopic HelpContents();
// The context number of `control` (its controlId, or its nearest ancestor's)
// in `table`; 0 when none.
uint32_t HelpContextOf(const QWidget* control, std::span<const HelpIdPair> table);

// WinHelp. `window` is the control (HELP_WM_HELP, HELP_CONTEXTMENU) or the
// owner (HELP_CONTEXT, HELP_FINDER); `data` is the context number for
// HELP_CONTEXT; `table` maps control ids for the pop-up commands.
bool WinHelp(QWidget* window, HelpCommand command, uint32_t data,
             std::span<const HelpIdPair> table = {});

// What a request asked for: the command and the context number (the one
// looked up for pop-ups, 0 when the control has none, for the contents and
// for closing).
struct HelpRequest {
  HelpCommand command;
  uint32_t context;
};
// Tests observe requests here; a set hook also keeps pop-ups, menus and the
// help window from showing. An empty function restores them.
void SetHelpHook(std::function<void(const HelpRequest&)> hook);

// Is the help window open? (For tests and HELP_QUIT.)
bool IsHelpWindowOpen();

}  // namespace kestrivane
