#include "resources/dialog_template.h"
#include "resources/translate_noop.h"

namespace kestrivane {

namespace {

// Template 132: the month's table in a read-only text view.
constexpr ControlTemplate kTimetableControls[] = {
    {1021, ControlKind::Edit, "", 7, 7, 350, 203, kMultiline | kReadOnly | kTabStop},
    {1088, ControlKind::PushButton, KV_TRANSLATE_NOOP("Dialog", "&Print"), 119, 218, 50, 14,
     kTabStop},
    {1, ControlKind::DefPushButton, KV_TRANSLATE_NOOP("Dialog", "OK"), 193, 218, 50, 14, kTabStop},
};

// Template 133: year and month of the table.
constexpr ControlTemplate kMonthSelectControls[] = {
    {IDC_STATIC, ControlKind::Label,
     KV_TRANSLATE_NOOP("Dialog",
                       "Select the month for which you would like to generate the prayer time "
                       "table."),
     7, 7, 111, 26, kStyleNone},
    {IDC_STATIC, ControlKind::Label, KV_TRANSLATE_NOOP("Dialog", "&Year:"), 7, 35, 18, 8,
     kStyleNone},
    {1022, ControlKind::Edit, "", 7, 46, 46, 12, kAutoHScroll | kTabStop},
    {IDC_STATIC, ControlKind::Label, KV_TRANSLATE_NOOP("Dialog", "&Month:"), 56, 35, 23, 8,
     kStyleNone},
    {1023, ControlKind::ComboBox, "", 56, 46, 62, 70, kTabStop},
    {1, ControlKind::DefPushButton, KV_TRANSLATE_NOOP("Dialog", "Make Table"), 68, 66, 50, 14,
     kTabStop},
    {2, ControlKind::PushButton, KV_TRANSLATE_NOOP("Dialog", "Cancel"), 7, 66, 50, 14, kTabStop},
};

constexpr DialogTemplate kTemplates[] = {
    {132, KV_TRANSLATE_NOOP("Dialog", "Month Prayer Timetable"), 364, 239, "MS Sans Serif", 8, 0,
     kDialogSystemMenu, kTimetableControls},
    {133, KV_TRANSLATE_NOOP("Dialog", "Select Month ..."), 125, 87, "MS Sans Serif", 8, 0,
     kDialogSystemMenu, kMonthSelectControls},
};

}  // namespace

std::span<const DialogTemplate> TimetableDialogTemplates() { return kTemplates; }

}  // namespace kestrivane
