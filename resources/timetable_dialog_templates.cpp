#include "resources/dialog_template.h"

namespace kestrivane {

// The month selection and timetable windows' templates.
std::span<const DialogTemplate> TimetableDialogTemplates() { return {}; }

}  // namespace kestrivane
