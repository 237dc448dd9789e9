// The Set Alarms dialog: candidate lists, the two clock forms, storing the
// rows, the iqamah range, empty rows and the recipients button.

#include "dialogs/alarms_dlg.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QPushButton>

#include "app/time_format.h"
#include "dialogs/recipients_dlg.h"
#include "settings/alarm_table.h"
#include "tests/app/qt_test_support.h"
#include "tests/dialogs/dialog_test_support.h"

namespace kestrivane {
namespace {

using testing::Click;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using testing::Type;

PrayerTime T(int hour, int minute) {
  return PrayerTime{static_cast<int16_t>(hour), static_cast<int16_t>(minute)};
}

std::vector<std::string> Texts(const std::vector<PrayerTime>& times) {
  std::vector<std::string> texts;
  for (const PrayerTime& t : times) texts.push_back(FormatTimeOfDay(t.hour, t.minute, true));
  return texts;
}

struct CandidateCase {
  const char* name;
  PrayerTime start;
  std::optional<PrayerTime> end;
  int step;
  std::vector<std::string> expected;
};

TEST(AzanCandidates, FollowTheStepAndStopAtTheNextPrayer) {
  const CandidateCase cases[] = {
      {"Fajr 05:00, Shurooq 06:10", T(5, 0), T(6, 10), 15, {"05:15", "05:30", "05:45", "06:00"}},
      {"Fajr 05:11",
       T(5, 11),
       T(7, 0),
       15,
       {"05:15", "05:30", "05:45", "06:00", "06:15", "06:30", "06:45"}},
      {"Fajr 05:12", T(5, 12), T(6, 0), 15, {"05:30", "05:45"}},
      {"Maghrib 18:02, step 5",
       T(18, 2),
       T(19, 30),
       5,
       {"18:10", "18:15", "18:20", "18:25", "18:30", "18:35", "18:40", "18:45"}},
      {"Maghrib 18:01, step 5", T(18, 1), T(18, 20), 5, {"18:05", "18:10", "18:15"}},
      {"Zuhr 12:10, 'Asr 15:20",
       T(12, 10),
       T(15, 20),
       15,
       {"12:15", "12:30", "12:45", "13:00", "13:15", "13:30", "13:45", "14:00"}},
      {"'Isha, no end",
       T(19, 40),
       std::nullopt,
       15,
       {"19:45", "20:00", "20:15", "20:30", "20:45", "21:00", "21:15", "21:30"}},
      {"an end at hour 0 is no end",
       T(20, 0),
       T(0, 5),
       15,
       {"20:15", "20:30", "20:45", "21:00", "21:15", "21:30", "21:45", "22:00"}},
      {"a later hour than the end does not stop",
       T(18, 50),
       T(18, 58),
       15,
       {"19:00", "19:15", "19:30", "19:45", "20:00", "20:15", "20:30", "20:45"}},
      {"'Isha near midnight stops before 24:00",
       T(22, 50),
       std::nullopt,
       15,
       {"23:00", "23:15", "23:30", "23:45"}},
      {"'Isha at 23:57: nothing", T(23, 57), std::nullopt, 15, {}},
      {"next prayer too close: nothing", T(18, 58), T(19, 2), 5, {}},
  };
  for (const CandidateCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_THAT(Texts(AzanCandidates(c.start, c.end, c.step)), ElementsAreArray(c.expected));
  }
}

TEST(ParseTimeText, ReadsBothClockForms) {
  const std::pair<const char*, uint16_t> cases[] = {
      {"05:30", 5 << 8 | 30},
      {" 5:30 A.M.", 5 << 8 | 30},
      {" 1:30 P.M.", 13 << 8 | 30},
      {"12:15 P.M.", 12 << 8 | 15},
      {" 0:10 A.M.", 0 << 8 | 10},
      {"23:45", 23 << 8 | 45},
      {"", 0},
      {"5:3", 0},
  };
  for (const auto& [text, expected] : cases) EXPECT_EQ(ParseTimeText(text), expected) << text;
  // Every time of the day comes back from its text in both forms.
  for (int hour = 0; hour < 24; ++hour) {
    for (int minute = 0; minute < 60; minute += 5) {
      for (const bool use24Hour : {true, false}) {
        const std::string text =
            FormatTimeOfDay(static_cast<int16_t>(hour), static_cast<int16_t>(minute), use24Hour);
        EXPECT_EQ(ParseTimeText(text), hour << 8 | minute) << text;
      }
    }
  }
}

// Fajr 05:00, Shurooq 06:10, Zuhr 12:10, 'Asr 15:20, Maghrib 18:02, 'Isha 19:40.
PrayerTimes Today() {
  PrayerTimes times;
  times[Fajr] = T(5, 0);
  times[Shurooq] = T(6, 10);
  times[Zuhr] = T(12, 10);
  times[Asr] = T(15, 20);
  times[Maghrib] = T(18, 2);
  times[Isha] = T(19, 40);
  return times;
}

class AlarmsDlgTest : public ::testing::Test {
 protected:
  AlarmsDlgTest() {
    table.m_bDirty = 0;
    for (CAlarmSetting& entry : table.m_alarm) entry.m_bDirty = 0;
  }
  std::vector<std::string> Items(const QWidget& dialog, int listId) {
    std::vector<std::string> items;
    auto* list = testing::Control<QComboBox>(dialog, listId);
    for (int i = 0; i < list->count(); ++i) items.push_back(list->itemText(i).toStdString());
    return items;
  }
  testing::TemporaryWorkingDirectory directory;
  testing::MessageBoxRecorder boxes;
  CAlarmTable table;
};

TEST_F(AlarmsDlgTest, OpeningShowsTimesEntriesAndCandidates) {
  table.m_alarm[Zuhr].m_nFlags = CAlarmSetting::kOn;
  table.m_alarm[Zuhr].m_wAzanTime = 13 << 8 | 0;
  table.m_alarm[Zuhr].m_nIqamahDelay = 20;
  table.m_bPlaySound = 1;
  CAlarmsDlg dialog(&table, Today(), 1);
  dialog.show();
  EXPECT_EQ(testing::Text(dialog, 1074), "05:00");
  EXPECT_EQ(testing::Text(dialog, 1078), "19:40");
  EXPECT_THAT(Items(dialog, 1062), ElementsAre("05:15", "05:30", "05:45", "06:00"));
  EXPECT_EQ(Items(dialog, 1063).size(), 8u);
  EXPECT_EQ(testing::Selected(dialog, 1063), "13:00") << "the stored time is selected";
  EXPECT_EQ(testing::Selected(dialog, 1062), "05:15") << "0:00 is no candidate: the first";
  EXPECT_EQ(Items(dialog, 1067).front(), "18:10");
  EXPECT_TRUE(testing::Checked(dialog, 1056));
  EXPECT_FALSE(testing::Checked(dialog, 1055));
  EXPECT_EQ(testing::Text(dialog, 1070), "20");
  EXPECT_EQ(testing::Text(dialog, 1069), "15");
  EXPECT_TRUE(testing::Checked(dialog, IDC_PLAY_SOUND));
  EXPECT_FALSE(FindControl(&dialog, 1074)->focusPolicy() & Qt::TabFocus);
}

TEST_F(AlarmsDlgTest, TwelveHourItemsAreStoredOnA24HourClock) {
  CAlarmsDlg dialog(&table, Today(), 0);
  dialog.show();
  EXPECT_EQ(Items(dialog, 1062).front(), " 5:15 A.M.");
  EXPECT_EQ(testing::Text(dialog, 1075), "12:10 P.M.");
  testing::Choose(dialog, 1062, " 5:30 A.M.");
  testing::Choose(dialog, 1065, " 3:30 P.M.");
  Click(dialog, 1055);
  Click(dialog, IDOK);
  ASSERT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(table.m_alarm[Fajr].m_wAzanTime, 5 << 8 | 30);
  EXPECT_TRUE(table.m_alarm[Fajr].IsOn());
  EXPECT_EQ(table.m_alarm[Asr].m_wAzanTime, 15 << 8 | 30);
  EXPECT_TRUE(table.m_bDirty);
}

TEST_F(AlarmsDlgTest, OkStoresEveryRowButNeverShurooq) {
  CAlarmSetting& shurooq = table.m_alarm[Shurooq];
  shurooq.m_nFlags = 0x81;
  shurooq.m_wAzanTime = 0x0707;
  shurooq.m_nIqamahDelay = 3;
  const CAlarmSetting before = shurooq;
  CAlarmsDlg dialog(&table, Today(), 1);
  dialog.show();
  Click(dialog, 1059);
  Type(dialog, 1073, "59");
  Type(dialog, 1069, "5");
  Click(dialog, IDC_PLAY_SOUND);
  Click(dialog, IDOK);
  ASSERT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_TRUE(table.m_alarm[Isha].IsOn());
  EXPECT_EQ(table.m_alarm[Isha].m_wAzanTime, 19 << 8 | 45);
  EXPECT_EQ(table.m_alarm[Isha].m_nIqamahDelay, 59);
  EXPECT_EQ(table.m_alarm[Fajr].m_nIqamahDelay, 5);
  EXPECT_EQ(table.m_alarm[Fajr].m_wAzanTime, 5 << 8 | 15);
  EXPECT_EQ(table.m_bPlaySound, 1);
  EXPECT_EQ(shurooq.m_nFlags, before.m_nFlags);
  EXPECT_EQ(shurooq.m_wAzanTime, before.m_wAzanTime);
  EXPECT_EQ(shurooq.m_nIqamahDelay, before.m_nIqamahDelay);
}

TEST_F(AlarmsDlgTest, IqamahDelaysOutsideFiveToFiftyNineAreRefused) {
  for (const char* text : {"4", "60", "-5", "ten"}) {
    SCOPED_TRACE(text);
    boxes.boxes.clear();
    CAlarmsDlg dialog(&table, Today(), 1);
    dialog.show();
    Click(dialog, 1057);
    Type(dialog, 1071, text);
    Click(dialog, IDOK);
    EXPECT_THAT(boxes.Texts(), ElementsAre(std::string(text) == "ten"
                                               ? "Please enter an integer."
                                               : "Please enter an integer between 5 and 59."));
    EXPECT_EQ(dialog.focusWidget(), FindControl(&dialog, 1071));
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_FALSE(table.m_alarm[Asr].IsOn()) << "nothing is written";
    EXPECT_FALSE(table.m_bDirty);
  }
}

TEST_F(AlarmsDlgTest, ARowWithoutCandidatesKeepsItsEntryAndDisablesItsCheckBox) {
  PrayerTimes times = Today();
  times[Maghrib] = T(18, 58);
  times[Isha] = T(19, 2);
  CAlarmSetting& maghrib = table.m_alarm[Maghrib];
  maghrib.m_nFlags = CAlarmSetting::kOn;
  maghrib.m_wAzanTime = 19 << 8 | 10;
  maghrib.m_nIqamahDelay = 7;
  CAlarmsDlg dialog(&table, times, 1);
  dialog.show();
  EXPECT_EQ(testing::Control<QComboBox>(dialog, 1067)->count(), 0);
  EXPECT_FALSE(testing::Enabled(dialog, 1058));
  EXPECT_TRUE(testing::Enabled(dialog, 1059));
  Type(dialog, 1072, "30");
  Click(dialog, IDOK);
  ASSERT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_TRUE(maghrib.IsOn());
  EXPECT_EQ(maghrib.m_wAzanTime, 19 << 8 | 10);
  EXPECT_EQ(maghrib.m_nIqamahDelay, 7);
}

TEST_F(AlarmsDlgTest, IshaNearMidnightOffersNoTimeAtOrPast24) {
  PrayerTimes times = Today();
  times[Isha] = T(23, 20);
  CAlarmsDlg dialog(&table, times, 1);
  dialog.show();
  EXPECT_THAT(Items(dialog, 1068), ElementsAre("23:30", "23:45"));
}

TEST_F(AlarmsDlgTest, RecipientsChangedDisableCancelAndMarkTheTableEvenAfterTheirCancel) {
  table.m_recipients = {"OMAR"};
  CAlarmsDlg dialog(&table, Today(), 1);
  dialog.show();
  testing::WhenModal([](QWidget* recipients) {
    testing::Control<QLineEdit>(*recipients, IDC_RECIPIENT_NAME)->setText("ALI");
    Click(*recipients, IDC_ADD_RECIPIENT);
    Click(*recipients, IDCANCEL);
  });
  Click(dialog, IDC_RECIPIENTS);
  EXPECT_THAT(table.m_recipients, ElementsAre("OMAR"));
  EXPECT_TRUE(table.m_bDirty);
  EXPECT_FALSE(testing::Enabled(dialog, IDCANCEL));
  dialog.reject();  // Escape and the close box do nothing now
  EXPECT_TRUE(dialog.isVisible());
}

TEST_F(AlarmsDlgTest, RecipientsClosedWithoutChangeKeepCancel) {
  CAlarmsDlg dialog(&table, Today(), 1);
  dialog.show();
  testing::WhenModal([](QWidget* recipients) { Click(*recipients, IDOK); });
  Click(dialog, IDC_RECIPIENTS);
  EXPECT_TRUE(testing::Enabled(dialog, IDCANCEL));
  EXPECT_FALSE(table.m_bDirty);
  Click(dialog, IDCANCEL);
  EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

}  // namespace
}  // namespace kestrivane
