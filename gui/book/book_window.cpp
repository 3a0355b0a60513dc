#include "book_window.h"

#include <QFontDatabase>
#include <QLabel>
#include <QListWidget>
#include <QScrollBar>
#include <QVBoxLayout>

#include "qt_language.h"
#include "qt_printer.h"
#include "qt_text.h"

namespace kord::gui {
namespace {

constexpr int kBookColumns = 82;  // book lines are cut at 80 characters
constexpr int kBookRows = 36;     // the window keeps the last 35 lines

QFont bookFont() {
  const QString family = lineDrawingFamily();
  return family.isEmpty() ? QFontDatabase::systemFont(QFontDatabase::FixedFont) : QFont(family);
}

}  // namespace

BookWindow::BookWindow(kord::Session& session, QWidget* parent) : SecondaryWindow(parent), s_(session) {
  setObjectName(QStringLiteral("Book"));
  setCaption(this, "Libro", "Book");
  // The book refreshes this window while it is written; the person keeps
  // working in the window that started it.
  setAttribute(Qt::WA_ShowWithoutActivating);
  heading_ = new QLabel(this);
  heading_->setStyleSheet(QStringLiteral("color: #2e6b4f;"));
  liber_ = new QListWidget(this);
  liber_->setObjectName(QStringLiteral("Liber"));
  liber_->setFont(bookFont());
  liber_->setSelectionMode(QAbstractItemView::NoSelection);
  liber_->setFocusPolicy(Qt::NoFocus);
  const QFontMetrics metrics(liber_->font());
  const int frame = 2 * liber_->frameWidth() + 2 * liber_->spacing() + 8;  // items have a little padding
  liber_->setMinimumSize(metrics.horizontalAdvance(QLatin1Char('M')) * kBookColumns +
                             liber_->verticalScrollBar()->sizeHint().width() + frame,
                         metrics.lineSpacing() * 12);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(heading_);
  layout->addWidget(liber_, 1);
  resize(minimumSizeHint().width(), metrics.lineSpacing() * kBookRows);
  render();
}

void BookWindow::render() {
  heading_->setText(displayText(s_.text("Le ultime righe del libro di famiglia", "The last lines of the family book")));
  liber_->clear();
  for (const std::string& line : s_.book.Liber) liber_->addItem(displayText(line));
  liber_->scrollToBottom();
}

void BookWindow::onClose() { s_.book.visible = false; }

}  // namespace kord::gui
