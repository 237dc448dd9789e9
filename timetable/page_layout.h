#pragma once
// The printed month timetable: title lines, the boxed table, the footer and
// the Qiblah compass, laid out from the timetable text itself.

#include <cstdint>
#include <string>

#include "timetable/canvas.h"

namespace kestrivane {

// The fonts and pens of the page.
CanvasFont TitleFont();    // Times New Roman 120
CanvasFont FooterFont();   // Arial 80 italic
CanvasFont AddressFont();  // Arial 80, weight 500, underlined
CanvasFont CompassFont();  // Arial 60, weight 500
CanvasPen BoxPen();        // solid 12
CanvasPen RulePen();       // solid 4, also the compass ticks and Qiblah line
CanvasPen CirclePen();     // solid 8
CanvasPen CrossHairPen();  // dotted 1

struct CompassSquare {
  int32_t left = 0;
  int32_t top = 0;
  int32_t right = 0;
  int32_t bottom = 0;
};

// Draws the whole page from `text` (CR LF lines, as the timetable text has
// them) with the compass for `qiblah` (radians clockwise from north). The
// page origin moves to (500, 300); the font and pen current on entry are
// current again on return. Text without the column titles, a footer or a
// "URL:" still draws without harm.
void DrawTimetablePage(Canvas& canvas, const std::string& text, double qiblah);

// The compass in `square`, radius r, with the current font for its letter
// and caption. The pen current on entry is used for the ticks and the
// Qiblah line and is current again on return.
void DrawQiblahCompass(Canvas& canvas, const CompassSquare& square, int32_t r, double qiblah);

// "Qiblah direction: 256°": whole degrees rounded half up, in UTF-8.
std::string QiblahCaption(double qiblah);

}  // namespace kestrivane
