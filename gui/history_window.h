#pragma once
/// The history window "Storia": Text1 shows what this run logged.

#include <QWidget>

#include "session/session.h"
#include "window_set.h"

class QPlainTextEdit;

namespace kord::gui {

class HistoryWindow : public QWidget, public ModelWindow {
  Q_OBJECT

 public:
  explicit HistoryWindow(const kord::Session& session, QWidget* parent = nullptr);

  /// Shows Session::historyText, scrolled to its newest line.
  void render() override;

 protected:
  /// Escape closes the window; the history itself is kept.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  const kord::Session& s_;
  QPlainTextEdit* text1_ = nullptr;
};

}  // namespace kord::gui
