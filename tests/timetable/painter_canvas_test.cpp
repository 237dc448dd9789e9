// The page's canvas on QPainter: sizes in the device's pixels, text placed
// by its cell's corner, the page origin, pens and the white ellipse.

#include "platform/painter_canvas.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <functional>

#include "timetable/page_layout.h"

namespace kestrivane {
namespace {

// The smallest rectangle holding every dark pixel; empty when none.
QRect Ink(const QImage& image, const QRect& within = QRect()) {
  const QRect area = within.isNull() ? image.rect() : within & image.rect();
  QRect ink;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      if (qGray(image.pixel(x, y)) < 128) ink |= QRect(x, y, 1, 1);
    }
  }
  return ink;
}

QImage WhitePage(int width = 1200, int height = 900) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(Qt::white);
  return image;
}

// Draws on `image` through a canvas and finishes the painting.
void Draw(QImage& image, const std::function<void(CPainterCanvas&)>& draw) {
  QPainter painter(&image);
  CPainterCanvas canvas(painter);
  draw(canvas);
}

TEST(PainterCanvas, TextExtentsAreTheFontsAndGrowWithTheText) {
  QImage image = WhitePage();
  Draw(image, [](CPainterCanvas& canvas) {
    const TextExtent my = canvas.MeasureText("My");
    EXPECT_GT(my.cx, 0);
    EXPECT_GT(my.cy, 0);
    // The device font is fixed-pitch ("Courier" through fontconfig): any
    // two letters are as wide as "My".
    EXPECT_EQ(canvas.MeasureText("il").cx, my.cx);
    // Advances are fractional on a screen-sized font: a line may round once.
    EXPECT_NEAR(canvas.MeasureText("MyMyMyMy").cx, 4 * my.cx, 2);
    EXPECT_EQ(canvas.MeasureText("My My").cy, my.cy);
    EXPECT_EQ(canvas.MeasureText("").cx, 0);

    // A chosen height is the character height: the line is a bit taller.
    for (const CanvasFont& font : {TitleFont(), FooterFont(), AddressFont(), CompassFont()}) {
      canvas.SelectFont(font);
      const TextExtent extent = canvas.MeasureText("My");
      EXPECT_GE(extent.cy, font.height) << font.face << ' ' << font.height;
      EXPECT_LE(extent.cy, font.height * 3 / 2) << font.face << ' ' << font.height;
    }
    canvas.SelectFont({});
    EXPECT_EQ(canvas.MeasureText("My").cx, my.cx);
    EXPECT_EQ(canvas.MeasureText("My").cy, my.cy);
  });
}

TEST(PainterCanvas, TextCellsTopLeftCornerIsThePoint) {
  QImage image = WhitePage();
  TextExtent extent;
  Draw(image, [&](CPainterCanvas& canvas) {
    canvas.SelectFont(TitleFont());
    extent = canvas.MeasureText("HH");
    canvas.TextOut(100, 200, "HH");
  });
  const QRect ink = Ink(image);
  ASSERT_FALSE(ink.isEmpty());
  EXPECT_GE(ink.top(), 200);
  EXPECT_LE(ink.bottom(), 200 + extent.cy);
  EXPECT_GE(ink.left(), 100);
  EXPECT_LE(ink.right(), 100 + extent.cx);
  // Capitals fill most of a 120 character height.
  EXPECT_GT(ink.height(), 60);
}

TEST(PainterCanvas, PageOriginMovesEverythingAfterIt) {
  QImage image = WhitePage();
  Draw(image, [](CPainterCanvas& canvas) {
    canvas.SetPageOrigin(500, 300);
    canvas.SelectPen(RulePen());
    canvas.MoveTo(0, 0);
    canvas.LineTo(200, 0);
    canvas.SelectFont(TitleFont());
    canvas.TextOut(0, 100, "M");
  });
  // The 4-wide line runs along y = 300 from x = 500 to 700.
  const QRect line = Ink(image, QRect(0, 0, 1200, 380));
  EXPECT_NEAR(line.left(), 500, 3);
  EXPECT_NEAR(line.right(), 700, 3);
  EXPECT_NEAR(line.center().y(), 300, 1);
  EXPECT_LE(line.height(), 6);
  const QRect letter = Ink(image, QRect(0, 390, 1200, 510));
  ASSERT_FALSE(letter.isEmpty());
  EXPECT_GE(letter.left(), 500);
  EXPECT_LT(letter.left(), 540);
  EXPECT_GE(letter.top(), 400);
}

TEST(PainterCanvas, PenWidthsAreDevicePixels) {
  const struct {
    CanvasPen pen;
    int width;
  } cases[] = {{BoxPen(), 12}, {CirclePen(), 8}, {RulePen(), 4}};
  for (const auto& c : cases) {
    QImage image = WhitePage(400, 200);
    Draw(image, [&](CPainterCanvas& canvas) {
      canvas.SelectPen(c.pen);
      canvas.MoveTo(100, 100);
      canvas.LineTo(300, 100);
    });
    // Measured away from the round ends.
    const QRect ink = Ink(image, QRect(150, 0, 100, 200));
    EXPECT_NEAR(ink.height(), c.width, 1) << c.width;
  }
  // The dotted cross-hair pen leaves gaps.
  QImage image = WhitePage(400, 200);
  Draw(image, [](CPainterCanvas& canvas) {
    canvas.SelectPen(CrossHairPen());
    canvas.MoveTo(100, 100);
    canvas.LineTo(300, 100);
  });
  int dark = 0;
  for (int x = 100; x < 300; ++x) dark += qGray(image.pixel(x, 100)) < 128;
  EXPECT_GT(dark, 20);
  EXPECT_LT(dark, 180);
}

TEST(PainterCanvas, EllipseIsInscribedAndFilledWhite) {
  QImage image(400, 400, QImage::Format_RGB32);
  image.fill(Qt::gray);
  // The compass's square: 2r + 1 wide, r = 100, centre at (150, 150).
  Draw(image, [](CPainterCanvas& canvas) {
    canvas.SelectPen(CirclePen());
    canvas.Ellipse(50, 50, 251, 251);
  });
  EXPECT_EQ(image.pixel(150, 150), QColor(Qt::white).rgb());
  EXPECT_EQ(image.pixel(150, 110), QColor(Qt::white).rgb());
  // The outline passes through the square's edges' midpoints.
  for (const QPoint rim : {QPoint(150, 50), QPoint(250, 150), QPoint(150, 250), QPoint(50, 150)}) {
    EXPECT_LT(qGray(image.pixel(rim)), 64) << rim.x() << ',' << rim.y();
  }
  EXPECT_EQ(image.pixel(55, 55), QColor(Qt::gray).rgb());  // a corner stays as it was
}

TEST(PainterCanvas, PrinterResolutionScalesTheDefaultFontNotTheChosenOnes) {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  QPdfWriter writer(&buffer);
  writer.setResolution(600);
  QPainter painter(&writer);
  CPainterCanvas canvas(painter);
  // 12 points at 600 dots per inch: an em of 100 dots.
  const TextExtent my = canvas.MeasureText("My");
  EXPECT_GE(my.cy, 100);
  EXPECT_LE(my.cy, 150);
  EXPECT_NEAR(my.cx, 120, 5);  // two characters of 0.6 em
  canvas.SelectFont(TitleFont());
  const TextExtent title = canvas.MeasureText("My");
  EXPECT_GE(title.cy, 120);
  EXPECT_LE(title.cy, 180);
  painter.end();
}

}  // namespace
}  // namespace kestrivane
