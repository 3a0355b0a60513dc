#pragma once
/// A window beside the main window that shows part of the session: render()
/// rereads its model, Escape closes it, and closing tells the model through
/// onClose(). Where it first appears is the WindowKeeper's part; F1 finds
/// its manual page by its class (HelpWindow::pageFor).

#include <QWidget>

#include "window_set.h"

namespace kord::gui {

class SecondaryWindow : public QWidget, public ModelWindow {
  Q_OBJECT

 protected:
  explicit SecondaryWindow(QWidget* parent = nullptr, Qt::WindowFlags flags = {}) : QWidget(parent, flags) {}

  /// What closing the window changes in its model (the flag that it is up,
  /// what it caches); nothing for a window whose model does not care.
  virtual void onClose() {}

  /// Escape closes; a window with keys of its own handles them first and
  /// passes the rest on here.
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
};

}  // namespace kord::gui
