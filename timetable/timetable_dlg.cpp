#include "timetable/timetable_dlg.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTextDocument>
#include <cmath>

#include "platform/dialog_builder.h"
#include "platform/message_box.h"
#include "platform/modal.h"
#include "platform/painter_canvas.h"
#include "platform/translations.h"
#include "resources/dialog_template.h"
#include "resources/menu_template.h"
#include "timetable/timetable_print.h"

namespace kestrivane {

namespace {

// The text view gives its lines back with LF alone; the page finds its
// lines by their CR LF.
std::string WithCrLf(const std::string& text) {
  std::string out;
  out.reserve(text.size() + text.size() / 32);
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) out += '\r';
    out += text[i];
  }
  return out;
}

}  // namespace

CTimetableDlg::CTimetableDlg(QWidget* parent) : QDialog(parent) {
  BuildDialog(this, *FindDialogTemplate(IDD_TIMETABLE));
  if (auto* print = qobject_cast<QPushButton*>(FindControl(this, IDC_PRINT))) {
    connect(print, &QPushButton::clicked, this, &CTimetableDlg::OnPrint);
  }
  if (auto* ok = qobject_cast<QPushButton*>(FindControl(this, IDOK))) {
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  }
}

int CTimetableDlg::DoModal() {
  OnInitDialog();
  return ExecModal(*this);
}

QFont CTimetableDlg::TimetableFont() {
  // A cell height of 8 picked the smallest size of the old raster Courier;
  // a scalable face needs 8 points to stay readable.
  QFont font(QStringLiteral("Courier"));
  font.setStyleHint(QFont::TypeWriter);
  font.setFixedPitch(true);
  font.setPointSize(8);
  font.setWeight(QFont::Normal);
  AddArabicScriptFace(font);
  return font;
}

TimetableLanguage CTimetableDlg::ShownLanguage() {
  TimetableLanguage language;
  language.translate = TranslatedText;
  // Arabic letters come from another font than the fixed-pitch one.
  const QFontMetricsF metrics(TimetableFont());
  language.cells = [metrics](const std::string& heading) {
    return static_cast<std::size_t>(
        std::lround(metrics.horizontalAdvance(QString::fromStdString(heading)) /
                    metrics.horizontalAdvance(QLatin1Char(' '))));
  };
  language.rightToLeft = QGuiApplication::layoutDirection() == Qt::RightToLeft;
  return language;
}

bool CTimetableDlg::OnInitDialog() {
  DoDataExchange(false);
  m_font = TimetableFont();
  if (m_editTimetable != nullptr) {
    m_editTimetable->setFont(m_font);
    // The columns stay left to right in any language; each line takes the
    // direction of its own words, so that an Arabic title reads from the
    // right and a row of digits is never reordered.
    m_editTimetable->setLayoutDirection(Qt::LeftToRight);
    QTextOption option = m_editTimetable->document()->defaultTextOption();
    option.setTextDirection(Qt::LayoutDirectionAuto);
    m_editTimetable->document()->setDefaultTextOption(option);
  }
  return true;
}

void CTimetableDlg::DoDataExchange(bool saveAndValidate) {
  m_editTimetable = qobject_cast<QPlainTextEdit*>(FindControl(this, IDC_TIMETABLE));
  if (saveAndValidate) {
    m_strTimetable = WithCrLf(GetControlText(this, IDC_TIMETABLE));
  } else {
    SetControlText(this, IDC_TIMETABLE, m_strTimetable);
  }
}

bool CTimetableDlg::RunPrintDialog(QPrinter& printer) {
  QPrintDialog dialog(&printer, this);
  dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
  dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
  // Printing to a PDF file stays: users keep their timetables that way.
  dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
  return ExecModal(dialog) == QDialog::Accepted;
}

void CTimetableDlg::OnPrint() {
  QPrinter printer(QPrinter::HighResolution);
  printer.setResolution(kPrintResolution);
  printer.setDocName(QString::fromLatin1(kPrintJobName));
  printer.setPrintRange(QPrinter::AllPages);
  if (!RunPrintDialog(printer)) return;
  // A printer chosen in the dialog may bring a resolution of its own.
  printer.setResolution(kPrintResolution);
  DoDataExchange(true);
  if (!PrintPage(printer)) ShowMessageBox(this, kCannotPrint);
}

bool CTimetableDlg::PrintPage(QPrinter& printer) {
  // Print to file: the PDF engine does not report a failed write (a full
  // disk), so the page is written as the PDF export writes it.
  if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()) {
    std::string error;
    return WriteTimetablePdf(printer.outputFileName().toLocal8Bit().toStdString(),
                             printer.pageLayout(), m_strTimetable, m_dQiblah, error);
  }
  return PaintTimetablePage(printer, m_strTimetable, m_dQiblah) &&
         printer.printerState() != QPrinter::Error;
}

}  // namespace kestrivane
