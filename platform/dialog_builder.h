#pragma once
// Builds the Qt widgets of a dialog template (resources/dialog_template.h).
// Dialog units become pixels with the dialog font's metrics: x by the
// average character width / 4, y by the character height / 8. Every control
// carries its numeric id in the `controlId` property.

#include <QFont>
#include <QRect>
#include <QStringList>
#include <functional>
#include <string>
#include <vector>

#include "resources/dialog_template.h"
#include "resources/menu_template.h"

class QMenuBar;
class QWidget;

namespace kestrivane {

inline constexpr const char* kControlIdProperty = "controlId";
inline constexpr const char* kCommandIdProperty = "commandId";
// Object name of the "?" button of a template with kDialogContextHelp.
inline constexpr const char* kContextHelpButtonName = "contextHelpButton";

// Pixels per 4 horizontal and 8 vertical dialog units.
struct DialogBaseUnits {
  int averageCharWidth;
  int charHeight;
};

// The template's font; an unknown family falls back to the desktop's sans serif.
QFont DialogFont(const DialogTemplate& dialogTemplate);
DialogBaseUnits BaseUnitsOf(const QFont& font);
// MapDialogRect: each edge rounded to the nearest pixel.
QRect MapDialogRect(const QRect& dialogUnits, const DialogBaseUnits& units);

// Sets the caption, font, window style, icon and fixed size of `dialog` and
// creates its controls, `topOffset` pixels below the top (room for a menu bar).
void BuildDialog(QWidget* dialog, const DialogTemplate& dialogTemplate, int topOffset = 0);

// A row of read-only value fields, each with its heading above it: each
// field widens to hold the widest of its values, the headings keep a gap
// between them and what follows moves right. When the row then overruns its
// group box, the fields given no values (texts that elide) give up the room.
struct RowField {
  int id;
  QStringList widest;
};
void FitRow(QWidget* dialog, const std::vector<RowField>& row);

// A menu bar for `menu`; each item sends its command id to `onCommand` and
// shows the first line of its string-table prompt as status tip.
QMenuBar* BuildMenuBar(QWidget* parent, const MenuTemplate& menu,
                       const std::function<void(int commandId)>& onCommand);

// The control with that id among the dialog's children, nullptr when none.
QWidget* FindControl(const QWidget* dialog, int id);

// Text of an edit, label or button; setting is the members-to-controls half
// of data exchange.
void SetControlText(const QWidget* dialog, int id, const std::string& text);
std::string GetControlText(const QWidget* dialog, int id);

}  // namespace kestrivane
