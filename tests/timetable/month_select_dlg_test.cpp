// The month dialog (preset, year check) and the main window's Month
// Timetable command from Make Table or Cancel to the table and its OK.

#include "timetable/month_select_dlg.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <ctime>
#include <functional>

#include "app/main_dlg.h"
#include "platform/dialog_builder.h"
#include "resources/menu_template.h"
#include "tests/app/qt_test_support.h"
#include "timetable/timetable_dlg.h"

namespace kestrivane {
namespace {

using testing::FakeTray;
using testing::MessageBoxRecorder;
using testing::TemporaryWorkingDirectory;

QLineEdit* YearOf(const QWidget* dialog) {
  return qobject_cast<QLineEdit*>(FindControl(dialog, IDC_YEAR));
}
QComboBox* MonthOf(const QWidget* dialog) {
  return qobject_cast<QComboBox*>(FindControl(dialog, IDC_MONTH));
}
QPushButton* ButtonOf(const QWidget* dialog, int id) {
  return qobject_cast<QPushButton*>(FindControl(dialog, id));
}

TEST(MonthSelectDlg, PresetToTodaysMonthAndYear) {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  CMonthSelectDlg dialog;
  EXPECT_EQ(dialog.m_nYear, local.tm_year + 1900);
  EXPECT_EQ(dialog.m_nMonth, local.tm_mon);
  dialog.OnInitDialog();

  EXPECT_EQ(dialog.windowTitle(), "Select Month ...");
  ASSERT_NE(YearOf(&dialog), nullptr);
  ASSERT_NE(MonthOf(&dialog), nullptr);
  EXPECT_EQ(YearOf(&dialog)->text().toInt(), local.tm_year + 1900);
  EXPECT_EQ(MonthOf(&dialog)->currentIndex(), local.tm_mon);
  const char* const names[] = {"January",   "February", "March",    "April",
                               "May",       "June",     "July",     "August",
                               "September", "October",  "November", "December"};
  ASSERT_EQ(MonthOf(&dialog)->count(), 12);
  for (int i = 0; i < 12; ++i) EXPECT_EQ(MonthOf(&dialog)->itemText(i), names[i]);
  EXPECT_EQ(GetControlText(&dialog, IDOK), "Make Table");
  EXPECT_TRUE(ButtonOf(&dialog, IDOK)->isDefault());
  EXPECT_EQ(GetControlText(&dialog, IDCANCEL), "Cancel");
  EXPECT_EQ(dialog.focusWidget(), YearOf(&dialog));
}

TEST(MonthSelectDlg, YearIsAWholeNumberFrom1900To2100) {
  const char* const kRange = "Please enter an integer between 1900 and 2100.";
  const struct {
    const char* year;
    const char* message;  // nullptr: accepted
    int32_t value;
  } cases[] = {
      {"1900", nullptr, 1900},
      {"2100", nullptr, 2100},
      {" 2000 ", nullptr, 2000},
      {"1899", kRange, 0},
      {"2101", kRange, 0},
      {"-2000", kRange, 0},
      {"abc", "Please enter an integer.", 0},
      {"", "Please enter an integer.", 0},
      {"2000.5", "Please enter an integer.", 0},
  };
  for (const auto& c : cases) {
    MessageBoxRecorder boxes;
    CMonthSelectDlg dialog;
    dialog.OnInitDialog();
    dialog.show();
    const int32_t preset = dialog.m_nYear;
    MonthOf(&dialog)->setCurrentIndex(1);
    YearOf(&dialog)->setText(QString::fromLatin1(c.year));
    MonthOf(&dialog)->setFocus();  // away from the year
    ButtonOf(&dialog, IDOK)->click();
    if (c.message == nullptr) {
      EXPECT_TRUE(boxes.boxes.empty()) << c.year;
      EXPECT_EQ(dialog.result(), QDialog::Accepted) << c.year;
      EXPECT_EQ(dialog.m_nYear, c.value) << c.year;
      EXPECT_EQ(dialog.m_nMonth, 1) << c.year;
      continue;
    }
    ASSERT_EQ(boxes.boxes.size(), 1u) << c.year;
    EXPECT_EQ(boxes.boxes[0].kind, MessageBoxKind::Exclamation);
    EXPECT_EQ(boxes.boxes[0].text, c.message) << c.year;
    EXPECT_TRUE(dialog.isVisible()) << c.year;
    EXPECT_NE(dialog.result(), QDialog::Accepted) << c.year;
    EXPECT_EQ(dialog.m_nYear, preset) << c.year;
    EXPECT_EQ(dialog.focusWidget(), YearOf(&dialog)) << c.year;
    EXPECT_EQ(YearOf(&dialog)->selectedText(), YearOf(&dialog)->text()) << c.year;
  }
}

// Runs `act` on the next modal dialog of type T once it is up; a stuck
// dialog is closed after ten seconds so that the test fails, not hangs.
template <typename T>
void OnNextModal(QObject* owner, std::function<void(T*)> act) {
  auto* poll = new QTimer(owner);
  poll->setInterval(10);
  QObject::connect(poll, &QTimer::timeout, owner, [poll, act] {
    if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget())) {
      poll->stop();
      poll->deleteLater();
      act(dialog);
    }
  });
  poll->start();
  QTimer::singleShot(10000, owner, [] {
    if (QWidget* stuck = QApplication::activeModalWidget()) {
      ADD_FAILURE() << "a dialog did not close";
      stuck->close();
    }
  });
}

class MonthTimetableCommand : public ::testing::Test {
 protected:
  MonthTimetableCommand() { window.OnInitDialog(); }

  TemporaryWorkingDirectory directory;
  FakeTray tray{true};
  MessageBoxRecorder boxes;
  CMainDlg window;
};

TEST_F(MonthTimetableCommand, MakesTheTableForThePickedMonthAndTheCurrentSettings) {
  // Changed after the window opened: the command reads it when it runs.
  window.Settings()->m_location.m_strCity = "Rawalpindi";
  std::string shown;
  double qiblah = 0;
  OnNextModal<CMonthSelectDlg>(&window, [&](CMonthSelectDlg* month) {
    YearOf(month)->setText("2000");
    MonthOf(month)->setCurrentIndex(2);
    OnNextModal<CTimetableDlg>(&window, [&](CTimetableDlg* table) {
      shown = GetControlText(table, IDC_TIMETABLE);
      qiblah = table->m_dQiblah;
      ButtonOf(table, IDOK)->click();
    });
    ButtonOf(month, IDOK)->click();
  });
  EXPECT_TRUE(window.OnCmdMsg(ID_OPTIONS_TIMETABLE));

  EXPECT_EQ(shown.rfind("Prayer Timetable for Rawalpindi\n\n March, 2000\n\n    Day", 0), 0u)
      << shown;
  EXPECT_NE(shown.find("\n    31    04:32    05:53    12:11    16:40    18:30    19:51\n"),
            std::string::npos);
  EXPECT_NEAR(qiblah * 180.0 / 3.141592653589793, 256.0433, 1e-4);
  EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(MonthTimetableCommand, CancelInTheMonthDialogMakesNoTable) {
  bool tableShown = false;
  OnNextModal<CMonthSelectDlg>(&window,
                               [&](CMonthSelectDlg* month) { ButtonOf(month, IDCANCEL)->click(); });
  OnNextModal<CTimetableDlg>(&window, [&](CTimetableDlg* table) {
    tableShown = true;
    table->accept();
  });
  EXPECT_TRUE(window.OnCmdMsg(ID_OPTIONS_TIMETABLE));
  testing::ProcessEventsFor(100);
  EXPECT_FALSE(tableShown);
}

}  // namespace
}  // namespace kestrivane
