#include "window_place.h"

#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace kord::gui {

QMargins frameOf(const QWidget& window, const QMargins& guess) {
  const QRect outer = window.frameGeometry();
  const QRect inner = window.geometry();
  if (!window.isVisible() || outer == inner) return guess;
  return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
          outer.bottom() - inner.bottom()};
}

QRect roomFor(const QWidget& window) {
  const QScreen* screen = window.screen();
  if (!screen) screen = QGuiApplication::primaryScreen();
  return screen ? screen->availableGeometry() : QRect();
}

void keepInside(QWidget& window, const QRect& room, const QMargins& frame) {
  if (room.isEmpty()) return;
  const QSize most(room.width() - frame.left() - frame.right(), room.height() - frame.top() - frame.bottom());
  const QSize size = window.size().boundedTo(most).expandedTo(window.minimumSize());
  if (size != window.size()) window.resize(size);
  // move() places the frame's corner; the frame is the client area grown by the margins.
  const int outerWidth = size.width() + frame.left() + frame.right();
  const int outerHeight = size.height() + frame.top() + frame.bottom();
  const QPoint at = window.pos();
  const int x = std::clamp(at.x(), room.left(), std::max(room.left(), room.right() + 1 - outerWidth));
  const int y = std::clamp(at.y(), room.top(), std::max(room.top(), room.bottom() + 1 - outerHeight));
  if (QPoint(x, y) != at) window.move(x, y);
}

QPoint besidePoint(const QWidget& anchor, Beside side) {
  const QRect outer = anchor.frameGeometry();
  const int gap = 4;
  return side == Beside::Right ? QPoint(outer.right() + 1 + gap, outer.top())
                               : QPoint(outer.left(), outer.bottom() + 1 + gap);
}

void growToFit(QWidget& window) {
  // The layouts cache the sizes of their widgets; new texts reach them only
  // with the next pass of the event loop, or never while hidden.
  for (QWidget* child : window.findChildren<QWidget*>()) child->updateGeometry();
  for (QLayout* layout : window.findChildren<QLayout*>()) layout->invalidate();
  const bool shownBefore = window.testAttribute(Qt::WA_WState_ExplicitShowHide);
  QSize needed = shownBefore ? window.sizeHint().expandedTo(window.size()) : window.sizeHint();
  // Growing past the screen's edge would push the frame off it.
  const QRect room = roomFor(window);
  if (!room.isEmpty()) {
    const QRect outer = window.frameGeometry();
    const QSize frame = outer.size() - window.size();
    const QSize most(room.right() + 1 - outer.left() - frame.width(), room.bottom() + 1 - outer.top() - frame.height());
    needed = needed.boundedTo(most).expandedTo(window.minimumSize());
  }
  if (needed != window.size()) window.resize(needed);
}

}  // namespace kord::gui
