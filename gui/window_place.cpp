#include "window_place.h"

#include <QLayout>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace kord::gui {

void placeBeside(QWidget& window, const QWidget* anchor, Beside side) {
  if (!anchor || !anchor->isVisible()) return;
  const QRect outer = anchor->frameGeometry();
  const int gap = 8;
  QPoint at = side == Beside::Right ? QPoint(outer.right() + gap, outer.top())
                                    : QPoint(outer.left(), outer.bottom() + gap);
  if (const QScreen* screen = anchor->screen()) {
    const QRect room = screen->availableGeometry();
    const QSize size = window.frameGeometry().size();
    at.setX(std::clamp(at.x(), room.left(), std::max(room.left(), room.right() - size.width())));
    at.setY(std::clamp(at.y(), room.top(), std::max(room.top(), room.bottom() - size.height())));
  }
  window.move(at);
}

void growToFit(QWidget& window) {
  // The layouts cache the sizes of their widgets; new texts reach them only
  // with the next pass of the event loop, or never while hidden.
  for (QWidget* child : window.findChildren<QWidget*>()) child->updateGeometry();
  for (QLayout* layout : window.findChildren<QLayout*>()) layout->invalidate();
  const bool shownBefore = window.testAttribute(Qt::WA_WState_ExplicitShowHide);
  const QSize needed = shownBefore ? window.sizeHint().expandedTo(window.size()) : window.sizeHint();
  if (needed != window.size()) window.resize(needed);
}

}  // namespace kord::gui
