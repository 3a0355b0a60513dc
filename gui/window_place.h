#pragma once
/// Where a secondary window first appears: beside the window it belongs to,
/// kept inside the screen.

class QWidget;

namespace kord::gui {

enum class Beside { Right, Below };

/// Moves `window` next to `anchor` (to its right or below it), as far as
/// the screen allows. Does nothing when `anchor` is null or hidden.
void placeBeside(QWidget& window, const QWidget* anchor, Beside side);

/// Grows `window` to what its contents need (longer texts than at the
/// first show); it never shrinks, so a size the person chose stays.
void growToFit(QWidget& window);

}  // namespace kord::gui
