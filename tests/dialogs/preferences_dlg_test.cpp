// The Preferences dialog: loading, storing through Set, the change report,
// Cancel, and records holding values the dialog cannot show.

#include "dialogs/preferences_dlg.h"

#include <gtest/gtest.h>

#include <QKeyEvent>

#include "dialogs/context_help.h"
#include "dialogs/settings_dialogs.h"
#include "settings/preferences.h"
#include "tests/app/qt_test_support.h"
#include "tests/dialogs/dialog_test_support.h"

namespace kestrivane {
namespace {

using testing::Checked;
using testing::Click;
using testing::Selected;

// A record as loaded from a file: nothing marked changed.
CPreferences Loaded() {
  CPreferences preferences;
  preferences.m_bDirty = 0;
  preferences.m_alarms.m_bDirty = 0;
  return preferences;
}

class PreferencesDlgTest : public testing::DialogTest {};

TEST_F(PreferencesDlgTest, DefaultsOpenWithTwelveHourHanafiAndEighteenDegrees) {
  CPreferencesDlg dialog;
  dialog.LoadFrom(CPreferences{});
  dialog.show();
  EXPECT_TRUE(Checked(dialog, IDC_TIME_12));
  EXPECT_FALSE(Checked(dialog, IDC_TIME_24));
  EXPECT_TRUE(Checked(dialog, IDC_FIQH_HANAFI));
  EXPECT_FALSE(Checked(dialog, IDC_FIQH_SHAFEI));
  EXPECT_EQ(Selected(dialog, IDC_FAJR_ANGLE), "18");
  EXPECT_EQ(Selected(dialog, IDC_ISHA_ANGLE), "18");
  EXPECT_EQ(testing::Control<QComboBox>(dialog, IDC_FAJR_ANGLE)->count(), 14);
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Preferences"));
}

TEST_F(PreferencesDlgTest, OkStoresTheChoicesAndReportsAChange) {
  CPreferences preferences = Loaded();
  CPreferencesDlg dialog;
  dialog.LoadFrom(preferences);
  dialog.show();
  Click(dialog, IDC_TIME_24);
  Click(dialog, IDC_FIQH_SHAFEI);
  testing::Choose(dialog, IDC_FAJR_ANGLE, "24");
  testing::Choose(dialog, IDC_ISHA_ANGLE, "11");
  Click(dialog, IDOK);
  ASSERT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_TRUE(dialog.SaveTo(preferences));
  EXPECT_EQ(preferences.m_nTimeFormat, 1);
  EXPECT_EQ(preferences.m_nFiqh, 0);
  EXPECT_EQ(preferences.m_nFajrAngle, 24);
  EXPECT_EQ(preferences.m_nIshaAngle, 11);
}

TEST_F(PreferencesDlgTest, OkWithoutChangeReportsOnlyAChangeAlreadyPending) {
  struct Case {
    bool preferencesDirty, alarmsDirty, expected;
  };
  for (const Case c :
       {Case{false, false, false}, Case{true, false, true}, Case{false, true, true}}) {
    CPreferences preferences = Loaded();
    preferences.m_bDirty = c.preferencesDirty;
    preferences.m_alarms.m_bDirty = c.alarmsDirty;
    CPreferencesDlg dialog;
    dialog.LoadFrom(preferences);
    dialog.show();
    Click(dialog, IDOK);
    EXPECT_EQ(dialog.SaveTo(preferences), c.expected);
  }
}

TEST_F(PreferencesDlgTest, ValuesTheDialogCannotShowAreKeptOnOk) {
  CPreferences preferences = Loaded();
  preferences.m_nTimeFormat = 5;
  preferences.m_nFiqh = -3;
  preferences.m_nFajrAngle = 30;
  preferences.m_nIshaAngle = 10;
  CPreferencesDlg dialog;
  dialog.LoadFrom(preferences);
  dialog.show();
  EXPECT_FALSE(Checked(dialog, IDC_TIME_12));
  EXPECT_FALSE(Checked(dialog, IDC_TIME_24));
  EXPECT_FALSE(Checked(dialog, IDC_FIQH_SHAFEI));
  EXPECT_FALSE(Checked(dialog, IDC_FIQH_HANAFI));
  EXPECT_EQ(testing::Control<QComboBox>(dialog, IDC_FAJR_ANGLE)->currentIndex(), -1);
  EXPECT_EQ(testing::Control<QComboBox>(dialog, IDC_ISHA_ANGLE)->currentIndex(), -1);
  Click(dialog, IDOK);
  EXPECT_FALSE(dialog.SaveTo(preferences));
  EXPECT_EQ(preferences.m_nTimeFormat, 5);
  EXPECT_EQ(preferences.m_nFiqh, -3);
  EXPECT_EQ(preferences.m_nFajrAngle, 30);
  EXPECT_EQ(preferences.m_nIshaAngle, 10);
}

TEST_F(PreferencesDlgTest, CancelEscapeAndCloseBoxLeaveTheRecord) {
  const std::function<void(QWidget*)> ends[] = {
      [](QWidget* d) { Click(*d, IDCANCEL); },
      [](QWidget* d) {
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(d, &escape);
      },
      [](QWidget* d) { d->close(); },
  };
  for (const auto& end : ends) {
    CPreferences preferences = Loaded();
    testing::WhenModal([&](QWidget* d) {
      Click(*d, IDC_TIME_24);
      testing::Choose(*d, IDC_FAJR_ANGLE, "12");
      end(d);
    });
    CSettingsDialogs editor(nullptr);
    EXPECT_FALSE(editor.RunPreferencesDialog(preferences));
    EXPECT_EQ(preferences.m_nTimeFormat, 0);
    EXPECT_EQ(preferences.m_nFajrAngle, 18);
    EXPECT_FALSE(preferences.m_bDirty);
  }
}

TEST_F(PreferencesDlgTest, HelpButtonAsksForThePreferencesTopic) {
  testing::HelpRecorder help;
  CPreferencesDlg dialog;
  dialog.LoadFrom(CPreferences{});
  dialog.show();
  Click(dialog, ID_HELP);
  ASSERT_EQ(help.requests.size(), 1u);
  EXPECT_EQ(help.requests[0].command, HELP_CONTEXT);
  EXPECT_EQ(help.requests[0].context, 0x20082u);
  EXPECT_TRUE(dialog.isVisible()) << "the dialog stays open";
}

}  // namespace
}  // namespace kestrivane
