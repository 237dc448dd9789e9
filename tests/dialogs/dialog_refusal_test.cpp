// What the dialogs refuse to store: a bad field on OK (one standard
// message, the focus on the field as typed, nothing written), and
// everything after Cancel, Escape or the close box.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/dialogs/dialog_records.h"

namespace kestrivane {
namespace {

using namespace testing;

constexpr const char* kInteger = "Please enter an integer.";
constexpr const char* kNumber = "Please enter a number.";
constexpr const char* kMinutes = "Please enter an integer between 0 and 59.";
constexpr const char* kAltitude = "Please enter an integer between 0 and 65535.";
constexpr const char* kZone = "Please enter a number between -12 and 14.";
constexpr const char* kDay = "Please enter an integer between 1 and 31.";
constexpr const char* kDelay = "Please enter an integer between 5 and 59.";

TEST_F(DialogTest, ABadFieldShowsOneStandardMessageAndKeepsTheFocus) {
  using enum Dialog;
  const struct {
    Dialog dialog;
    int field;
    const char* message;  // nullptr: taken
    std::vector<const char*> texts;
  } fields[] = {
      {Location, IDC_LAT_MINUTES, kMinutes, {"60", "-1"}},
      {Location, IDC_LAT_MINUTES, nullptr, {"59"}},
      {Location, IDC_LONG_MINUTES, kMinutes, {"60"}},
      {Location, IDC_LAT_DEGREES, "Please enter an integer between 0 and 90.", {"91"}},
      {Location, IDC_LAT_DEGREES, nullptr, {"90"}},
      {Location, IDC_LONG_DEGREES, "Please enter an integer between 0 and 180.", {"181"}},
      {Location, IDC_LONG_DEGREES, nullptr, {"180"}},
      {Location, IDC_ALTITUDE, kAltitude, {"-10", "70000"}},
      {Location, IDC_ALTITUDE, kInteger, {"high", "5.5", "99999999999999999999"}},
      {Location, IDC_ALTITUDE, nullptr, {" +65535 "}},
      {Location, IDC_TIME_ZONE, kZone, {"14.01", "-12.5"}},
      {Location, IDC_TIME_ZONE, kNumber, {"five", "5,5", "nan", "inf", "0x10", ""}},
      {Location, IDC_TIME_ZONE, nullptr, {"-12", "14", " 5.5 ", "1E1"}},
      {Location, IDC_CITY_NAME, nullptr, {""}},
      // The rule opens in weekday form: its day fields are disabled and
      // still read.
      {Rule, IDC_START_DAY, kDay, {"0", "32"}},
      {Rule, IDC_END_DAY, kInteger, {"x"}},
      {Rule, IDC_END_DAY, nullptr, {"31"}},
      {Alarms, 1071, kDelay, {"4", "60", "-5"}},
      {Alarms, 1071, kInteger, {"ten"}},
      {Alarms, 1069, nullptr, {"5"}},
      {Alarms, 1073, nullptr, {"59"}},
  };
  for (const auto& f : fields) {
    for (const char* text : f.texts) {
      SCOPED_TRACE(std::to_string(f.field) + " \"" + text + "\"");
      boxes.boxes.clear();
      Records records;
      const std::string before = Describe(records);
      const auto refused = [&](QWidget* d) {
        Type(*d, f.field, text);
        ClickOk(d);
        if (f.message == nullptr) return;
        EXPECT_THAT(boxes.Texts(), ::testing::ElementsAre(f.message));
        auto* field = Control<QLineEdit>(*d, f.field);
        EXPECT_EQ(field->text().toStdString(), text);
        EXPECT_EQ(field->selectedText(), field->text());
        EXPECT_TRUE(!field->isEnabled() || d->focusWidget() == field);
      };
      EXPECT_EQ(RunDialog(f.dialog, records, refused, ClickCancel), f.message == nullptr);
      if (f.message != nullptr) {
        EXPECT_EQ(Describe(records), before) << "nothing is written";
      } else {
        EXPECT_TRUE(boxes.boxes.empty());
      }
    }
  }
}

TEST_F(DialogTest, CancelEscapeAndCloseLeaveTheRecord) {
  const std::pair<Dialog, const char*> edits[] = {
      {Dialog::Preferences, "1028;1082=12"},
      {Dialog::Location, "1034=Auckland;1064;1066>1044;1052=31;1"},
      {Dialog::Rule, "1046;1047=5"},
      {Dialog::Alarms, "1056;1070=30;1112"},
      {Dialog::Recipients, "1103=ali;1104;1102=OMAR;1105"},
      {Dialog::Month, "1022=1999;1023=July"},
  };
  const Act ends[] = {ClickCancel, PressEscape, [](QWidget* d) { d->close(); }};
  for (const auto& [dialog, edit] : edits) {
    for (const Act& end : ends) {
      SCOPED_TRACE(edit);
      Records records;
      records.preferences.m_alarms.m_recipients = {"OMAR"};
      const std::string before = Describe(records);
      EXPECT_FALSE(RunDialog(dialog, records, Script(edit), end));
      EXPECT_EQ(Describe(records), before);
    }
  }
  EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(DialogTest, RecipientsChangedMarkTheAlarmsAndDisableTheirCancel) {
  // Add or Remove counts even when the recipients dialog is cancelled.
  const std::pair<const char*, bool> edits[] = {
      {"1103=ali;1104", true}, {"1102=OMAR;1105", true}, {"1103=omar;1104", false}, {"", false}};
  for (const auto& [script, changed] : edits) {
    SCOPED_TRACE(script);
    Records records;
    records.preferences.m_alarms.m_recipients = {"OMAR"};
    const bool ok = RunDialog(Dialog::Alarms, records, [&](QWidget* d) {
      WhenModal([script](QWidget* recipients) {
        Play(recipients, script);
        ClickCancel(recipients);
      });
      Click(*d, IDC_RECIPIENTS);
      EXPECT_EQ(records.preferences.m_alarms.m_bDirty != 0, changed);
      EXPECT_EQ(State(*d, IDCANCEL), changed ? "~Cancel" : "Cancel");
      d->close();
      PressEscape(d);
      EXPECT_EQ(d->isVisible(), changed) << "the close box and Escape count only with Cancel";
    });
    EXPECT_EQ(ok, changed);
    EXPECT_THAT(records.preferences.m_alarms.m_recipients, ::testing::ElementsAre("OMAR"));
  }
}

}  // namespace
}  // namespace kestrivane
