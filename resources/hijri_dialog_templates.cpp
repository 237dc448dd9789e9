#include "resources/dialog_template.h"
#include "resources/translate_noop.h"

namespace kestrivane {

namespace {

// Template 144: Hijri Date. The lists' order is HijriCalendar's and the
// adjustment's from -2 days.
constexpr ControlTemplate kHijriControls[] = {
    {IDC_STATIC, ControlKind::Label, KV_TRANSLATE_NOOP("Dialog", "&Calendar:"), 7, 9, 80, 8,
     kStyleNone},
    {1137, ControlKind::ComboBox, KV_TRANSLATE_NOOP("Dialog", "None\nUmm al-Qura\nTabular (civil)"),
     90, 7, 117, 13, kGroup | kTabStop},
    {IDC_STATIC, ControlKind::Label,
     KV_TRANSLATE_NOOP("Dialog", "&Adjustment for local moon sighting (days):"), 7, 27, 155, 8,
     kStyleNone},
    {1138, ControlKind::ComboBox, "-2\n-1\n0\n+1\n+2", 167, 25, 40, 13, kTabStop},
    {1139, ControlKind::CheckBox,
     KV_TRANSLATE_NOOP("Dialog", "Hijri date &column in the month timetable"), 7, 44, 200, 10,
     kTabStop},
    {IDC_STATIC, ControlKind::Label, KV_TRANSLATE_NOOP("Dialog", "Today:"), 7, 62, 80, 8,
     kStyleNone},
    {1140, ControlKind::Edit, "", 90, 60, 117, 12, kReadOnly | kAutoHScroll},
    {ID_HELP, ControlKind::PushButton, KV_TRANSLATE_NOOP("Dialog", "Help"), 7, 86, 50, 14,
     kGroup | kTabStop},
    {2, ControlKind::PushButton, KV_TRANSLATE_NOOP("Dialog", "Cancel"), 103, 86, 50, 14, kTabStop},
    {1, ControlKind::DefPushButton, KV_TRANSLATE_NOOP("Dialog", "OK"), 157, 86, 50, 14, kTabStop},
};

constexpr DialogTemplate kTemplates[] = {
    {IDD_HIJRI_DATE, KV_TRANSLATE_NOOP("Dialog", "Hijri Date"), 214, 107, "MS Sans Serif", 8, 0,
     kDialogSystemMenu | kDialogContextHelp, kHijriControls},
};

}  // namespace

std::span<const DialogTemplate> HijriDialogTemplates() { return kTemplates; }

}  // namespace kestrivane
