#include "timetable/timetable_print.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QLocale>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <cstdio>
#include <memory>

#include "platform/painter_canvas.h"
#include "settings/replace_file.h"
#include "timetable/page_layout.h"

namespace kestrivane {

namespace {

// Fonts need a QGuiApplication; a command-line tool has none and may have
// no display either.
std::unique_ptr<QGuiApplication> StartHeadlessGui() {
  if (QCoreApplication::instance() != nullptr) return nullptr;
  // A platform that cannot start (no display for xcb, a misspelt name) would
  // abort the program; the page needs none, so offscreen is tried after it.
  const QByteArray chosen = qgetenv("QT_QPA_PLATFORM");
  qputenv("QT_QPA_PLATFORM", chosen.isEmpty() ? QByteArray("offscreen") : chosen + ";offscreen");
  // Notices about the desktop session (no runtime directory and the like)
  // would only clutter a tool's output; its own errors are reported apart.
  qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
      std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
    }
  });
  static int argc = 1;
  static char name[] = "kestrivane";
  static char* argv[] = {name, nullptr};
  return std::make_unique<QGuiApplication>(argc, argv);
}

}  // namespace

bool PaintTimetablePage(QPaintDevice& device, const std::string& text, double qiblah) {
  QPainter painter;
  if (!painter.begin(&device)) return false;
  CPainterCanvas canvas(painter);
  DrawTimetablePage(canvas, text, qiblah, [](const char* context, const char* source) {
    return QCoreApplication::translate(context, source).toStdString();
  });
  return painter.end();
}

bool WriteTimetablePdf(const std::string& path, const QPageLayout& layout, const std::string& text,
                       double qiblah, std::string& error) {
  error.clear();
  const auto gui = StartHeadlessGui();
  // The whole document first: the file is touched only once it is complete.
  QBuffer pdf;
  pdf.open(QIODevice::WriteOnly);
  bool drawn = false;
  {
    QPdfWriter writer(&pdf);
    writer.setResolution(kPrintResolution);
    writer.setTitle(QString::fromLatin1(kPrintJobName));
    writer.setCreator(QStringLiteral("Kestrivane"));
    writer.setPageLayout(layout);
    drawn = PaintTimetablePage(writer, text, qiblah);
  }
  if (!drawn) {
    error = "cannot write \"" + path + "\": the page could not be drawn";
    return false;
  }
  const QByteArray& bytes = pdf.data();
  error = ExportFile(path, {bytes.constData(), static_cast<std::size_t>(bytes.size())});
  return error.empty();
}

bool WriteTimetablePdf(const std::string& path, const std::string& text, double qiblah,
                       std::string& error) {
  // As a printer's page: the whole sheet is the printable area.
  const QPageSize size(QLocale::system().measurementSystem() == QLocale::ImperialUSSystem
                           ? QPageSize::Letter
                           : QPageSize::A4);
  return WriteTimetablePdf(path, QPageLayout(size, QPageLayout::Portrait, QMarginsF()), text,
                           qiblah, error);
}

}  // namespace kestrivane
