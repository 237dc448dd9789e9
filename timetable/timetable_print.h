#pragma once
// The printed month timetable on a Qt paint device: the printer that the
// print dialog chose, or a PDF file written without any dialog.

#include <string>

class QPageLayout;
class QPaintDevice;

namespace kestrivane {

inline constexpr const char* kPrintJobName = "KestrivanePrint";
// The page's units were laid out for this resolution: a 120-unit title is
// a fifth of an inch high.
inline constexpr int kPrintResolution = 600;

// Opens `device` for drawing, draws the page of `text` with the compass for
// `qiblah` (radians), and closes it. False when the device cannot be opened
// or cannot finish the page.
bool PaintTimetablePage(QPaintDevice& device, const std::string& text, double qiblah);

// The same page as a one-page PDF file at the print resolution on `layout`,
// no dialog. `path` is replaced only by a complete file: on failure it is
// left as it was and `error` says why. Starts a QGuiApplication when the
// program has none, on the platform QT_QPA_PLATFORM names if that one
// starts, else offscreen.
bool WriteTimetablePdf(const std::string& path, const QPageLayout& layout, const std::string& text,
                       double qiblah, std::string& error);

// The same on A4, or Letter where the locale measures in inches, the whole
// sheet printable.
bool WriteTimetablePdf(const std::string& path, const std::string& text, double qiblah,
                       std::string& error);

}  // namespace kestrivane
