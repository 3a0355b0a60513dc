#include "file_set.h"

#include <cctype>
#include <filesystem>

namespace kord {

FileSet FileSetFor(const std::string& individualsFile) {
  if (individualsFile.empty()) return {};
  std::string stem = individualsFile.substr(0, individualsFile.size() - 1);
  return {individualsFile, stem + "c", stem + "s", stem + "t", stem + "k"};
}

std::string HistoryFileFor(const std::string& dbName) {
  if (dbName.size() < 3) return {};
  return dbName.substr(0, dbName.size() - 3) + "His";
}

std::string FolderOf(const std::string& path) {
  auto slash = path.find_last_of('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string BaseNameOf(const std::string& path) {
  auto slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string ParentFolderOf(const std::string& folder) {
  std::string trimmed = folder;
  while (trimmed.size() > 1 && trimmed.back() == '/') trimmed.pop_back();
  std::string parent = FolderOf(trimmed);
  return parent.empty() ? folder : parent;
}

bool IsDatabaseFileName(const std::string& name) {
  if (name.size() < 4) return false;
  std::string end = name.substr(name.size() - 4);
  for (char& c : end) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return end == ".rni";
}

bool IsPlainFileName(const std::string& name) {
  if (name.empty() || name == "." || name == "..") return false;
  for (unsigned char c : name)
    if (c == '/' || c == '\\' || c < 0x20) return false;
  return true;
}

std::string NewDatabaseName(const std::string& typed) {
  if (typed.empty()) return {};
  std::error_code error;
  const std::filesystem::path absolute = std::filesystem::absolute(typed, error);
  if (error) return {};
  const std::string path = absolute.lexically_normal().string();
  const std::string base = BaseNameOf(path);
  const std::string stem = base.substr(0, base.find('.'));
  return IsPlainFileName(stem) ? FolderOf(path) + stem + ".rni" : std::string();
}

}  // namespace kord
