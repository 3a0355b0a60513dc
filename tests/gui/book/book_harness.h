#pragma once
// The family book windows wired to one session on a copy of the sample
// database (with the site templates beside it), the person's part
// scripted: messages are recorded, questions take their default answer.

#include <QTemporaryDir>
#include <string>
#include <vector>

#include "book_window.h"
#include "navigate_window.h"
#include "qt_printer.h"
#include "scheda_sort_window.h"
#include "shell/session.h"
#include "thumb_window.h"

class QPlainTextEdit;

namespace kord::booktest {

/// Always 8 December 2026.
class FixedClock : public Clock {
 public:
  LocalTime now() const override { return {2026, 12, 8, 14, 3, 22}; }
};

/// Shows, hides and renders the book windows; other windows are not built
/// here and stay hidden.
class BookUi : public Ui {
 public:
  gui::Navigate* navigate = nullptr;
  gui::Thumb* thumb = nullptr;
  gui::Book* book = nullptr;
  Session* session = nullptr;
  std::string pickFile;  ///< the database the file dialog chooses
  std::vector<std::string> messages;
  /// The number of lines the book window showed at each of its refreshes.
  std::vector<int> bookLinesAtRefresh;

  void message(const std::string& text, const std::string& title = {}) override;
  bool askYesNo(const std::string&, const std::string&, Icon, bool defaultYes) override { return defaultYes; }
  std::string inputBox(const std::string&, const std::string&, const std::string&) override { return {}; }
  void runFileDialog() override;
  void showWindow(Window window, bool visible) override;
  void refresh(Window window) override;
  void quit() override {}

 private:
  QWidget* widgetOf(Window window) const;
};

struct BookHarness {
  QTemporaryDir dir;
  BookUi ui;
  FixedClock clock;
  gui::QtPrinter printer;
  Session session{ui, clock, printer};
  gui::Navigate navigate{session, printer};
  gui::Thumb thumb{session, printer};
  gui::Book book{session};
  gui::SchedaSort1 schedaSort1{session};

  BookHarness();
  /// Copies the sample database into the scratch folder and opens it as the
  /// start window does; false when that failed.
  bool openSample();
  /// The database folder, with a trailing "/".
  std::string dbFolder() const;
  /// The table index of the individual named `cp1252Name`; 0 when none.
  int indexOf(const std::string& cp1252Name) const;
};

/// Pavan Nicolò Giuseppe, three times married, as the tables keep his name.
inline const std::string kNicoloGiuseppe = "Pavan Nicol\xF2 Giuseppe";

/// Clicks the start of line `line` (from 0) of a box text.
void clickLine(QPlainTextEdit* box, int line);
/// Clicks past the end of a box text: right of its last line.
void clickAfterEnd(QPlainTextEdit* box);
/// The lines of a box text as shown.
QStringList shownLines(QPlainTextEdit* box);

}  // namespace kord::booktest
