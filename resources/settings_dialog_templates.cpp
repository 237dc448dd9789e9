#include "resources/dialog_template.h"
#include "resources/translate_noop.h"

namespace kestrivane {

namespace {

// Drop-down and list items ride in the caption, one per line; the dialogs
// fill their lists from there.
constexpr const char* kAngles = "11\n12\n13\n14\n15\n16\n17\n18\n19\n20\n21\n22\n23\n24";
constexpr const char* kWeeks = KV_TRANSLATE_NOOP("Dialog", "First\nSecond\nThird\nForth\nLast");
constexpr const char* kWeekdays =
    KV_TRANSLATE_NOOP("Dialog", "Sunday\nMonday\nTuesday\nWednesday\nThursday\nFriday\nSaturday");
constexpr const char* kMonths = KV_TRANSLATE_NOOP(
    "Dialog",
    "January\nFebruary\nMarch\nApril\nMay\nJune\nJuly\nAugust\nSeptember\nOctober\nNovember\n"
    "December");

constexpr uint32_t kField = kAutoHScroll | kTabStop;
constexpr uint32_t kFirstRadio = kGroup | kTabStop;

// Template 130: Preferences.
constexpr ControlTemplate kPreferencesControls[] = {
    {IDC_STATIC, ControlKind::GroupBox, KV_TRANSLATE_NOOP("Dialog", " Time Format "), 7, 7, 88, 46,
     kStyleNone},
    {1027, ControlKind::RadioButton, KV_TRANSLATE_NOOP("Dialog", "&12 Hr."), 15, 20, 72, 10,
     kFirstRadio},
    {1028, ControlKind::RadioButton, KV_TRANSLATE_NOOP("Dialog", "&24 Hr."), 15, 35, 72, 10,
     kStyleNone},
    {IDC_STATIC, ControlKind::GroupBox, KV_TRANSLATE_NOOP("Dialog", " Fiqh (for Asr time calc) "),
     7, 58, 200, 46, kStyleNone},
    {1025, ControlKind::RadioButton, KV_TRANSLATE_NOOP("Dialog", "&Shafe'i (shadow = 1x length)"),
     15, 71, 184, 10, kFirstRadio},
    {1026, ControlKind::RadioButton, KV_TRANSLATE_NOOP("Dialog", "&Hanafi (shadow = 2x length)"),
     15, 86, 184, 10, kStyleNone},
    {IDC_STATIC, ControlKind::GroupBox, KV_TRANSLATE_NOOP("Dialog", "Twilight angle (degrees):"),
     101, 7, 106, 46, kStyleNone},
    {IDC_STATIC, ControlKind::Label, KV_TRANSLATE_NOOP("Dialog", "&fajr:"), 109, 21, 34, 8,
     kStyleNone},
    {1082, ControlKind::ComboBox, kAngles, 147, 18, 52, 13, kGroup | kTabStop},
    {IDC_STATIC, ControlKind::Label, KV_TRANSLATE_NOOP("Dialog", "&Isha`:"), 109, 36, 34, 8,
     kStyleNone},
    {1084, ControlKind::ComboBox, kAngles, 147, 33, 52, 13, kGroup | kTabStop},
    {1117, ControlKind::PushButton, KV_TRANSLATE_NOOP("Dialog", "Calculation &Method..."), 7, 110,
     90, 14, kGroup | kTabStop},
    {57670, ControlKind::PushButton, KV_TRANSLATE_NOOP("Dialog", "Help"), 7, 131, 50, 14,
     kGroup | kTabStop},
    {2, ControlKind::PushButton, KV_TRANSLATE_NOOP("Dialog", "Cancel"), 103, 131, 50, 14, kTabStop},
    {1, ControlKind::DefPushButton, KV_TRANSLATE_NOOP("Dialog", "OK"), 157, 131, 50, 14, kTabStop},
};

// Template 134: Define Location. Columns: labels at 15, degrees at 66,
// minutes at 104, direction at 142. Under the box, what Find... set.
constexpr ControlTemplate kLocationControls[] = {
    {IDC_STATIC, ControlKind::GroupBox, KV_TRANSLATE_NOOP("Dialog", "Edit Location Data"), 7, 7,
     214, 138, kStyleNone},
    {IDC_STATIC, ControlKind::Label, KV_TRANSLATE_NOOP("Dialog", "&City:"), 15, 22, 48, 8,
     kStyleNone},
    {1034, ControlKind::Edit, "", 66, 20, 96, 12, kField},
    {1150, ControlKind::PushButton, KV_TRANSLATE_NOOP("Dialog", "F&ind..."), 166, 19, 46, 14,
     kTabStop},
    {IDC_STATIC, ControlKind::Label, KV_TRANSLATE_NOOP("Dialog", "Countr&y:"), 15, 38, 48, 8,
     kStyleNone},
    {1035, ControlKind::Edit, "", 66, 36, 146, 12, kField},
    {IDC_STATIC, ControlKind::Label, KV_TRANSLATE_NOOP("Dialog", "L&atitude:"), 15, 67, 48, 8,
     kStyleNone},
    {1013, ControlKind::Edit, "", 66, 65, 30, 12, kField},
    {IDC_STATIC, ControlKind::Label, ":", 98, 67, 4, 8, kStyleNone},
    {1083, ControlKind::Edit, "", 104, 65, 30, 12, kField},
    {1086, ControlKind::ComboBox, KV_TRANSLATE_NOOP("Dialog", "North\nSouth"), 142, 64, 70, 13,
     kTabStop},
    {IDC_STATIC, ControlKind::Label, KV_TRANSLATE_NOOP("Dialog", "Lo&ngitude:"), 15, 83, 48, 8,
     kStyleNone},
    {1014, ControlKind::Edit, "", 66, 81, 30, 12, kField},
    {IDC_STATIC, ControlKind::Label, ":", 98, 83, 4, 8, kStyleNone},
    {1085, ControlKind::Edit, "", 104, 81, 30, 12, kField},
    {1087, ControlKind::ComboBox, KV_TRANSLATE_NOOP("Dialog", "East\nWest"), 142, 80, 70, 13,
     kTabStop},
    {IDC_STATIC, ControlKind::Label, KV_TRANSLATE_NOOP("Dialog", "A&ltitude (m):"), 15, 101, 48, 8,
     kStyleNone},
    {1016, ControlKind::Edit, "", 66, 99, 40, 12, kField},
    {IDC_STATIC, ControlKind::Label, KV_TRANSLATE_NOOP("Dialog", "Time  \n&Zone:"), 124, 97, 26, 17,
     kStyleNone},
    {1015, ControlKind::Edit, "", 152, 99, 40, 12, kField},
    {1064, ControlKind::CheckBox, KV_TRANSLATE_NOOP("Dialog", "Use &Daylight Savings time"), 15,
     123, 118, 10, kTabStop},
    {1066, ControlKind::PushButton, KV_TRANSLATE_NOOP("Dialog", "Con&figure ..."), 142, 121, 70, 14,
     kTabStop},
    {1151, ControlKind::Label, "", 7, 150, 214, 24, kStyleNone},
    {2, ControlKind::PushButton, KV_TRANSLATE_NOOP("Dialog", "Cancel"), 117, 178, 50, 14, kTabStop},
    {1, ControlKind::DefPushButton, KV_TRANSLATE_NOOP("Dialog", "OK"), 171, 178, 50, 14, kTabStop},
    {IDC_STATIC, ControlKind::Label, KV_TRANSLATE_NOOP("Dialog", "Degree"), 66, 54, 34, 8,
     kStyleNone},
    {IDC_STATIC, ControlKind::Label, KV_TRANSLATE_NOOP("Dialog", "Min."), 104, 54, 30, 8,
     kStyleNone},
    {IDC_STATIC, ControlKind::Label, KV_TRANSLATE_NOOP("Dialog", "Direction"), 142, 54, 50, 8,
     kStyleNone},
};

// Template 135: Configure Daylight Savings. The two halves share their
// offsets; the end half sits 57 units lower.
constexpr ControlTemplate kDaylightSavingsControls[] = {
    {IDC_STATIC, ControlKind::GroupBox, KV_TRANSLATE_NOOP("Dialog", "Starts on"), 7, 7, 254, 52,
     kStyleNone},
    {1044, ControlKind::RadioButton, KV_TRANSLATE_NOOP("Dialog", "&date:"), 15, 21, 48, 10,
     kFirstRadio},
    {1052, ControlKind::Edit, "", 66, 20, 24, 12, kField},
    {1045, ControlKind::RadioButton, KV_TRANSLATE_NOOP("Dialog", "&weekday:"), 15, 39, 48, 10,
     kStyleNone},
    {1053, ControlKind::ComboBox, kWeeks, 66, 37, 50, 13, kTabStop},
    {1054, ControlKind::ComboBox, kWeekdays, 120, 37, 64, 13, kTabStop},
    {IDC_STATIC, ControlKind::Label, KV_TRANSLATE_NOOP("Dialog", "&in:"), 190, 30, 12, 8,
     kStyleNone},
    {1051, ControlKind::ComboBox, kMonths, 203, 28, 52, 13, kTabStop},
    {IDC_STATIC, ControlKind::GroupBox, KV_TRANSLATE_NOOP("Dialog", "Ends on"), 7, 64, 254, 52,
     kStyleNone},
    {1046, ControlKind::RadioButton, KV_TRANSLATE_NOOP("Dialog", "da&te:"), 15, 78, 48, 10,
     kFirstRadio},
    {1047, ControlKind::Edit, "", 66, 77, 24, 12, kField},
    {1048, ControlKind::RadioButton, KV_TRANSLATE_NOOP("Dialog", "weekda&y:"), 15, 96, 48, 10,
     kStyleNone},
    {1049, ControlKind::ComboBox, kWeeks, 66, 94, 50, 13, kTabStop},
    {1050, ControlKind::ComboBox, kWeekdays, 120, 94, 64, 13, kTabStop},
    {IDC_STATIC, ControlKind::Label, KV_TRANSLATE_NOOP("Dialog", "i&n:"), 190, 87, 12, 8,
     kStyleNone},
    {1024, ControlKind::ComboBox, kMonths, 203, 85, 52, 13, kTabStop},
    {2, ControlKind::PushButton, KV_TRANSLATE_NOOP("Dialog", "Cancel"), 157, 123, 50, 14,
     kGroup | kTabStop},
    {1, ControlKind::DefPushButton, KV_TRANSLATE_NOOP("Dialog", "OK"), 211, 123, 50, 14, kTabStop},
};

// Template 137: Set Alarms. Rows 17 units apart from y 33; columns: prayer
// 15, time 55, on/off 118, azan list 150, iqamah delay 226.
constexpr ControlTemplate kAlarmsControls[] = {
    {IDC_STATIC, ControlKind::GroupBox, KV_TRANSLATE_NOOP("Dialog", " Alarms "), 7, 7, 284, 136,
     kStyleNone},
    {IDC_STATIC, ControlKind::Label, KV_TRANSLATE_NOOP("Dialog", "Prayer"), 15, 19, 38, 8,
     kStyleNone},
    {IDC_STATIC, ControlKind::Label, KV_TRANSLATE_NOOP("Dialog", "Time"), 55, 19, 48, 8,
     kStyleNone},
    {IDC_STATIC, ControlKind::Label, KV_TRANSLATE_NOOP("Dialog", "Azan On/Off"), 110, 19, 40, 8,
     kStyleNone},
    {IDC_STATIC, ControlKind::Label, KV_TRANSLATE_NOOP("Dialog", "Azaan Time"), 150, 19, 62, 8,
     kStyleNone},
    {IDC_STATIC, ControlKind::Label, KV_TRANSLATE_NOOP("Dialog", "Iqamah delay (min)"), 214, 19, 72,
     8, kStyleNone},
    {IDC_STATIC, ControlKind::Label, KV_TRANSLATE_NOOP("Dialog", "&fajr"), 15, 35, 38, 8,
     kStyleNone},
    {1074, ControlKind::Edit, "", 55, 33, 48, 12, kReadOnly | kAutoHScroll},
    {1055, ControlKind::CheckBox, "<", 118, 34, 20, 10, kTabStop},
    {1062, ControlKind::ComboBox, "", 150, 33, 62, 13, kTabStop},
    {1069, ControlKind::Edit, "", 226, 33, 30, 12, kField},
    {IDC_STATIC, ControlKind::Label, KV_TRANSLATE_NOOP("Dialog", "&Zuhr"), 15, 52, 38, 8,
     kStyleNone},
    {1075, ControlKind::Edit, "", 55, 50, 48, 12, kReadOnly | kAutoHScroll},
    {1056, ControlKind::CheckBox, "<", 118, 51, 20, 10, kTabStop},
    {1063, ControlKind::ComboBox, "", 150, 50, 62, 13, kTabStop},
    {1070, ControlKind::Edit, "", 226, 50, 30, 12, kField},
    {IDC_STATIC, ControlKind::Label, KV_TRANSLATE_NOOP("Dialog", "`&asr"), 15, 69, 38, 8,
     kStyleNone},
    {1076, ControlKind::Edit, "", 55, 67, 48, 12, kReadOnly | kAutoHScroll},
    {1057, ControlKind::CheckBox, "<", 118, 68, 20, 10, kTabStop},
    {1065, ControlKind::ComboBox, "", 150, 67, 62, 13, kTabStop},
    {1071, ControlKind::Edit, "", 226, 67, 30, 12, kField},
    {IDC_STATIC, ControlKind::Label, KV_TRANSLATE_NOOP("Dialog", "&maGHrib"), 15, 86, 38, 8,
     kStyleNone},
    {1077, ControlKind::Edit, "", 55, 84, 48, 12, kReadOnly | kAutoHScroll},
    {1058, ControlKind::CheckBox, "<", 118, 85, 20, 10, kTabStop},
    {1067, ControlKind::ComboBox, "", 150, 84, 62, 13, kTabStop},
    {1072, ControlKind::Edit, "", 226, 84, 30, 12, kField},
    {IDC_STATIC, ControlKind::Label, KV_TRANSLATE_NOOP("Dialog", "`&ishaa'"), 15, 103, 38, 8,
     kStyleNone},
    {1078, ControlKind::Edit, "", 55, 101, 48, 12, kReadOnly | kAutoHScroll},
    {1059, ControlKind::CheckBox, "<", 118, 102, 20, 10, kTabStop},
    {1068, ControlKind::ComboBox, "", 150, 101, 62, 13, kTabStop},
    {1073, ControlKind::Edit, "", 226, 101, 30, 12, kField},
    {1112, ControlKind::CheckBox, KV_TRANSLATE_NOOP("Dialog", "&Play Azan sound"), 15, 124, 90, 10,
     kTabStop},
    {1101, ControlKind::PushButton, KV_TRANSLATE_NOOP("Dialog", "&Recipients ..."), 150, 122, 62,
     14, kTabStop},
    {2, ControlKind::PushButton, KV_TRANSLATE_NOOP("Dialog", "Cancel"), 187, 150, 50, 14, kTabStop},
    {1, ControlKind::DefPushButton, KV_TRANSLATE_NOOP("Dialog", "OK"), 241, 150, 50, 14, kTabStop},
    {IDC_STATIC, ControlKind::GroupBox, "", 11, 29, 96, 88, kStyleNone},
    {IDC_STATIC, ControlKind::GroupBox, "", 110, 29, 177, 88, kStyleNone},
};

// Template 141: Azan Recipients.
constexpr ControlTemplate kRecipientsControls[] = {
    {IDC_STATIC, ControlKind::Label, KV_TRANSLATE_NOOP("Dialog", "&User name :"), 7, 52, 80, 8,
     kStyleNone},
    {1103, ControlKind::Edit, "", 7, 62, 130, 12, kField},
    {1104, ControlKind::PushButton, KV_TRANSLATE_NOOP("Dialog", "&Add"), 143, 61, 50, 14,
     kTabStop | kDisabled},
    {IDC_STATIC, ControlKind::Label, KV_TRANSLATE_NOOP("Dialog", "&List of Recipients :"), 7, 80,
     80, 8, kStyleNone},
    {1102, ControlKind::ListBox, "", 7, 90, 130, 84, kTabStop | kSort | kMultiSelect},
    {1105, ControlKind::PushButton, KV_TRANSLATE_NOOP("Dialog", "&Remove"), 143, 90, 50, 14,
     kTabStop | kDisabled},
    {1, ControlKind::DefPushButton, KV_TRANSLATE_NOOP("Dialog", "OK"), 143, 142, 50, 14, kTabStop},
    {2, ControlKind::PushButton, KV_TRANSLATE_NOOP("Dialog", "Cancel"), 143, 160, 50, 14, kTabStop},
    {IDC_STATIC, ControlKind::Label,
     KV_TRANSLATE_NOOP("Dialog",
                       "Enter user / login names of those people to whom you wish to send Azan "
                       "alarm mesages.\n\nNote: Users must be logged-in in the same domain."),
     7, 7, 186, 40, kStyleNone},
};

constexpr DialogTemplate kTemplates[] = {
    {130, KV_TRANSLATE_NOOP("Dialog", "Preferences"), 214, 152, "MS Sans Serif", 8, 0,
     kDialogSystemMenu | kDialogContextHelp, kPreferencesControls},
    {134, KV_TRANSLATE_NOOP("Dialog", "Define Location"), 228, 199, "MS Sans Serif", 8, 0,
     kDialogSystemMenu | kDialogContextHelp, kLocationControls},
    {135, KV_TRANSLATE_NOOP("Dialog", "Configure Daylight Savings"), 268, 144, "MS Sans Serif", 8,
     0, kDialogSystemMenu | kDialogContextHelp, kDaylightSavingsControls},
    {137, KV_TRANSLATE_NOOP("Dialog", "Set Alarms"), 298, 171, "MS Sans Serif", 8, 0,
     kDialogSystemMenu | kDialogContextHelp, kAlarmsControls},
    {141, KV_TRANSLATE_NOOP("Dialog", "Azan Recipients"), 200, 181, "MS Sans Serif", 8, 0,
     kDialogSystemMenu | kDialogContextHelp, kRecipientsControls},
};

}  // namespace

std::span<const DialogTemplate> SettingsDialogTemplates() { return kTemplates; }

}  // namespace kestrivane
