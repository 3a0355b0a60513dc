#pragma once
/// What the two navigators "Navigate" and "Thumb" share: the family chart of
/// the sixteen boxes, SSCommand1 printing the window and SSCommand2 closing
/// it. A click on a box moves the focus to the individual behind it and
/// refills the window (the core's box click); closing brings the focus card
/// (and, past the idle state, the record card) up to date.

#include <QWidget>
#include <array>

#include "qt_printer.h"
#include "secondary_window.h"
#include "session/session.h"

class QPushButton;

namespace kord::gui {

class NavigatorChart;

class NavigatorWindow : public SecondaryWindow {
  Q_OBJECT

 public:
  /// Rereads the boxes (and pictures) of the window's model.
  void render() override;

  NavigatorChart* chart() const { return chart_; }

 protected:
  NavigatorWindow(kord::Session& session, QtPrinter& printer, bool withPictures, QWidget* parent);

  /// The boxes of this window's model.
  virtual const kord::NavigatorBoxes& boxes() const = 0;
  /// The photographs beside the boxes; null for a window without them.
  virtual const std::array<kord::ThumbPicture, 14>* pictures() const { return nullptr; }
  /// The core's click on box `box`, `caretPos` characters into its text.
  virtual void clickBox(int box, int caretPos) = 0;
  /// The model's flag that the window is up.
  virtual bool& shownFlag() = 0;

  /// SSCommand2, Escape and the close box: hide, then refresh the cards.
  void onClose() override;

  kord::Session& s_;

 private:
  void onBoxClicked(int box, int caretPos);
  void onPrint();

  QtPrinter& printer_;
  NavigatorChart* chart_ = nullptr;
  QPushButton* print_ = nullptr;
  QPushButton* close_ = nullptr;
};

}  // namespace kord::gui
