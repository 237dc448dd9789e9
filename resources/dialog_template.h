#pragma once
// Dialog templates as plain data: the window's caption, size and font, and
// for each control its id, kind, caption, position and size in dialog units
// and its style. The platform layer builds the widgets from them.

#include <cstdint>
#include <span>

#include "resources/resource_ids.h"

namespace kestrivane {

enum class ControlKind {
  PushButton,
  DefPushButton,
  Label,  // static text, left aligned
  Edit,
  GroupBox,
  Icon,         // static icon; the caption names the icon id ("128")
  CheckBox,     // automatic check box
  RadioButton,  // automatic radio button; kGroup starts a new exclusive group
  ComboBox,     // drop-down list without typing
  ListBox,
};

// Style flags, a subset of the platform's own.
enum ControlStyle : uint32_t {
  kStyleNone = 0,
  kReadOnly = 1u << 0,     // ES_READONLY
  kNoBorder = 1u << 1,     // edit without WS_BORDER
  kAutoHScroll = 1u << 2,  // ES_AUTOHSCROLL
  kCenter = 1u << 3,       // ES_CENTER
  kTabStop = 1u << 4,      // WS_TABSTOP
  kGroup = 1u << 5,        // WS_GROUP: first control of a group
  kDisabled = 1u << 6,     // WS_DISABLED
  kMultiline = 1u << 7,    // ES_MULTILINE, with scroll bars: a text view
  kSort = 1u << 8,         // LBS_SORT / CBS_SORT
  kMultiSelect = 1u << 9,  // LBS_EXTENDEDSEL
  kNumber = 1u << 10,      // ES_NUMBER: digits only
};

struct ControlTemplate {
  int id;
  ControlKind kind;
  const char* caption;
  int x, y, width, height;  // dialog units
  uint32_t style;
};

enum DialogStyle : uint32_t {
  kDialogSystemMenu = 1u << 0,   // WS_SYSMENU
  kDialogAppWindow = 1u << 1,    // WS_EX_APPWINDOW: a taskbar button
  kDialogContextHelp = 1u << 2,  // WS_EX_CONTEXTHELP: the title-bar help button
};

struct DialogTemplate {
  int id;
  const char* caption;
  int width, height;  // dialog units, client area without the menu bar
  const char* fontName;
  int pointSize;
  int menuId;  // 0: no menu
  uint32_t style;
  std::span<const ControlTemplate> controls;
};

// The template with that id; nullptr for an unknown id.
const DialogTemplate* FindDialogTemplate(int id);

// The tables FindDialogTemplate searches, one per group of windows, each in
// its own source file.
std::span<const DialogTemplate> MainDialogTemplates();       // 100, 102
std::span<const DialogTemplate> SettingsDialogTemplates();   // 130, 134, 135, 137, 141
std::span<const DialogTemplate> TimetableDialogTemplates();  // 132, 133
std::span<const DialogTemplate> MethodDialogTemplates();     // 143
std::span<const DialogTemplate> CityDialogTemplates();       // 150
std::span<const DialogTemplate> HijriDialogTemplates();      // 144

}  // namespace kestrivane
