// The Define Location dialog: loading, validation of every field, the
// daylight-saving check box and Configure, storing and Cancel.

#include "dialogs/location_edit_dlg.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "dialogs/daylight_savings_dlg.h"
#include "dialogs/settings_dialogs.h"
#include "settings/location.h"
#include "tests/app/qt_test_support.h"
#include "tests/dialogs/dialog_test_support.h"

namespace kestrivane {
namespace {

using testing::Click;
using ::testing::ElementsAre;
using testing::Text;
using testing::Type;

CLocation Loaded() {
  CLocation location;
  location.m_bDirty = 0;
  location.m_dstRule.m_bDirty = 0;
  return location;
}

class LocationEditDlgTest : public testing::DialogTest {};

TEST_F(LocationEditDlgTest, DefaultsFillTheFields) {
  CLocationEditDlg dialog;
  dialog.LoadFrom(CLocation{});
  dialog.show();
  EXPECT_EQ(Text(dialog, IDC_CITY_NAME), "Islamabad");
  EXPECT_EQ(Text(dialog, IDC_COUNTRY_NAME), "Pakistan");
  EXPECT_EQ(Text(dialog, IDC_LAT_DEGREES), "33");
  EXPECT_EQ(Text(dialog, IDC_LAT_MINUTES), "40");
  EXPECT_EQ(testing::Selected(dialog, IDC_LAT_DIRECTION), "North");
  EXPECT_EQ(Text(dialog, IDC_LONG_DEGREES), "73");
  EXPECT_EQ(Text(dialog, IDC_LONG_MINUTES), "10");
  EXPECT_EQ(testing::Selected(dialog, IDC_LONG_DIRECTION), "East");
  EXPECT_EQ(Text(dialog, IDC_ALTITUDE), "550");
  EXPECT_EQ(Text(dialog, IDC_TIME_ZONE), "5");
  // The default rule is not in force: box clear, Configure off.
  EXPECT_FALSE(testing::Checked(dialog, IDC_USE_DST));
  EXPECT_FALSE(testing::Enabled(dialog, IDC_CONFIGURE_DST));
  EXPECT_TRUE(boxes.boxes.empty());
}

struct FieldCase {
  int id;
  const char* text;
  const char* message;  // nullptr: accepted
};

TEST_F(LocationEditDlgTest, EachFieldIsValidatedWithOneMessageAndTheFocus) {
  const FieldCase cases[] = {
      {IDC_LAT_MINUTES, "60", "Please enter an integer between 0 and 59."},
      {IDC_LONG_MINUTES, "60", "Please enter an integer between 0 and 59."},
      {IDC_LAT_MINUTES, "59", nullptr},
      {IDC_LAT_DEGREES, "95", "Please enter an integer between 0 and 90."},
      {IDC_LAT_DEGREES, "90", nullptr},
      {IDC_LONG_DEGREES, "181", "Please enter an integer between 0 and 180."},
      {IDC_LONG_DEGREES, "180", nullptr},
      {IDC_ALTITUDE, "-10", "Please enter an integer between 0 and 65535."},
      {IDC_ALTITUDE, "70000", "Please enter an integer between 0 and 65535."},
      {IDC_ALTITUDE, "65535", nullptr},
      {IDC_ALTITUDE, "high", "Please enter an integer."},
      {IDC_TIME_ZONE, "12", nullptr},
      {IDC_TIME_ZONE, "14", nullptr},
      {IDC_TIME_ZONE, "-12", nullptr},
      {IDC_TIME_ZONE, "5.5", nullptr},
      {IDC_TIME_ZONE, "-11.9", nullptr},
      {IDC_TIME_ZONE, "14.5", "Please enter a number between -12 and 14."},
      {IDC_TIME_ZONE, "-13", "Please enter a number between -12 and 14."},
      {IDC_TIME_ZONE, "five", "Please enter a number."},
      {IDC_CITY_NAME, "", nullptr},
  };
  for (const FieldCase& c : cases) {
    SCOPED_TRACE(std::to_string(c.id) + " " + c.text);
    CLocation location = Loaded();
    CLocationEditDlg dialog;
    dialog.LoadFrom(location);
    dialog.show();
    boxes.boxes.clear();
    Type(dialog, c.id, c.text);
    Click(dialog, IDOK);
    if (c.message == nullptr) {
      EXPECT_TRUE(boxes.boxes.empty());
      EXPECT_EQ(dialog.result(), QDialog::Accepted);
    } else {
      EXPECT_THAT(boxes.Texts(), ElementsAre(c.message));
      EXPECT_TRUE(dialog.isVisible()) << "the dialog stays open";
      EXPECT_EQ(dialog.focusWidget(), FindControl(&dialog, c.id));
      EXPECT_EQ(Text(dialog, c.id), c.text) << "the entry stays as typed";
    }
  }
}

TEST_F(LocationEditDlgTest, OkStoresEveryFieldAndAlwaysReportsAChange) {
  CLocation location = Loaded();
  CLocationEditDlg dialog;
  dialog.LoadFrom(location);
  dialog.show();
  Type(dialog, IDC_CITY_NAME, "");
  Type(dialog, IDC_COUNTRY_NAME, "");
  Type(dialog, IDC_LAT_DEGREES, "36");
  Type(dialog, IDC_LAT_MINUTES, "51");
  testing::Choose(dialog, IDC_LAT_DIRECTION, "South");
  Type(dialog, IDC_LONG_DEGREES, "174");
  Type(dialog, IDC_LONG_MINUTES, "46");
  testing::Choose(dialog, IDC_LONG_DIRECTION, "West");
  Type(dialog, IDC_ALTITUDE, "0");
  Type(dialog, IDC_TIME_ZONE, "13");
  Click(dialog, IDOK);
  ASSERT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_TRUE(dialog.SaveTo(location));
  EXPECT_EQ(location.m_strCity, "");
  EXPECT_EQ(location.m_strCountry, "");
  EXPECT_EQ(location.m_nLatDegrees, 36);
  EXPECT_EQ(location.m_nLatMinutes, 51);
  EXPECT_EQ(location.m_chLatHemisphere, 'S');
  EXPECT_EQ(location.m_nLongDegrees, 174);
  EXPECT_EQ(location.m_nLongMinutes, 46);
  EXPECT_EQ(location.m_chLongHemisphere, 'W');
  EXPECT_EQ(location.m_nAltitude, 0);
  EXPECT_EQ(location.m_dTimeZone, 13.0);

  CLocation untouched = Loaded();
  CLocationEditDlg again;
  again.LoadFrom(untouched);
  again.show();
  Click(again, IDOK);
  EXPECT_TRUE(again.SaveTo(untouched)) << "every OK counts as a change";
  EXPECT_EQ(untouched.m_strCity, "Islamabad");
  EXPECT_EQ(untouched.m_nAltitude, 550);
}

TEST_F(LocationEditDlgTest, UnknownHemisphereLettersOpenAsNorthEastAndAreWrittenBack) {
  CLocation location = Loaded();
  location.m_chLatHemisphere = 's';
  location.m_chLongHemisphere = '?';
  CLocationEditDlg dialog;
  dialog.LoadFrom(location);
  dialog.show();
  EXPECT_EQ(testing::Selected(dialog, IDC_LAT_DIRECTION), "North");
  EXPECT_EQ(testing::Selected(dialog, IDC_LONG_DIRECTION), "East");
  Click(dialog, IDOK);
  dialog.SaveTo(location);
  EXPECT_EQ(location.m_chLatHemisphere, 'N');
  EXPECT_EQ(location.m_chLongHemisphere, 'E');
}

TEST_F(LocationEditDlgTest, AStoredValueOutOfRangeIsReportedAtOpening) {
  CLocation location = Loaded();
  location.m_nLatDegrees = 95;
  CLocationEditDlg dialog;
  dialog.LoadFrom(location);
  dialog.show();
  EXPECT_THAT(boxes.Texts(), ElementsAre("Please enter an integer between 0 and 90."));
  EXPECT_EQ(dialog.focusWidget(), FindControl(&dialog, IDC_LAT_DEGREES));
}

TEST_F(LocationEditDlgTest, TheCheckBoxSwitchesTheRuleAndKeepsItsMonthsAndDays) {
  CLocation location = Loaded();
  location.m_dstRule.m_wStart = 0x8220;
  CLocationEditDlg dialog;
  dialog.LoadFrom(location);
  dialog.show();
  EXPECT_TRUE(testing::Checked(dialog, IDC_USE_DST));
  EXPECT_TRUE(testing::Enabled(dialog, IDC_CONFIGURE_DST));
  Click(dialog, IDC_USE_DST);
  EXPECT_FALSE(testing::Enabled(dialog, IDC_CONFIGURE_DST));
  Click(dialog, IDOK);
  dialog.SaveTo(location);
  EXPECT_EQ(location.m_dstRule.m_wStart, 0x0220);
  EXPECT_EQ(location.m_dstRule.m_wEnd, 0x0920);

  CLocationEditDlg again;
  again.LoadFrom(location);
  again.show();
  Click(again, IDC_USE_DST);
  EXPECT_TRUE(testing::Enabled(again, IDC_CONFIGURE_DST));
  Click(again, IDOK);
  again.SaveTo(location);
  EXPECT_EQ(location.m_dstRule.m_wStart, 0x8220) << "the kept rule is back in force";
}

TEST_F(LocationEditDlgTest, ConfigureThenOkReachesTheRecordOnlyThroughOk) {
  for (const bool confirm : {true, false}) {
    SCOPED_TRACE(confirm ? "OK" : "Cancel");
    CLocation location = Loaded();
    location.m_dstRule.m_wStart = 0x8220;
    testing::WhenModal([confirm](QWidget* locationDialog) {
      testing::WhenModal([confirm, locationDialog](QWidget* rule) {
        Click(*rule, IDC_START_DATE);
        Type(*rule, IDC_START_DAY, "31");
        Click(*rule, IDOK);
        QTimer::singleShot(0, locationDialog,
                           [=] { Click(*locationDialog, confirm ? IDOK : IDCANCEL); });
      });
      Click(*locationDialog, IDC_CONFIGURE_DST);
    });
    CSettingsDialogs editor(nullptr);
    EXPECT_EQ(editor.RunLocationDialog(location), confirm);
    EXPECT_EQ(location.m_dstRule.m_wStart, confirm ? 0x829E : 0x8220);
    EXPECT_EQ(location.m_bDirty != 0, confirm);
  }
}

}  // namespace
}  // namespace kestrivane
