#include "exchange_flow.h"

#include "app/open_database.h"
#include "db/codepage.h"
#include "db/file_set.h"
#include "exchange/csv_import.h"
#include "exchange/exchange_files.h"
#include "exchange/gedcom_export.h"
#include "exchange/gedcom_import.h"
#include "lists/export_doc.h"

namespace kord {
namespace {

void showSummary(Session& s, const ExchangeSummary& summary) {
  std::string text = summary.ok ? std::string() : summary.error + "\r\n";
  for (const auto& line : SummaryLines(summary)) text += line + "\r\n";
  s.ui.message(text, summary.say("Riepilogo", "Summary"));
}

std::string choose(Session& s, FileChoice::Purpose purpose, const std::string& title, const std::string& start,
                   std::vector<std::string> filters) {
  FileChoice choice{purpose, title, start, std::move(filters)};
  return s.ui.chooseFile(choice);
}

/// The new database's name, or empty after telling the person why not.
std::string newDatabaseFrom(Session& s, const std::string& gedcom) {
  // Replacing is asked below, about the whole set of files.
  FileChoice choice{FileChoice::Purpose::Save, "Nuovo Database", FolderOf(gedcom), {"Database (*.rni)"}};
  choice.confirmReplace = false;
  const std::string typed = s.ui.chooseFile(choice);
  if (typed.empty()) return {};
  const std::string database = NewDatabaseName(typed);
  if (database.empty())
    s.ui.message("\"" + Utf8ToCp1252(typed) + s.text("\" non e' un nome di database", "\" does not name a database"));
  return database;
}

/// False when the import must not go on: the database is the open one, or
/// the person does not want it replaced.
bool mayWrite(Session& s, const std::string& database, GedcomImportOptions& options) {
  if (!AnyDatabaseFileExists(FileSetFor(database))) return true;
  const std::string name = Utf8ToCp1252(database);
  if (s.DbLoaded && database == s.DbName) {
    s.ui.message(name + s.text(" e' il database aperto: non si puo' sostituire",
                               " is the open database: it cannot be replaced"));
    return false;
  }
  options.replace = s.ui.askYesNo(name + s.text(" esiste gia'. Sostituirlo con i dati del file GEDCOM?",
                                                " already exists. Replace it with the GEDCOM file's data?"),
                                  "GEDCOM", Icon::Question, false);
  return options.replace;
}

bool askGivenFirst(Session& s) {
  return s.ui.askYesNo(
      s.text("Scrivere i nomi con il nome di battesimo per primo (Nome Cognome)? Con \"No\" il cognome va per "
             "primo (Cognome Nome), come nelle schede.",
             "Write names with the given name first (Given Surname)? With \"No\" the surname comes first "
             "(Surname Given), as on the cards."),
      "GEDCOM", Icon::Question, false);
}

}  // namespace

void ImportGedcomFlow(Session& s, const ExchangeProgress& progress) {
  const std::string gedcom = choose(s, FileChoice::Purpose::Open, "Importa GEDCOM", s.DbFolder,
                                    {"GEDCOM (*.ged *.GED)", s.text("Tutti i file (*)", "All files (*)")});
  if (gedcom.empty()) return;
  const std::string database = newDatabaseFrom(s, gedcom);
  GedcomImportOptions options;
  if (database.empty() || !mayWrite(s, database, options)) return;
  options.english = s.English;
  options.givenFirst = askGivenFirst(s);
  ExchangeSummary summary = ImportGedcom(gedcom, database, options, progress);
  if (summary.tooManyIndividuals) {
    showSummary(s, summary);
    options.around = s.ui.inputBox(s.text("Codice (xref) della persona attorno a cui importare, es. @I1@",
                                          "Code (xref) of the person to import around, e.g. @I1@"),
                                   "GEDCOM", "");
    if (options.around.empty()) return;
    summary = ImportGedcom(gedcom, database, options, progress);
  }
  showSummary(s, summary);
  if (summary.ok && !s.DbLoaded) OpenDatabaseFile(s, database);
}

void ExportGedcomFlow(Session& s, const ExchangeProgress& progress) {
  FileChoice choice{FileChoice::Purpose::Save,
                    "Export DB file",
                    s.DbFolder,
                    {"GEDCOM UTF-8 (*.ged)", "GEDCOM ANSI Windows-1252 (*.ged)"}};
  const std::string path = s.ui.chooseFile(choice);
  if (path.empty()) return;
  GedcomExportOptions options;
  options.ansi = choice.chosenFilter == 1;
  showSummary(s, ExportGedcom(s, path, options, progress));
}

void ImportCsvFlow(Session& s, const ExchangeProgress& progress) {
  const std::string csv =
      choose(s, FileChoice::Purpose::Open, "Aggiunge record da file CSV", s.DbFolder, {"CSV (*.csv *.txt)"});
  if (csv.empty()) return;
  showSummary(s, ImportCsv(s, csv, progress));
}

void ExportDocumentFlow(Session& s) {
  const DocumentKind kind = CurrentDocument(s);
  if (kind == DocumentKind::None) {
    s.ui.message(s.text("Nessuna lista, rapporto o albero da esportare", "No list, report or tree to export"));
    return;
  }
  const bool csv = kind == DocumentKind::Report;
  const std::string path =
      choose(s, FileChoice::Purpose::Save, "Export doc file", s.DbFolder + (csv ? "Rapporto.csv" : "Documento.txt"),
             {csv ? "CSV (*.csv)" : "Testo (*.txt)"});
  if (path.empty()) return;
  s.ui.message(ExportDocument(s, path));
}

}  // namespace kord
