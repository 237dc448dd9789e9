#include "resources/dialog_template.h"

namespace kestrivane {

// The settings dialogs' templates.
std::span<const DialogTemplate> SettingsDialogTemplates() { return {}; }

}  // namespace kestrivane
