#include "timetable/page_layout.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "calc/conversions.h"

namespace kestrivane {

namespace {

constexpr int32_t kOriginX = 500;
constexpr int32_t kOriginY = 300;

// The caption's format writes the degree sign as one byte of the printer's
// code page (Windows Latin-1, where it is 0xB0 as in ISO Latin-1); the
// canvas takes UTF-8.
std::string Latin1ToUtf8(const std::string& bytes) {
  std::string out;
  for (const char c : bytes) {
    const auto b = static_cast<unsigned char>(c);
    if (b < 0x80) {
      out += c;
    } else {
      out += static_cast<char>(0xC0 | (b >> 6));
      out += static_cast<char>(0x80 | (b & 0x3F));
    }
  }
  return out;
}

}  // namespace

CanvasFont TitleFont() { return {"Times New Roman", 120, 400, false, false}; }
CanvasFont FooterFont() { return {"Arial", 80, 400, true, false}; }
CanvasFont AddressFont() { return {"Arial", 80, 500, false, true}; }
CanvasFont CompassFont() { return {"Arial", 60, 500, false, false}; }
CanvasPen BoxPen() { return {PenStyle::kSolid, 12}; }
CanvasPen RulePen() { return {PenStyle::kSolid, 4}; }
CanvasPen CirclePen() { return {PenStyle::kSolid, 8}; }
CanvasPen CrossHairPen() { return {PenStyle::kDotted, 1}; }

std::string QiblahCaption(double qiblah) {
  char caption[64];
  std::snprintf(caption, sizeof caption, "Qiblah direction: %d%c",
                TruncateToInt32(RadToDeg(qiblah) + 0.5), static_cast<char>(0xB0));
  return Latin1ToUtf8(caption);
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
      const std::size_t day = lines[marks.columnTitles].find("Day");
      marks.dayColumn = day == std::string::npos ? 0 : day;
    }
  }

  const std::size_t asterisk = last.find('*');
  const std::size_t labelStart = asterisk == std::string::npos ? 0 : asterisk + 1;
  const std::size_t url = last.find("URL:", labelStart);
  const std::size_t labelEnd =
      url == std::string::npos ? last.size() : std::min(url + 5, last.size());
  marks.label = last.substr(labelStart, labelEnd - labelStart);
  marks.address = last.substr(labelEnd);
  return marks;
}

void DrawTimetablePage(Canvas& canvas, const std::string& text, double qiblah) {
  const PageMarks marks = FindPageMarks(text);
  canvas.SetPageOrigin(kOriginX, kOriginY);
  const TextExtent my = canvas.MeasureText("My");
  const int32_t w = my.cx;
  const int32_t h = my.cy;
  const CanvasFont defaultFont = canvas.SelectFont(TitleFont());

  int32_t boxTop = 0, boxLeft = 0, boxRight = 0, boxBottom = 0, ruleY = 0;
  CompassSquare compass;
  int32_t y = 0;
  for (std::size_t i = 0; i < marks.lines.size(); ++i, y += h) {
    std::string line = marks.lines[i];
    if (i == marks.columnTitles) {
      canvas.SelectFont(defaultFont);
      boxTop = y - h / 2;
      boxLeft = canvas.MeasureText(line.substr(0, marks.dayColumn)).cx - w / 2;
      boxRight = canvas.MeasureText(line).cx + w;
      ruleY = y + h + h / 2;
    }
    if (i == marks.footer) {
      boxBottom = y - 2 * h + 15;
      compass.left = boxRight - 6 * h;
      compass.top = boxBottom + h + h / 2;
      compass.right = compass.left + 6 * h + 1;
      compass.bottom = compass.top + 6 * h + 1;
      canvas.SelectFont(FooterFont());
      line.erase(0, 1);
    }
    if (!line.empty()) {
      canvas.TextOut(0, y, line);
    }
  }

  // The last line: " URL: " and the underlined address.
  y += h / 2;
  int32_t labelWidth = 0;
  if (!marks.label.empty()) {
    canvas.TextOut(0, y, marks.label);
    labelWidth = canvas.MeasureText(marks.label).cx;
  }
  canvas.SelectFont(AddressFont());
  if (!marks.address.empty()) {
    canvas.TextOut(labelWidth, y - 2, marks.address);
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
  DrawQiblahCompass(canvas, compass, 3 * h, qiblah);

  canvas.SelectFont(defaultFont);
  canvas.SelectPen(defaultPen);
}

void DrawQiblahCompass(Canvas& canvas, const CompassSquare& square, int32_t r, double qiblah) {
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

  const TextExtent n = canvas.MeasureText("N");
  canvas.TextOut(cx - n.cx / 2, square.top - n.cy - n.cy / 4, "N");

  // North up, east to the right; y grows downwards.
  canvas.MoveTo(cx, cy);
  canvas.LineTo(cx + TruncateToInt32(r * std::sin(qiblah)),
                cy - TruncateToInt32(r * std::cos(qiblah)));

  canvas.TextOut(square.left, square.bottom + 20, QiblahCaption(qiblah));
}

}  // namespace kestrivane
