// The icons as the program loads them from its resources: every size
// present, and the alarm icon far enough from the program icon that the
// alternation in the tray is seen at 16 pixels.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QString>
#include <cmath>

namespace {

QImage Load(const QString& path) {
  QImage image(path);
  return image.convertToFormat(QImage::Format_ARGB32);
}

TEST(Icons, EverySizeAndTheScalableVersionArePresent) {
  for (const char* id : {"128", "142"}) {
    for (int size : {16, 32}) {
      const QString path = QString(":/icons/%1-%2.png").arg(id).arg(size);
      const QImage image = Load(path);
      ASSERT_FALSE(image.isNull()) << path.toStdString();
      EXPECT_EQ(image.size(), QSize(size, size)) << path.toStdString();
    }
    QFile svg(QString(":/icons/%1.svg").arg(id));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly)) << id;
    EXPECT_TRUE(svg.readAll().contains("<svg")) << id;
  }
}

// Mean colour distance over the pixels both icons cover; 0 for the same
// image, about 441 for black against white.
double MeanDistance(const QImage& a, const QImage& b) {
  double sum = 0;
  int count = 0;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) {
      const QColor p = a.pixelColor(x, y), q = b.pixelColor(x, y);
      if (p.alpha() < 128 || q.alpha() < 128) continue;
      sum += std::hypot(p.red() - q.red(), p.green() - q.green(), p.blue() - q.blue());
      ++count;
    }
  }
  return count == 0 ? 0 : sum / count;
}

TEST(Icons, AlarmIconStandsOutFromTheProgramIcon) {
  for (int size : {16, 32}) {
    const QImage main = Load(QString(":/icons/128-%1.png").arg(size));
    const QImage alarm = Load(QString(":/icons/142-%1.png").arg(size));
    ASSERT_EQ(main.size(), alarm.size());
    // Most of each icon is opaque, so the tray shows a solid shape.
    int opaque = 0;
    for (int y = 0; y < size; ++y) {
      for (int x = 0; x < size; ++x) opaque += main.pixelColor(x, y).alpha() >= 128;
    }
    EXPECT_GT(opaque, size * size * 3 / 4) << size;
    EXPECT_GT(MeanDistance(main, alarm), 150.0) << size;
  }
}

}  // namespace
