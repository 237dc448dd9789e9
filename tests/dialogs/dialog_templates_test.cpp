// The dialog templates as built: caption, size, the title-bar help button,
// and each control's kind, id, text and (where given) place in dialog units,
// in template order, against the numbers the windows are designed with.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <regex>
#include <sstream>

#include "tests/dialogs/dialog_records.h"

namespace kestrivane {
namespace {

// "kind:id:text", and "@x,y" or "@x,y,w,h" when the place is given. Lists
// show their items joined by '|'.
struct Window {
  int id;
  const char* caption;
  bool helpButton;
  int width, height;     // 0: not given
  const char* controls;  // each ended by "; "
};

const Window kWindows[] = {
    {100, "About Kestrivane", false, 217, 55,
     "icon:-1:; display:1114:@37,8,103,12; display:1115:@37,21,103,12; "
     "display:1116:@37,34,103,12; default:1:OK@178,7,32,14; "},
    {102, "Kestrivane32", false, 235, 175,
     "default:1113:&Minimize@161,112,50,14; button:57670:&Help@162,135,50,14; "
     "button:1:Quit@162,154,50,14; label:-1:Today:@7,7,23,8; display:1000:@36,7,187,12; "
     "group:-1: Location @7,21,221,35; label:-1:City@12,30; label:-1:Country@57,30; "
     "label:-1:Lat.@105,30; label:-1:Long.@136,30; label:-1:Altitude@165,30; "
     "label:-1:Time Zone@191,30; display:1001:@11,41,44,12; display:1020:@57,41,44,12; "
     "display:1002:@105,41,27,12; display:1003:@136,41,27,12; display:1005:@165,41,24,12; "
     "display:1004:@191,41,18,12; group:-1: Prayer Times @23,65,110,103; label:-1:fajr@53,75; "
     "label:-1:shurooq@53,90; label:-1:Zuhr@53,105; label:-1:`asr@53,120; "
     "label:-1:maGHrib@53,135; label:-1:`ishaa'@53,150; display:1006:@85,75,43,12; "
     "display:1007:@85,90,43,12; display:1008:@85,105,43,12; display:1009:@85,120,43,12; "
     "display:1010:@85,135,43,12; display:1011:@85,150,43,12; "
     "label:-1:Next alarm :@136,75,46,10; centred:1106:@139,90,87,12; "},
    {130, "Preferences", true, 0, 0,
     "group:-1: Time Format ; radio:1027:&12 Hr.; radio:1028:&24 Hr.; "
     "group:-1: Fiqh (for Asr time calc) ; radio:1025:&Shafe'i (shadow = 1x length); "
     "radio:1026:&Hanafi (shadow = 2x length); group:-1:Twilight angle (degrees):; "
     "label:-1:&fajr:; list:1082:11|12|13|14|15|16|17|18|19|20|21|22|23|24; label:-1:&Isha`:; "
     "list:1084:11|12|13|14|15|16|17|18|19|20|21|22|23|24; button:57670:Help; button:2:Cancel; "
     "default:1:OK; "},
    {134, "Define Location", true, 0, 0,
     "group:-1:Edit Location Data; label:-1:&City:; edit:1034:; label:-1:Countr&y:; edit:1035:; "
     "label:-1:L&atitude:; edit:1013:; label:-1::; edit:1083:; list:1086:North|South; "
     "label:-1:Lo&ngitude:; edit:1014:; label:-1::; edit:1085:; list:1087:East|West; "
     "label:-1:A&ltitude (m):; edit:1016:; label:-1:Time  \n&Zone:; edit:1015:; "
     "check:1064:Use &Daylight Savings time; button:1066:Con&figure ...; button:2:Cancel; "
     "default:1:OK; label:-1:Degree; label:-1:Min.; label:-1:Direction; "},
    {135, "Configure Daylight Savings", true, 0, 0,
     "group:-1:Starts on; radio:1044:&date:; edit:1052:; radio:1045:&weekday:; "
     "list:1053:First|Second|Third|Forth|Last; "
     "list:1054:Sunday|Monday|Tuesday|Wednesday|Thursday|Friday|Saturday; label:-1:&in:; "
     "list:1051:January|February|March|April|May|June|July|August|September|October|November|"
     "December; group:-1:Ends on; radio:1046:da&te:; edit:1047:; radio:1048:weekda&y:; "
     "list:1049:First|Second|Third|Forth|Last; "
     "list:1050:Sunday|Monday|Tuesday|Wednesday|Thursday|Friday|Saturday; label:-1:i&n:; "
     "list:1024:January|February|March|April|May|June|July|August|September|October|November|"
     "December; button:2:Cancel; default:1:OK; "},
    {137, "Set Alarms", true, 0, 0,
     "group:-1: Alarms ; label:-1:Prayer; label:-1:Time; label:-1:Azan On/Off; "
     "label:-1:Azaan Time; label:-1:Iqamah delay (min); label:-1:&fajr; read-only:1074:; "
     "check:1055:<; list:1062:; edit:1069:; label:-1:&Zuhr; read-only:1075:; check:1056:<; "
     "list:1063:; edit:1070:; label:-1:`&asr; read-only:1076:; check:1057:<; list:1065:; "
     "edit:1071:; label:-1:&maGHrib; read-only:1077:; check:1058:<; list:1067:; edit:1072:; "
     "label:-1:`&ishaa'; read-only:1078:; check:1059:<; list:1068:; edit:1073:; "
     "check:1112:&Play Azan sound; button:1101:&Recipients ...; button:2:Cancel; default:1:OK; "
     "group:-1:; group:-1:; "},
    {141, "Azan Recipients", true, 0, 0,
     "label:-1:&User name :; edit:1103:; ~button:1104:&Add; label:-1:&List of Recipients :; "
     "sorted multi-select box:1102:; ~button:1105:&Remove; default:1:OK; button:2:Cancel; "
     "label:-1:Enter user / login names of those people to whom you wish to send Azan alarm "
     "mesages.\n\nNote: Users must be logged-in in the same domain.; "},
};

std::string KindOf(QWidget* w) {
  const std::string off = w->isEnabled() ? "" : "~";
  if (auto* b = qobject_cast<QPushButton*>(w)) return off + (b->isDefault() ? "default" : "button");
  if (qobject_cast<QCheckBox*>(w)) return off + "check";
  if (qobject_cast<QRadioButton*>(w)) return off + "radio";
  if (qobject_cast<QGroupBox*>(w)) return off + "group";
  if (auto* l = qobject_cast<QLabel*>(w)) return off + (l->pixmap().isNull() ? "label" : "icon");
  if (qobject_cast<QComboBox*>(w)) return off + "list";
  if (auto* box = qobject_cast<QListWidget*>(w)) {
    const bool multi = box->selectionMode() == QAbstractItemView::ExtendedSelection;
    return off + (box->isSortingEnabled() && multi ? "sorted multi-select box" : "box");
  }
  auto* e = qobject_cast<QLineEdit*>(w);
  if (e == nullptr) return "other";
  if (!e->isReadOnly()) return off + "edit";
  if (e->hasFrame()) return off + "read-only";
  return off + (e->alignment() & Qt::AlignHCenter ? "centred" : "display");
}

std::string TextOf(QWidget* w) {
  if (auto* group = qobject_cast<QGroupBox*>(w)) return group->title().toStdString();
  if (auto* list = qobject_cast<QComboBox*>(w)) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i) items << list->itemText(i);
    return items.join('|').toStdString();
  }
  return w->property("text").toString().toStdString();
}

TEST(DialogTemplates, AreBuiltWithTheirOwnNumbers) {
  for (const Window& expected : kWindows) {
    SCOPED_TRACE(expected.id);
    const std::unique_ptr<QWidget> window = testing::MakeWindow(expected.id);
    const DialogBaseUnits units = BaseUnitsOf(window->font());
    EXPECT_EQ(window->windowTitle().toStdString(), expected.caption);
    EXPECT_EQ(window->windowFlags().testFlag(Qt::WindowContextHelpButtonHint), expected.helpButton);
    if (expected.width > 0) {
      const QRect client = MapDialogRect(QRect(0, 0, expected.width, expected.height), units);
      EXPECT_EQ(window->size(), client.size());
    }
    // Creation order is the focus chain's (group boxes are lowered, so the
    // stacking order is not).
    std::vector<QWidget*> controls;
    for (QWidget* w = window->nextInFocusChain(); w != window.get(); w = w->nextInFocusChain()) {
      if (w->parentWidget() == window.get()) controls.push_back(w);
    }
    std::vector<std::string> lines;
    std::istringstream entries(expected.controls);
    for (std::string line; std::getline(entries, line, ';');) {
      if (line != " ") lines.push_back(line.substr(line.front() == ' ' ? 1 : 0));
    }
    ASSERT_EQ(controls.size(), lines.size());
    for (std::size_t i = 0; i < controls.size(); ++i) {
      // The place in dialog units becomes pixels; a place without a size
      // is compared by its corner.
      std::smatch place;
      const std::string& line = lines[i];
      std::string want = line.substr(0, line.find('@'));
      QWidget* w = controls[i];
      std::string got = KindOf(w) + ":" + w->property(kControlIdProperty).toString().toStdString() +
                        ":" + TextOf(w);
      if (std::regex_search(line, place, std::regex("@(\\d+),(\\d+)(?:,(\\d+),(\\d+))?$"))) {
        const bool sized = place[3].matched;
        const QRect du(std::stoi(place[1]), std::stoi(place[2]), sized ? std::stoi(place[3]) : 1,
                       sized ? std::stoi(place[4]) : 1);
        const auto show = [sized](QRect r) {
          return "@" + std::to_string(r.x()) + "," + std::to_string(r.y()) +
                 (sized ? "," + std::to_string(r.width()) + "," + std::to_string(r.height()) : "");
        };
        want += show(MapDialogRect(du, units));
        got += show(w->geometry());
      }
      EXPECT_EQ(got, want);
    }
  }
}

TEST(DialogTemplates, DialogUnitsFollowTheFontMetrics) {
  // x by a quarter of the average character width, y by an eighth of the height.
  const DialogBaseUnits units{6, 13};
  EXPECT_EQ(MapDialogRect(QRect(4, 8, 4, 8), units), QRect(6, 13, 6, 13));
  EXPECT_EQ(MapDialogRect(QRect(161, 112, 50, 14), units), QRect(242, 182, 75, 23));
}

}  // namespace
}  // namespace kestrivane
