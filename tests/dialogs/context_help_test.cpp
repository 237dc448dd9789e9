// Context help: the help-id table, the help file's texts for it, and the
// requests F1, the what's-this mode and right-clicks make.

#include "dialogs/context_help.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QListWidget>
#include <set>

#include "dialogs/alarms_dlg.h"
#include "dialogs/daylight_savings_dlg.h"
#include "dialogs/location_edit_dlg.h"
#include "dialogs/preferences_dlg.h"
#include "dialogs/recipients_dlg.h"
#include "settings/alarm_table.h"
#include "settings/location.h"
#include "settings/preferences.h"
#include "tests/app/qt_test_support.h"
#include "tests/dialogs/dialog_test_support.h"

namespace kestrivane {
namespace {

void PressF1(QWidget* widget) {
  QKeyEvent press(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
  QApplication::sendEvent(widget, &press);
}

void RightClick(QWidget* widget) {
  QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(2, 2),
                          widget->mapToGlobal(QPoint(2, 2)));
  QApplication::sendEvent(widget, &event);
}

void WhatsThisClick(QWidget* widget) {
  QHelpEvent event(QEvent::WhatsThis, QPoint(2, 2), widget->mapToGlobal(QPoint(2, 2)));
  QApplication::sendEvent(widget, &event);
}

class ContextHelpTest : public testing::DialogTest {
 protected:
  uint32_t LastContext() {
    return help.requests.empty() ? 0xFFFFFFFFu : help.requests.back().context;
  }
  testing::HelpRecorder help;
};

TEST_F(ContextHelpTest, TheTableHoldsEveryControlOnceAndEndsWithZeros) {
  const auto table = HelpIdTable();
  ASSERT_FALSE(table.empty());
  EXPECT_EQ(table.back().controlId, 0u);
  EXPECT_EQ(table.back().contextId, 0u);
  std::set<uint32_t> controls;
  for (const HelpIdPair& pair : table.first(table.size() - 1)) {
    EXPECT_TRUE(controls.insert(pair.controlId).second) << pair.controlId;
  }
  EXPECT_EQ(controls.size(), 6u + 12u + 12u + 17u + 4u + 4u);
  const std::pair<uint32_t, uint32_t> spotChecks[] = {
      {1064, 0x80860427}, {1066, 0x80860428}, {1085, 0x8086043C}, {1086, 0x8086043D},
      {1087, 0x8086043E}, {1002, 0x808A03EA}, {1005, 0x808A03ED}, {1025, 0x80820401},
      {1112, 0x80890458}, {1105, 0x808D0451}, {1024, 0x80870400},
  };
  for (const auto& [control, context] : spotChecks) {
    bool found = false;
    for (const HelpIdPair& pair : table) {
      if (pair.controlId == control) {
        EXPECT_EQ(pair.contextId, context) << control;
        found = true;
      }
    }
    EXPECT_TRUE(found) << control;
  }
}

TEST_F(ContextHelpTest, TheHelpFileAnswersEveryContextNumberTheTopicAndTheContents) {
  for (const HelpIdPair& pair : HelpIdTable()) {
    if (pair.controlId == 0) continue;
    const auto text = HelpPopupText(pair.contextId);
    ASSERT_TRUE(text.has_value()) << std::hex << pair.contextId;
    EXPECT_GT(text->size(), 20u) << std::hex << pair.contextId;
  }
  const auto topic = HelpTopicByNumber(kPreferencesHelpTopic);
  ASSERT_TRUE(topic.has_value());
  EXPECT_EQ(topic->title, "Preferences");
  EXPECT_THAT(topic->text, ::testing::HasSubstr("Hanafi"));
  const HelpTopic contents = HelpContents();
  EXPECT_FALSE(contents.title.empty());
  EXPECT_THAT(contents.text, ::testing::HasSubstr("Prefs.dat"));
  EXPECT_THAT(contents.text, ::testing::HasSubstr("Azan.wav"));
}

TEST_F(ContextHelpTest, F1OnLocationControlsAsksForTheirNumbers) {
  CLocationEditDlg dialog;
  dialog.LoadFrom(CLocation{});
  dialog.show();
  const std::pair<int, uint32_t> cases[] = {
      {IDC_USE_DST, 0x80860427},       {IDC_CONFIGURE_DST, 0x80860428},
      {IDC_LAT_DEGREES, 0x808603F5},   {IDC_LONG_MINUTES, 0x8086043C},
      {IDC_LAT_DIRECTION, 0x8086043D},
  };
  for (const auto& [id, context] : cases) {
    PressF1(FindControl(&dialog, id));
    ASSERT_FALSE(help.requests.empty());
    EXPECT_EQ(help.requests.back().command, HELP_WM_HELP);
    EXPECT_EQ(LastContext(), context) << id;
  }
  // OK has no help of its own: the request names no number.
  PressF1(FindControl(&dialog, IDOK));
  EXPECT_EQ(LastContext(), 0u);
}

TEST_F(ContextHelpTest, WhatsThisModeReachesEverySettingsDialog) {
  CAlarmTable table;
  std::vector<std::string> names;
  CPreferencesDlg preferences;
  CDaylightSavingsDlg rule;
  CAlarmsDlg alarms(&table, PrayerTimes{}, 1);
  CRecipientsDlg recipients(&names);
  const std::tuple<QWidget*, int, uint32_t> cases[] = {
      {&preferences, IDC_ISHA_ANGLE, 0x8082043C},
      {&rule, IDC_START_DAY, 0x8087041C},
      {&alarms, IDC_PLAY_SOUND, 0x80890458},
      {&recipients, IDC_RECIPIENT_NAME, 0x808D044F},
  };
  for (const auto& [dialog, id, context] : cases) {
    EXPECT_TRUE(dialog->windowFlags() & Qt::WindowContextHelpButtonHint);
    WhatsThisClick(FindControl(dialog, id));
    EXPECT_EQ(LastContext(), context) << id;
  }
}

TEST_F(ContextHelpTest, OnlyAzanRecipientsAnswersARightClick) {
  std::vector<std::string> names{"OMAR"};
  CRecipientsDlg recipients(&names);
  recipients.show();
  auto* list = testing::Control<QListWidget>(recipients, IDC_RECIPIENT_LIST);
  RightClick(list->viewport());
  ASSERT_EQ(help.requests.size(), 1u);
  EXPECT_EQ(help.requests[0].command, HELP_CONTEXTMENU);
  EXPECT_EQ(help.requests[0].context, 0x808D044Eu);
  RightClick(FindControl(&recipients, IDC_ADD_RECIPIENT));
  EXPECT_EQ(LastContext(), 0x808D0450u);

  help.requests.clear();
  CPreferencesDlg preferences;
  preferences.show();
  RightClick(FindControl(&preferences, IDC_TIME_24));
  EXPECT_TRUE(help.requests.empty());
}

}  // namespace
}  // namespace kestrivane
