// The daylight-saving rule dialog: the two forms of each transition, the
// enable rules, the day range and the rule words written.

#include "dialogs/daylight_savings_dlg.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "settings/dst_rule.h"
#include "tests/app/qt_test_support.h"
#include "tests/dialogs/dialog_test_support.h"

namespace kestrivane {
namespace {

using testing::Checked;
using testing::Click;
using ::testing::ElementsAre;
using testing::Enabled;
using testing::Selected;
using testing::Text;
using testing::Type;

class DaylightSavingsDlgTest : public testing::DialogTest {
 protected:
  void Open(uint16_t start, uint16_t end) {
    rule.m_wStart = start;
    rule.m_wEnd = end;
    rule.m_bDirty = 0;
    dialog.LoadFrom(rule);
    dialog.show();
  }
  CDstRule rule;
  CDaylightSavingsDlg dialog;
};

TEST_F(DaylightSavingsDlgTest, DefaultRuleOpensInWeekdayFormWithTheDayFieldsDisabled) {
  Open(0x0220, 0x0920);
  EXPECT_TRUE(Checked(dialog, IDC_START_WEEKDAY_FORM));
  EXPECT_FALSE(Checked(dialog, IDC_START_DATE));
  EXPECT_EQ(Selected(dialog, IDC_START_WEEK), "Last");
  EXPECT_EQ(Selected(dialog, IDC_START_WEEKDAY), "Sunday");
  EXPECT_EQ(Selected(dialog, IDC_START_MONTH), "March");
  EXPECT_TRUE(Checked(dialog, IDC_END_WEEKDAY_FORM));
  EXPECT_EQ(Selected(dialog, IDC_END_WEEK), "Last");
  EXPECT_EQ(Selected(dialog, IDC_END_WEEKDAY), "Sunday");
  EXPECT_EQ(Selected(dialog, IDC_END_MONTH), "October");
  EXPECT_EQ(Text(dialog, IDC_START_DAY), "1");
  EXPECT_EQ(Text(dialog, IDC_END_DAY), "30");
  EXPECT_FALSE(Enabled(dialog, IDC_START_DAY));
  EXPECT_FALSE(Enabled(dialog, IDC_END_DAY));
  EXPECT_TRUE(Enabled(dialog, IDC_START_WEEK));
  EXPECT_TRUE(Enabled(dialog, IDC_END_WEEKDAY));
  EXPECT_EQ(testing::Control<QComboBox>(dialog, IDC_START_WEEK)->itemText(3), "Forth");
}

TEST_F(DaylightSavingsDlgTest, DateFormOpensWithFirstSundayAndLastSundayInTheOtherLists) {
  Open(0x829E, 0x0980 | 4);  // 31 March; 5 October
  EXPECT_TRUE(Checked(dialog, IDC_START_DATE));
  EXPECT_EQ(Text(dialog, IDC_START_DAY), "31");
  EXPECT_EQ(Selected(dialog, IDC_START_WEEK), "First");
  EXPECT_EQ(Selected(dialog, IDC_START_WEEKDAY), "Sunday");
  EXPECT_EQ(Text(dialog, IDC_END_DAY), "5");
  EXPECT_EQ(Selected(dialog, IDC_END_WEEK), "Last");
  EXPECT_EQ(Selected(dialog, IDC_END_WEEKDAY), "Sunday");
  EXPECT_TRUE(Enabled(dialog, IDC_START_DAY));
  EXPECT_FALSE(Enabled(dialog, IDC_START_WEEK));
  EXPECT_FALSE(Enabled(dialog, IDC_START_WEEKDAY));
}

TEST_F(DaylightSavingsDlgTest, SwitchingFormsFollowsTheEnableRulesAndTheRadiosExcludeEachOther) {
  Open(0x0220, 0x0920);
  Click(dialog, IDC_START_DATE);
  EXPECT_TRUE(Checked(dialog, IDC_START_DATE));
  EXPECT_FALSE(Checked(dialog, IDC_START_WEEKDAY_FORM));
  EXPECT_TRUE(Enabled(dialog, IDC_START_DAY));
  EXPECT_FALSE(Enabled(dialog, IDC_START_WEEK));
  EXPECT_FALSE(Enabled(dialog, IDC_START_WEEKDAY));
  EXPECT_TRUE(Checked(dialog, IDC_END_WEEKDAY_FORM)) << "the end transition is its own group";
  Click(dialog, IDC_END_DATE);
  EXPECT_TRUE(Enabled(dialog, IDC_END_DAY));
  EXPECT_FALSE(Enabled(dialog, IDC_END_WEEK));
  EXPECT_TRUE(Enabled(dialog, IDC_START_MONTH));
  EXPECT_TRUE(Enabled(dialog, IDC_END_MONTH));
}

TEST_F(DaylightSavingsDlgTest, OkWritesTheRuleWords) {
  struct Case {
    const char* name;
    uint16_t start, end;
    std::function<void(CDaylightSavingsDlg&)> edit;
    uint16_t wantStart, wantEnd;
  };
  const Case cases[] = {
      {"start on 31 March", 0x0220, 0x0920,
       [](CDaylightSavingsDlg& d) {
         Click(d, IDC_START_DATE);
         Type(d, IDC_START_DAY, "31");
         testing::Choose(d, IDC_START_MONTH, "March");
       },
       0x829E, 0x0920},
      {"back to weekday form", 0x829E, 0x0980,
       [](CDaylightSavingsDlg& d) {
         Click(d, IDC_START_WEEKDAY_FORM);
         testing::Choose(d, IDC_START_WEEK, "Second");
         testing::Choose(d, IDC_START_WEEKDAY, "Friday");
         Click(d, IDC_END_WEEKDAY_FORM);
       },
       0x8200 | 1 << 3 | 5, 0x0900 | 4 << 3},
      {"no change still observes", 0x0220, 0x0920, [](CDaylightSavingsDlg&) {}, 0x8220, 0x0920},
      {"31 February is taken as given", 0x0220, 0x0920,
       [](CDaylightSavingsDlg& d) {
         Click(d, IDC_END_DATE);
         Type(d, IDC_END_DAY, "31");
         testing::Choose(d, IDC_END_MONTH, "February");
       },
       0x8220, 0x019E},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    CDstRule target;
    target.m_wStart = c.start;
    target.m_wEnd = c.end;
    CDaylightSavingsDlg d;
    d.LoadFrom(target);
    d.show();
    c.edit(d);
    Click(d, IDOK);
    ASSERT_EQ(d.result(), QDialog::Accepted);
    d.SaveTo(target);
    EXPECT_EQ(target.m_wStart, c.wantStart);
    EXPECT_EQ(target.m_wEnd, c.wantEnd);
  }
  EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(DaylightSavingsDlgTest, DaysOutsideOneToThirtyOneAreRefusedAlsoWhenDisabled) {
  const std::tuple<int, const char*> cases[] = {
      {IDC_START_DAY, "0"}, {IDC_START_DAY, "32"}, {IDC_END_DAY, "0"}, {IDC_END_DAY, "x"}};
  for (const auto& [id, text] : cases) {
    SCOPED_TRACE(text);
    boxes.boxes.clear();
    CDaylightSavingsDlg d;
    d.LoadFrom(CDstRule{});  // weekday forms: both day fields disabled
    d.show();
    Type(d, id, text);
    Click(d, IDOK);
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].text, std::string(text) == "x"
                                       ? "Please enter an integer."
                                       : "Please enter an integer between 1 and 31.");
    EXPECT_TRUE(d.isVisible());
  }
}

TEST_F(DaylightSavingsDlgTest, CodesNoListCanShowAreKeptOnOk) {
  // Month 13 and week 6: possible only in a file written elsewhere.
  Open(0x8D00 | 6 << 3 | 2, 0x0920);
  Click(dialog, IDOK);
  dialog.SaveTo(rule);
  EXPECT_EQ(rule.m_wStart, 0x8D00 | 6 << 3 | 2);
  EXPECT_EQ(rule.m_wEnd, 0x0920);
}

}  // namespace
}  // namespace kestrivane
