#pragma once
/// The core's Ui with Qt: message boxes, the input box, the modal file
/// dialog and the windows of the WindowSet.

#include <QWidget>

#include "session/ui.h"
#include "window_set.h"

namespace kord::gui {

class QtUi : public kord::Ui {
 public:
  /// `windows` is filled by the caller once the windows exist; it must
  /// outlive this object.
  explicit QtUi(const WindowSet& windows) : windows_(windows) {}

  /// OK box over the active window; an empty title shows "Kord".
  void message(const std::string& text, const std::string& title = {}) override;
  bool askYesNo(const std::string& text, const std::string& title, Icon icon, bool defaultYes) override;
  /// Cancelling returns "".
  std::string inputBox(const std::string& prompt, const std::string& title, const std::string& defaultText) override;
  /// Runs DatabaseFileDialog modally; without that window nothing is chosen.
  void runFileDialog() override;
  /// The system's file dialog over the active window.
  std::string chooseFile(FileChoice& choice) override;
  /// Showing renders the window from its model first.
  void showWindow(Window window, bool visible) override;
  /// Renders the window and lets pending paints through, so long work shows
  /// a sign of life; the person's input waits until the work is done.
  void refresh(Window window) override;
  /// Quits the application once control is back in an event loop.
  void quit() override;

 protected:
  /// The window object of `window`; null for windows not built.
  QWidget* widgetOf(Window window) const;

 private:
  const WindowSet& windows_;
};

}  // namespace kord::gui
