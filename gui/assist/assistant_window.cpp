#include "assistant_window.h"

#include <QLabel>
#include <QVBoxLayout>

#include "app/assistant.h"
#include "assist_icon.h"
#include "assist_tree.h"
#include "qt_text.h"

#include "qt_language.h"

namespace kord::gui {

AssistantWindow::AssistantWindow(kord::Session& session, QWidget* parent) : SecondaryWindow(parent), s_(session) {
  setObjectName(QStringLiteral("Assist"));
  setCaption(this, "Assistente", "Assistant");
  auto* hint = new QLabel(this);
  setCaption(hint, "Doppio clic su una frase per eseguire il comando.", "Double-click a sentence to run its command.");
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
  connect(tree_, &AssistTree::nodeDropped, this, &AssistantWindow::onDrop);
  resize(380, 640);
}

QString AssistantWindow::surfaceText() const { return surface_->text(); }

void AssistantWindow::onDoubleClick(QTreeWidgetItem* item) {
  if (!item) return;
  kord::AssistDblClick(s_, utf8Of(item->data(0, AssistTree::kKeyRole).toString()));
  // A command may have changed the switches the main window shows.
  s_.ui.refresh(kord::Window::MainWindow);
}

void AssistantWindow::onDrop(int dragged, int target) {
  const std::string text = kord::AssistDropText(dragged, target);
  if (!text.empty()) surface_->setText(displayText(text));
}

void AssistantWindow::mousePressEvent(QMouseEvent* event) {
  QWidget::mousePressEvent(event);
  const QList<QTreeWidgetItem*> selected = tree_->selectedItems();
  const std::string text = kord::AssistDescription(AssistTree::positionOf(selected.value(0)));
  if (!text.empty()) s_.ui.message(text);
}

void AssistantWindow::render() {
  if (s_.DbFolder == iconFolder_) return;
  iconFolder_ = s_.DbFolder;
  tree_->setNodeIcon(assistNodeIcon(iconFolder_));
}

void AssistantWindow::showEvent(QShowEvent* event) {
  render();
  SecondaryWindow::showEvent(event);
}

}  // namespace kord::gui
