// The icons as the program loads them from its resources: every size
// present. That the two differ enough to be seen alternating in the tray is
// checked by the end-to-end alarm run.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QString>

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

}  // namespace
