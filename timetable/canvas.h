#pragma once
// What the printed timetable page draws on: a printer page at 600 dots per
// inch in device units (dots), x to the right, y downwards, everything in
// black. The desktop program implements it with QPainter on a QPrinter;
// tests implement it with a recorder.

#include <cstdint>
#include <string>

namespace kestrivane {

// A font as the page asks for it. An empty face is the device's default
// font, the one the page starts with; its other fields are then unused.
struct CanvasFont {
  std::string face;
  int32_t height = 0;    // character height (not cell height), device units
  int32_t weight = 400;  // 400 normal, 700 bold
  bool italic = false;
  bool underline = false;
  friend bool operator==(const CanvasFont&, const CanvasFont&) = default;
};

enum class PenStyle { kSolid, kDotted };

// A width of 0 with the solid style is the device's default pen, the one
// the page starts with.
struct CanvasPen {
  PenStyle style = PenStyle::kSolid;
  int32_t width = 0;  // device units
  friend bool operator==(const CanvasPen&, const CanvasPen&) = default;
};

struct TextExtent {
  int32_t cx = 0;
  int32_t cy = 0;  // the font's line height, ascent plus descent
};

class Canvas {
 public:
  virtual ~Canvas() = default;

  // Each makes the font or pen current and returns the one that was current
  // before, so that it can be selected again.
  virtual CanvasFont SelectFont(const CanvasFont& font) = 0;
  virtual CanvasPen SelectPen(const CanvasPen& pen) = 0;

  // Text is UTF-8. Its cell's top-left corner, not its baseline, is at (x, y).
  virtual TextExtent MeasureText(const std::string& text) = 0;
  virtual void TextOut(int32_t x, int32_t y, const std::string& text) = 0;

  // A line from the current position to (x, y), which becomes the current
  // position; the end point itself is not drawn.
  virtual void MoveTo(int32_t x, int32_t y) = 0;
  virtual void LineTo(int32_t x, int32_t y) = 0;

  // The ellipse inscribed in the box, right and bottom exclusive, outlined
  // with the current pen and filled white.
  virtual void Ellipse(int32_t left, int32_t top, int32_t right, int32_t bottom) = 0;

  // Every later coordinate is relative to this device point.
  virtual void SetPageOrigin(int32_t x, int32_t y) = 0;
};

}  // namespace kestrivane
