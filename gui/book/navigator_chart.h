#pragma once
/// The sixteen navigator boxes w1(0)..w1(15) laid out as a family chart: the
/// grandparents of the focus and of spouse 1 on top, the two pairs of
/// parents below them, the focus beside the spouses, the children under the
/// couple, the details at the side. Lines join each pair to its child. The
/// picture navigator adds a photograph ImgThumbnail2(k) above boxes 0..13.

#include <QWidget>
#include <array>
#include <string>

#include "views/book_models.h"

class QFrame;
class QLabel;
class QPainter;
class QPlainTextEdit;

namespace kord::gui {

/// The caret position in the core's text of a box for a caret `displayPos`
/// characters into the text on screen, where each CR LF of the core shows as
/// one line break. A position past the end stays past the end.
int coreCaretPosition(const std::string& coreText, int displayPos);

class NavigatorChart : public QWidget {
  Q_OBJECT

 public:
  NavigatorChart(bool withPictures, QWidget* parent = nullptr);

  /// Shows the box texts (Windows-1252, CR LF lines) and the box captions
  /// of the language; with pictures, the photographs of `pictures` (a file
  /// that does not load leaves its box without a picture).
  void render(const kord::NavigatorBoxes& w1, const std::array<kord::ThumbPicture, 14>* pictures, bool english);

  /// The text control of box `k`.
  QPlainTextEdit* box(int k) const { return text_[k]; }

 signals:
  /// Box `k` was clicked with the caret `caretPos` characters into its
  /// core text (a click on a photograph counts as the start of its box).
  void boxClicked(int k, int caretPos);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  /// The connecting lines between the boxes.
  void paintEvent(QPaintEvent* event) override;

 private:
  QFrame* buildBox(int k, bool withPicture);
  void placeBoxes();
  void renderPicture(int k, const kord::ThumbPicture& picture);
  void clickText(int k, const QPoint& at);
  /// The lines from a couple's boxes to their child's box.
  void drawFork(QPainter& painter, int first, int second, int child) const;

  std::array<QFrame*, 16> frame_{};
  std::array<QLabel*, 16> caption_{};
  std::array<QPlainTextEdit*, 16> text_{};
  std::array<QLabel*, 14> picture_{};
  std::array<std::string, 14> shownPicture_;
  kord::NavigatorBoxes shown_;  ///< the core texts on screen, for the caret
};

}  // namespace kord::gui
