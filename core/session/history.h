#pragma once
/// The history log: what was produced in each run, kept in the window
/// "Storia" for the run and in the file "<db>His" beside the database for good.

#include <string>

#include "session/session.h"

namespace kord {

/// Appends `line` to the history window, shows it, and appends the line to
/// the history file as one quoted entry followed by CR LF (a line that ends
/// with its own CR LF keeps it inside the quotes). Without a database name
/// only the window is updated. The file is appended to without following a
/// link; one that cannot be written is reported once per run, with the
/// reason, and the window still gets the line.
void LogHistory(Session& s, const std::string& line);

/// The line logged after a database is loaded.
std::string LoadHistoryLine(const Session& s);

}  // namespace kord
