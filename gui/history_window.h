#pragma once
/// The history window "Storia": Text1 shows what this run logged.

#include <QWidget>

#include "secondary_window.h"
#include "session/session.h"

class QPlainTextEdit;

namespace kord::gui {

class HistoryWindow : public SecondaryWindow {
  Q_OBJECT

 public:
  explicit HistoryWindow(const kord::Session& session, QWidget* parent = nullptr);

  /// Shows Session::historyText, scrolled to its newest line.
  void render() override;

 private:
  const kord::Session& s_;
  QPlainTextEdit* text1_ = nullptr;
};

}  // namespace kord::gui
