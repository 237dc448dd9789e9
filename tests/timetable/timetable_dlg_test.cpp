// The timetable dialog: the text in a fixed-pitch view, and printing with
// a printer that opens, one that cannot, and a cancelled print dialog.

#include "timetable/timetable_dlg.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFontInfo>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTimer>
#include <filesystem>
#include <functional>
#include <regex>

#include "platform/dialog_builder.h"
#include "settings/location.h"
#include "settings/preferences.h"
#include "tests/app/qt_test_support.h"
#include "timetable/timetable_text.h"

namespace kestrivane {
namespace {

using testing::MessageBoxRecorder;
using testing::ReadFileBytes;
using testing::TemporaryWorkingDirectory;

std::string March2000() {
  CLocation location;
  CPreferences prefs;
  prefs.Set(0, 1, 18, 18);
  return BuildTimetableText(location, prefs, 2000, 3);
}

std::string WithoutCr(std::string text) {
  std::erase(text, '\r');
  return text;
}

// Pages in a PDF file: its page objects.
int PdfPages(const std::string& pdf) {
  const std::regex page("/Type\\s*/Page[^s]");
  return static_cast<int>(
      std::distance(std::sregex_iterator(pdf.begin(), pdf.end(), page), std::sregex_iterator()));
}

// The print dialog answered by the test: the printer as the dialog got it,
// then aimed at a PDF file (or not, for a cancel).
class TestTimetableDlg : public CTimetableDlg {
 public:
  std::function<bool(QPrinter&)> answer;
  int dialogs = 0;

 protected:
  bool RunPrintDialog(QPrinter& printer) override {
    ++dialogs;
    return answer(printer);
  }
};

class TimetableDlgTest : public ::testing::Test {
 protected:
  TimetableDlgTest() {
    dialog.m_strTimetable = March2000();
    dialog.m_dQiblah = 4.46879812211027;
    dialog.OnInitDialog();
  }

  TemporaryWorkingDirectory directory;
  MessageBoxRecorder boxes;
  TestTimetableDlg dialog;
};

TEST_F(TimetableDlgTest, ShowsTheTextInAFixedPitchFont) {
  EXPECT_EQ(dialog.windowTitle(), "Month Prayer Timetable");
  auto* view = qobject_cast<QPlainTextEdit*>(FindControl(&dialog, IDC_TIMETABLE));
  ASSERT_NE(view, nullptr);
  EXPECT_EQ(dialog.m_editTimetable, view);
  EXPECT_EQ(view->toPlainText().toStdString(), WithoutCr(March2000()));
  EXPECT_TRUE(view->isReadOnly());
  EXPECT_EQ(view->lineWrapMode(), QPlainTextEdit::NoWrap);
  EXPECT_EQ(view->font().family(), "Courier");
  EXPECT_TRUE(QFontInfo(view->font()).fixedPitch())
      << QFontInfo(view->font()).family().toStdString();
  // Every row is as wide as every other: the columns line up.
  const QFontMetrics metrics(view->font());
  EXPECT_EQ(metrics.horizontalAdvance("    01    05:14"),
            metrics.horizontalAdvance("    31    14:32"));
  EXPECT_EQ(GetControlText(&dialog, IDC_PRINT), "&Print");
  EXPECT_EQ(GetControlText(&dialog, 1), "OK");
}

TEST_F(TimetableDlgTest, PrintsOnePageAtSixHundredDotsPerInch) {
  const std::string pdf = directory.path() + "/printed.pdf";
  dialog.answer = [&](QPrinter& printer) {
    EXPECT_EQ(printer.resolution(), 600);
    EXPECT_EQ(printer.docName(), "KestrivanePrint");
    EXPECT_EQ(printer.printRange(), QPrinter::AllPages);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(pdf));
    return true;
  };
  auto* print = qobject_cast<QPushButton*>(FindControl(&dialog, IDC_PRINT));
  ASSERT_NE(print, nullptr);
  print->click();

  EXPECT_EQ(dialog.dialogs, 1);
  EXPECT_TRUE(boxes.boxes.empty());
  const std::string bytes = ReadFileBytes(pdf);
  ASSERT_GT(bytes.size(), 1000u);
  EXPECT_EQ(bytes.substr(0, 5), "%PDF-");
  EXPECT_EQ(PdfPages(bytes), 1);
  // The page was laid out from the text read back from the view, line
  // breaks and all.
  EXPECT_EQ(dialog.m_strTimetable, March2000());
}

TEST_F(TimetableDlgTest, APrinterThatCannotOpenGivesTheMessageAndNoPage) {
  const std::string pdf = directory.path() + "/no/such/folder/printed.pdf";
  dialog.answer = [&](QPrinter& printer) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(pdf));
    return true;
  };
  dialog.OnPrint();
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(boxes.boxes[0].kind, MessageBoxKind::Exclamation);
  EXPECT_EQ(boxes.boxes[0].text, "Cannot print.\n\nPrinter device context not avaiable.");
  EXPECT_FALSE(std::filesystem::exists(pdf));
}

TEST(TimetablePrintDialog, AllPagesNoSelectionOrRangeAndPrintToFileStays) {
  TemporaryWorkingDirectory directory;
  MessageBoxRecorder boxes;
  CTimetableDlg dialog;
  dialog.m_strTimetable = March2000();
  dialog.OnInitDialog();
  bool seen = false;
  QTimer poll;
  poll.setInterval(10);
  QObject::connect(&poll, &QTimer::timeout, [&] {
    auto* print = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
    if (print == nullptr) return;
    poll.stop();
    seen = true;
    EXPECT_FALSE(print->testOption(QAbstractPrintDialog::PrintSelection));
    EXPECT_FALSE(print->testOption(QAbstractPrintDialog::PrintPageRange));
    EXPECT_FALSE(print->testOption(QAbstractPrintDialog::PrintCurrentPage));
    EXPECT_TRUE(print->testOption(QAbstractPrintDialog::PrintToFile));
    EXPECT_EQ(print->printer()->resolution(), 600);
    print->reject();
  });
  poll.start();
  QTimer::singleShot(10000, &dialog, [] {
    if (QWidget* stuck = QApplication::activeModalWidget()) stuck->close();
  });
  dialog.OnPrint();
  EXPECT_TRUE(seen);
  EXPECT_TRUE(boxes.boxes.empty());
}

}  // namespace
}  // namespace kestrivane
