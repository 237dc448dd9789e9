#include "resources/dialog_template.h"
#include "resources/translate_noop.h"

namespace kestrivane {

namespace {

constexpr uint32_t kField = kAutoHScroll | kTabStop;

// Template 143: Calculation Method. The method's list is filled by the
// dialog from the methods' names. Rules: labels at 15 and 132, fields at 80
// and 218. Adjustments and today's times: rows 15 apart from y 121.
constexpr ControlTemplate kMethodControls[] = {
    {IDC_STATIC, ControlKind::Label, KV_TRANSLATE_NOOP("Dialog", "&Method:"), 7, 9, 40, 8,
     kStyleNone},
    {1118, ControlKind::ComboBox, "", 50, 7, 205, 13, kGroup | kTabStop},
    {IDC_STATIC, ControlKind::GroupBox,
     KV_TRANSLATE_NOOP("Dialog", " Rules (angles in degrees below the horizon) "), 7, 26, 248, 78,
     kStyleNone},
    {IDC_STATIC, ControlKind::Label, KV_TRANSLATE_NOOP("Dialog", "&Fajr angle:"), 15, 40, 62, 8,
     kStyleNone},
    {1119, ControlKind::Edit, "", 80, 38, 36, 12, kField},
    {IDC_STATIC, ControlKind::Label, KV_TRANSLATE_NOOP("Dialog", "Maghri&b angle:"), 132, 40, 82, 8,
     kStyleNone},
    {1122, ControlKind::Edit, "", 218, 38, 30, 12, kField},
    {IDC_STATIC, ControlKind::Label, KV_TRANSLATE_NOOP("Dialog", "'&Isha angle:"), 15, 56, 62, 8,
     kStyleNone},
    {1120, ControlKind::Edit, "", 80, 54, 36, 12, kField},
    {IDC_STATIC, ControlKind::Label, KV_TRANSLATE_NOOP("Dialog", "or Maghrib + mi&nutes:"), 132, 56,
     82, 8, kStyleNone},
    {1121, ControlKind::Edit, "", 218, 54, 30, 12, kField},
    {IDC_STATIC, ControlKind::Label, KV_TRANSLATE_NOOP("Dialog", "&Rounding:"), 15, 72, 62, 8,
     kStyleNone},
    {1123, ControlKind::ComboBox, KV_TRANSLATE_NOOP("Dialog", "Truncate\nNearest\nUp"), 80, 70, 60,
     13, kTabStop},
    {IDC_STATIC, ControlKind::Label, KV_TRANSLATE_NOOP("Dialog", "High la&titudes:"), 15, 88, 62, 8,
     kStyleNone},
    {1124, ControlKind::ComboBox,
     KV_TRANSLATE_NOOP("Dialog", "Seventh of the night\nMiddle of the night\nAngle-based"), 80, 86,
     90, 13, kTabStop},
    {IDC_STATIC, ControlKind::GroupBox, KV_TRANSLATE_NOOP("Dialog", " Adjustments (minutes) "), 7,
     108, 122, 106, kStyleNone},
    {IDC_STATIC, ControlKind::Label, KV_TRANSLATE_NOOP("Dialog", "Fa&jr:"), 15, 123, 50, 8,
     kStyleNone},
    {1125, ControlKind::Edit, "", 70, 121, 30, 12, kField},
    {IDC_STATIC, ControlKind::Label, KV_TRANSLATE_NOOP("Dialog", "&Shurooq:"), 15, 138, 50, 8,
     kStyleNone},
    {1126, ControlKind::Edit, "", 70, 136, 30, 12, kField},
    {IDC_STATIC, ControlKind::Label, KV_TRANSLATE_NOOP("Dialog", "&Zuhr:"), 15, 153, 50, 8,
     kStyleNone},
    {1127, ControlKind::Edit, "", 70, 151, 30, 12, kField},
    {IDC_STATIC, ControlKind::Label, KV_TRANSLATE_NOOP("Dialog", "'&Asr:"), 15, 168, 50, 8,
     kStyleNone},
    {1128, ControlKind::Edit, "", 70, 166, 30, 12, kField},
    {IDC_STATIC, ControlKind::Label, KV_TRANSLATE_NOOP("Dialog", "Ma&ghrib:"), 15, 183, 50, 8,
     kStyleNone},
    {1129, ControlKind::Edit, "", 70, 181, 30, 12, kField},
    {IDC_STATIC, ControlKind::Label, KV_TRANSLATE_NOOP("Dialog", "'Is&ha:"), 15, 198, 50, 8,
     kStyleNone},
    {1130, ControlKind::Edit, "", 70, 196, 30, 12, kField},
    {IDC_STATIC, ControlKind::GroupBox, KV_TRANSLATE_NOOP("Dialog", " Today "), 133, 108, 122, 106,
     kStyleNone},
    {IDC_STATIC, ControlKind::Label, KV_TRANSLATE_NOOP("Dialog", "Fajr"), 141, 123, 46, 8,
     kStyleNone},
    {1131, ControlKind::Edit, "", 190, 121, 58, 12, kReadOnly | kAutoHScroll},
    {IDC_STATIC, ControlKind::Label, KV_TRANSLATE_NOOP("Dialog", "Shurooq"), 141, 138, 46, 8,
     kStyleNone},
    {1132, ControlKind::Edit, "", 190, 136, 58, 12, kReadOnly | kAutoHScroll},
    {IDC_STATIC, ControlKind::Label, KV_TRANSLATE_NOOP("Dialog", "Zuhr"), 141, 153, 46, 8,
     kStyleNone},
    {1133, ControlKind::Edit, "", 190, 151, 58, 12, kReadOnly | kAutoHScroll},
    {IDC_STATIC, ControlKind::Label, KV_TRANSLATE_NOOP("Dialog", "'Asr"), 141, 168, 46, 8,
     kStyleNone},
    {1134, ControlKind::Edit, "", 190, 166, 58, 12, kReadOnly | kAutoHScroll},
    {IDC_STATIC, ControlKind::Label, KV_TRANSLATE_NOOP("Dialog", "Maghrib"), 141, 183, 46, 8,
     kStyleNone},
    {1135, ControlKind::Edit, "", 190, 181, 58, 12, kReadOnly | kAutoHScroll},
    {IDC_STATIC, ControlKind::Label, KV_TRANSLATE_NOOP("Dialog", "'Isha"), 141, 198, 46, 8,
     kStyleNone},
    {1136, ControlKind::Edit, "", 190, 196, 58, 12, kReadOnly | kAutoHScroll},
    {2, ControlKind::PushButton, KV_TRANSLATE_NOOP("Dialog", "Cancel"), 151, 221, 50, 14,
     kGroup | kTabStop},
    {1, ControlKind::DefPushButton, KV_TRANSLATE_NOOP("Dialog", "OK"), 205, 221, 50, 14, kTabStop},
};

constexpr DialogTemplate kTemplates[] = {
    {IDD_CALCULATION_METHOD, KV_TRANSLATE_NOOP("Dialog", "Calculation Method"), 262, 242,
     "MS Sans Serif", 8, 0, kDialogSystemMenu, kMethodControls},
};

}  // namespace

std::span<const DialogTemplate> MethodDialogTemplates() { return kTemplates; }

}  // namespace kestrivane
