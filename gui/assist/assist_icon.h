#pragma once
/// The picture every phrase of the assistant carries.

#include <QIcon>
#include <string>

namespace kord::gui {

/// "Fire.ico" from the database folder `dbFolder` (UTF-8, ending in a
/// separator); when that file is missing or unreadable, a flame drawn here.
QIcon assistNodeIcon(const std::string& dbFolder);

/// The drawn flame, `size` pixels square.
QPixmap drawnFlame(int size);

}  // namespace kord::gui
