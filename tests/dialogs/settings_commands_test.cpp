// The main window's settings commands and help: each dialog run, the
// refresh after a change, the save, and the help requests.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QKeyEvent>

#include "app/main_dlg.h"
#include "dialogs/alarms_dlg.h"
#include "dialogs/context_help.h"
#include "dialogs/location_edit_dlg.h"
#include "dialogs/preferences_dlg.h"
#include "resources/menu_template.h"
#include "settings/locations_document.h"
#include "tests/app/qt_test_support.h"
#include "tests/dialogs/dialog_test_support.h"

namespace kestrivane {
namespace {

using testing::Click;
using ::testing::HasSubstr;

class TestMainDlg : public CMainDlg {
 public:
  // Friday, 7 January 2000, 10:00.
  LocalTime CurrentTime() override {
    LocalTime time;
    time.year = 2000;
    time.month = 1;
    time.day = 7;
    time.weekday = 5;
    time.hour = 10;
    return time;
  }
};

class QuietReporter : public SettingsReporter {
 public:
  void ReportError(const std::string&) override {}
};

class SettingsCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(window.OnInitDialog()); }
  // The settings as saved on disk.
  template <class F>
  void Saved(F check) {
    QuietReporter reporter;
    CLocations document(reporter);
    ASSERT_TRUE(document.ReadDocument("Prefs.dat"));
    check(document);
  }
  std::string Field(int id) { return GetControlText(&window, id); }

  testing::TemporaryWorkingDirectory directory;
  testing::FakeTray tray{true};
  testing::MessageBoxRecorder boxes;
  testing::HelpRecorder help;
  TestMainDlg window;
};

TEST_F(SettingsCommandsTest, PreferencesOkShowsTheNewClockAndSaves) {
  ASSERT_THAT(Field(IDC_FAJR), HasSubstr("A.M."));
  testing::WhenModal([](QWidget* d) {
    Click(*d, IDC_TIME_24);
    Click(*d, IDOK);
  });
  EXPECT_TRUE(window.OnCmdMsg(ID_OPTIONS_PREFERENCES));
  EXPECT_THAT(Field(IDC_FAJR), ::testing::Not(HasSubstr("M.")));
  EXPECT_EQ(Field(IDC_NEXT_ALARM), "<not set>");
  Saved([](CLocations& saved) { EXPECT_EQ(saved.m_preferences.m_nTimeFormat, 1); });
}

TEST_F(SettingsCommandsTest, PreferencesCancelChangesNothing) {
  const std::string before = testing::ReadFileBytes("Prefs.dat");
  const std::string fajr = Field(IDC_FAJR);
  testing::WhenModal([](QWidget* d) {
    Click(*d, IDC_TIME_24);
    Click(*d, IDCANCEL);
  });
  window.OnCmdMsg(ID_OPTIONS_PREFERENCES);
  EXPECT_EQ(Field(IDC_FAJR), fajr);
  EXPECT_EQ(testing::ReadFileBytes("Prefs.dat"), before);
}

TEST_F(SettingsCommandsTest, LocationOkShowsTheNewPlaceAndSaves) {
  testing::WhenModal([](QWidget* d) {
    testing::Type(*d, IDC_CITY_NAME, "Auckland");
    testing::Type(*d, IDC_LAT_DEGREES, "36");
    testing::Choose(*d, IDC_LAT_DIRECTION, "South");
    testing::Type(*d, IDC_LONG_DEGREES, "174");
    testing::Type(*d, IDC_TIME_ZONE, "12");
    Click(*d, IDOK);
  });
  const std::string zuhr = Field(IDC_FAJR + Zuhr);
  window.OnCmdMsg(ID_OPTIONS_LOCATION);
  EXPECT_EQ(Field(IDC_CITY), "Auckland");
  EXPECT_THAT(Field(IDC_CITY + 1), HasSubstr("S"));
  EXPECT_NE(Field(IDC_FAJR + Zuhr), zuhr) << "the times follow the place";
  Saved([](CLocations& saved) {
    EXPECT_EQ(saved.m_location.m_strCity, "Auckland");
    EXPECT_EQ(saved.m_location.m_dTimeZone, 12.0);
  });
}

TEST_F(SettingsCommandsTest, AlarmsOkFindsTheNextAlarmAndSaves) {
  testing::WhenModal([](QWidget* d) {
    Click(*d, kAlarmRowTable[1].checkId);  // Zuhr on
    Click(*d, IDOK);
  });
  window.OnCmdMsg(ID_OPTIONS_ALARMS);
  EXPECT_NE(Field(IDC_NEXT_ALARM), "<not set>");
  EXPECT_NE(Field(IDC_NEXT_ALARM), "<processing...>");
  Saved([](CLocations& saved) { EXPECT_TRUE(saved.m_preferences.m_alarms.m_alarm[Zuhr].IsOn()); });
}

TEST_F(SettingsCommandsTest, HelpButtonOpensTheContentsAndF1AsksForTheField) {
  Click(window, ID_HELP);
  ASSERT_FALSE(help.requests.empty());
  EXPECT_EQ(help.requests.back().command, HELP_FINDER);

  QKeyEvent f1(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
  QApplication::sendEvent(FindControl(&window, 1002), &f1);
  EXPECT_EQ(help.requests.back().command, HELP_WM_HELP);
  EXPECT_EQ(help.requests.back().context, 0x808A03EAu);
}

}  // namespace
}  // namespace kestrivane
