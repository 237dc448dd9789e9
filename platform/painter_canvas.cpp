#include "platform/painter_canvas.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QPainter>
#include <QPen>
#include <QString>
#include <algorithm>

namespace kestrivane {

namespace {

QString Utf8(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The style a family stands for, so that fontconfig's choice for a face
// this machine lacks is still of the same kind.
QFont::StyleHint HintFor(const std::string& face) {
  if (face.find("Courier") != std::string::npos) return QFont::TypeWriter;
  if (face.find("Times") != std::string::npos) return QFont::Serif;
  return QFont::SansSerif;
}

}  // namespace

void AddArabicScriptFace(QFont& font) {
  // The face fontconfig finds for the name comes first: the name itself
  // (Courier) may only be an alias. The package suggests the second; without
  // it fontconfig falls back as before.
  font.setFamilies({QFontInfo(font).family(), QStringLiteral("Noto Naskh Arabic")});
}

QFont PrinterDefaultFont() {
  QFont font(QStringLiteral("Courier"));
  font.setStyleHint(QFont::TypeWriter);
  font.setFixedPitch(true);
  font.setPointSize(12);
  AddArabicScriptFace(font);
  return font;
}

QFont CanvasQFont(const CanvasFont& font, const QPaintDevice* device) {
  QFont result(QFont(Utf8(font.face)), device);
  result.setStyleHint(HintFor(font.face));
  if (font.height > 0) result.setPixelSize(font.height);
  // Weight 0 is "don't care": the normal weight.
  result.setWeight(font.weight <= 0 ? QFont::Normal
                                    : static_cast<QFont::Weight>(std::min(font.weight, 1000)));
  result.setItalic(font.italic);
  result.setUnderline(font.underline);
  AddArabicScriptFace(result);
  return result;
}

CPainterCanvas::CPainterCanvas(QPainter& painter, const QFont& deviceFont)
    : m_painter(painter), m_deviceFont(deviceFont), m_baseTransform(painter.transform()) {
  m_painter.setFont(m_deviceFont);
  m_painter.setPen(QPen(Qt::black, 0));
  m_painter.setBrush(Qt::NoBrush);
  // Each text runs in its own direction: an Arabic title right to left, a
  // row of digits left to right whatever the desktop's language.
  m_painter.setLayoutDirection(Qt::LayoutDirectionAuto);
}

CanvasFont CPainterCanvas::SelectFont(const CanvasFont& font) {
  const CanvasFont previous = m_font;
  m_font = font;
  m_painter.setFont(font.face.empty() ? m_deviceFont : CanvasQFont(font, m_painter.device()));
  return previous;
}

CanvasPen CPainterCanvas::SelectPen(const CanvasPen& pen) {
  const CanvasPen previous = m_pen;
  m_pen = pen;
  if (pen.style == PenStyle::kDotted) {
    // Round caps would close the gaps of a one-unit dot pattern.
    m_painter.setPen(QPen(Qt::black, std::max(pen.width, 0), Qt::DotLine, Qt::FlatCap));
  } else {
    // Wide pens end and join round, as geometric printer pens do.
    m_painter.setPen(
        QPen(Qt::black, std::max(pen.width, 0), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  }
  return previous;
}

TextExtent CPainterCanvas::MeasureText(const std::string& text) {
  const QFontMetrics metrics = m_painter.fontMetrics();
  return {metrics.horizontalAdvance(Utf8(text)), metrics.height()};
}

void CPainterCanvas::TextOut(int32_t x, int32_t y, const std::string& text) {
  const QFontMetrics metrics = m_painter.fontMetrics();
  m_painter.drawText(QPoint(x, y + metrics.ascent()), Utf8(text));
}

void CPainterCanvas::MoveTo(int32_t x, int32_t y) { m_position = QPoint(x, y); }

void CPainterCanvas::LineTo(int32_t x, int32_t y) {
  const QPoint to(x, y);
  m_painter.drawLine(m_position, to);
  m_position = to;
}

void CPainterCanvas::Ellipse(int32_t left, int32_t top, int32_t right, int32_t bottom) {
  // Right and bottom are outside the box: the outline runs through
  // left..right - 1, so a square 2r + 1 wide has its centre r in.
  const int width = right - left - 1;
  const int height = bottom - top - 1;
  if (width <= 0 || height <= 0) return;
  const QBrush previous = m_painter.brush();
  m_painter.setBrush(Qt::white);
  m_painter.drawEllipse(QRect(left, top, width, height));
  m_painter.setBrush(previous);
}

void CPainterCanvas::SetPageOrigin(int32_t x, int32_t y) {
  m_painter.setTransform(QTransform::fromTranslate(x, y) * m_baseTransform);
}

}  // namespace kestrivane
