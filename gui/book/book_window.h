#pragma once
/// The book window "Libro": its list Liber shows, in the fixed-pitch font,
/// the last lines of the family book while the book is being written.

#include <QWidget>

#include "session/session.h"
#include "window_set.h"

class QLabel;
class QListWidget;

namespace kord::gui {

class BookWindow : public QWidget, public ModelWindow {
  Q_OBJECT

 public:
  explicit BookWindow(kord::Session& session, QWidget* parent = nullptr);

  /// Shows Session::book, scrolled to its newest line.
  void render() override;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  kord::Session& s_;
  QLabel* heading_ = nullptr;
  QListWidget* liber_ = nullptr;
};

}  // namespace kord::gui
