#include "life_years_delegate.h"

#include <QAbstractItemView>
#include <QPainter>

#include "qt_text.h"

namespace kord::gui {
namespace {

constexpr int kGap = 12;

}  // namespace

void LifeYearsDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
  QStyledItemDelegate::paint(painter, option, index);
  const QString years = index.data(kLifeYearsRole).toString();
  if (years.isEmpty()) return;
  QStyleOptionViewItem shown(option);
  initStyleOption(&shown, index);
  const int nameWidth = shown.fontMetrics.horizontalAdvance(shown.text);
  QRect place = option.rect.adjusted(nameWidth + kGap + 4, 0, 0, 0);
  painter->save();
  const bool selected = option.state & QStyle::State_Selected;
  painter->setPen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::PlaceholderText));
  painter->drawText(place, Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("(") + years + QStringLiteral(")"));
  painter->restore();
}

QSize LifeYearsDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
  QSize size = QStyledItemDelegate::sizeHint(option, index);
  const QString years = index.data(kLifeYearsRole).toString();
  if (!years.isEmpty()) size.rwidth() += option.fontMetrics.horizontalAdvance(years) + 2 * kGap;
  return size;
}

void showLifeYears(QAbstractItemView* view) { view->setItemDelegate(new LifeYearsDelegate(view)); }

QString lifeYearsText(const std::vector<std::string>& years, int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= years.size()) return {};
  return displayText(years[static_cast<std::size_t>(index)]);
}

}  // namespace kord::gui
