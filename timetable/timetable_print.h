#pragma once
// The printed month timetable on a Qt paint device: the printer that the
// print dialog chose, or a PDF file written without any dialog.

#include <string>

class QPaintDevice;

namespace kestrivane {

inline constexpr const char* kPrintJobName = "KestrivanePrint";
// The page's units were laid out for this resolution: a 120-unit title is
// a fifth of an inch high.
inline constexpr int kPrintResolution = 600;

// Opens `device` for drawing, draws the page of `text` with the compass for
// `qiblah` (radians), and closes it. False, with nothing drawn, when the
// device cannot be opened.
bool PaintTimetablePage(QPaintDevice& device, const std::string& text, double qiblah);

// The same page as a one-page PDF at the print resolution, A4 (Letter where
// the locale measures in inches), no dialog. Starts a QGuiApplication on the
// offscreen platform when the program has none. False with `error` set
// when the file cannot be written.
bool WriteTimetablePdf(const std::string& path, const std::string& text, double qiblah,
                       std::string& error);

}  // namespace kestrivane
