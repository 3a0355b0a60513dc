#pragma once
// The family book windows wired to one session on a copy of the sample
// database (with the site templates beside it), the person's part
// scripted: messages are recorded, questions take their default answer.

#include <QTemporaryDir>
#include <string>
#include <vector>

#include "book_window.h"
#include "family_navigator_window.h"
#include "picture_navigator_window.h"
#include "qt_printer.h"
#include "session/session.h"
#include "sort_key_dialog.h"
#include "window_ui.h"

class QPlainTextEdit;

namespace kord::booktest {

using testsupport::FixedClock;

/// The scripted person, also counting the lines the book window showed at
/// each of its refreshes.
class BookUi : public testsupport::WindowMapUi {
 public:
  std::vector<int> bookLinesAtRefresh;
  void refresh(Window window) override;
};

struct BookHarness {
  QTemporaryDir dir;
  BookUi ui;
  FixedClock clock;
  gui::QtPrinter printer;
  Session session{ui, clock, printer};
  gui::FamilyNavigatorWindow navigate{session, printer};
  gui::PictureNavigatorWindow thumb{session, printer};
  gui::BookWindow book{session};
  gui::SortKeyDialog schedaSort1{session};

  BookHarness();
  /// Copies the sample database into the scratch folder and opens it as the
  /// start window does; false when that failed.
  bool openSample() { return testsupport::OpenSampleCopy(dir, session, ui, {".htt"}); }
  /// The database folder, with a trailing "/".
  std::string dbFolder() const { return testsupport::SampleFolder(dir); }
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
