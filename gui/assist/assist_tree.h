#pragma once
/// TreeView1: the phrases of the assistant as a tree, each item carrying its
/// node's place and key. Phrases can be dragged onto each other; the tree
/// itself never changes, the drop is only reported.

#include <QTreeWidget>

class QMimeData;

namespace kord::gui {

class AssistTree : public QTreeWidget {
  Q_OBJECT

 public:
  /// Item data roles: the node's place in the tree (1..37) and its key.
  static constexpr int kPositionRole = Qt::UserRole;
  static constexpr int kKeyRole = Qt::UserRole + 1;

  /// Builds the items from the core's node table, all with `icon`.
  explicit AssistTree(const QIcon& icon, QWidget* parent = nullptr);

  /// Gives every phrase `icon`.
  void setNodeIcon(const QIcon& icon);
  /// The item of the node at `position`; null when there is none.
  QTreeWidgetItem* nodeItem(int position) const;
  /// The node place of `item`; 0 for none.
  static int positionOf(const QTreeWidgetItem* item);
  /// What a drag of the node at `position` carries.
  static QMimeData* nodeMime(int position);
  /// The node highlighted as drop target; 0 while none is.
  int dropTarget() const { return dropTarget_; }

 signals:
  /// A dragged node was let go over `target` (0: over no node).
  void nodeDropped(int dragged, int target);

 protected:
  /// The sentences follow the language.
  void changeEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dragLeaveEvent(QDragLeaveEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void showCaptions();
  void startDrag(int position);
  void highlight(int position);
  QPixmap dragImage(const QTreeWidgetItem* item) const;

  std::vector<QTreeWidgetItem*> items_;  ///< by place - 1
  int pressed_ = 0;                      ///< the node of the last mouse press
  QPoint pressPoint_;
  bool dragging_ = false;
  int dropTarget_ = 0;
};

}  // namespace kord::gui
