#include "outline_style.h"

#include <QApplication>
#include <QPainter>
#include <QStyleOption>
#include <QTreeWidget>

namespace kord::gui {
namespace {

// The first look is the one a new window opens with: lines and boxes show
// at once that the levels open and close.
constexpr OutlineLook kLooks[6] = {
    {true, true, false, 20},    // lines, plus/minus and text
    {true, true, true, 24},     // lines, plus/minus, pictures and text
    {false, true, false, 20},   // plus/minus and text
    {false, true, true, 20},    // plus/minus, pictures and text
    {false, false, false, 16},  // text only
    {false, false, true, 20},   // pictures and text
};

constexpr int kBoxSize = 9;

QColor lineColour(const QStyleOption* option) {
  QColor colour = option->palette.color(QPalette::Text);
  colour.setAlpha(110);
  return colour;
}

void forEachItem(QTreeWidgetItem* item, const OutlineLook& look) {
  setOutlineIcon(*item, look);
  for (int i = 0; i < item->childCount(); ++i) forEachItem(item->child(i), look);
}

}  // namespace

OutlineLook outlineLook(int style) { return kLooks[((style % 6) + 6) % 6]; }

void OutlineStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                 const QWidget* widget) const {
  if (element != PE_IndicatorBranch) {
    QProxyStyle::drawPrimitive(element, option, painter, widget);
    return;
  }
  painter->save();
  if (look_.lines) drawLines(option, painter);
  if (look_.boxes && (option->state & State_Children)) drawBox(option, painter);
  painter->restore();
}

void OutlineStyle::drawLines(const QStyleOption* option, QPainter* painter) const {
  const QRect r = option->rect;
  const QPoint mid = r.center();
  painter->setPen(QPen(lineColour(option), 1, Qt::DotLine));
  if (option->state & State_Item) {
    painter->drawLine(mid.x(), r.top(), mid.x(), mid.y());
    painter->drawLine(mid.x(), mid.y(), r.right(), mid.y());
  }
  // A sibling below: the line goes on down past this row.
  if (option->state & State_Sibling) {
    const int from = (option->state & State_Item) ? mid.y() : r.top();
    painter->drawLine(mid.x(), from, mid.x(), r.bottom());
  }
}

void OutlineStyle::drawBox(const QStyleOption* option, QPainter* painter) const {
  const QPoint mid = option->rect.center();
  const QRect box(mid.x() - kBoxSize / 2, mid.y() - kBoxSize / 2, kBoxSize - 1, kBoxSize - 1);
  painter->setPen(QPen(option->palette.color(QPalette::Mid), 1));
  painter->setBrush(option->palette.color(QPalette::Base));
  painter->drawRect(box);
  painter->setPen(QPen(option->palette.color(QPalette::Text), 1));
  const QPoint c = box.center();
  painter->drawLine(box.left() + 2, c.y(), box.right() - 2, c.y());
  if (!(option->state & State_Open)) painter->drawLine(c.x(), box.top() + 2, c.x(), box.bottom() - 2);
}

void setOutlineIcon(QTreeWidgetItem& item, const OutlineLook& look) {
  if (!look.icons) {
    item.setIcon(0, QIcon());
    return;
  }
  const QStyle* style = QApplication::style();
  QStyle::StandardPixmap picture = QStyle::SP_FileIcon;
  if (item.childCount() > 0) picture = item.isExpanded() ? QStyle::SP_DirOpenIcon : QStyle::SP_DirClosedIcon;
  item.setIcon(0, style->standardIcon(picture));
}

void applyOutlineIcons(QTreeWidget& tree, const OutlineLook& look) {
  for (int i = 0; i < tree.topLevelItemCount(); ++i) forEachItem(tree.topLevelItem(i), look);
}

}  // namespace kord::gui
