#include "app/qt/app_icon.h"

#include <QPainter>
#include <QPixmap>
#include <QPolygon>

namespace vestara {

QIcon AppIcon() {
  QPixmap pixmap(32, 32);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);

  // The preview frame on its white background.
  painter.setPen(QColor(0x40, 0x40, 0x40));
  painter.setBrush(Qt::white);
  painter.drawRect(1, 1, 29, 29);

  // The blade, diagonal from the top right.
  painter.setPen(QColor(0x50, 0x60, 0x70));
  painter.setBrush(QColor(0xC8, 0xD4, 0xE0));
  painter.drawPolygon(QPolygon({QPoint(26, 4), QPoint(28, 6), QPoint(13, 21), QPoint(11, 19)}));
  // The cross guard and the grip.
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0xC0, 0x90, 0x20));
  painter.drawPolygon(QPolygon({QPoint(7, 19), QPoint(9, 17), QPoint(15, 23), QPoint(13, 25)}));
  painter.setBrush(QColor(0x70, 0x40, 0x20));
  painter.drawPolygon(QPolygon({QPoint(10, 22), QPoint(12, 24), QPoint(7, 29), QPoint(5, 27)}));
  painter.end();

  return QIcon(pixmap);
}

}  // namespace vestara
