#include "exchange/exchange_files.h"

#include <filesystem>

#include "db/database_lock.h"
#include "db/file_set_switch.h"
#include "db/output_files.h"

namespace kord {

std::string ReplaceFile(const std::string& path, const std::string& bytes, bool english) {
  OutputFailure failure = WriteFileAtomically(path, bytes);
  return failure ? OutputFailureText(failure, english) : std::string();
}

std::string WriteDatabaseFiles(const FileSet& names, const DatabaseFiles& content, bool english) {
  DatabaseLock lock;
  return SwitchDatabaseFiles(names,
                             {{names.IndividualsFile, content.individuals},
                              {names.ChildrenFile, content.children},
                              {names.SpousesFile, content.spouses},
                              {names.TypeFile, content.type}},
                             lock, english);
}

bool AnyDatabaseFileExists(const FileSet& names) {
  std::error_code ec;
  for (const auto* path : {&names.IndividualsFile, &names.ChildrenFile, &names.SpousesFile, &names.TypeFile})
    if (std::filesystem::exists(*path, ec)) return true;
  return false;
}

}  // namespace kord
