#pragma once
/// The look of the whole program: one calm light theme on every platform.

class QApplication;

namespace kord::gui {

/// Sets the Fusion style, and the light theme or, when the person chose it
/// in an earlier run, the monochrome one.
void applyAppStyle(QApplication& app);

/// "Schema Monocromatico": black on white with strong borders, for screens
/// and eyes that need the contrast; remembered between runs (QSettings).
void setMonochrome(bool on);
/// True while the monochrome scheme is on.
bool isMonochrome();

}  // namespace kord::gui
