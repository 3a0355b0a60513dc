#pragma once
/// Writing the files of an import or export so that a failure never leaves
/// half a file: everything goes to temporary files beside the targets
/// ("<name>.new") that are renamed over them only when all were written.

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

/// Writes `bytes` to `path` (UTF-8) through "<path>.new". Returns an error
/// text (Windows-1252, English when `english`), empty on success.
std::string ReplaceFile(const std::string& path, const std::string& bytes, bool english);

/// Writes the individuals, children, spouses and type files of `names`.
/// When one cannot be written none is changed (the temporary files go); only
/// a rename failing after others succeeded, which the file system hardly
/// ever does, would leave a mixed set, and is reported.
std::string WriteDatabaseFiles(const FileSet& names, const DatabaseFiles& content, bool english);

/// True when the individuals, children, spouses or type file of `names` exists.
bool AnyDatabaseFileExists(const FileSet& names);

}  // namespace kord
