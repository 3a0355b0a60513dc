#include "assist_window.h"

#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

#include "assist_icon.h"
#include "assist_tree.h"
#include "qt_text.h"
#include "app/assistant.h"
#include "window_place.h"

namespace kord::gui {

Assist::Assist(kord::Session& session, QWidget* parent) : QWidget(parent), s_(session) {
  setObjectName(QStringLiteral("Assist"));
  setWindowTitle(QStringLiteral("Assistente"));
  auto* hint = new QLabel(QStringLiteral("Doppio clic su una frase per eseguire il comando."), this);
  hint->setStyleSheet(QStringLiteral("color: #55645b;"));
  tree_ = new AssistTree(assistNodeIcon(s_.DbFolder), this);
  surface_ = new QLabel(this);
  surface_->setObjectName(QStringLiteral("surface"));
  surface_->setTextFormat(Qt::PlainText);
  surface_->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
  surface_->setMinimumHeight(fontMetrics().height() * 2);
  surface_->setWordWrap(true);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(12, 10, 12, 12);
  layout->addWidget(hint);
  layout->addWidget(tree_, 1);
  layout->addWidget(surface_);
  connect(tree_, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) { onDoubleClick(item); });
  connect(tree_, &AssistTree::nodeDropped, this, &Assist::onDrop);
  resize(380, 640);
}

QString Assist::surfaceText() const { return surface_->text(); }

void Assist::onDoubleClick(QTreeWidgetItem* item) {
  if (!item) return;
  kord::AssistDblClick(s_, item->data(0, AssistTree::kKeyRole).toString().toStdString());
  // A command may have changed the switches the main window shows.
  s_.ui.refresh(kord::Window::MainMenu);
}

void Assist::onDrop(int dragged, int target) {
  const std::string text = kord::AssistDropText(dragged, target);
  if (!text.empty()) surface_->setText(displayText(text));
}

void Assist::mousePressEvent(QMouseEvent* event) {
  QWidget::mousePressEvent(event);
  const QList<QTreeWidgetItem*> selected = tree_->selectedItems();
  const std::string text = kord::AssistDescription(AssistTree::positionOf(selected.value(0)));
  if (!text.empty()) s_.ui.message(text);
}

void Assist::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    close();
    return;
  }
  QWidget::keyPressEvent(event);
}

void Assist::showEvent(QShowEvent* event) {
  if (s_.DbFolder != iconFolder_) {
    iconFolder_ = s_.DbFolder;
    tree_->setNodeIcon(assistNodeIcon(iconFolder_));
  }
  if (!placed_ && anchor_ && anchor_->isVisible()) {
    placed_ = true;
    placeBesideAnchor();
  }
  QWidget::showEvent(event);
}

/// Left of the main window, whose right side the record cards take; below
/// it when the screen has no room on the left.
void Assist::placeBesideAnchor() {
  const QRect outer = anchor_->frameGeometry();
  const int x = outer.left() - frameGeometry().width() - 8;
  const QScreen* screen = anchor_->screen();
  if (screen && x < screen->availableGeometry().left()) {
    placeBeside(*this, anchor_, Beside::Below);
    return;
  }
  move(x, outer.top());
}

}  // namespace kord::gui
