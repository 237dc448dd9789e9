// The main window's settings commands and help: after OK the window shows
// the change and the file is saved; after Cancel neither changes.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "app/main_dlg.h"
#include "settings/locations_document.h"
#include "tests/dialogs/dialog_records.h"

namespace kestrivane {
namespace {

using namespace testing;
using ::testing::HasSubstr;

class TestMainDlg : public CMainDlg {
 public:
  // Friday, 7 January 2000, 10:00.
  LocalTime CurrentTime() override { return LocalTime{2000, 1, 7, 5, 10, 0, 0}; }
};

class QuietReporter : public SettingsReporter {
 public:
  void ReportError(const std::string&) override {}
};

TEST_F(DialogTest, SettingsCommandsShowTheChangeAndSaveItCancelChangesNothing) {
  FakeTray tray{true};
  HelpRecorder help;
  TestMainDlg window;
  ASSERT_TRUE(window.OnInitDialog());
  const auto field = [&](int id) { return GetControlText(&window, id); };
  const auto command = [&](int id, const char* script) {
    WhenModal(Script(script));
    EXPECT_TRUE(window.OnCmdMsg(id));
  };
  const std::string saved = ReadFileBytes("Prefs.dat"), fajr = field(IDC_FAJR),
                    zuhr = field(IDC_FAJR + Zuhr);
  ASSERT_THAT(fajr, HasSubstr("A.M."));
  command(ID_OPTIONS_PREFERENCES, "1028;2");
  EXPECT_EQ(field(IDC_FAJR), fajr);
  EXPECT_EQ(ReadFileBytes("Prefs.dat"), saved);

  command(ID_OPTIONS_PREFERENCES, "1028;1");
  EXPECT_THAT(field(IDC_FAJR), ::testing::Not(HasSubstr("M.")));
  EXPECT_EQ(field(IDC_NEXT_ALARM), "<not set>");
  command(ID_OPTIONS_LOCATION, "1034=Auckland;1013=36;1086=South;1014=174;1015=12;1");
  EXPECT_EQ(field(IDC_CITY), "Auckland");
  EXPECT_THAT(field(IDC_CITY + 1), HasSubstr("S"));
  EXPECT_NE(field(IDC_FAJR + Zuhr), zuhr) << "the times follow the place";
  command(ID_OPTIONS_ALARMS, "1056;1");  // Zuhr on
  EXPECT_THAT(field(IDC_NEXT_ALARM), ::testing::Not(::testing::StartsWith("<")));
  QuietReporter reporter;
  CLocations document(reporter);
  ASSERT_TRUE(document.ReadDocument("Prefs.dat"));
  EXPECT_EQ(document.m_preferences.m_nTimeFormat, 1);
  EXPECT_EQ(document.m_location.m_strCity + " " + document.m_location.FormatLatitude(),
            "Auckland 36:40 S");
  EXPECT_EQ(document.m_location.m_dTimeZone, 12.0);
  EXPECT_TRUE(document.m_preferences.m_alarms.m_alarm[Zuhr].IsOn());

  // Help opens the contents; F1 on a field asks for its number.
  Click(window, ID_HELP);
  QKeyEvent f1(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
  QApplication::sendEvent(FindControl(&window, IDC_CITY + 1), &f1);
  ASSERT_EQ(help.requests.size(), 2u);
  EXPECT_EQ(help.requests[0].command, HELP_FINDER);
  EXPECT_EQ(help.requests[1].command, HELP_WM_HELP);
  EXPECT_EQ(help.requests[1].context, 0x808A03EAu);
}

}  // namespace
}  // namespace kestrivane
