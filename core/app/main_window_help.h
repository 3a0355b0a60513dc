#pragma once
/// The hover help of the main window in the session's language. The help
/// labels exist in Italian; this adds their English form, so that with
/// English on no Italian help is left.

#include <string>

namespace kord {

/// Help label k in English when `english` (its own English text where it
/// has one, else the translation here), else in Italian; empty for a label
/// with no text.
const std::string& MainWindowHelp(int k, bool english);

}  // namespace kord
