#include "assist_tree.h"

#include <QApplication>
#include <QDrag>
#include <QDragEnterEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>

#include "app/assistant.h"
#include "app/assistant_captions.h"
#include "qt_language.h"
#include "qt_text.h"

namespace kord::gui {
namespace {

const QString kNodeMime = QStringLiteral("application/x-kord-assist-node");

/// The node a drag carries; 0 when it carries none of ours.
int draggedNode(const QMimeData* mime) {
  if (!mime || !mime->hasFormat(kNodeMime)) return 0;
  return mime->data(kNodeMime).toInt();
}

}  // namespace

AssistTree::AssistTree(const QIcon& icon, QWidget* parent) : QTreeWidget(parent) {
  setObjectName(QStringLiteral("TreeView1"));
  setHeaderHidden(true);
  setColumnCount(1);
  setAcceptDrops(true);
  viewport()->setAcceptDrops(true);
  // The single fixed border.
  setFrameStyle(QFrame::Box | QFrame::Plain);
  setLineWidth(1);
  for (const kord::AssistNode& node : kord::AssistNodes()) {
    QTreeWidgetItem* parentItem = nodeItem(node.parent);
    auto* item = parentItem ? new QTreeWidgetItem(parentItem) : new QTreeWidgetItem(this);
    item->setData(0, kPositionRole, node.position);
    item->setData(0, kKeyRole, QString::fromLatin1(node.key.c_str()));
    if (!parentItem) {
      // The four verbs stand out from the phrases under them.
      QFont verb = item->font(0);
      verb.setBold(true);
      item->setFont(0, verb);
    }
    items_.push_back(item);
  }
  setNodeIcon(icon);
  showCaptions();
  expandAll();
}

void AssistTree::showCaptions() {
  const std::vector<kord::AssistNode>& nodes = kord::AssistNodes();
  for (std::size_t i = 0; i < nodes.size() && i < items_.size(); ++i)
    items_[i]->setText(0, displayText(kord::AssistantCaption(nodes[i].caption, englishShown())));
}

void AssistTree::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) showCaptions();
  QTreeWidget::changeEvent(event);
}

void AssistTree::setNodeIcon(const QIcon& icon) {
  for (QTreeWidgetItem* item : items_) item->setIcon(0, icon);
}

QTreeWidgetItem* AssistTree::nodeItem(int position) const {
  if (position < 1 || position > static_cast<int>(items_.size())) return nullptr;
  return items_[static_cast<std::size_t>(position) - 1];
}

int AssistTree::positionOf(const QTreeWidgetItem* item) { return item ? item->data(0, kPositionRole).toInt() : 0; }

QMimeData* AssistTree::nodeMime(int position) {
  auto* mime = new QMimeData;
  mime->setData(kNodeMime, QByteArray::number(position));
  return mime;
}

void AssistTree::mousePressEvent(QMouseEvent* event) {
  QTreeWidget::mousePressEvent(event);
  pressed_ = positionOf(currentItem());
  pressPoint_ = event->position().toPoint();
}

void AssistTree::mouseMoveEvent(QMouseEvent* event) {
  const bool far = (event->position().toPoint() - pressPoint_).manhattanLength() >= QApplication::startDragDistance();
  if ((event->buttons() & Qt::LeftButton) && pressed_ > 0 && far && !dragging_) {
    startDrag(pressed_);
    return;
  }
  QTreeWidget::mouseMoveEvent(event);
}

void AssistTree::startDrag(int position) {
  dragging_ = true;
  auto* drag = new QDrag(this);
  drag->setMimeData(nodeMime(position));
  drag->setPixmap(dragImage(nodeItem(position)));
  drag->exec(Qt::CopyAction);
  dragging_ = false;
  highlight(0);
}

QPixmap AssistTree::dragImage(const QTreeWidgetItem* item) const {
  if (!item) return {};
  const QRect rect = visualItemRect(item);
  QPixmap image(rect.size().expandedTo(QSize(1, 1)));
  image.fill(QColor(255, 255, 255, 200));
  QPainter painter(&image);
  const QPixmap icon = item->icon(0).pixmap(iconSize().isValid() ? iconSize() : QSize(16, 16));
  painter.drawPixmap(2, (image.height() - icon.height()) / 2, icon);
  painter.setFont(font());
  painter.drawText(image.rect().adjusted(icon.width() + 6, 0, 0, 0), Qt::AlignVCenter, item->text(0));
  return image;
}

void AssistTree::highlight(int position) {
  if (position == dropTarget_) return;
  if (QTreeWidgetItem* old = nodeItem(dropTarget_)) old->setData(0, Qt::BackgroundRole, QVariant());
  dropTarget_ = position;
  if (QTreeWidgetItem* item = nodeItem(position)) item->setData(0, Qt::BackgroundRole, palette().highlight());
}

void AssistTree::dragEnterEvent(QDragEnterEvent* event) {
  if (draggedNode(event->mimeData()) > 0)
    event->acceptProposedAction();
  else
    event->ignore();
}

void AssistTree::dragMoveEvent(QDragMoveEvent* event) {
  if (draggedNode(event->mimeData()) == 0) {
    event->ignore();
    return;
  }
  highlight(positionOf(QTreeWidget::itemAt(event->position().toPoint())));
  event->acceptProposedAction();
}

void AssistTree::dragLeaveEvent(QDragLeaveEvent* event) {
  highlight(0);
  event->accept();
}

void AssistTree::dropEvent(QDropEvent* event) {
  const int dragged = draggedNode(event->mimeData());
  if (dragged == 0) {
    event->ignore();
    return;
  }
  event->acceptProposedAction();
  const int target = dropTarget_;
  highlight(0);
  emit nodeDropped(dragged, target);
}

}  // namespace kord::gui
