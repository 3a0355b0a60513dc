#pragma once
/// Names of the files that make up one database, all formed from the name of
/// its individuals file (".rni").

#include <string>

namespace kord {

struct FileSet {
  std::string IndividualsFile;
  std::string ChildrenFile;
  std::string SpousesFile;
  std::string TypeFile;
  std::string CaptionsFile;
};

/// Drops the last character of `individualsFile` and appends "c", "s", "t"
/// and "k" for the other files. An empty name gives an empty set.
FileSet FileSetFor(const std::string& individualsFile);

/// The history file: `dbName` without its last three characters followed by
/// "His". Empty when the name is shorter than three characters.
std::string HistoryFileFor(const std::string& dbName);

/// The folder part of `path` including its trailing separator ("" if none).
std::string FolderOf(const std::string& path);
/// The last component of `path`.
std::string BaseNameOf(const std::string& path);
/// The parent folder of `folder` (which ends with a separator), with its own
/// trailing separator; the templates of the HTML pages live there.
std::string ParentFolderOf(const std::string& folder);

/// True when `name` ends in ".rni" (any letter case): only such a file is
/// opened as a database.
bool IsDatabaseFileName(const std::string& name);

/// True when `name` may be used as a file name inside the database folder:
/// not empty, no path separator, not "." or "..", no control characters.
bool IsPlainFileName(const std::string& name);

/// The ".rni" path of a new database typed as "name", "name.rni" or
/// "name.x" (what follows the first dot is dropped), made absolute; empty
/// when the name left is not a plain file name.
std::string NewDatabaseName(const std::string& typed);

}  // namespace kord
