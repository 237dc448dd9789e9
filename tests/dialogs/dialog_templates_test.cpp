// The dialog templates as the builder makes them: caption, size, window
// style, the "?" help button, the read-only look of value fields, and each control's kind, id, text
// and (where given) place in dialog units, in template order, against the numbers the windows are
// designed with. (The lists get their items from the dialogs.)

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QRegularExpression>
#include <QTranslator>
#include <QWhatsThis>
#include <cstdio>
#include <cstring>
#include <map>
#include <tuple>

#include "resources/menu_template.h"
#include "tests/dialogs/dialog_records.h"

namespace kestrivane {
namespace {

// Each control is "<kind><id>:<text>", then "@x,y" or "@x,y,w,h" when its
// place is given, and "; ". Kinds: L label, I icon, G group box, B button,
// D default button, R radio, C check box, S drop-down list, E edit, O
// read-only edit, V display, M centred display, X sorted list; "~" first
// when disabled. Static controls have no id.
// Id, caption, help button, size (0 when not given) and controls.
using Window = std::tuple<int, const char*, bool, int, int, const char*>;

const Window kWindows[] = {
    {100, "About Kestrivane", false, 217, 55,
     "I:; V1114:@37,8,103,12; V1115:@37,21,103,12; V1116:@37,34,103,12; D1:OK@178,7,32,14; "},
    {102, "Kestrivane32", false, 235, 175,
     "D1113:&Minimize@161,112,50,14; B57670:&Help@162,135,50,14; B1:Quit@162,154,50,14; "
     "L:Today:@7,7,23,8; V1000:@36,7,187,12; G: Location @7,21,221,35; L:City@12,30; "
     "L:Country@57,30; L:Lat.@105,30; L:Long.@136,30; L:Altitude@165,30; L:Time Zone@191,30; "
     "V1001:@11,41,44,12; V1020:@57,41,44,12; V1002:@105,41,27,12; V1003:@136,41,27,12; "
     "V1005:@165,41,24,12; V1004:@191,41,18,12; G: Prayer Times @23,65,110,103; L:fajr@53,75; "
     "L:shurooq@53,90; L:Zuhr@53,105; L:`asr@53,120; L:maGHrib@53,135; L:`ishaa'@53,150; "
     "V1006:@85,75,43,12; V1007:@85,90,43,12; V1008:@85,105,43,12; V1009:@85,120,43,12; "
     "V1010:@85,135,43,12; V1011:@85,150,43,12; L:Next alarm :@136,75,46,10; "
     "M1106:@139,90,87,12; "},
    {130, "Preferences", true, 0, 0,
     "G: Time Format ; R1027:&12 Hr.; R1028:&24 Hr.; G: Fiqh (for Asr time calc) ; "
     "R1025:&Shafe'i (shadow = 1x length); R1026:&Hanafi (shadow = 2x length); "
     "G:Twilight angle (degrees):; L:&fajr:; S1082:; L:&Isha`:; S1084:; "
     "B1117:Calculation &Method...; B57670:Help; B2:Cancel; D1:OK; "},
    {134, "Define Location", true, 0, 0,
     "G:Edit Location Data; L:&City:; E1034:; B1150:F&ind...; L:Countr&y:; E1035:; L:L&atitude:; "
     "E1013:; L::; "
     "E1083:; S1086:; L:Lo&ngitude:; E1014:; L::; E1085:; S1087:; L:A&ltitude (m):; E1016:; "
     "L:Time  \n&Zone:; E1015:; C1064:Use &Daylight Savings time; B1066:Con&figure ...; "
     "L1151:; B2:Cancel; D1:OK; L:Degree; L:Min.; L:Direction; "},
    {150, "Find a City", true, 0, 0, "L:&Name:; E1152:; ?1153:; L1154:; B2:Cancel; D1:OK; "},
    {135, "Configure Daylight Savings", true, 0, 0,
     "G:Starts on; R1044:&date:; E1052:; R1045:&weekday:; S1053:; S1054:; L:&in:; S1051:; "
     "G:Ends on; R1046:da&te:; E1047:; R1048:weekda&y:; S1049:; S1050:; L:i&n:; S1024:; "
     "B2:Cancel; D1:OK; "},
    {137, "Set Alarms", true, 0, 0,
     "G: Alarms ; L:Prayer; L:Time; L:Azan On/Off; L:Azaan Time; L:Iqamah delay (min); L:&fajr; "
     "O1074:; C1055:<; S1062:; E1069:; L:&Zuhr; O1075:; C1056:<; S1063:; E1070:; L:`&asr; O1076:; "
     "C1057:<; S1065:; E1071:; L:&maGHrib; O1077:; C1058:<; S1067:; E1072:; L:`&ishaa'; O1078:; "
     "C1059:<; S1068:; E1073:; C1112:&Play Azan sound; B1101:&Recipients ...; B2:Cancel; D1:OK; "
     "G:; G:; "},
    {141, "Azan Recipients", true, 0, 0,
     "L:&User name :; E1103:; ~B1104:&Add; L:&List of Recipients :; X1102:; ~B1105:&Remove; "
     "D1:OK; B2:Cancel; "
     "L:Enter user / login names of those people to whom you wish to send Azan alarm"
     " mesages.\n\nNote: Users must be logged-in in the same domain.; "},
};

std::string KindOf(QWidget* w) {
  static const std::map<std::string, std::string> kinds = {
      {"QLabel", "L"},    {"QGroupBox", "G"}, {"QPushButton", "B"}, {"QRadioButton", "R"},
      {"QCheckBox", "C"}, {"QComboBox", "S"}, {"QLineEdit", "E"},   {"QListWidget", "X"}};
  std::string kind = kinds.at(w->metaObject()->className());
  auto* edit = qobject_cast<QLineEdit*>(w);
  if (auto* b = qobject_cast<QPushButton*>(w); b && b->isDefault()) kind = "D";
  if (auto* label = qobject_cast<QLabel*>(w); label && !label->pixmap().isNull()) kind = "I";
  if (auto* box = qobject_cast<QListWidget*>(w); box && !box->isSortingEnabled()) kind = "?";
  if (edit && edit->isReadOnly()) kind = edit->hasFrame() ? "O" : "V";
  if (kind == "V" && (edit->alignment() & Qt::AlignHCenter)) kind = "M";
  return (w->isEnabled() ? "" : "~") + kind;
}

std::string TextOf(QWidget* w) {
  auto* group = qobject_cast<QGroupBox*>(w);
  return (group ? group->title() : w->property("text").toString()).toStdString();
}

TEST(DialogTemplates, AreBuiltWithTheirOwnNumbers) {
  for (const auto& [id, caption, helpButton, width, height, controls] : kWindows) {
    SCOPED_TRACE(id);
    const auto window = std::make_unique<QWidget>();
    BuildDialog(window.get(), *FindDialogTemplate(id));
    const DialogBaseUnits units = BaseUnitsOf(window->font());
    EXPECT_EQ(window->windowTitle().toStdString(), caption);
    // The window style: only the title-bar buttons asked for (no minimize or
    // maximize box), the program's icon and, for a help button, a "?" clear
    // of every control that starts what's-this.
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::CustomizeWindowHint));
    EXPECT_FALSE(window->windowIcon().isNull());
    auto* help = window->findChild<QAbstractButton*>(kContextHelpButtonName);
    ASSERT_EQ(help != nullptr, helpButton);
    if (help != nullptr) {
      for (QWidget* w : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        EXPECT_TRUE(w == help || !w->geometry().intersects(help->geometry())) << TextOf(w);
      }
      help->click();
      EXPECT_TRUE(QWhatsThis::inWhatsThisMode());
      QWhatsThis::leaveWhatsThisMode();
    }
    if (width > 0) {
      EXPECT_EQ(window->size(), MapDialogRect(QRect(0, 0, width, height), units).size());
    }
    // Creation order is the focus chain's (group boxes are lowered, so the
    // stacking order is not). A place without a size is compared by its corner.
    std::string got;
    for (QWidget* w = window->nextInFocusChain(); w != window.get(); w = w->nextInFocusChain()) {
      if (w->parentWidget() != window.get() || w == help) continue;
      const int control = w->property(kControlIdProperty).toInt();
      got += KindOf(w) + (control == -1 ? "" : std::to_string(control)) + ":" + TextOf(w);
      const char* place = controls + std::min(got.size(), strlen(controls));
      int x = 0, y = 0, cx = 0, cy = 0;
      const int given = std::sscanf(place, "@%d,%d,%d,%d", &x, &y, &cx, &cy);
      const QRect want = MapDialogRect(QRect(x, y, cx, cy), units), at = w->geometry();
      const bool same = at.topLeft() == want.topLeft() && (given < 4 || at.size() == want.size());
      if (given >= 2) got += same ? std::string(place, strchr(place, ';')) : "@(misplaced)";
      got += "; ";
    }
    EXPECT_EQ(got, controls);
    // A value field looks read-only and is not selected when tabbed into.
    for (auto* field : window->findChildren<QLineEdit*>()) {
      if (!field->isReadOnly()) continue;
      SetControlText(window.get(), field->property(kControlIdProperty).toInt(), "12:00");
      QFocusEvent tabbedInto(QEvent::FocusIn, Qt::TabFocusReason);
      QApplication::sendEvent(field, &tabbedInto);
      EXPECT_FALSE(field->hasSelectedText());
      const QImage drawn = field->grab().toImage();
      EXPECT_EQ(drawn.pixelColor(drawn.width() - 3, drawn.height() / 2),
                window->palette().color(QPalette::Window));
    }
  }
}

// Marks every template text, as a translation to a right-to-left language would change it.
class MarkingTranslator : public QTranslator {
 public:
  bool isEmpty() const override { return false; }
  QString translate(const char* context, const char* text, const char*, int) const override {
    return strcmp(context, "Dialog") == 0 ? "<" + QString::fromUtf8(text) + ">" : QString();
  }
};

TEST(DialogTemplates, RightToLeftWindowsAreMirroredAndTranslated) {
  MarkingTranslator translator;
  QCoreApplication::installTranslator(&translator);
  // As a right-to-left translation does: painters follow it too.
  QGuiApplication::setLayoutDirection(Qt::RightToLeft);
  for (const int id : {IDD_MAIN, 137}) {
    SCOPED_TRACE(id);
    QWidget ltr, rtl;
    ltr.setLayoutDirection(Qt::LeftToRight);
    BuildDialog(&ltr, *FindDialogTemplate(id));
    BuildDialog(&rtl, *FindDialogTemplate(id));
    // The main window's Altitude and Time Zone, fitted to their longer headings.
    for (QWidget* w : {&ltr, &rtl}) FitRow(w, {{1005, {"65535m"}}, {1004, {"+14.0"}}});
    EXPECT_EQ(rtl.windowTitle().front(), '<');
    const auto left = ltr.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    const auto right = rtl.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    ASSERT_EQ(left.size(), right.size());
    for (qsizetype i = 0; i < left.size(); ++i) {
      const QRect l = left[i]->geometry();
      EXPECT_EQ(right[i]->geometry(),
                QRect(rtl.width() - l.x() - l.width(), l.y(), l.width(), l.height()));
    }
    auto* label = rtl.findChild<QLabel*>();
    EXPECT_TRUE(QStyle::visualAlignment(label->layoutDirection(), label->alignment()) &
                Qt::AlignRight);
    EXPECT_EQ(rtl.findChild<QPushButton*>()->text().front(), '<');
    // Mirrored, a heading's text starts at its label's far edge: the label holds it all.
    const QLabel* altitude = rtl.findChildren<QLabel*>()[5];
    EXPECT_GE(altitude->width(), altitude->fontMetrics().horizontalAdvance(altitude->text()));
    // A time in a drop-down list keeps its order: drawn as when marks force it.
    if (auto* list = rtl.findChild<QComboBox*>()) {
      list->addItem(QStringLiteral("5:45 A.M."));
      const QImage own = list->grab().toImage();
      list->setItemText(0, QStringLiteral("\u200e5:45 A.M.\u200e"));
      EXPECT_EQ(list->grab().toImage(), own);
    }
  }
  QGuiApplication::setLayoutDirection(Qt::LeftToRight);
  QCoreApplication::removeTranslator(&translator);
}

TEST(DialogTemplates, DialogUnitsFollowTheFontMetrics) {
  // x by a quarter of the average character width, y by an eighth of the height.
  EXPECT_EQ(MapDialogRect(QRect(161, 112, 50, 14), {6, 13}), QRect(242, 182, 75, 23));
}

// Every text a window or its menu shows has its Arabic and Urdu translation:
// a text the translators' tools never saw (left unmarked) is named here.
TEST(DialogTemplates, EveryTextHasItsTranslations) {
  std::vector<std::pair<const char*, const char*>> texts;  // context, text
  for (const auto group : {MainDialogTemplates(), SettingsDialogTemplates(),
                           TimetableDialogTemplates(), MethodDialogTemplates(),
                           CityDialogTemplates(), HijriDialogTemplates()}) {
    for (const DialogTemplate& window : group) {
      texts.emplace_back("Dialog", window.caption);
      for (const ControlTemplate& control : window.controls) {
        if (control.kind != ControlKind::Icon) texts.emplace_back("Dialog", control.caption);
      }
      if (window.menuId == 0) continue;
      for (const MenuPopupTemplate& popup : FindMenuTemplate(window.menuId)->popups) {
        texts.emplace_back("Menu", popup.text);
        for (const MenuItemTemplate& item : popup.items) {
          if (item.text != nullptr) texts.emplace_back("Menu", item.text);
        }
      }
    }
  }
  const QRegularExpression word(QStringLiteral("[A-Za-z]{2}"));
  for (const char* language : {"ar", "ur"}) {
    QTranslator translator;
    ASSERT_TRUE(translator.load(QStringLiteral(":/i18n/kestrivane_%1.qm").arg(language)));
    for (const auto& [context, text] : texts) {
      if (!QString::fromUtf8(text).contains(word)) continue;
      EXPECT_FALSE(translator.translate(context, text).isEmpty()) << language << ": " << text;
    }
  }
}

}  // namespace
}  // namespace kestrivane
