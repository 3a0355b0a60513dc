#pragma once
/// The display edge between the core's texts and Qt's: every conversion
/// between a std::string and a QString goes through here (the Qt build
/// forbids the implicit ones). Record texts and messages are Windows-1252
/// bytes; paths and file names are UTF-8.

#include <QString>
#include <string>

#include "db/text_kinds.h"

namespace kord::gui {

/// A Windows-1252 text of the core as shown on screen; CR LF line breaks
/// become plain line breaks.
QString displayText(const Cp1252Text& cp1252);
/// What a person typed, as the Windows-1252 bytes the core keeps; a
/// character the code page cannot hold becomes "?".
Cp1252Text coreText(const QString& typed);
/// A UTF-8 text of the program's own that is neither a record text nor a
/// path: control names, numbers, the line-drawing of a tree.
QString utf8Text(const std::string& utf8);
/// The UTF-8 form of a text on screen, for the standard streams and the
/// core's UTF-8 inputs.
std::string utf8Of(const QString& text);
/// A path or file name of the core (UTF-8) for display.
QString pathText(const Utf8Path& utf8);
/// A path typed or chosen on screen as the core keeps it (UTF-8).
Utf8Path corePath(const QString& path);
/// `text` as a tooltip that shows it literally: a tooltip would take a name
/// typed "<b>x</b>" for markup.
QString plainToolTip(const QString& text);
/// The object name of a control: "Libro(3)" becomes "Libro_3", a name
/// without an index stays as it is.
QString controlObjectName(const std::string& controlName);

}  // namespace kord::gui
