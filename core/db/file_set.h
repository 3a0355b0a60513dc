#pragma once
/// Names of the files that make up one database, all formed from the name of
/// its individuals file (".rni").

#include <string>

#include "db/text_kinds.h"

namespace kord {

struct FileSet {
  Utf8Path IndividualsFile;
  Utf8Path ChildrenFile;
  Utf8Path SpousesFile;
  Utf8Path TypeFile;
  Utf8Path CaptionsFile;
};

/// Drops the last character of `individualsFile` and appends "c", "s", "t"
/// and "k" for the other files. An empty name gives an empty set.
FileSet FileSetFor(const Utf8Path& individualsFile);

/// The history file: `dbName` without its last three characters followed by
/// "His". Empty when the name is shorter than three characters.
Utf8Path HistoryFileFor(const Utf8Path& dbName);

/// The folder part of `path` including its trailing separator ("" if none).
Utf8Path FolderOf(const Utf8Path& path);
/// The last component of `path`.
Utf8Path BaseNameOf(const Utf8Path& path);
/// The parent folder of `folder` (which ends with a separator), with its own
/// trailing separator; the templates of the HTML pages live there.
Utf8Path ParentFolderOf(const Utf8Path& folder);

/// True when `name` ends in ".rni" (any letter case): only such a file is
/// opened as a database.
bool IsDatabaseFileName(const std::string& name);

/// True when `name` may be used as a file name inside the database folder:
/// not empty, no path separator, not "." or "..", no control characters.
bool IsPlainFileName(const std::string& name);

/// The ".rni" path of a new database typed as "name", "name.rni" or
/// "name.x" (what follows the first dot is dropped), made absolute; empty
/// when the name left is not a plain file name.
Utf8Path NewDatabaseName(const Utf8Path& typed);

}  // namespace kord
