// Context help: the help-id table against its numbers, and the help file's
// texts for them.

#include "dialogs/context_help.h"

#include <gtest/gtest.h>

#include <QContextMenuEvent>
#include <QHelpEvent>
#include <map>

#include "platform/help_viewer.h"
#include "tests/dialogs/dialog_records.h"

namespace kestrivane {
namespace {

using namespace testing;

TEST(HelpIdTable, HoldsEachControlsNumberOnceWithItsTextAndEndsWithZeros) {
  // 0x80000000 + template * 0x10000 + the control's id; 138 stands for the
  // main window, and five controls of 134 carry the id of the one before.
  const std::pair<uint32_t, std::vector<uint32_t>> templates[] = {
      {130, {1025, 1026, 1027, 1028, 1082, 1084}},
      {134, {1013, 1014, 1015, 1016, 1034, 1035, 1083, 1150}},
      {150, {1152, 1153}},
      {135, {1024, 1044, 1045, 1046, 1047, 1048, 1049, 1050, 1051, 1052, 1053, 1054}},
      {137, {1055, 1056, 1057, 1058, 1059, 1062, 1063, 1065, 1067, 1068, 1069, 1070, 1071}},
      {137, {1072, 1073, 1101, 1112}},
      {141, {1102, 1103, 1104, 1105}},
      {144, {1137, 1138, 1139, 1140}},
      {138, {1002, 1003, 1004, 1005}},
  };
  const uint32_t renumbered[][2] = {
      {1064, 1063}, {1066, 1064}, {1085, 1084}, {1086, 1085}, {1087, 1086}};
  std::map<uint32_t, uint32_t> expected{{0, 0}}, actual;
  for (const auto& [templateId, ids] : templates) {
    for (uint32_t id : ids) expected[id] = 0x80000000u + templateId * 0x10000u + id;
  }
  for (const auto& [id, other] : renumbered) expected[id] = 0x80860000u + other;
  for (const HelpIdPair& pair : HelpIdTable()) {
    EXPECT_TRUE(actual.emplace(pair.controlId, pair.contextId).second) << pair.controlId;
    EXPECT_TRUE(!pair.controlId || HelpPopupText(pair.contextId).value_or("").size() > 20)
        << pair.contextId;
  }
  EXPECT_EQ(actual, expected);
  EXPECT_EQ(HelpIdTable().back().controlId, 0u) << "the table ends with zeros";
}

// F1, What's This and, in Azan Recipients, a right click ask for the help of
// the control they land on (here the list, whose events reach its viewport).
TEST_F(DialogTest, EachWayOfAskingReachesTheControlsHelp) {
  std::vector<std::pair<HelpCommand, uint32_t>> asked;
  SetHelpHook([&](const HelpRequest& r) { asked.emplace_back(r.command, r.context); });
  Records records;
  const auto ask = [](QWidget* d) {
    const QPoint at(2, 2);
    QKeyEvent f1(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
    QHelpEvent whatsThis(QEvent::WhatsThis, at, at);
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, at, at);
    QWidget* list = qobject_cast<QListWidget*>(FindControl(d, IDC_RECIPIENT_LIST))->viewport();
    for (QEvent* e : std::initializer_list<QEvent*>{&f1, &whatsThis, &rightClick})
      EXPECT_TRUE(QApplication::sendEvent(list, e) && e->isAccepted()) << e->type();
  };
  RunDialog(Dialog::Recipients, records, ask, Script("2"));
  SetHelpHook({});
  EXPECT_EQ(asked, (std::vector<std::pair<HelpCommand, uint32_t>>{{HELP_WM_HELP, 0x808D044E},
                                                                  {HELP_WM_HELP, 0x808D044E},
                                                                  {HELP_CONTEXTMENU, 0x808D044E}}));
}

}  // namespace
}  // namespace kestrivane
