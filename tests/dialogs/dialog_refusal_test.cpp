// What the dialogs do not store: nothing after Cancel, Escape or the close
// box. But an Add or Remove in Azan Recipients, even cancelled there, marks
// the alarms changed, and Set Alarms can then no longer be cancelled.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/dialogs/dialog_records.h"

namespace kestrivane {
namespace {

using namespace testing;

TEST_F(DialogTest, CancelEscapeAndCloseLeaveTheRecord) {
  const std::pair<Dialog, const char*> edits[] = {
      {Dialog::Preferences, "1028;1082=12"},
      {Dialog::Location, "1034=Auckland;1064;1066>1044;1052=31;1"},
      {Dialog::Rule, "1046;1047=5"},
      {Dialog::Alarms, "1056;1070=30;1112;1101>1103=omar;1104;2"},  // a name already there
      {Dialog::Recipients, "1103=ali;1104;1102=OMAR;1105"},
  };
  for (const Act& end : {Script("2"), Act(PressEscape), Act([](QWidget* d) { d->close(); })}) {
    for (const auto& [dialog, edit] : edits) {
      SCOPED_TRACE(edit);
      Records records;
      records.preferences.m_alarms.m_recipients = {"OMAR"};
      const std::string before = Describe(records);
      EXPECT_FALSE(RunDialog(dialog, records, Script(edit), end));
      EXPECT_EQ(Describe(records), before);
    }
  }
}

TEST_F(DialogTest, ARecipientsEditMarksTheAlarmsAndSetAlarmsCannotBeCancelled) {
  for (const char* change : {"1101>1103=ali;1104;2", "1101>1102=OMAR;1105;2"}) {
    Records records;
    records.preferences.m_alarms.m_recipients = {"OMAR"};
    EXPECT_TRUE(RunDialog(Dialog::Alarms, records, [change](QWidget* d) {
      Play(d, change);
      EXPECT_EQ(State(*d, IDCANCEL), "~Cancel");
      d->close();
      PressEscape(d);
      EXPECT_TRUE(d->isVisible()) << "the close box and Escape count only as Cancel";
    }));
    EXPECT_EQ(records.preferences.m_alarms.m_bDirty, 1);
    EXPECT_THAT(records.preferences.m_alarms.m_recipients, ::testing::ElementsAre("OMAR"));
  }
}

}  // namespace
}  // namespace kestrivane
