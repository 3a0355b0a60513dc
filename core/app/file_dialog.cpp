#include "app/file_dialog.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "app/create_database.h"
#include "app/open_database.h"
#include "db/codepage.h"
#include "session/installed_data.h"

namespace kord {
namespace {

namespace fs = std::filesystem;

std::string withSeparator(std::string folder) {
  if (folder.empty() || folder.back() != '/') folder += '/';
  return folder;
}

template <typename Keep>
std::vector<std::string> entriesOf(const std::string& folder, Keep keep) {
  std::vector<std::string> names;
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
    if (keep(*it)) names.push_back(it->path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

/// The dialog closes on a database name; anything else (a picture, a link
/// file) is refused and the dialog stays for another choice. A "csv" name
/// still goes through: it is logged and not loaded.
void closeOnDatabaseName(Session& s) {
  if (IsDatabaseFileName(s.DbName) || IsCsvName(s.DbName)) {
    s.dialog.closed = true;
    return;
  }
  s.ui.message(DatabaseFileRefusal(s.DbName, s.English));
  s.DbName.clear();
}

}  // namespace

std::string ChooseDatabaseFile(Session& s) {
  s.DbName.clear();
  s.dialog.selectedFile.clear();
  s.dialog.closed = false;
  if (s.dialog.folder.empty()) s.dialog.folder = withSeparator(fs::current_path().string());
  s.ui.runFileDialog();
  return s.DbName;
}

void SetDbFolder(Session& s, const std::string& folder) {
  s.DbFolder = withSeparator(folder);
  s.TemplateFolder = TemplateFolderFor(s.DbFolder, s.installedDataFolder);
}

bool DialogChangeFolder(Session& s, const std::string& folder) {
  std::error_code ec;
  fs::directory_iterator probe(folder, ec);
  if (ec) {
    std::string name = Utf8ToCp1252(folder);
    std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return std::toupper(c); });
    s.ui.message(name + " Device non disponibile");
    return false;
  }
  s.dialog.folder = withSeparator(fs::weakly_canonical(folder, ec).string());
  if (ec) s.dialog.folder = withSeparator(folder);
  s.dialog.selectedFile.clear();
  return true;
}

std::vector<std::string> DialogFileList(const Session& s) {
  std::string pattern = HasWildcards(s.dialog.NomeFile) ? s.dialog.NomeFile : "*.rni";
  return entriesOf(s.dialog.folder, [&](const fs::directory_entry& e) {
    std::error_code ec;
    return e.is_regular_file(ec) && MatchesPattern(e.path().filename().string(), pattern);
  });
}

std::vector<std::string> DialogFolderList(const Session& s) {
  return entriesOf(s.dialog.folder, [](const fs::directory_entry& e) {
    std::error_code ec;
    return e.is_directory(ec) && e.path().filename().string().front() != '.';
  });
}

void DialogClickFile(Session& s, const std::string& name) {
  s.DbName = withSeparator(s.dialog.folder);
  SetDbFolder(s, s.DbName);
  s.dialog.NomeFile = name;
  s.dialog.selectedFile = name;
  s.DbBaseName = name;
  s.DbName += name;
}

void DialogOpen(Session& s) {
  // A name typed without clicking a file is taken from the shown folder.
  if (s.DbName.empty() && !HasWildcards(s.dialog.NomeFile) && !s.dialog.NomeFile.empty()) {
    SetDbFolder(s, s.dialog.folder);
    s.DbBaseName = s.dialog.NomeFile;
    s.DbName = s.DbFolder + s.dialog.NomeFile;
  } else if (s.DbName.find(s.dialog.NomeFile) == std::string::npos) {
    s.DbName += s.dialog.NomeFile;
  }
  closeOnDatabaseName(s);
}

void DialogFileNameDoubleClick(Session& s) {
  if (s.DbName.empty()) SetDbFolder(s, s.dialog.folder);
  s.DbName = (s.DbName.empty() ? s.DbFolder : s.DbName) + s.dialog.NomeFile;
  closeOnDatabaseName(s);
}

void DialogNew(Session& s) {
  std::string folder = withSeparator(s.dialog.folder);
  s.dialog.closed = true;
  if (!s.dialog.selectedFile.empty()) {
    s.ui.askYesNo("Digit a new name to create a new Data Base. (max 7 characters allowed)", "Create DB", Icon::Stop,
                  true);
    s.DbName.clear();
    return;
  }
  std::string stem = s.dialog.NomeFile.substr(0, s.dialog.NomeFile.find('.'));
  if (!IsPlainFileName(stem) || HasWildcards(stem)) {
    s.ui.message(s.text("Nome del nuovo Database non valido: ", "Invalid name for the new database: ") +
                 Utf8ToCp1252(s.dialog.NomeFile));
    s.DbName.clear();
    return;
  }
  // While a database is loaded the new one is only created: the session
  // keeps naming the loaded one.
  FileSet names = FileSetFor(folder + stem + ".rni");
  if (s.DbLoaded) {
    CreateDatabase(s, names);
    s.DbName.clear();
    return;
  }
  SetDbFolder(s, folder);
  s.DbBaseName = stem;
  s.DbName = CreateDatabase(s, names) ? names.IndividualsFile : std::string();
}

void DialogExit(Session& s) {
  s.DbName.clear();
  s.dialog.closed = true;
  s.exitRequested = true;
  s.ui.quit();
}

bool HasWildcards(const std::string& pattern) { return pattern.find_first_of("*?") != std::string::npos; }

bool MatchesPattern(const std::string& name, const std::string& pattern) {
  auto lower = [](char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); };
  std::size_t n = 0, p = 0, star = std::string::npos, mark = 0;
  while (n < name.size()) {
    if (p < pattern.size() && (pattern[p] == '?' || lower(pattern[p]) == lower(name[n]))) {
      ++n;
      ++p;
    } else if (p < pattern.size() && pattern[p] == '*') {
      star = p++;
      mark = n;
    } else if (star != std::string::npos) {
      p = star + 1;
      n = ++mark;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

}  // namespace kord
