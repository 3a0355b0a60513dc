#pragma once
/// Creating the empty file set of a new database and recording its mode.

#include "db/file_set.h"
#include "session/session.h"

namespace kord {

/// Creates the individuals, children, spouses and type files named in
/// `names`, asks for the record type and writes it. When any of the four
/// files exists the person is asked first; "No" leaves everything as it was.
/// RecordMode takes the chosen mode unless a database is loaded (the loaded
/// one keeps its own). Returns false when nothing was created.
bool CreateDatabase(Session& s, const FileSet& names);

/// The main menu's "Crea nuovo Database": with no database loaded the file
/// dialog creates one and loads it; with one loaded it only creates the files.
void CreateDatabaseFromMenu(Session& s);

}  // namespace kord
