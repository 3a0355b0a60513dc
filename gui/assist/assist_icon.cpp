#include "assist_icon.h"

#include <QFileInfo>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include "qt_text.h"

namespace kord::gui {
namespace {

/// A drop-shaped flame filling `box`: round at the bottom, a flick at the top.
QPainterPath flamePath(const QRectF& box) {
  const qreal x = box.x(), y = box.y(), w = box.width(), h = box.height();
  QPainterPath path;
  path.moveTo(x + w * 0.55, y);
  path.cubicTo(x + w * 0.62, y + h * 0.28, x + w, y + h * 0.42, x + w * 0.92, y + h * 0.72);
  path.cubicTo(x + w * 0.85, y + h * 0.95, x + w * 0.62, y + h, x + w * 0.5, y + h);
  path.cubicTo(x + w * 0.3, y + h, x + w * 0.08, y + h * 0.92, x + w * 0.06, y + h * 0.68);
  path.cubicTo(x + w * 0.04, y + h * 0.45, x + w * 0.3, y + h * 0.38, x + w * 0.55, y);
  path.closeSubpath();
  return path;
}

}  // namespace

QPixmap drawnFlame(int size) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  const QRectF outer(size * 0.15, size * 0.04, size * 0.7, size * 0.92);
  QLinearGradient red(outer.topLeft(), outer.bottomLeft());
  red.setColorAt(0, QColor(0xe0, 0x3a, 0x1e));
  red.setColorAt(1, QColor(0xf2, 0x8c, 0x28));
  painter.setBrush(red);
  painter.drawPath(flamePath(outer));
  const QRectF inner(size * 0.32, size * 0.4, size * 0.36, size * 0.52);
  painter.setBrush(QColor(0xff, 0xd8, 0x4a));
  painter.drawPath(flamePath(inner));
  return pixmap;
}

QIcon assistNodeIcon(const std::string& dbFolder) {
  const QString file = pathText(dbFolder + "Fire.ico");
  if (!dbFolder.empty() && QFileInfo::exists(file)) {
    QIcon icon(file);
    if (!icon.availableSizes().isEmpty()) return icon;
  }
  QIcon drawn;
  for (int size : {16, 24, 32}) drawn.addPixmap(drawnFlame(size));
  return drawn;
}

}  // namespace kord::gui
