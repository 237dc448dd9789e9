#include "resources/dialog_template.h"
#include "resources/translate_noop.h"

namespace kestrivane {

namespace {

// Template 150: Find a City. The list keeps the search's order (best
// matches first); the line under it says how many or why none.
constexpr ControlTemplate kFindCityControls[] = {
    {IDC_STATIC, ControlKind::Label, KV_TRANSLATE_NOOP("Dialog", "&Name:"), 7, 9, 30, 8,
     kStyleNone},
    {1152, ControlKind::Edit, "", 40, 7, 173, 12, kAutoHScroll | kTabStop},
    {1153, ControlKind::ListBox, "", 7, 24, 206, 120, kTabStop},
    {1154, ControlKind::Label, "", 7, 148, 206, 16, kStyleNone},
    {2, ControlKind::PushButton, KV_TRANSLATE_NOOP("Dialog", "Cancel"), 109, 168, 50, 14,
     kGroup | kTabStop},
    {1, ControlKind::DefPushButton, KV_TRANSLATE_NOOP("Dialog", "OK"), 163, 168, 50, 14, kTabStop},
};

constexpr DialogTemplate kTemplates[] = {
    {IDD_FIND_CITY, KV_TRANSLATE_NOOP("Dialog", "Find a City"), 220, 189, "MS Sans Serif", 8, 0,
     kDialogSystemMenu | kDialogContextHelp, kFindCityControls},
};

}  // namespace

std::span<const DialogTemplate> CityDialogTemplates() { return kTemplates; }

}  // namespace kestrivane
