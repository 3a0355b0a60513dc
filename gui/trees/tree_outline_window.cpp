#include "tree_outline_window.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "outline_style.h"
#include "print_form.h"
#include "qt_text.h"
#include "trees/tree_windows.h"

namespace kord::gui {
namespace {

bool sameItems(const std::vector<kord::NestItem>& a, const std::vector<kord::NestItem>& b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const kord::NestItem& x, const kord::NestItem& y) {
    return x.text == y.text && x.level == y.level && x.data == y.data;
  });
}

constexpr const char* kCounterLabels[3] = {"Esaminati", "Inseriti", "Livelli"};
constexpr const char* kCommandCaptions[3] = {"Print Form", "Chiudi", "Stile"};

}  // namespace

TreeOutlineWindow::TreeOutlineWindow(kord::Session& session, QtPrinter& printer, QWidget* parent)
    : SecondaryWindow(parent), s_(session), printer_(printer) {
  setWindowTitle(QStringLiteral("Interactive Tree"));
  lista_ = new QTreeWidget(this);
  lista_->setObjectName(QStringLiteral("Lista"));
  lista_->setHeaderHidden(true);
  lista_->setColumnCount(1);
  lista_->setUniformRowHeights(true);
  // One wide column that scrolls sideways instead of cutting long notes.
  lista_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
  lista_->header()->setStretchLastSection(false);
  outlineStyle_ = new OutlineStyle;
  outlineStyle_->setParent(this);
  lista_->setStyle(outlineStyle_);
  connect(lista_, &QTreeWidget::itemClicked, this, &TreeOutlineWindow::onClicked);
  auto updateIcon = [this](QTreeWidgetItem* item) { setOutlineIcon(*item, outlineLook(s_.treeOutline.style)); };
  connect(lista_, &QTreeWidget::itemExpanded, this, updateIcon);
  connect(lista_, &QTreeWidget::itemCollapsed, this, updateIcon);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(10, 8, 10, 10);
  layout->addWidget(lista_, 1);
  layout->addWidget(buildCounters());
  layout->addWidget(buildButtons());
  resize(560, 560);
  render();
}

QWidget* TreeOutlineWindow::buildCounters() {
  auto* row = new QWidget(this);
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  for (int i = 0; i < 3; ++i) {
    auto* form = new QFormLayout;
    counters_[i] = new QLineEdit(row);
    counters_[i]->setObjectName(QStringLiteral("Text%1").arg(i + 1));
    counters_[i]->setReadOnly(true);
    counters_[i]->setAlignment(Qt::AlignRight);
    counters_[i]->setMaximumWidth(80);
    form->addRow(QString::fromLatin1(kCounterLabels[i]), counters_[i]);
    layout->addLayout(form);
  }
  layout->addStretch(1);
  return row;
}

QWidget* TreeOutlineWindow::buildButtons() {
  auto* row = new QWidget(this);
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  for (int i = 0; i < 3; ++i) {
    commands_[i] = new QPushButton(QString::fromLatin1(kCommandCaptions[i]), row);
    commands_[i]->setObjectName(QStringLiteral("Command3D1_%1").arg(i));
    commands_[i]->setAutoDefault(false);
  }
  connect(commands_[0], &QPushButton::clicked, this, &TreeOutlineWindow::onPrint);
  connect(commands_[1], &QPushButton::clicked, this, &TreeOutlineWindow::onChiudi);
  connect(commands_[2], &QPushButton::clicked, this, &TreeOutlineWindow::onStile);
  layout->addWidget(commands_[0]);
  layout->addStretch(1);
  layout->addWidget(commands_[2]);
  layout->addWidget(commands_[1]);
  return row;
}

void TreeOutlineWindow::render() {
  const kord::TreeOutlineModel& m = s_.treeOutline;
  if (!sameItems(m.Lista, shown_)) rebuildOutline();
  counters_[0]->setText(QString::number(m.Text1));
  counters_[1]->setText(QString::number(m.Text2));
  counters_[2]->setText(QString::number(m.Text3));
  applyStyle();
}

void TreeOutlineWindow::rebuildOutline() {
  lista_->clear();
  shown_ = s_.treeOutline.Lista;
  // path[k] is the latest item at level k: a new item at level L hangs
  // under path[L - 1]; a level deeper than the path allows hangs under the
  // deepest item there is.
  std::vector<QTreeWidgetItem*> path;
  for (std::size_t row = 0; row < shown_.size(); ++row) {
    const kord::NestItem& item = shown_[row];
    path.resize(std::min<std::size_t>(std::max(item.level, 0), path.size()));
    auto* node = path.empty() ? new QTreeWidgetItem(lista_) : new QTreeWidgetItem(path.back());
    node->setText(0, displayText(item.text));
    node->setData(0, Qt::UserRole, item.data);
    node->setData(0, kNestItemRole, static_cast<int>(row));
    path.push_back(node);
  }
  lista_->expandAll();
}

void TreeOutlineWindow::applyStyle() {
  const OutlineLook look = outlineLook(s_.treeOutline.style);
  outlineStyle_->setLook(look);
  // Without lines or boxes the top level needs no branch column.
  lista_->setRootIsDecorated(look.lines || look.boxes);
  lista_->setItemsExpandable(true);
  lista_->setIndentation(look.indentation);
  applyOutlineIcons(*lista_, look);
  lista_->viewport()->update();
}

void TreeOutlineWindow::onClicked(QTreeWidgetItem* item) {
  if (!item) return;
  kord::TreeOutlineClick(s_, item->data(0, kNestItemRole).toInt());
  s_.ui.refresh(kord::Window::MainWindow);
}

void TreeOutlineWindow::onPrint() { printForm(s_, printer_, *this, "Interactive Tree"); }

void TreeOutlineWindow::onChiudi() {
  kord::CloseTreeOutline(s_);
  // Hidden windows are not refreshed; the emptied outline must not show
  // again for a moment when the window comes back.
  render();
}

void TreeOutlineWindow::onStile() { kord::NextTreeOutlineStyle(s_); }

void TreeOutlineWindow::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: onClicked(lista_->currentItem()); return;
    default: SecondaryWindow::keyPressEvent(event);
  }
}

void TreeOutlineWindow::onClose() {
  if (s_.treeOutline.visible || !s_.treeOutline.Lista.empty()) onChiudi();
}

}  // namespace kord::gui
