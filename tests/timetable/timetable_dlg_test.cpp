// The Month Timetable command from Make Table to the table, and printing
// to a file that takes the page, one that cannot be made and a full disk.

#include "timetable/timetable_dlg.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QFontInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTimer>
#include <filesystem>
#include <functional>
#include <tuple>

#include "app/main_dlg.h"
#include "platform/dialog_builder.h"
#include "resources/menu_template.h"
#include "tests/app/qt_test_support.h"
#include "timetable/month_select_dlg.h"
#include "timetable/timetable_text.h"

namespace kestrivane {
namespace {

using testing::MessageBoxRecorder;
using testing::TemporaryWorkingDirectory;

QLineEdit* YearOf(const QWidget* dialog) {
  return qobject_cast<QLineEdit*>(FindControl(dialog, IDC_YEAR));
}
QComboBox* MonthOf(const QWidget* dialog) {
  return qobject_cast<QComboBox*>(FindControl(dialog, IDC_MONTH));
}
void Click(const QWidget* dialog, int id) {
  qobject_cast<QPushButton*>(FindControl(dialog, id))->click();
}

// Runs `act` on the modal dialog of type T that is up once events flow.
template <typename T>
void OnNextModal(std::function<void(T*)> act) {
  QTimer::singleShot(0, [act] {
    auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    act(dialog);
  });
}

TEST(MonthTimetableCommand, MakesTheTableForThePickedMonthAndTheCurrentSettings) {
  TemporaryWorkingDirectory directory;
  testing::FakeTray tray{true};
  MessageBoxRecorder boxes;
  CMainDlg window;
  window.OnInitDialog();
  window.Settings()->m_location.m_strCity = "Rawalpindi";  // read when the command runs
  std::string shown;
  double qiblah = 0;
  OnNextModal<CMonthSelectDlg>([&](CMonthSelectDlg* month) {
    EXPECT_EQ(MonthOf(month)->itemText(11), "December");
    YearOf(month)->setText("2000");
    MonthOf(month)->setCurrentIndex(2);
    OnNextModal<CTimetableDlg>([&](CTimetableDlg* table) {
      shown = GetControlText(table, IDC_TIMETABLE);
      qiblah = table->m_dQiblah;
      Click(table, IDOK);
    });
    Click(month, IDOK);
  });
  EXPECT_TRUE(window.OnCmdMsg(ID_OPTIONS_TIMETABLE));
  EXPECT_EQ(shown.rfind("Prayer Timetable for Rawalpindi\n\n March, 2000\n", 0), 0u) << shown;
  EXPECT_NE(shown.find("\n    31    04:32    05:53    12:11    16:40    18:30    19:51\n"),
            std::string::npos);
  EXPECT_NEAR(qiblah, 4.46879812211027, 1e-12);
  EXPECT_TRUE(boxes.boxes.empty());
}

// The print dialog answered by the test: print to `file`, or cancel.
class TestTimetableDlg : public CTimetableDlg {
 public:
  std::string file;

 protected:
  bool RunPrintDialog(QPrinter& printer) override {
    EXPECT_EQ(printer.resolution(), 600);
    EXPECT_EQ(printer.docName(), "KestrivanePrint");
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(file));
    return !file.empty();
  }
};

// The text in a fixed-pitch view; the page goes to the file whole or not
// at all, and a file not made or not complete gives the cannot-print
// message. A cancel says nothing.
TEST(TimetableDlg, ShowsTheTextAndPrintsToAFileOrSaysItCannot) {
  TemporaryWorkingDirectory directory;
  MessageBoxRecorder boxes;
  TestTimetableDlg dialog;
  dialog.m_strTimetable = BuildTimetableText(CLocation(), CPreferences(), 2000, 3);
  dialog.OnInitDialog();
  auto* view = qobject_cast<QPlainTextEdit*>(FindControl(&dialog, IDC_TIMETABLE));
  EXPECT_EQ(view->toPlainText().toStdString().substr(0, 33), "Prayer Timetable for Islamabad\n\n ");
  EXPECT_TRUE(QFontInfo(view->font()).fixedPitch() && view->isReadOnly());
  view->setPlainText("Title\n\n    Day\n\n    01\n*\n* URL: x");
  const std::tuple<std::string, bool> cases[] = {{directory.path() + "/printed.pdf", true},
                                                 {directory.path() + "/no/such/printed.pdf", false},
                                                 {"/dev/full", false},
                                                 {"", true}};
  for (const auto& [file, printed] : cases) {
    boxes.boxes.clear();
    dialog.file = file;
    Click(&dialog, IDC_PRINT);
    EXPECT_EQ(boxes.boxes, std::vector<std::string>(printed ? 0 : 1, kCannotPrint)) << file;
  }
  // The page was laid out from the view's text, its line breaks CR LF again.
  EXPECT_EQ(dialog.m_strTimetable, "Title\r\n\r\n    Day\r\n\r\n    01\r\n*\r\n* URL: x");
  const std::string pdf = testing::ReadFileBytes(directory.path() + "/printed.pdf");
  EXPECT_EQ(pdf.substr(0, 5), "%PDF-");
  EXPECT_NE(pdf.find("/Count 1\n"), std::string::npos);  // one page
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(directory.path()), {}), 1);
}

}  // namespace
}  // namespace kestrivane
