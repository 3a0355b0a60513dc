#pragma once
/// The procedures behind the database file dialog "Apre File Genealogie".
/// The window forwards each event here; they work on the session's dialog
/// model and on DbName, DbFolder and DbBaseName.

#include <string>
#include <vector>

#include "session/session.h"

namespace kord {

/// Shows the dialog modally (pattern from NomeFile, DbName cleared) and
/// returns DbName: empty when nothing was chosen.
std::string ChooseDatabaseFile(Session& s);

/// DbFolder := folder; its parent folder is kept for the HTML templates, or
/// the installed data folder when the parent has none (TemplateFolderFor).
void SetDbFolder(Session& s, const std::string& folder);

/// Changes the folder shown. A folder that cannot be read keeps the previous
/// one and shows "<FOLDER> Device non disponibile". False in that case.
bool DialogChangeFolder(Session& s, const std::string& folder);
/// The files of the shown folder that match NomeFile while it holds
/// wildcards ("*" and "?"), else those matching "*.rni"; sorted by name.
std::vector<std::string> DialogFileList(const Session& s);
/// The subfolders of the shown folder, sorted by name.
std::vector<std::string> DialogFolderList(const Session& s);

/// A click on file `name` of the list.
void DialogClickFile(Session& s, const std::string& name);
/// "Open" (also a double click on a file).
void DialogOpen(Session& s);
/// A double click on NomeFile.
void DialogFileNameDoubleClick(Session& s);
/// "New": creates a database named by NomeFile in the shown folder.
void DialogNew(Session& s);
/// "Exit": clears DbName, closes the dialog and ends the program.
void DialogExit(Session& s);

/// True when `pattern` holds a wildcard.
bool HasWildcards(const std::string& pattern);
/// Case-insensitive match of `name` against a pattern with "*" and "?".
bool MatchesPattern(const std::string& name, const std::string& pattern);

}  // namespace kord
