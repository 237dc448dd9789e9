#include "timetable/timetable_print.h"

#include <QFile>
#include <QGuiApplication>
#include <QLocale>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <cstdio>
#include <memory>

#include "platform/painter_canvas.h"
#include "timetable/page_layout.h"

namespace kestrivane {

namespace {

// Fonts need a QGuiApplication; a command-line tool has none and may have
// no display either.
std::unique_ptr<QGuiApplication> StartHeadlessGui() {
  if (QCoreApplication::instance() != nullptr) return nullptr;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
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
  DrawTimetablePage(canvas, text, qiblah);
  // What the job does after the page is not looked at, as on a printer.
  painter.end();
  return true;
}

bool WriteTimetablePdf(const std::string& path, const std::string& text, double qiblah,
                       std::string& error) {
  error.clear();
  const auto gui = StartHeadlessGui();
  QFile file(QString::fromLocal8Bit(path.c_str()));
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
    error = "cannot write \"" + path + "\"";
    return false;
  }
  bool drawn = false;
  {
    QPdfWriter writer(&file);
    writer.setResolution(kPrintResolution);
    writer.setTitle(QString::fromLatin1(kPrintJobName));
    writer.setCreator(QStringLiteral("Kestrivane"));
    // As a printer's page: the whole sheet is the printable area.
    const QPageSize size(QLocale::system().measurementSystem() == QLocale::ImperialUSSystem
                             ? QPageSize::Letter
                             : QPageSize::A4);
    writer.setPageLayout(QPageLayout(size, QPageLayout::Portrait, QMarginsF()));
    drawn = PaintTimetablePage(writer, text, qiblah);
  }
  file.close();
  if (!drawn || file.error() != QFileDevice::NoError) {
    error = "cannot write \"" + path + "\"";
    return false;
  }
  return true;
}

}  // namespace kestrivane
