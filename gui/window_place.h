#pragma once
/// Where a window appears: beside the window it belongs to, and always
/// whole inside the screen's free area, frame included.

#include <QMargins>
#include <QRect>

class QWidget;

namespace kord::gui {

enum class Beside { Right, Below };

/// The frame the window manager puts around `window`: the real one once
/// the window is on screen, `guess` before.
QMargins frameOf(const QWidget& window, const QMargins& guess);

/// The screen's free area (without panels and docks) where `window` is,
/// or the primary screen's when it has none yet.
QRect roomFor(const QWidget& window);

/// Shrinks `window` so that it fits `room` with its frame, never below its
/// minimum size, then moves it so that its frame lies inside `room`.
void keepInside(QWidget& window, const QRect& room, const QMargins& frame);

/// The top left corner of the frame of `window` next to `anchor` (to its
/// right or below it).
QPoint besidePoint(const QWidget& anchor, Beside side);

/// Grows `window` to what its contents need (longer texts than at the
/// first show); it never shrinks, so a size the person chose stays.
void growToFit(QWidget& window);

}  // namespace kord::gui
