#include "resources/dialog_template.h"
#include "resources/translate_noop.h"

namespace kestrivane {

namespace {

constexpr uint32_t kDisplayEdit = kReadOnly | kNoBorder | kAutoHScroll;

// Template 100: the About box.
constexpr ControlTemplate kAboutControls[] = {
    {IDC_STATIC, ControlKind::Icon, "128", 11, 17, 20, 20, kStyleNone},
    {1114, ControlKind::Edit, "", 37, 8, 103, 12, kDisplayEdit},
    {1115, ControlKind::Edit, "", 37, 21, 103, 12, kDisplayEdit},
    {1116, ControlKind::Edit, "", 37, 34, 103, 12, kDisplayEdit},
    {1, ControlKind::DefPushButton, KV_TRANSLATE_NOOP("Dialog", "OK"), 178, 7, 32, 14, kTabStop},
};

// Template 102: the main window. Group boxes come before the
// controls inside them so those stay on top.
constexpr ControlTemplate kMainControls[] = {
    {1113, ControlKind::DefPushButton, KV_TRANSLATE_NOOP("Dialog", "&Minimize"), 161, 112, 50, 14,
     kTabStop},
    {57670, ControlKind::PushButton, KV_TRANSLATE_NOOP("Dialog", "&Help"), 162, 135, 50, 14,
     kTabStop},
    {1, ControlKind::PushButton, KV_TRANSLATE_NOOP("Dialog", "Quit"), 162, 154, 50, 14, kTabStop},
    {IDC_STATIC, ControlKind::Label, KV_TRANSLATE_NOOP("Dialog", "Today:"), 7, 7, 23, 8,
     kStyleNone},
    {1000, ControlKind::Edit, "", 36, 7, 187, 12, kDisplayEdit},
    {IDC_STATIC, ControlKind::GroupBox, KV_TRANSLATE_NOOP("Dialog", " Location "), 7, 21, 221, 35,
     kStyleNone},
    {IDC_STATIC, ControlKind::Label, KV_TRANSLATE_NOOP("Dialog", "City"), 12, 30, 40, 8,
     kStyleNone},
    {IDC_STATIC, ControlKind::Label, KV_TRANSLATE_NOOP("Dialog", "Country"), 57, 30, 44, 8,
     kStyleNone},
    {IDC_STATIC, ControlKind::Label, KV_TRANSLATE_NOOP("Dialog", "Lat."), 105, 30, 27, 8,
     kStyleNone},
    {IDC_STATIC, ControlKind::Label, KV_TRANSLATE_NOOP("Dialog", "Long."), 136, 30, 27, 8,
     kStyleNone},
    {IDC_STATIC, ControlKind::Label, KV_TRANSLATE_NOOP("Dialog", "Altitude"), 165, 30, 26, 8,
     kStyleNone},
    {IDC_STATIC, ControlKind::Label, KV_TRANSLATE_NOOP("Dialog", "Time Zone"), 191, 30, 35, 8,
     kStyleNone},
    {1001, ControlKind::Edit, "", 11, 41, 44, 12, kDisplayEdit},
    {1020, ControlKind::Edit, "", 57, 41, 44, 12, kDisplayEdit},
    {1002, ControlKind::Edit, "", 105, 41, 27, 12, kDisplayEdit},
    {1003, ControlKind::Edit, "", 136, 41, 27, 12, kDisplayEdit},
    {1005, ControlKind::Edit, "", 165, 41, 24, 12, kDisplayEdit},
    {1004, ControlKind::Edit, "", 191, 41, 18, 12, kDisplayEdit},
    {IDC_STATIC, ControlKind::GroupBox, KV_TRANSLATE_NOOP("Dialog", " Prayer Times "), 23, 65, 110,
     103, kStyleNone},
    {IDC_STATIC, ControlKind::Label, KV_TRANSLATE_NOOP("Dialog", "fajr"), 53, 75, 30, 8,
     kStyleNone},
    {IDC_STATIC, ControlKind::Label, KV_TRANSLATE_NOOP("Dialog", "shurooq"), 53, 90, 30, 8,
     kStyleNone},
    {IDC_STATIC, ControlKind::Label, KV_TRANSLATE_NOOP("Dialog", "Zuhr"), 53, 105, 30, 8,
     kStyleNone},
    {IDC_STATIC, ControlKind::Label, KV_TRANSLATE_NOOP("Dialog", "`asr"), 53, 120, 30, 8,
     kStyleNone},
    {IDC_STATIC, ControlKind::Label, KV_TRANSLATE_NOOP("Dialog", "maGHrib"), 53, 135, 30, 8,
     kStyleNone},
    {IDC_STATIC, ControlKind::Label, KV_TRANSLATE_NOOP("Dialog", "`ishaa'"), 53, 150, 30, 8,
     kStyleNone},
    {1006, ControlKind::Edit, "", 85, 75, 43, 12, kDisplayEdit | kTabStop},
    {1007, ControlKind::Edit, "", 85, 90, 43, 12, kDisplayEdit | kTabStop},
    {1008, ControlKind::Edit, "", 85, 105, 43, 12, kDisplayEdit | kTabStop},
    {1009, ControlKind::Edit, "", 85, 120, 43, 12, kDisplayEdit | kTabStop},
    {1010, ControlKind::Edit, "", 85, 135, 43, 12, kDisplayEdit | kTabStop},
    {1011, ControlKind::Edit, "", 85, 150, 43, 12, kDisplayEdit | kTabStop},
    {IDC_STATIC, ControlKind::Label, KV_TRANSLATE_NOOP("Dialog", "Next alarm :"), 136, 75, 46, 10,
     kStyleNone},
    {1106, ControlKind::Edit, "", 139, 90, 87, 12, kDisplayEdit | kCenter},
};

constexpr DialogTemplate kTemplates[] = {
    {IDD_ABOUTBOX, KV_TRANSLATE_NOOP("Dialog", "About Kestrivane"), 217, 55, "MS Sans Serif", 8, 0,
     kDialogSystemMenu, kAboutControls},
    {IDD_MAIN, KV_TRANSLATE_NOOP("Dialog", "Kestrivane32"), 235, 175, "MS Sans Serif", 8, 129,
     kDialogAppWindow, kMainControls},
};

}  // namespace

std::span<const DialogTemplate> MainDialogTemplates() { return kTemplates; }

const DialogTemplate* FindDialogTemplate(int id) {
  for (const auto tables :
       {MainDialogTemplates(), SettingsDialogTemplates(), TimetableDialogTemplates(),
        MethodDialogTemplates(), CityDialogTemplates(), HijriDialogTemplates()}) {
    for (const DialogTemplate& t : tables) {
      if (t.id == id) return &t;
    }
  }
  return nullptr;
}

}  // namespace kestrivane
