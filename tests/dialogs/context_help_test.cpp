// Context help: the help-id table against its numbers, the help file's
// texts for them, and the requests F1, the what's-this mode, right-clicks
// and the Preferences Help button make.

#include "dialogs/context_help.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QAbstractScrollArea>
#include <QContextMenuEvent>
#include <map>

#include "tests/dialogs/dialog_records.h"

namespace kestrivane {
namespace {

TEST(HelpIdTable, HoldsEachControlsNumberOnceAndEndsWithZeros) {
  // 0x80000000 + template * 0x10000 + the control's id; 138 stands for the main window.
  const std::pair<uint32_t, std::vector<uint32_t>> templates[] = {
      {130, {1025, 1026, 1027, 1028, 1082, 1084}},
      {134, {1013, 1014, 1015, 1016, 1034, 1035, 1083}},
      {135, {1024, 1044, 1045, 1046, 1047, 1048, 1049, 1050, 1051, 1052, 1053, 1054}},
      {137,
       {1055, 1056, 1057, 1058, 1059, 1062, 1063, 1065, 1067, 1068, 1069, 1070, 1071, 1072, 1073,
        1101, 1112}},
      {141, {1102, 1103, 1104, 1105}},
      {138, {1002, 1003, 1004, 1005}},
  };
  std::map<uint32_t, uint32_t> expected = {
      // Five controls of 134 whose numbers carry another control's id.
      {1064, 0x80860427}, {1066, 0x80860428}, {1085, 0x8086043C},
      {1086, 0x8086043D}, {1087, 0x8086043E},
  };
  for (const auto& [templateId, ids] : templates) {
    for (uint32_t id : ids) expected[id] = 0x80000000u + templateId * 0x10000u + id;
  }
  const auto table = HelpIdTable();
  ASSERT_FALSE(table.empty());
  EXPECT_EQ(table.back().controlId, 0u);
  EXPECT_EQ(table.back().contextId, 0u);
  std::map<uint32_t, uint32_t> actual;
  for (const HelpIdPair& pair : table.first(table.size() - 1)) {
    EXPECT_TRUE(actual.emplace(pair.controlId, pair.contextId).second) << pair.controlId;
  }
  EXPECT_EQ(actual, expected);
}

TEST(HelpFile, AnswersEveryNumberTheTopicAndTheContents) {
  for (const HelpIdPair& pair : HelpIdTable().first(HelpIdTable().size() - 1)) {
    const auto text = HelpPopupText(pair.contextId);
    ASSERT_TRUE(text.has_value()) << std::hex << pair.contextId;
    EXPECT_GT(text->size(), 20u) << std::hex << pair.contextId;
  }
  const auto topic = HelpTopicByNumber(kPreferencesHelpTopic);
  ASSERT_TRUE(topic.has_value());
  EXPECT_EQ(topic->title, "Preferences");
  EXPECT_THAT(topic->text, ::testing::HasSubstr("Hanafi"));
  EXPECT_THAT(HelpContents().text, ::testing::AllOf(::testing::HasSubstr("Prefs.dat"),
                                                    ::testing::HasSubstr("Azan.wav")));
}

enum class Way { F1, WhatsThis, RightClick, Click };

void Ask(QWidget* control, Way way) {
  auto* area = qobject_cast<QAbstractScrollArea*>(control);
  QWidget* at = area ? area->viewport() : control;  // where a list's events land
  const QPoint point(2, 2);
  QKeyEvent f1(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
  QHelpEvent whatsThis(QEvent::WhatsThis, point, at->mapToGlobal(point));
  QContextMenuEvent rightClick(QContextMenuEvent::Mouse, point, at->mapToGlobal(point));
  QEvent* const events[] = {&f1, &whatsThis, &rightClick};
  if (way == Way::Click) {
    qobject_cast<QAbstractButton*>(control)->click();
  } else {
    QApplication::sendEvent(at, events[static_cast<int>(way)]);
  }
}

using testing::DialogTest;

TEST_F(DialogTest, EachWayOfAskingReachesTheHelpForTheControl) {
  const struct {
    int dialog, control;
    Way way;
    std::vector<std::pair<HelpCommand, uint32_t>> requests;
  } cases[] = {
      {134, IDC_USE_DST, Way::F1, {{HELP_WM_HELP, 0x80860427}}},
      {134, IDC_LAT_DEGREES, Way::F1, {{HELP_WM_HELP, 0x808603F5}}},
      {134, IDOK, Way::F1, {{HELP_WM_HELP, 0}}},  // no number: the service's own answer
      {130, IDC_ISHA_ANGLE, Way::WhatsThis, {{HELP_WM_HELP, 0x8082043C}}},
      {135, IDC_START_DAY, Way::WhatsThis, {{HELP_WM_HELP, 0x8087041C}}},
      {137, IDC_PLAY_SOUND, Way::WhatsThis, {{HELP_WM_HELP, 0x80890458}}},
      {141, IDC_RECIPIENT_LIST, Way::WhatsThis, {{HELP_WM_HELP, 0x808D044E}}},
      // Only Azan Recipients answers a right-click.
      {141, IDC_RECIPIENT_LIST, Way::RightClick, {{HELP_CONTEXTMENU, 0x808D044E}}},
      {141, IDC_ADD_RECIPIENT, Way::RightClick, {{HELP_CONTEXTMENU, 0x808D0450}}},
      {130, IDC_TIME_24, Way::RightClick, {}},
      // The Preferences topic, without the table; the dialog stays open.
      {130, ID_HELP, Way::Click, {{HELP_CONTEXT, 0x20082}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.dialog) + "/" + std::to_string(c.control));
    testing::HelpRecorder help;
    const auto dialog = testing::MakeWindow(c.dialog);
    dialog->show();
    Ask(FindControl(dialog.get(), c.control), c.way);
    std::vector<std::pair<HelpCommand, uint32_t>> requests;
    for (const HelpRequest& r : help.requests) requests.emplace_back(r.command, r.context);
    EXPECT_EQ(requests, c.requests);
    EXPECT_TRUE(dialog->isVisible());
  }
}

}  // namespace
}  // namespace kestrivane
