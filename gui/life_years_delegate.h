#pragma once
/// Namesakes told apart on screen: a list row of a person shows the years of
/// birth and death after the name, in grey, while the row's text stays the
/// name alone (what is typed, matched and passed on).

#include <QStyledItemDelegate>
#include <string>
#include <vector>

class QAbstractItemView;

namespace kord::gui {

/// The item role that holds a row's years ("1850-1920"); empty: none shown.
inline constexpr int kLifeYearsRole = Qt::UserRole + 1;

class LifeYearsDelegate : public QStyledItemDelegate {
  Q_OBJECT

 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

/// Gives `view` a LifeYearsDelegate (owned by the view).
void showLifeYears(QAbstractItemView* view);

/// The years of table index `index` from LifeYearsByIndex, as shown.
QString lifeYearsText(const std::vector<std::string>& years, int index);

}  // namespace kord::gui
