#pragma once
// Menu resources as plain data: pop-ups with their items. A prompt text for
// an item stands in the string table under the item's command id.

#include <span>

#include "resources/resource_ids.h"

namespace kestrivane {

struct MenuItemTemplate {
  int commandId;     // 0 for a separator
  const char* text;  // nullptr for a separator
  bool checkable = false;
};

struct MenuPopupTemplate {
  const char* text;
  std::span<const MenuItemTemplate> items;
};

struct MenuTemplate {
  int id;
  std::span<const MenuPopupTemplate> popups;
};

// The menu with that id; nullptr for an unknown id.
const MenuTemplate* FindMenuTemplate(int id);

}  // namespace kestrivane
