#pragma once
// "Month Prayer Timetable" (template 132): the month's table in a
// fixed-pitch font, and its printed page.

#include <QDialog>
#include <QFont>
#include <string>

#include "resources/resource_ids.h"
#include "resources/translate_noop.h"
#include "timetable/timetable_text.h"

class QPlainTextEdit;
class QPrinter;

namespace kestrivane {

inline constexpr int IDC_PRINT = 1088;

inline constexpr const char* kCannotPrint =
    KV_TRANSLATE_NOOP("Message", "Cannot print.\n\nPrinter device context not avaiable.");

class CTimetableDlg : public QDialog {
  Q_OBJECT

 public:
  explicit CTimetableDlg(QWidget* parent = nullptr);

  // OnInitDialog, then the modal run; the dialog's result.
  int DoModal();
  bool OnInitDialog();
  // Button 1088: the print dialog, then the page on the chosen printer;
  // the cannot-print message when the printer does not take it.
  void OnPrint();

  // The font the text view shows, for as long as the dialog lives.
  static QFont TimetableFont();
  // The table's words in the user's language, its headings measured in
  // TimetableFont's cells.
  static TimetableLanguage ShownLanguage();

  // Members, in the order the window uses them.
  QFont m_font;
  double m_dQiblah = 0.0;  // radians; set by the command, read when printing
  QPlainTextEdit* m_editTimetable = nullptr;
  std::string m_strTimetable;

 protected:
  // The standard print dialog on `printer`: all pages, no selection or page
  // range; false when the user cancels. Tests answer instead.
  virtual bool RunPrintDialog(QPrinter& printer);

 private:
  void DoDataExchange(bool saveAndValidate);
  // False when the page did not reach the printer or the file.
  bool PrintPage(QPrinter& printer);
};

}  // namespace kestrivane
