#include "platform/app_icons.h"

#include <QFile>
#include <QPainter>
#include <QPixmap>

namespace kestrivane {

namespace {

// A crescent on a disc: green for the program, orange-red for the alarm.
QPixmap DrawStandIn(int id, int size) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  const QColor disc = id == 142 ? QColor(0xd9, 0x3a, 0x1e) : QColor(0x1f, 0x7a, 0x4d);
  painter.setPen(Qt::NoPen);
  painter.setBrush(disc);
  painter.drawEllipse(QRectF(0.5, 0.5, size - 1.0, size - 1.0));
  painter.setBrush(Qt::white);
  painter.drawEllipse(QRectF(size * 0.22, size * 0.2, size * 0.56, size * 0.6));
  painter.setBrush(disc);
  painter.drawEllipse(QRectF(size * 0.36, size * 0.16, size * 0.5, size * 0.56));
  return pixmap;
}

}  // namespace

QIcon LoadAppIcon(int id) {
  // The drawn images at 16 and 32 pixels; larger sizes scale the 32-pixel one.
  QIcon icon;
  for (int size : {16, 32}) {
    const QString path = QStringLiteral(":/icons/%1-%2.png").arg(id).arg(size);
    if (QFile::exists(path)) icon.addFile(path, QSize(size, size));
  }
  if (!icon.isNull()) return icon;
  icon.addPixmap(DrawStandIn(id, 16));
  icon.addPixmap(DrawStandIn(id, 32));
  return icon;
}

}  // namespace kestrivane
