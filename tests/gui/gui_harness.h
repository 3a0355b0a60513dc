#pragma once
// The windows of the foundation wired to one session, with the person's part
// scripted: message boxes are recorded and answered from a queue, the file
// dialog runs for real and a script plays the clicks once it is up.

#include <QListWidget>
#include <QTemporaryDir>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "database_file_dialog.h"
#include "edit_card_window.h"
#include "history_window.h"
#include "lists/list_window.h"
#include "lists/report_fields_dialog.h"
#include "lists/report_grid_window.h"
#include "load_progress_window.h"
#include "main_window.h"
#include "name_search_window.h"
#include "qt_printer.h"
#include "qt_ui.h"
#include "record_card_window.h"
#include "session/session.h"
#include "shared/fixed_clock.h"
#include "start_window.h"

namespace kord::guitest {

using FixedClock = test::FixedClock;

class ScriptedUi : public gui::QtUi {
 public:
  explicit ScriptedUi(const gui::WindowSet& windows) : QtUi(windows), windows_(windows) {}

  std::vector<std::string> messages;
  std::vector<std::string> questions;
  std::deque<bool> answers;        ///< empty: the default button
  std::deque<std::string> inputs;  ///< input box answers; empty: cancelled
  /// Plays the person's part once the file dialog is up.
  std::function<void(gui::DatabaseFileDialog&)> onDialog;
  int dialogRuns = 0;
  bool dialogTimedOut = false;
  bool quitCalled = false;
  /// What LoadProgressWindow showed at each refresh: FileI and whether it was up.
  std::vector<std::pair<QString, bool>> progressSeen;

  void message(const std::string& text, const std::string& title = {}) override;
  bool askYesNo(const std::string& text, const std::string& title, Icon icon, bool defaultYes) override;
  std::string inputBox(const std::string&, const std::string&, const std::string&) override;
  void runFileDialog() override;
  void refresh(Window window) override;
  void quit() override { quitCalled = true; }

 private:
  const gui::WindowSet& windows_;
};

/// One session with every window, on a scratch folder that starts empty.
struct Harness {
  QTemporaryDir dir;
  gui::WindowSet windows;
  ScriptedUi ui{windows};
  FixedClock clock;
  gui::QtPrinter printer;
  Session session{ui, clock, printer};
  gui::StartWindow apreDB{session};
  gui::DatabaseFileDialog frmApreFile{session};
  gui::LoadProgressWindow leggeGenealog{session};
  gui::MainWindow mainMenu{session};
  gui::HistoryWindow history{session};
  gui::RecordCardWindow skeda{session, printer, kord::Selection::Focus};
  gui::RecordCardWindow skeda2{session, printer, kord::Selection::Second};
  gui::NameSearchWindow listaNomi{session, printer};
  gui::EditCardWindow editCard{session};
  gui::ListWindow lista{session};
  gui::ReportFieldsDialog campiReport{session};
  gui::ReportGridWindow rapporto{session};

  Harness();
  /// The scratch folder with a trailing "/".
  std::string folder() const;
  /// Database `base`: Rossi Niccolò, Bianchi Anna, Rossi Luigi (the son of
  /// both), the couple married; 3 individuals, 2 child and 2 spouse links.
  void writeFamily(const QString& base = QStringLiteral("fam")) const;
  /// Copies the sample database famiglia into the folder; false when the
  /// sample is missing.
  bool copySample() const;
  /// Shows the start window, presses Open and picks `file` in the dialog.
  void openThroughStartWindow(const QString& file);
  /// Copies the sample, opens it and forgets the messages of the opening;
  /// false when the sample is missing.
  bool openSample();
};

/// Clicks (or double-clicks) the row of `list` that reads `text`; false
/// when there is no such row.
bool clickListItem(QListWidget& list, const QString& text, bool doubleClick = false);

/// Types `text` into `widget` key by key; letters beyond ASCII arrive as
/// the text of their key event, as an input method delivers them.
void typeText(QWidget* widget, const QString& text);

/// The texts of the rows of `list`.
QStringList listTexts(const QListWidget& list);

}  // namespace kord::guitest
