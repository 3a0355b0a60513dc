#pragma once
/// The program's emblem: a small family tree on a rounded tile, drawn so
/// that no image file has to ship with the program.

#include <QPixmap>

namespace kord::gui {

/// The emblem, `size` pixels square.
QPixmap kordLogo(int size);

}  // namespace kord::gui
