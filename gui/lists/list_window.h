#pragma once
/// The list window "Lista": the general list, the roots, the leaves and the
/// sorted book, one line per individual; a click makes it the focus.

#include <QWidget>

#include "secondary_window.h"
#include "session/session.h"

class QListWidget;

namespace kord::gui {

class ListWindow : public SecondaryWindow {
  Q_OBJECT

 public:
  explicit ListWindow(kord::Session& session, QWidget* parent = nullptr);

  /// Shows Session::lista in the fixed-pitch font, each line as
  /// ListLineText lays it out, so the sorted book's columns line up.
  void render() override;

 private:
  kord::Session& s_;
  QListWidget* liber_ = nullptr;
};

}  // namespace kord::gui
