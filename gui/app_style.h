#pragma once
/// The look of the whole program: one calm light theme on every platform.

class QApplication;

namespace kord::gui {

/// Sets the Fusion style, a light palette and the shared style sheet.
void applyAppStyle(QApplication& app);

}  // namespace kord::gui
