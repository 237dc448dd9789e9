#include "dialogs/context_help.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>
#include <QWhatsThis>
#include <QWidget>
#include <array>

#include "platform/dialog_builder.h"

namespace kestrivane {

namespace {

constexpr HelpIdPair Pair(uint32_t templateId, uint32_t controlId) {
  return {controlId, HelpContextId(templateId, controlId)};
}

constexpr std::array kHelpIds = {
    // 130 Preferences
    Pair(130, 1025),
    Pair(130, 1026),
    Pair(130, 1027),
    Pair(130, 1028),
    Pair(130, 1082),
    Pair(130, 1084),
    // 134 Define Location
    Pair(134, 1013),
    Pair(134, 1014),
    Pair(134, 1015),
    Pair(134, 1016),
    Pair(134, 1034),
    Pair(134, 1035),
    Pair(134, 1083),
    Pair(134, 1150),
    // Five of its controls carry another control's id in their number.
    HelpIdPair{1064, 0x80860427},
    HelpIdPair{1066, 0x80860428},
    HelpIdPair{1085, 0x8086043C},
    HelpIdPair{1086, 0x8086043D},
    HelpIdPair{1087, 0x8086043E},
    // 135 Configure Daylight Savings
    Pair(135, 1024),
    Pair(135, 1044),
    Pair(135, 1045),
    Pair(135, 1046),
    Pair(135, 1047),
    Pair(135, 1048),
    Pair(135, 1049),
    Pair(135, 1050),
    Pair(135, 1051),
    Pair(135, 1052),
    Pair(135, 1053),
    Pair(135, 1054),
    // 137 Set Alarms
    Pair(137, 1055),
    Pair(137, 1056),
    Pair(137, 1057),
    Pair(137, 1058),
    Pair(137, 1059),
    Pair(137, 1062),
    Pair(137, 1063),
    Pair(137, 1065),
    Pair(137, 1067),
    Pair(137, 1068),
    Pair(137, 1069),
    Pair(137, 1070),
    Pair(137, 1071),
    Pair(137, 1072),
    Pair(137, 1073),
    Pair(137, 1101),
    Pair(137, 1112),
    // 150 Find a City
    Pair(150, 1152),
    Pair(150, 1153),
    // 141 Azan Recipients
    Pair(141, 1102),
    Pair(141, 1103),
    Pair(141, 1104),
    Pair(141, 1105),
    // 144 Hijri Date
    Pair(144, 1137),
    Pair(144, 1138),
    Pair(144, 1139),
    Pair(144, 1140),
    // The main window: latitude, longitude, time zone, altitude.
    Pair(kMainWindowHelpTemplate, 1002),
    Pair(kMainWindowHelpTemplate, 1003),
    Pair(kMainWindowHelpTemplate, 1004),
    Pair(kMainWindowHelpTemplate, 1005),
    HelpIdPair{0, 0},
};

}  // namespace

std::span<const HelpIdPair> HelpIdTable() { return kHelpIds; }

bool ShowHelp(QWidget* window, HelpCommand command) {
  return WinHelp(window, command, 0, HelpIdTable());
}

CContextHelp::CContextHelp(QWidget* window, bool rightClick, std::function<void()> before)
    : QObject(window), m_pWindow(window), m_bRightClick(rightClick), m_before(std::move(before)) {
  for (QWidget* child : window->findChildren<QWidget*>()) {
    if (qobject_cast<QMenuBar*>(child) || qobject_cast<QMenu*>(child)) continue;
    child->installEventFilter(this);
  }
  auto* whatsThis = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F1), window);
  connect(whatsThis, &QShortcut::activated, this, [] { QWhatsThis::enterWhatsThisMode(); });
}

QWidget* CContextHelp::ControlOf(QObject* watched) const {
  for (QObject* o = watched; o != nullptr && o != m_pWindow; o = o->parent()) {
    if (o->isWidgetType() && o->property(kControlIdProperty).isValid()) {
      return static_cast<QWidget*>(o);
    }
  }
  return nullptr;
}

void CContextHelp::Request(QWidget* control, HelpCommand command) {
  if (m_before) m_before();
  ShowHelp(control, command);
}

bool CContextHelp::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::KeyPress: {
      const auto* key = static_cast<QKeyEvent*>(event);
      if (key->key() != Qt::Key_F1 || key->modifiers() != Qt::NoModifier) break;
      QWidget* control = ControlOf(watched);
      if (control == nullptr) break;
      Request(control, HELP_WM_HELP);
      return true;
    }
    case QEvent::QueryWhatsThis:
      if (ControlOf(watched) == nullptr) break;
      event->accept();
      return true;
    case QEvent::WhatsThis: {
      QWidget* control = ControlOf(watched);
      if (control == nullptr) break;
      Request(control, HELP_WM_HELP);
      event->accept();
      return true;
    }
    case QEvent::ContextMenu: {
      if (!m_bRightClick) break;
      QWidget* control = ControlOf(watched);
      if (control == nullptr) break;
      // An editable field keeps its cut-and-paste menu.
      if (auto* edit = qobject_cast<QLineEdit*>(control); edit != nullptr && !edit->isReadOnly()) {
        break;
      }
      Request(control, HELP_CONTEXTMENU);
      return true;
    }
    default:
      break;
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace kestrivane
