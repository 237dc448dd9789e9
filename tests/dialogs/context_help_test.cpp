// Context help: the help-id table against its numbers, the help file's
// texts for them, and the requests F1, the what's-this mode, right-clicks
// and the Preferences Help button make.

#include "dialogs/context_help.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QAbstractScrollArea>
#include <QContextMenuEvent>
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
      {134, {1013, 1014, 1015, 1016, 1034, 1035, 1083}},
      {135, {1024, 1044, 1045, 1046, 1047, 1048, 1049, 1050, 1051, 1052, 1053, 1054}},
      {137, {1055, 1056, 1057, 1058, 1059, 1062, 1063, 1065, 1067, 1068, 1069, 1070, 1071}},
      {137, {1072, 1073, 1101, 1112}},
      {141, {1102, 1103, 1104, 1105}},
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
  EXPECT_EQ(HelpTopicByNumber(kPreferencesHelpTopic).value().title, "Preferences");
  EXPECT_THAT(HelpContents().text, ::testing::AllOf(::testing::HasSubstr("Prefs.dat"),
                                                    ::testing::HasSubstr("Azan.wav")));
}

// Each way of asking, on a control of a dialog as its caller runs it.
void Ask(Dialog dialog, int id, QEvent::Type way) {
  Records records;
  RunDialog(dialog, records, [id, way](QWidget* d) {
    QWidget* control = FindControl(d, id);
    auto* area = qobject_cast<QAbstractScrollArea*>(control);
    QWidget* at = area ? area->viewport() : control;  // where a list's events land
    const QPoint point(2, 2), global = at->mapToGlobal(point);
    QKeyEvent f1(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
    QHelpEvent whatsThis(QEvent::WhatsThis, point, global);
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, point, global);
    if (way == QEvent::MouseButtonPress) Play(d, std::to_string(id));
    for (QEvent* event : std::initializer_list<QEvent*>{&f1, &whatsThis, &rightClick}) {
      if (event->type() == way) QApplication::sendEvent(at, event);
    }
    EXPECT_TRUE(d->isVisible());
  });
}

TEST_F(DialogTest, F1WhatsThisRightClickAndHelpAskForTheControlsNumber) {
  std::vector<std::pair<HelpCommand, uint32_t>> requests;
  SetHelpHook([&](const HelpRequest& r) { requests.emplace_back(r.command, r.context); });
  Ask(Dialog::Location, IDC_USE_DST, QEvent::KeyPress);
  Ask(Dialog::Preferences, IDC_ISHA_ANGLE, QEvent::WhatsThis);
  // A right-click on Azan Recipients' fields; an editable one keeps its own menu.
  Ask(Dialog::Recipients, IDC_RECIPIENT_LIST, QEvent::ContextMenu);
  Ask(Dialog::Recipients, IDC_RECIPIENT_NAME, QEvent::ContextMenu);
  Ask(Dialog::Preferences, ID_HELP, QEvent::MouseButtonPress);  // the topic, without the table
  SetHelpHook({});
  EXPECT_EQ(requests, (std::vector<std::pair<HelpCommand, uint32_t>>{{HELP_WM_HELP, 0x80860427},
                                                                     {HELP_WM_HELP, 0x8082043C},
                                                                     {HELP_CONTEXTMENU, 0x808D044E},
                                                                     {HELP_CONTEXT, 0x20082}}));
}

}  // namespace
}  // namespace kestrivane
