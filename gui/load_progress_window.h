#pragma once
/// The progress window "Legge Genealogia" shown while a database loads:
/// one row per file with its gauge Gauge1(i) (0..20) and its status text
/// FileI / FileC / FileS.

#include <QWidget>
#include <array>

#include "session/session.h"
#include "window_set.h"

class QLineEdit;
class QProgressBar;

namespace kord::gui {

class LoadProgressWindow : public QWidget, public ModelWindow {
  Q_OBJECT

 public:
  explicit LoadProgressWindow(const kord::Session& session, QWidget* parent = nullptr);

  /// Shows Session::progress.
  void render() override;

 private:
  const kord::Session& s_;
  std::array<QProgressBar*, 3> gauges_{};
  std::array<QLineEdit*, 3> texts_{};
};

}  // namespace kord::gui
