#include "session/installed_data.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "db/file_set.h"

namespace kord {
namespace {

namespace fs = std::filesystem;

std::string withSlash(std::string folder) {
  if (!folder.empty() && folder.back() != '/') folder += '/';
  return folder;
}

/// Copies `from` to `to` unless `to` exists; an error text on failure.
std::string copyNew(const fs::path& from, const fs::path& to) {
  std::error_code ec;
  if (fs::exists(to, ec)) return {};
  fs::copy_file(from, to, ec);
  return ec ? to.string() + ": " + ec.message() : std::string();
}

std::string copyFolderFiles(const fs::path& from, const fs::path& to) {
  std::error_code ec;
  fs::create_directories(to, ec);
  if (ec) return to.string() + ": " + ec.message();
  for (fs::directory_iterator it(from, ec), end; !ec && it != end; it.increment(ec)) {
    if (!it->is_regular_file(ec)) continue;
    if (std::string error = copyNew(it->path(), to / it->path().filename()); !error.empty()) return error;
  }
  return ec ? from.string() + ": " + ec.message() : std::string();
}

}  // namespace

std::string InstalledDataFolder(const std::string& programFolder) {
  if (const char* chosen = std::getenv("KORD_DATA_DIR")) return withSlash(chosen);
  if (programFolder.empty()) return {};
  std::error_code ec;
  const fs::path folder = fs::weakly_canonical(fs::path(programFolder) / ".." / "share" / "kord", ec);
  if (ec || !fs::is_directory(folder, ec)) return {};
  return withSlash(folder.string());
}

const std::vector<std::string>& TemplateFileNames() {
  static const std::vector<std::string> names = {
      "TrHtm01.hts",  "TrHtm02.hts",  "TrHtm02a.hts", "TrHtm03.hts",  "TrHtm04.hts",  "TrHtm05.hts",
      "kordht0.htt",  "kordht1.htt",  "kordht2.htt",  "kordht3.htt",  "kordht3a.htt", "kordht4.htt",
      "kordht5.htt",  "kordht6.htt",  "kordht7.htt",  "kordht8.htt",  "kordht1b.htt", "kordht2b.htt",
      "kordht3b.htt", "kordht4b.htt", "kordht5b.htt", "kordht6b.htt", "kordht7b.htt"};
  return names;
}

int TemplateCount(const std::string& folder) {
  int count = 0;
  std::error_code ec;
  for (const std::string& name : TemplateFileNames()) count += fs::is_regular_file(folder + name, ec);
  return count;
}

std::string TemplateFolderFor(const std::string& dbFolder, const std::string& installedFolder) {
  const std::string parent = ParentFolderOf(dbFolder);
  if (installedFolder.empty() || TemplateCount(parent) > 0 || TemplateCount(installedFolder) == 0) return parent;
  return installedFolder;
}

std::string CopySample(const std::string& dataFolder, const std::string& target) {
  const fs::path data(dataFolder), home(target);
  std::error_code ec;
  if (!fs::is_directory(data / "sample", ec))
    return (data / "sample").string() + ": " + std::make_error_code(std::errc::no_such_file_or_directory).message();
  if (std::string error = copyFolderFiles(data / "sample", home / "sample"); !error.empty()) return error;
  for (const std::string& name : TemplateFileNames())
    if (fs::is_regular_file(data / name, ec))
      if (std::string error = copyNew(data / name, home / name); !error.empty()) return error;
  return {};
}

}  // namespace kord
