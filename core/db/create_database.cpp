#include "db/create_database.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "db/codepage.h"
#include "db/file_dialog.h"
#include "db/open_database.h"

namespace kord {
namespace {

bool anyExists(const FileSet& names) {
  std::error_code ec;
  for (const auto* name : {&names.IndividualsFile, &names.ChildrenFile, &names.SpousesFile, &names.TypeFile})
    if (std::filesystem::exists(*name, ec)) return true;
  return false;
}

/// Writes `content` as the whole file; returns an error text.
std::string writeFile(const std::string& path, const std::string& content) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << content;
  out.flush();
  return out ? std::string() : Utf8ToCp1252(path) + ": " + std::strerror(errno);
}

bool confirmReplace(Session& s, const FileSet& names) {
  std::string name = Utf8ToCp1252(names.IndividualsFile);
  return s.ui.askYesNo(s.text("Il database " + name + " esiste gia'. Sostituirlo con uno vuoto?",
                              "The database " + name + " already exists. Replace it with an empty one?"),
                       "Create DB", Icon::Question, false);
}

}  // namespace

bool CreateDatabase(Session& s, const FileSet& names) {
  if (anyExists(names) && !confirmReplace(s, names)) return false;
  for (const auto* name : {&names.IndividualsFile, &names.ChildrenFile, &names.SpousesFile, &names.TypeFile}) {
    std::string error = writeFile(*name, "");
    if (!error.empty()) {
      s.ui.message(s.text("Impossibile creare il database: ", "Cannot create the database: ") + error);
      return false;
    }
  }
  bool scout = s.ui.askYesNo(s.text("Scegliere il tipo di Record", "Choose the Record type") +
                                 " Si = Record Agesci - No = Record anagrafico corto",
                             "Selezione tipo di datiMsgBox Demo", Icon::Information, false);
  if (!s.DbLoaded) s.tables.RecordMode = scout ? "Scout" : "Kord";
  std::string error = writeFile(names.TypeFile, std::string(scout ? "1" : "0") + "\r\n");
  if (!error.empty()) {
    s.ui.message(s.text("Impossibile creare il database: ", "Cannot create the database: ") + error);
    return false;
  }
  s.ui.message(scout ? s.text("Crea File con Dati per AGESCI", "Create Scout type record")
                     : s.text("Crea File con dati personali generici", "Create generical personal record"));
  return true;
}

void CreaDB(Session& s) {
  if (!s.DbLoaded) {
    s.StatoWindows = kStateCreating;
    OpenDatabase(s);
    return;
  }
  // The dialog names the new database in the session's values; the loaded
  // database keeps its own.
  const std::string name = s.DbName, folder = s.DbFolder, base = s.DbBaseName, templates = s.TemplateFolder;
  s.dialog.openVisible = false;
  s.dialog.newVisible = true;
  ChooseDatabaseFile(s);
  s.DbName = name;
  s.DbFolder = folder;
  s.DbBaseName = base;
  s.TemplateFolder = templates;
}

}  // namespace kord
