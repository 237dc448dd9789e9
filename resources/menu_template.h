#pragma once
// Menu resources as plain data: pop-ups with their items. A prompt text for
// an item stands in the string table under the item's command id.

#include <span>

namespace kestrivane {

struct MenuItemTemplate {
  int commandId;     // 0 for a separator
  const char* text;  // nullptr for a separator
};

struct MenuPopupTemplate {
  const char* text;
  std::span<const MenuItemTemplate> items;
};

struct MenuTemplate {
  int id;
  std::span<const MenuPopupTemplate> popups;
};

inline constexpr int IDR_MAINMENU = 129;

// Command ids of the main window and its menu.
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDC_MINIMIZE = 1113;
inline constexpr int ID_APP_ABOUT = 57664;
inline constexpr int ID_HELP_FINDER = 57670;  // the Help button (ID_HELP)
inline constexpr int ID_OPTIONS_PREFERENCES = 32773;
inline constexpr int ID_OPTIONS_LOCATION = 32771;
inline constexpr int ID_OPTIONS_ALARMS = 32774;
inline constexpr int ID_OPTIONS_TIMETABLE = 32772;

// The menu with that id; nullptr for an unknown id.
const MenuTemplate* FindMenuTemplate(int id);

}  // namespace kestrivane
