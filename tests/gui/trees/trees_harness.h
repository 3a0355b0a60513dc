#pragma once
// The tree windows wired to one session on a copy of the sample database
// (with the HTML templates beside it), with the person's part scripted:
// messages are recorded, the file dialog picks the sample.

#include <QTemporaryDir>
#include <string>
#include <vector>

#include "albero_window.h"
#include "generazioni_window.h"
#include "nest_window.h"
#include "qt_printer.h"
#include "shell/session.h"

class QWidget;

namespace kord::treestest {

/// Always 8 December 2026.
class FixedClock : public Clock {
 public:
  LocalTime now() const override { return {2026, 12, 8, 14, 3, 22}; }
};

/// Shows, hides and renders the three tree windows; other windows are not
/// built here and stay hidden.
class TreesUi : public Ui {
 public:
  gui::Albero* albero = nullptr;
  gui::Nest* nest = nullptr;
  gui::Generazioni* generazioni = nullptr;
  Session* session = nullptr;
  std::string pickFile;  ///< the database the file dialog chooses
  std::vector<std::string> messages;

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

struct TreesHarness {
  QTemporaryDir dir;
  TreesUi ui;
  FixedClock clock;
  gui::QtPrinter printer;
  Session session{ui, clock, printer};
  gui::Albero albero{session, printer};
  gui::Nest nest{session, printer};
  gui::Generazioni generazioni{session};

  TreesHarness();
  /// Copies the sample database and the tree page templates into the
  /// scratch folder and opens the copy as the start window does, forgetting
  /// the messages of the opening; false when that failed.
  bool openSample();
  /// The database folder, with a trailing "/".
  std::string dbFolder() const;
};

}  // namespace kord::treestest
