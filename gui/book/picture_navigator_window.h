#pragma once
/// The picture navigator "Thumb" (caption "Navigate"): the boxes of Navigate
/// with a photograph ImgThumbnail2(k) above each of boxes 0..13.

#include "navigator_window.h"

namespace kord::gui {

class PictureNavigatorWindow : public NavigatorWindow {
  Q_OBJECT

 public:
  PictureNavigatorWindow(kord::Session& session, QtPrinter& printer, QWidget* parent = nullptr);

 protected:
  const kord::NavigatorBoxes& boxes() const override { return s_.thumb.w1; }
  const std::array<kord::ThumbPicture, 14>* pictures() const override { return &s_.thumb.ImgThumbnail2; }
  void clickBox(int box, int caretPos) override;
  bool& shownFlag() override { return s_.thumb.visible; }
};

}  // namespace kord::gui
