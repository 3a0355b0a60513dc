#pragma once
/// The windows of one program run, as the Qt Ui reaches them: one row per
/// kord::Window. ProgramWindows (or a test) builds the windows and fills the
/// set; windows not built stay null and the Ui ignores them.

#include <QWidget>
#include <array>

#include "session/ui.h"

namespace kord::gui {

/// A window that shows part of the session: render() rereads its model.
class ModelWindow {
 public:
  virtual ~ModelWindow() = default;
  virtual void render() = 0;
};

class WindowSet {
 public:
  void put(kord::Window window, QWidget* widget) { widgets_[row(window)] = widget; }
  /// The window object of `window`; null for a window not built.
  QWidget* widget(kord::Window window) const { return widgets_[row(window)]; }
  /// The same as its own class, for the few callers that need its members;
  /// null when not built or of another class.
  template <class W>
  W* as(kord::Window window) const {
    return dynamic_cast<W*>(widget(window));
  }

 private:
  static std::size_t row(kord::Window window) { return static_cast<std::size_t>(window); }

  std::array<QWidget*, kord::kWindowCount> widgets_{};
};

}  // namespace kord::gui
