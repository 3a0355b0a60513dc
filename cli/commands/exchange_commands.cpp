// kord import-gedcom, export-gedcom and import-csv: exchanging individuals
// with other programs. Each prints its summary on standard output.

#include <filesystem>

#include "cli_context.h"
#include "db/file_set.h"
#include "exchange/csv_import.h"
#include "exchange/exchange_files.h"
#include "exchange/gedcom_export.h"
#include "exchange/gedcom_import.h"

namespace kord::cli {
namespace {

/// Prints the summary; a CSV import that had to leave lines out for want of
/// room did not do its whole job.
int finish(CliContext& c, const ExchangeSummary& summary) {
  if (!summary.ok) return c.failText(summary.error);
  for (const auto& line : SummaryLines(summary)) c.printLine(line);
  return summary.linesNotImported > 0 ? kFailed : kOk;
}

}  // namespace

int RunImportGedcom(CliContext& c) {
  if (c.options.args.size() != 2) return c.fail("import-gedcom takes a GEDCOM file and a new database name", kUsage);
  std::string database = NewDatabaseName(c.options.args[1]);
  if (database.empty()) return c.fail("\"" + c.options.args[1] + "\" does not name a database file", kUsage);
  if (!c.options.replace && AnyDatabaseFileExists(FileSetFor(database)))
    return c.fail("the database " + database + " already exists; add --replace to replace it");
  GedcomImportOptions options;
  if (c.options.givenFirst && c.options.surnameFirst)
    return c.fail("--given-first and --surname-first cannot both be given", kUsage);
  options.givenFirst = c.options.givenFirst;
  options.around = c.options.around.value_or("");
  options.replace = c.options.replace;
  options.english = c.options.english;
  ExchangeSummary summary = ImportGedcom(c.options.args[0], database, options);
  int status = finish(c, summary);
  if (summary.tooManyIndividuals) c.err << "kord: add --around XREF to import the 998 nearest that individual\n";
  return status;
}

int RunExportGedcom(CliContext& c) {
  if (c.options.args.size() != 2) return c.fail("export-gedcom takes a database file and a GEDCOM file", kUsage);
  if (!LoadDatabase(c, c.options.args[0])) return c.fail("no database was loaded");
  GedcomExportOptions options;
  options.ansi = c.options.ansi;
  return finish(c, ExportGedcom(c.session, std::filesystem::absolute(c.options.args[1]).string(), options));
}

int RunImportCsv(CliContext& c) {
  if (c.options.args.size() != 2) return c.fail("import-csv takes a database file and a CSV file", kUsage);
  if (!LoadDatabase(c, c.options.args[0], Access::Write)) return c.fail("no database was loaded");
  return finish(c, ImportCsv(c.session, c.options.args[1]));
}

}  // namespace kord::cli
