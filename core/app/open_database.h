#pragma once
/// From the start window to a loaded database: the file dialog, the load
/// with its progress window and messages, the history line and the hand-over
/// to the main window.

#include "session/session.h"

namespace kord {

enum class OpenOutcome {
  AlreadyLoaded,  ///< a database was loaded before; nothing changed
  Failed,         ///< the chosen file could not be used; the start window stays
  NotLoaded,      ///< nothing was loaded (no choice, a "csv" name); see the messages
  Loaded,         ///< the tables hold the chosen database
};

/// Runs the whole flow for the current windowState: 1 opens an existing
/// database, 2 creates one and loads it, any other state only hands over.
/// The hand-over (focus 2, main window shown, windowState 3) follows every
/// outcome except AlreadyLoaded and Failed, and a "csv" name.
OpenOutcome OpenDatabase(Session& s);

/// The person asked to open a database (the start window's button, the menu
/// entry "Legge genealogia"): the open flow from wherever the program
/// stands. When nothing was opened the workflow state stays as it was.
OpenOutcome OpenDatabaseAsked(Session& s);

/// Opens the database `path` (an ".rni" file) without the file dialog, as
/// if it had been chosen there: used after a GEDCOM import creates one.
OpenOutcome OpenDatabaseFile(Session& s, const std::string& path);

/// Loads the database named by s.files into the tables with the progress
/// window, the confirmation message and the history line. Notes about data
/// that could not be used, and about loaded links the editor refuses
/// (RefusedLinks), are shown before the confirmation.
void LoadTables(Session& s);

/// Why `path` is not opened as a database, or empty when it may be: only a
/// file whose name ends in ".rni" (any letter case) and that is a regular
/// file is a database, and its children, spouses, type and captions files,
/// where they exist, must be regular files too (a FIFO or a device would be
/// read forever). Windows-1252, English when `english`.
std::string DatabaseFileRefusal(const std::string& path, bool english);

/// True when `name` ends in "csv": such a name is not loaded.
bool IsCsvName(const std::string& name);

/// The "Today: " text the start window shows on each of its buttons.
std::string TodayMessage(const LocalTime& now);

}  // namespace kord
