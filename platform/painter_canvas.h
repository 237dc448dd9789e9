#pragma once
// The printed page's canvas (timetable/canvas.h) on a QPainter: a printer,
// a PDF file or an image. Sizes are the painter's device pixels.

#include <QFont>
#include <QPoint>
#include <QTransform>

#include "timetable/canvas.h"

class QPainter;
class QPaintDevice;

namespace kestrivane {

// What a page starts with when its font is the device's own: printers
// start in their resident Courier 10-pitch at 12 points. The table's
// columns are aligned with blanks, so it has to be fixed-pitch.
QFont PrinterDefaultFont();

// `font` with a face for Arabic and Urdu letters after its own, so that a
// word the face lacks is drawn whole from one face and stays joined.
void AddArabicScriptFace(QFont& font);

// The Qt font for a canvas font on `device`: the height is the character
// height (em) in device pixels; an unknown family is left to fontconfig.
QFont CanvasQFont(const CanvasFont& font, const QPaintDevice* device);

class CPainterCanvas : public Canvas {
 public:
  // `painter` is active; its font and pen become the device's defaults.
  explicit CPainterCanvas(QPainter& painter, const QFont& deviceFont = PrinterDefaultFont());

  CanvasFont SelectFont(const CanvasFont& font) override;
  CanvasPen SelectPen(const CanvasPen& pen) override;
  TextExtent MeasureText(const std::string& text) override;
  void TextOut(int32_t x, int32_t y, const std::string& text) override;
  void MoveTo(int32_t x, int32_t y) override;
  void LineTo(int32_t x, int32_t y) override;
  void Ellipse(int32_t left, int32_t top, int32_t right, int32_t bottom) override;
  void SetPageOrigin(int32_t x, int32_t y) override;

 private:
  QPainter& m_painter;
  QFont m_deviceFont;
  CanvasFont m_font;
  CanvasPen m_pen;
  QTransform m_baseTransform;  // the painter's own, before any page origin
  QPoint m_position;
};

}  // namespace kestrivane
