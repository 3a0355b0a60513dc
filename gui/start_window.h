#pragma once
/// The start window "Tree - Apre Database": the program's name and the
/// buttons Command1(0..2) "Open", "New" and "Exit".

#include <QWidget>

#include "session/session.h"
#include "window_set.h"

class QLabel;
class QPushButton;

namespace kord::gui {

class StartWindow : public QWidget, public ModelWindow {
  Q_OBJECT

 public:
  explicit StartWindow(kord::Session& session, QWidget* parent = nullptr);

  /// The line under the name, in the session's language.
  void render() override;

 private:
  QPushButton* addCommand(int index, const QString& caption);
  /// Every button first shows today's date and time; then Open opens a
  /// database, Exit ends the program and New does nothing more.
  void onCommand1(int index);

  kord::Session& s_;
  QLabel* tagline_ = nullptr;
};

}  // namespace kord::gui
