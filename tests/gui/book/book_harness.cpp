#include "book_harness.h"

#include <QListWidget>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextBlock>
#include <filesystem>

#include "db/file_dialog.h"
#include "db/file_set.h"
#include "db/open_database.h"

namespace kord::booktest {

void BookUi::message(const std::string& text, const std::string&) { messages.push_back(text); }

void BookUi::runFileDialog() {
  if (!session || pickFile.empty()) return;
  session->dialog.folder = FolderOf(pickFile);
  DialogClickFile(*session, BaseNameOf(pickFile));
  DialogOpen(*session);
}

QWidget* BookUi::widgetOf(Window window) const {
  switch (window) {
    case Window::Navigate:
      return navigate;
    case Window::Thumb:
      return thumb;
    case Window::Book:
      return book;
    default:
      return nullptr;
  }
}

void BookUi::showWindow(Window window, bool visible) {
  QWidget* widget = widgetOf(window);
  if (!widget) return;
  if (!visible) {
    widget->hide();
    return;
  }
  if (auto* view = dynamic_cast<gui::ModelWindow*>(widget)) view->render();
  widget->show();
}

void BookUi::refresh(Window window) {
  if (auto* view = dynamic_cast<gui::ModelWindow*>(widgetOf(window))) view->render();
  if (window == Window::Book && book)
    bookLinesAtRefresh.push_back(book->findChild<QListWidget*>(QStringLiteral("Liber"))->count());
}

BookHarness::BookHarness() {
  ui.navigate = &navigate;
  ui.thumb = &thumb;
  ui.book = &book;
  ui.session = &session;
  printer.setAlwaysPdf(true);
}

bool BookHarness::openSample() {
  namespace fs = std::filesystem;
  std::error_code ec;
  const fs::path data(KORD_DATA_DIR);
  fs::copy(data / "sample", dir.filePath(QStringLiteral("sample")).toStdString(), fs::copy_options::recursive, ec);
  if (ec) return false;
  // The site templates live in the parent of the database folder.
  for (const auto& entry : fs::directory_iterator(data, ec))
    if (entry.path().extension() == ".htt")
      fs::copy_file(entry.path(), fs::path(dir.path().toStdString()) / entry.path().filename(), ec);
  ui.pickFile = dbFolder() + "famiglia.rni";
  session.StatoWindows = kStateOpening;
  const bool loaded = OpenDatabase(session) == OpenOutcome::Loaded;
  ui.messages.clear();
  return loaded;
}

std::string BookHarness::dbFolder() const { return dir.filePath(QStringLiteral("sample")).toStdString() + "/"; }

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
