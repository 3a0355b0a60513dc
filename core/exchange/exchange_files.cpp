#include "exchange/exchange_files.h"

#include <array>
#include <filesystem>
#include <fstream>

#include "db/codepage.h"

namespace kord {
namespace {

std::string cannotWrite(const std::string& path, bool english) {
  return Utf8ToCp1252(path) + (english ? ": cannot be written" : ": impossibile scrivere il file");
}

bool writeTemporary(const std::string& path, const std::string& bytes) {
  std::ofstream file(path + ".new", std::ios::binary | std::ios::trunc);
  file << bytes;
  file.flush();
  return static_cast<bool>(file);
}

void removeTemporary(const std::string& path) {
  std::error_code ec;
  std::filesystem::remove(path + ".new", ec);
}

}  // namespace

std::string ReplaceFile(const std::string& path, const std::string& bytes, bool english) {
  if (!writeTemporary(path, bytes)) {
    removeTemporary(path);
    return cannotWrite(path, english);
  }
  std::error_code ec;
  std::filesystem::rename(path + ".new", path, ec);
  if (!ec) return {};
  removeTemporary(path);
  return cannotWrite(path, english);
}

std::string WriteDatabaseFiles(const FileSet& names, const DatabaseFiles& content, bool english) {
  const std::array<std::pair<const std::string*, const std::string*>, 4> files = {{
      {&names.IndividualsFile, &content.individuals},
      {&names.ChildrenFile, &content.children},
      {&names.SpousesFile, &content.spouses},
      {&names.TypeFile, &content.type},
  }};
  for (const auto& [path, bytes] : files) {
    if (writeTemporary(*path, *bytes)) continue;
    for (const auto& written : files) removeTemporary(*written.first);
    return cannotWrite(*path, english);
  }
  for (const auto& [path, bytes] : files) {
    std::error_code ec;
    std::filesystem::rename(*path + ".new", *path, ec);
    if (ec) return cannotWrite(*path, english);
  }
  return {};
}

bool AnyDatabaseFileExists(const FileSet& names) {
  std::error_code ec;
  for (const auto* path : {&names.IndividualsFile, &names.ChildrenFile, &names.SpousesFile, &names.TypeFile})
    if (std::filesystem::exists(*path, ec)) return true;
  return false;
}

}  // namespace kord
