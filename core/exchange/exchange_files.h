#pragma once
/// Writing the files of an import or export so that a failure never leaves
/// half a file: a single file through a temporary renamed over it, a whole
/// database as one switch (db/file_set_switch.h).

#include <string>

#include "db/file_set.h"

namespace kord {

/// The bytes of the four files of a database.
struct DatabaseFiles {
  std::string individuals;
  std::string children;
  std::string spouses;
  std::string type = "0\r\n";
};

/// Writes `bytes` as the whole file `path` (UTF-8). Returns an error text
/// (Windows-1252, English when `english`), empty on success.
std::string ReplaceFile(const std::string& path, const std::string& bytes, bool english);

/// Writes the individuals, children, spouses and type files of `names` as
/// one switch under the database's write lock: a reader sees the old set or
/// the new one, and a new database appears only once it is whole.
std::string WriteDatabaseFiles(const FileSet& names, const DatabaseFiles& content, bool english);

/// True when the individuals, children, spouses or type file of `names` exists.
bool AnyDatabaseFileExists(const FileSet& names);

}  // namespace kord
