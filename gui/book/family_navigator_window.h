#pragma once
/// The navigator "Navigate": the sixteen boxes of the focus's family as the
/// family book fills them; a click on a box refills it for that individual.

#include "navigator_window.h"

namespace kord::gui {

class FamilyNavigatorWindow : public NavigatorWindow {
  Q_OBJECT

 public:
  FamilyNavigatorWindow(kord::Session& session, QtPrinter& printer, QWidget* parent = nullptr);

 protected:
  const kord::NavigatorBoxes& boxes() const override { return s_.navigate.w1; }
  void clickBox(int box, int caretPos) override;
  bool& shownFlag() override { return s_.navigate.visible; }
};

}  // namespace kord::gui
