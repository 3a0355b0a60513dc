#include "kord_logo.h"

#include <QPainter>
#include <QPainterPath>

namespace kord::gui {

QPixmap kordLogo(int size) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  const qreal s = size;
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x2e, 0x6b, 0x4f));
  p.drawRoundedRect(QRectF(0, 0, s, s), s * 0.2, s * 0.2);

  // One couple above, two children below, joined as on a family chart.
  const QPointF father(s * 0.32, s * 0.3), mother(s * 0.68, s * 0.3);
  const QPointF son(s * 0.3, s * 0.72), daughter(s * 0.7, s * 0.72);
  const qreal mid = s * 0.5;
  QPainterPath links;
  links.moveTo(father);
  links.lineTo(mother);
  links.moveTo(mid, father.y());
  links.lineTo(mid, s * 0.52);
  links.moveTo(son.x(), s * 0.52);
  links.lineTo(daughter.x(), s * 0.52);
  links.moveTo(son.x(), s * 0.52);
  links.lineTo(son);
  links.moveTo(daughter.x(), s * 0.52);
  links.lineTo(daughter);
  p.setPen(QPen(QColor(0xe8, 0xf3, 0xec), s * 0.05, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  p.drawPath(links);

  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0xff, 0xff, 0xff));
  for (const QPointF& person : {father, mother, son, daughter}) p.drawEllipse(person, s * 0.1, s * 0.1);
  return pixmap;
}

}  // namespace kord::gui
