#include "book_harness.h"

#include <QListWidget>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextBlock>

namespace kord::booktest {

void BookUi::refresh(Window window) {
  WindowMapUi::refresh(window);
  QWidget* book = widgetOf(Window::BookWindow);
  if (window == Window::BookWindow && book)
    bookLinesAtRefresh.push_back(book->findChild<QListWidget*>(QStringLiteral("Liber"))->count());
}

BookHarness::BookHarness() {
  ui.windows = {{Window::FamilyNavigatorWindow, &navigate},
                {Window::PictureNavigatorWindow, &thumb},
                {Window::BookWindow, &book}};
  ui.session = &session;
  printer.setAlwaysPdf(true);
}

int BookHarness::indexOf(const std::string& cp1252Name) const {
  const Tables& t = session.tables;
  for (int i = 2; i <= t.LastIndex; ++i)
    if (t.Names[i] == cp1252Name) return i;
  return 0;
}

void clickLine(QPlainTextEdit* box, int line) {
  QTextCursor cursor(box->document()->findBlockByNumber(line));
  box->setTextCursor(cursor);
  box->ensureCursorVisible();
  QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, box->cursorRect(cursor).center());
}

void clickAfterEnd(QPlainTextEdit* box) {
  QTextCursor cursor(box->document());
  cursor.movePosition(QTextCursor::End);
  box->setTextCursor(cursor);
  box->ensureCursorVisible();
  const QPoint end(box->viewport()->width() - 3, box->cursorRect(cursor).center().y());
  QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, end);
}

QStringList shownLines(QPlainTextEdit* box) { return box->toPlainText().split(QLatin1Char('\n')); }

}  // namespace kord::booktest
