// The page's canvas on QPainter: sizes in the device's pixels, text placed
// by its cell's corner, the page origin, pens and the white ellipse.

#include "platform/painter_canvas.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>

#include "timetable/page_layout.h"

namespace kestrivane {
namespace {

// The device font is 12 points, an em of 100 dots at 600 dots per inch,
// and fixed-pitch so that blanks align the columns; a chosen height is
// the character height, a little less than the line's.
TEST(PainterCanvas, FontsMeasureInDevicePixels) {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  QPdfWriter writer(&buffer);
  writer.setResolution(600);
  QPainter painter(&writer);
  CPainterCanvas canvas(painter);
  const TextExtent my = canvas.MeasureText("My");
  EXPECT_TRUE(my.cy >= 100 && my.cy <= 150 && canvas.MeasureText("il").cx == my.cx) << my.cy;
  EXPECT_NEAR(my.cx, 120, 5);
  for (const CanvasFont& font : {TitleFont(), FooterFont(), AddressFont(), CompassFont()}) {
    canvas.SelectFont(font);
    const int32_t height = canvas.MeasureText("My").cy;
    EXPECT_TRUE(height >= font.height && height <= font.height * 3 / 2) << font.face << height;
  }
  canvas.SelectFont({});
  EXPECT_EQ(canvas.MeasureText("My").cx, my.cx);
}

TEST(PainterCanvas, OriginTextPensAndEllipseLandOnTheirPixels) {
  QImage image(1200, 900, QImage::Format_RGB32);
  image.fill(Qt::gray);
  TextExtent cell;
  {
    QPainter painter(&image);
    CPainterCanvas canvas(painter);
    canvas.SetPageOrigin(100, 50);
    const CanvasPen pens[] = {BoxPen(), CirclePen(), RulePen(), CrossHairPen()};
    for (int i = 0; i < 4; ++i) {
      canvas.SelectPen(pens[i]);
      canvas.MoveTo(0, 100 * i);
      canvas.LineTo(300, 100 * i);
    }
    canvas.SelectFont(TitleFont());
    cell = canvas.MeasureText("HH");
    canvas.TextOut(400, 0, "HH");
    canvas.SelectPen(CirclePen());
    canvas.Ellipse(600, 300, 801, 501);  // the compass's square, r = 100
  }
  // Dark pixels of each column, of row 350 and of the text's area.
  const auto dark = [&](int x, int y) { return qGray(image.pixel(x, y)) < 128; };
  int widths[4] = {}, dotted = 0;
  QRect text;
  for (int y = 0; y < 400; ++y) widths[y / 100] += dark(250, y);
  for (int x = 100; x < 400; ++x) dotted += dark(x, 350);
  for (int y = 0; y < 300; ++y) {
    for (int x = 450; x < 850; ++x) text |= dark(x, y) ? QRect(x, y, 1, 1) : QRect();
  }
  EXPECT_NEAR(widths[0], 12, 1);  // the lines at y = 50, 150 and 250
  EXPECT_NEAR(widths[1], 8, 1);
  EXPECT_NEAR(widths[2], 4, 1);
  EXPECT_TRUE(dark(250, 50) && dark(250, 150) && dark(250, 250));
  EXPECT_TRUE(dotted > 30 && dotted < 270) << dotted;
  // The text's cell from (500, 50); capitals fill most of its 120 height.
  EXPECT_TRUE(text.top() >= 50 && text.left() >= 500 && text.right() <= 500 + cell.cx) << text.x();
  EXPECT_GT(text.height(), 60);
  EXPECT_EQ(image.pixel(800, 450), QColor(Qt::white).rgb());  // the ellipse's centre
  EXPECT_TRUE(dark(800, 350) && dark(900, 450) && dark(800, 550));
  EXPECT_EQ(image.pixel(705, 355), QColor(Qt::gray).rgb());  // a corner stays as it was
}

}  // namespace
}  // namespace kestrivane
