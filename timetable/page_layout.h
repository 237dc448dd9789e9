#pragma once
// The printed month timetable: title lines, the boxed table, the footer and
// the Qiblah compass, laid out from the timetable text itself.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "resources/shown_text.h"
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

// The parts of the timetable text as the page places them, found from the
// text alone. Lines are split at each CR, the LF after it skipped.
struct PageMarks {
  static constexpr std::size_t kNone = static_cast<std::size_t>(-1);

  std::vector<std::string> lines;  // every line that ends in a line break, without it
  // The line that begins the table, the column titles: the lines before it
  // are the title, the empty line after it carries the rule. It is found
  // from the footer up, past the blank lines and the rows, so that nothing
  // in the title (a city's name) can be taken for it.
  std::size_t columnTitles = kNone;
  std::size_t dayColumn = 0;   // the blanks before the first row's day
  std::size_t footer = kNone;  // the last line that begins with '*'; it closes the box
  // The column titles begin with a left-to-right mark: the words are of a
  // right-to-left language, and the title and footer lines end on the right.
  bool rightToLeft = false;
  // The last line, after the last line break: its label from after the
  // asterisk through the first ": ", and the web address after that.
  std::string label;
  std::string address;
};

PageMarks FindPageMarks(const std::string& text);

struct CompassSquare {
  int32_t left = 0;
  int32_t top = 0;
  int32_t right = 0;
  int32_t bottom = 0;
};

// Draws the whole page from `text` (CR LF lines, as the timetable text has
// them) with the compass for `qiblah` (radians clockwise from north), at the
// places FindPageMarks finds. The page origin moves to (500, 300); the font
// and pen current on entry are current again on return. Text without the
// column titles, a footer or an address still draws without harm. A
// right-to-left page has its compass on the left. `translate` gives the
// compass's words in the user's language.
void DrawTimetablePage(Canvas& canvas, const std::string& text, double qiblah,
                       const TranslateText& translate = {});

// The compass in `square`, radius r, with the current font for its letter
// and caption. The pen current on entry is used for the ticks and the
// Qiblah line and is current again on return.
void DrawQiblahCompass(Canvas& canvas, const CompassSquare& square, int32_t r, double qiblah,
                       const TranslateText& translate = {}, bool rightToLeft = false);

// "Qiblah direction: 256°": whole degrees rounded half up, in UTF-8. In a
// right-to-left caption the degrees keep their sign on the right.
std::string QiblahCaption(double qiblah, const TranslateText& translate = {},
                          bool rightToLeft = false);

}  // namespace kestrivane
