#include "resources/menu_template.h"

namespace kestrivane {

namespace {

constexpr MenuItemTemplate kSeparator{0, nullptr};

// Menu 129.
constexpr MenuItemTemplate kFileItems[] = {
    {IDC_MINIMIZE, "&Minimize"},
    {ID_FILE_START_AT_LOGIN, "Start at &Login", true},
    {IDOK, "&Quit"},
    kSeparator,
    {ID_APP_ABOUT, "&About"},
};

constexpr MenuItemTemplate kOptionsItems[] = {
    {ID_OPTIONS_PREFERENCES, "&Preferences ..."},
    {ID_OPTIONS_METHOD, "&Calculation Method..."},
    {ID_OPTIONS_HIJRI_DATE, "&Hijri Date..."},
    {ID_OPTIONS_LOCATION, "&Location ..."},
    kSeparator,
    {ID_OPTIONS_ALARMS, "&Alarms ..."},
    kSeparator,
    {ID_OPTIONS_TIMETABLE, "&Month Timetable ..."},
};

constexpr MenuPopupTemplate kMainPopups[] = {
    {"&File", kFileItems},
    {"&Options", kOptionsItems},
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
