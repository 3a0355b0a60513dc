#pragma once
/// The book window "Libro": its list Liber shows, in the fixed-pitch font,
/// the last lines of the family book while the book is being written.

#include <QWidget>

#include "secondary_window.h"
#include "session/session.h"

class QLabel;
class QListWidget;

namespace kord::gui {

class BookWindow : public SecondaryWindow {
  Q_OBJECT

 public:
  explicit BookWindow(kord::Session& session, QWidget* parent = nullptr);

  /// Shows Session::book, scrolled to its newest line.
  void render() override;

 protected:
  void onClose() override;

 private:
  kord::Session& s_;
  QLabel* heading_ = nullptr;
  QListWidget* liber_ = nullptr;
};

}  // namespace kord::gui
