#include "app/create_database.h"

#include <filesystem>

#include "app/file_dialog.h"
#include "app/open_database.h"
#include "db/codepage.h"
#include "db/file_set_switch.h"

namespace kord {
namespace {

bool anyExists(const FileSet& names) {
  std::error_code ec;
  for (const auto* name : {&names.IndividualsFile, &names.ChildrenFile, &names.SpousesFile, &names.TypeFile})
    if (std::filesystem::exists(*name, ec)) return true;
  return false;
}

/// The four files, empty, as one switch: an old database of that name is
/// replaced whole or not at all. Returns an error text.
std::string writeEmptySet(Session& s, const FileSet& names) {
  DatabaseLock own;
  DatabaseLock& lock = s.lock.holds(names.IndividualsFile) ? s.lock : own;
  return SwitchDatabaseFiles(
      names, {{names.IndividualsFile, ""}, {names.ChildrenFile, ""}, {names.SpousesFile, ""}, {names.TypeFile, ""}},
      lock, s.English);
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
  if (std::string error = writeEmptySet(s, names); !error.empty()) {
    s.ui.message(s.text("Impossibile creare il database: ", "Cannot create the database: ") + error);
    return false;
  }
  bool scout = s.ui.askYesNo(s.text("Scegliere il tipo di Record", "Choose the Record type") +
                                 " Si = Record Agesci - No = Record anagrafico corto",
                             "Selezione tipo di dati", Icon::Information, false);
  if (!s.DbLoaded) s.tables.RecordMode = scout ? "Scout" : "Kord";
  if (OutputFailure f = WriteFileAtomically(names.TypeFile, std::string(scout ? "1" : "0") + "\r\n", true)) {
    s.ui.message(s.text("Impossibile creare il database: ", "Cannot create the database: ") +
                 OutputFailureText(f, s.English));
    return false;
  }
  s.ui.message(scout ? s.text("Crea File con Dati per AGESCI", "Create Scout type record")
                     : s.text("Crea File con dati personali generici", "Create generical personal record"));
  return true;
}

void CreateDatabaseFromMenu(Session& s) {
  if (!s.DbLoaded) {
    s.windowState = kStateCreating;
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
