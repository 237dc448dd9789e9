#include "resources/menu_template.h"
#include "resources/translate_noop.h"

namespace kestrivane {

namespace {

constexpr MenuItemTemplate kSeparator{0, nullptr};

// Menu 129.
constexpr MenuItemTemplate kFileItems[] = {
    {IDC_MINIMIZE, KV_TRANSLATE_NOOP("Menu", "&Minimize")},
    {ID_FILE_START_AT_LOGIN, KV_TRANSLATE_NOOP("Menu", "Start at &Login"), true},
    {IDOK, KV_TRANSLATE_NOOP("Menu", "&Quit")},
    kSeparator,
    {ID_APP_ABOUT, KV_TRANSLATE_NOOP("Menu", "&About")},
};

constexpr MenuItemTemplate kOptionsItems[] = {
    {ID_OPTIONS_PREFERENCES, KV_TRANSLATE_NOOP("Menu", "&Preferences ...")},
    {ID_OPTIONS_METHOD, KV_TRANSLATE_NOOP("Menu", "&Calculation Method...")},
    {ID_OPTIONS_HIJRI_DATE, KV_TRANSLATE_NOOP("Menu", "&Hijri Date...")},
    {ID_OPTIONS_LOCATION, KV_TRANSLATE_NOOP("Menu", "&Location ...")},
    kSeparator,
    {ID_OPTIONS_ALARMS, KV_TRANSLATE_NOOP("Menu", "&Alarms ...")},
    kSeparator,
    {ID_OPTIONS_TIMETABLE, KV_TRANSLATE_NOOP("Menu", "&Month Timetable ...")},
};

constexpr MenuPopupTemplate kMainPopups[] = {
    {KV_TRANSLATE_NOOP("Menu", "&File"), kFileItems},
    {KV_TRANSLATE_NOOP("Menu", "&Options"), kOptionsItems},
};

constexpr MenuTemplate kMenus[] = {
    {IDR_MAINMENU, kMainPopups},
};

}  // namespace

const MenuTemplate* FindMenuTemplate(int id) {
  for (const MenuTemplate& m : kMenus) {
    if (m.id == id) return &m;
  }
  return nullptr;
}

}  // namespace kestrivane
