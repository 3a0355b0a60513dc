#include "tree_list_window.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include "db/codepage.h"
#include "print_form.h"
#include "qt_language.h"
#include "qt_text.h"
#include "trees/tree_windows.h"

namespace kord::gui {
namespace {

/// "Terminal": the fixed-pitch face with the box-drawing glyphs, else the
/// system's fixed-pitch face, at the list's size.
QFont treeFont(const QFont& base) {
  const QString family = lineDrawingFamily();
  QFont font = family.isEmpty() ? QFontDatabase::systemFont(QFontDatabase::FixedFont) : QFont(family);
  font.setPointSizeF(base.pointSizeF());
  font.setStyleHint(QFont::TypeWriter);
  font.setFixedPitch(true);
  return font;
}

}  // namespace

QString alberoLineText(const kord::AlberoItem& item) {
  // The two parts have different code pages: B3 is a bar in the drawing
  // and a superscript three in a name.
  return utf8Text(kord::TreeBytesToUtf8(item.drawing)) + displayText(item.text);
}

TreeListWindow::TreeListWindow(kord::Session& session, QtPrinter& printer, QWidget* parent)
    : SecondaryWindow(parent), s_(session), printer_(printer) {
  setCaption(this, "Albero", "Tree");
  command1_ = new QToolButton(this);
  command1_->setObjectName(QStringLiteral("Command1"));
  command1_->setIcon(style()->standardIcon(QStyle::SP_ArrowUp));
  command1_->setAutoRaise(true);
  connect(command1_, &QToolButton::clicked, this, &TreeListWindow::onClimb);

  lista_ = new QListWidget(this);
  lista_->setObjectName(QStringLiteral("Lista"));
  lista_->setFont(treeFont(lista_->font()));
  lista_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  lista_->setTextElideMode(Qt::ElideNone);
  lista_->setWordWrap(false);
  lista_->viewport()->installEventFilter(this);
  connect(lista_, &QListWidget::itemClicked, this, &TreeListWindow::onClicked);
  buildMenu();

  auto* tools = new QHBoxLayout;
  tools->addWidget(command1_);
  tools->addStretch(1);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(8, 6, 8, 8);
  layout->setSpacing(4);
  layout->addLayout(tools);
  layout->addWidget(lista_, 1);
  resize(620, 520);
  render();
}

void TreeListWindow::buildMenu() {
  menuutente_ = new QMenu(this);
  menuutente_->setObjectName(QStringLiteral("Menuutente"));
  QAction* chiudi = menuutente_->addAction(QStringLiteral("Chiudi"));
  chiudi->setObjectName(QStringLiteral("Chiudi"));
  QAction* stampa = menuutente_->addAction(QStringLiteral("Stampa Form"));
  stampa->setObjectName(QStringLiteral("StampaForm"));
  connect(chiudi, &QAction::triggered, this, &TreeListWindow::onChiudi);
  connect(stampa, &QAction::triggered, this, &TreeListWindow::onPrint);
}

void TreeListWindow::render() {
  lista_->clear();
  for (const kord::AlberoItem& item : s_.treeList.Lista) {
    auto* row = new QListWidgetItem(alberoLineText(item), lista_);
    row->setData(Qt::UserRole, item.data);
  }
  command1_->setToolTip(displayText(
      s_.text("Sali di una generazione: l'albero del primo genitore", "One generation up: the first parent's tree")));
}

void TreeListWindow::onClicked(QListWidgetItem* item) {
  kord::TreeListClick(s_, lista_->row(item));
  focusMoved();
}

// The redraws empty the list first and may then refuse to draw, so the
// window rereads its list whatever happened.
void TreeListWindow::onDoubleClicked(QListWidgetItem* item) {
  kord::TreeListDoubleClick(s_, lista_->row(item));
  render();
  focusMoved();
}

void TreeListWindow::onClimb() {
  kord::TreeListUpOneGeneration(s_);
  render();
  focusMoved();
}

void TreeListWindow::onChiudi() {
  kord::CloseTreeList(s_);
  render();
}

void TreeListWindow::onPrint() { printForm(s_, printer_, *this, "Albero"); }

void TreeListWindow::focusMoved() { s_.ui.refresh(kord::Window::MainWindow); }

void TreeListWindow::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      // Enter on a line picks it as a click does.
      if (QListWidgetItem* item = lista_->currentItem()) onClicked(item);
      return;
    default: SecondaryWindow::keyPressEvent(event);
  }
}

void TreeListWindow::onClose() {
  if (s_.treeList.visible || !s_.treeList.Lista.empty()) onChiudi();
}

bool TreeListWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched != lista_->viewport()) return QWidget::eventFilter(watched, event);
  if (event->type() == QEvent::MouseButtonPress) {
    auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() != Qt::RightButton) return false;
    menuutente_->popup(lista_->viewport()->mapToGlobal(mouse->position().toPoint()));
    return true;
  }
  if (event->type() == QEvent::MouseButtonDblClick) {
    // The redraw replaces every row; doing it here rather than in the
    // list's own double-click handling keeps the list from touching a row
    // that is gone. A double click beside the lines selects nothing.
    auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() != Qt::LeftButton) return false;
    if (QListWidgetItem* item = lista_->itemAt(mouse->position().toPoint())) onDoubleClicked(item);
    return true;
  }
  return false;
}

}  // namespace kord::gui
