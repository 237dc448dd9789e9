#include "timetable/page_layout.h"

#include <algorithm>
#include <cmath>

#include "calc/conversions.h"
#include "resources/translate_noop.h"

namespace kestrivane {

namespace {

constexpr int32_t kOriginX = 500;
constexpr int32_t kOriginY = 300;

constexpr const char* kContext = "Timetable";
constexpr const char* kCaption = KV_TRANSLATE_NOOP("Timetable", "Qiblah direction: %1");
constexpr const char* kNorth = KV_TRANSLATE_NOOP("Timetable", "N");
constexpr const char* kDegrees = "\xC2\xB0";
constexpr std::string_view kLeftToRightMark = "\xE2\x80\x8E";

}  // namespace

CanvasFont TitleFont() { return {"Times New Roman", 120, 400, false, false}; }
CanvasFont FooterFont() { return {"Arial", 80, 400, true, false}; }
CanvasFont AddressFont() { return {"Arial", 80, 500, false, true}; }
CanvasFont CompassFont() { return {"Arial", 60, 500, false, false}; }
CanvasPen BoxPen() { return {PenStyle::kSolid, 12}; }
CanvasPen RulePen() { return {PenStyle::kSolid, 4}; }
CanvasPen CirclePen() { return {PenStyle::kSolid, 8}; }
CanvasPen CrossHairPen() { return {PenStyle::kDotted, 1}; }

std::string QiblahCaption(double qiblah, const TranslateText& translate, bool rightToLeft) {
  std::string degrees = std::to_string(TruncateToInt32(RadToDeg(qiblah) + 0.5)) + kDegrees;
  if (rightToLeft) {
    const std::string mark(kLeftToRightMark);
    degrees = mark + degrees + mark;
  }
  return FillPlaceholders(Shown(translate, kContext, kCaption), {degrees});
}

PageMarks FindPageMarks(const std::string& text) {
  PageMarks marks;
  std::size_t start = 0;
  for (std::size_t cr = text.find('\r'); cr != std::string::npos; cr = text.find('\r', start)) {
    marks.lines.push_back(text.substr(start, cr - start));
    start = std::min(cr + 2, text.size());
  }
  const std::string last = text.substr(start);

  const std::vector<std::string>& lines = marks.lines;
  for (std::size_t i = lines.size(); i-- > 0;) {
    if (!lines[i].empty() && lines[i][0] == '*') {
      marks.footer = i;
      break;
    }
  }
  if (marks.footer != PageMarks::kNone) {
    // Up from the footer: its blank lines, the rows, the rule's empty line.
    std::size_t at = marks.footer;
    while (at > 0 && lines[at - 1].empty()) --at;
    while (at > 0 && !lines[at - 1].empty()) --at;
    if (at >= 2) {
      marks.columnTitles = at - 2;
      marks.dayColumn = std::min(lines[at].find_first_not_of(' '), lines[at].size());
      marks.rightToLeft = lines[marks.columnTitles].starts_with(kLeftToRightMark);
    }
  }

  const std::size_t asterisk = last.find('*');
  const std::size_t labelStart = asterisk == std::string::npos ? 0 : asterisk + 1;
  const std::size_t colon = last.find(": ", labelStart);
  const std::size_t labelEnd = colon == std::string::npos ? last.size() : colon + 2;
  marks.label = last.substr(labelStart, labelEnd - labelStart);
  marks.address = last.substr(labelEnd);
  return marks;
}

void DrawTimetablePage(Canvas& canvas, const std::string& text, double qiblah,
                       const TranslateText& translate) {
  const PageMarks marks = FindPageMarks(text);
  canvas.SetPageOrigin(kOriginX, kOriginY);
  const TextExtent my = canvas.MeasureText("My");
  const int32_t w = my.cx;
  const int32_t h = my.cy;
  const CanvasFont defaultFont = canvas.SelectFont(TitleFont());

  int32_t boxTop = 0, boxLeft = 0, boxRight = 0, boxBottom = 0, ruleY = 0;
  if (marks.rightToLeft) {
    // The title lines end at the box's right side: measured before them.
    canvas.SelectFont(defaultFont);
    boxRight = canvas.MeasureText(marks.lines[marks.columnTitles]).cx + w;
    canvas.SelectFont(TitleFont());
  }
  // Where a line begins: the table's at the left, the others of a
  // right-to-left page where they end at the box's right side.
  const auto lineStart = [&](std::size_t i, const std::string& line) {
    const bool table = i >= marks.columnTitles && i < marks.footer;
    return marks.rightToLeft && !table ? boxRight - canvas.MeasureText(line).cx : 0;
  };
  CompassSquare compass;
  int32_t y = 0;
  for (std::size_t i = 0; i < marks.lines.size(); ++i, y += h) {
    std::string line = marks.lines[i];
    if (i == marks.columnTitles) {
      canvas.SelectFont(defaultFont);
      // Arabic-script letters reach further below their line than Latin
      // ones: the box starts lower under a right-to-left title.
      boxTop = y - h / 2 + (marks.rightToLeft ? h / 4 : 0);
      boxLeft = canvas.MeasureText(std::string(marks.dayColumn, ' ')).cx - w / 2;
      boxRight = canvas.MeasureText(line).cx + w;
      ruleY = y + h + h / 2;
    }
    if (i == marks.footer) {
      boxBottom = y - 2 * h + 15;
      compass.left = marks.rightToLeft ? boxLeft : boxRight - 6 * h;
      compass.top = boxBottom + h + h / 2;
      compass.right = compass.left + 6 * h + 1;
      compass.bottom = compass.top + 6 * h + 1;
      canvas.SelectFont(FooterFont());
      line.erase(0, 1);
    }
    if (!line.empty()) {
      canvas.TextOut(lineStart(i, line), y, line);
    }
  }

  // The last line: " URL: " and the underlined address after it, to its
  // left on a right-to-left page.
  y += h / 2;
  const int32_t labelWidth = canvas.MeasureText(marks.label).cx;
  const int32_t labelLeft = marks.rightToLeft ? boxRight - labelWidth : 0;
  if (!marks.label.empty()) {
    canvas.TextOut(labelLeft, y, marks.label);
  }
  canvas.SelectFont(AddressFont());
  if (!marks.address.empty()) {
    canvas.TextOut(
        marks.rightToLeft ? labelLeft - canvas.MeasureText(marks.address).cx : labelWidth, y - 2,
        marks.address);
  }

  const CanvasPen defaultPen = canvas.SelectPen(BoxPen());
  canvas.MoveTo(boxLeft, boxTop);
  canvas.LineTo(boxRight, boxTop);
  canvas.LineTo(boxRight, boxBottom);
  canvas.LineTo(boxLeft, boxBottom);
  canvas.LineTo(boxLeft, boxTop);

  canvas.SelectPen(RulePen());
  canvas.MoveTo(boxLeft, ruleY);
  canvas.LineTo(boxRight, ruleY);

  canvas.SelectFont(CompassFont());
  DrawQiblahCompass(canvas, compass, 3 * h, qiblah, translate, marks.rightToLeft);

  canvas.SelectFont(defaultFont);
  canvas.SelectPen(defaultPen);
}

void DrawQiblahCompass(Canvas& canvas, const CompassSquare& square, int32_t r, double qiblah,
                       const TranslateText& translate, bool rightToLeft) {
  const int32_t cx = square.left + r;
  const int32_t cy = square.top + r;

  const CanvasPen entryPen = canvas.SelectPen(CirclePen());
  canvas.Ellipse(square.left, square.top, square.right, square.bottom);

  canvas.SelectPen(CrossHairPen());
  canvas.MoveTo(cx, square.top + 40);
  canvas.LineTo(cx, square.bottom - 40);
  canvas.MoveTo(square.left + 40, cy);
  canvas.LineTo(square.right - 40, cy);

  canvas.SelectPen(entryPen);
  canvas.MoveTo(cx, square.top);
  canvas.LineTo(cx, square.top + 20);
  canvas.MoveTo(square.right, cy);
  canvas.LineTo(square.right - 20, cy);
  canvas.MoveTo(cx, square.bottom);
  canvas.LineTo(cx, square.bottom - 20);
  canvas.MoveTo(square.left, cy);
  canvas.LineTo(square.left + 20, cy);

  const std::string north = Shown(translate, kContext, kNorth);
  const TextExtent n = canvas.MeasureText(north);
  canvas.TextOut(cx - n.cx / 2, square.top - n.cy - n.cy / 4, north);

  // North up, east to the right; y grows downwards.
  canvas.MoveTo(cx, cy);
  canvas.LineTo(cx + TruncateToInt32(r * std::sin(qiblah)),
                cy - TruncateToInt32(r * std::cos(qiblah)));

  canvas.TextOut(square.left, square.bottom + 20, QiblahCaption(qiblah, translate, rightToLeft));
}

}  // namespace kestrivane
