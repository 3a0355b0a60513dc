#pragma once
/// Every window of one program run, built on one session from one table
/// (program_windows.cpp: a row per window, with the place where it first
/// appears), and reached by its kord::Window.

#include <cassert>
#include <memory>
#include <vector>

#include "qt_printer.h"
#include "session/session.h"
#include "window_set.h"

namespace kord::gui {

class WindowKeeper;

class ProgramWindows {
 public:
  ProgramWindows(kord::Session& session, QtPrinter& printer);
  /// The windows go in the reverse order of their building.
  ~ProgramWindows();
  ProgramWindows(const ProgramWindows&) = delete;
  ProgramWindows& operator=(const ProgramWindows&) = delete;

  /// The set the Ui reaches the windows through.
  const WindowSet& set() const { return set_; }
  /// Window `window` as its own class `W`; the class must be the row's.
  template <class W>
  W& get(kord::Window window) const {
    W* built = set_.as<W>(window);
    assert(built && "the row of this window builds another class");
    return *built;
  }
  /// Every window, in the order of building.
  std::vector<QWidget*> all() const;
  /// The main window at the top left, the record card on its right, the
  /// second card, the assistant and the history under the card; the rest
  /// cascade beside the main window.
  void arrange(WindowKeeper& keeper) const;

 private:
  /// Tab follows the editing card's rows; Enter in a field saves.
  void arrangeEditCardKeys();

  std::vector<std::unique_ptr<QWidget>> owned_;
  WindowSet set_;
};

}  // namespace kord::gui
