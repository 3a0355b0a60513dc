#include "exchange/gedcom_export.h"

#include <algorithm>
#include <array>
#include <filesystem>

#include "db/codepage.h"
#include "exchange/exchange_files.h"
#include "exchange/export_families.h"
#include "exchange/export_individual.h"
#include "exchange/gedcom_dates.h"
#include "exchange/gedcom_writer.h"

namespace kord {
namespace {

/// `records`: the number of records when blank ones end the file, which
/// the xrefs cannot tell; else 0.
void writeHeader(GedcomWriter& w, bool ansi, int records) {
  w.line(0, "HEAD");
  w.line(1, "SOUR", "KORD");
  w.line(2, "NAME", "Kord");
  w.pointer(1, "SUBM", "@SUBM@");
  w.line(1, "GEDC");
  w.line(2, "VERS", "5.5.1");
  w.line(2, "FORM", "LINEAGE-LINKED");
  w.line(1, "CHAR", ansi ? "ANSI" : "UTF-8");
  if (records > 0) w.line(1, "_KORD_RECORDS", std::to_string(records));
  w.record("@SUBM@", "SUBM");
  w.line(1, "NAME", "Kord");
}

void writeFamily(GedcomWriter& w, const ExportFamily& f, int number) {
  w.record(FamilyXref(number), "FAM");
  if (f.husband != kNone) w.pointer(1, "HUSB", IndividualXref(f.husband));
  if (f.wife != kNone) w.pointer(1, "WIFE", IndividualXref(f.wife));
  if (f.hasMarriage) {
    ExportedDate date = GedcomDateOf(f.marriageDate);
    w.line(1, "MARR", date.value.empty() && f.marriagePlace.empty() ? "Y" : "");
    if (!date.value.empty()) w.line(2, "DATE", date.value);
    if (!date.exactText.empty()) w.line(2, "_KORD_DATE", date.exactText);
    if (!f.marriagePlace.empty()) w.line(2, "PLAC", f.marriagePlace);
  }
  for (int child : f.children) w.pointer(1, "CHIL", IndividualXref(child));
}

bool isDatabaseFile(const Session& s, const std::string& path) {
  std::error_code ec;
  if (!std::filesystem::exists(path, ec)) return false;
  for (const auto* file : {&s.files.IndividualsFile, &s.files.ChildrenFile, &s.files.SpousesFile, &s.files.TypeFile,
                           &s.files.CaptionsFile})
    if (!file->empty() && std::filesystem::equivalent(path, *file, ec)) return true;
  return false;
}

RecordsByIndex readRecords(Session& s, std::string& error) {
  RecordsByIndex records(kTableSize);
  IndividualsFile file;
  error = file.open(s.files.IndividualsFile);
  for (int index = 2; error.empty() && index <= s.tables.LastIndex; ++index) {
    PersonRecord r;
    if (file.readRecord(index - 1, r)) records[index] = r;
  }
  return records;
}

/// The records as the family planner sees them: marriage fields that hold
/// something else by their captions are not marriages.
RecordsByIndex marriageView(const RecordsByIndex& records, const FieldUses& uses) {
  if (uses[MarriageDate] == FieldUse::AsDesigned && uses[MarriagePlace] == FieldUse::AsDesigned) return records;
  RecordsByIndex view = records;
  for (auto& r : view) {
    if (!r) continue;
    if (uses[MarriageDate] != FieldUse::AsDesigned) r->set(MarriageDate, "");
    if (uses[MarriagePlace] != FieldUse::AsDesigned) r->set(MarriagePlace, "");
  }
  return view;
}

/// The record count when the last records are blank, else 0.
int recordsEndingBlank(const RecordsByIndex& records, int lastIndex) {
  int last = lastIndex;
  while (last >= 2 && (!records[last] || IsBlankRecord(*records[last]))) --last;
  return last < lastIndex ? lastIndex - 1 : 0;
}

void count(const ExportPlan& plan, ExchangeSummary& s) {
  s.families = static_cast<int>(plan.families.size());
  for (const auto& f : plan.families) {
    int parents = (f.husband != kNone) + (f.wife != kNone);
    s.childLinks += parents * static_cast<int>(f.children.size());
    s.spouseLinks += parents == 2;
  }
}

}  // namespace

std::string WithGedcomExtension(const std::string& path) {
  return std::filesystem::path(path).has_extension() ? path : path + ".ged";
}

ExchangeSummary ExportGedcom(Session& s, const std::string& typedPath, const GedcomExportOptions& options,
                             const ExchangeProgress& progress) {
  ExchangeSummary sum;
  sum.english = s.English;
  sum.exported = true;
  std::string path = WithGedcomExtension(typedPath);
  if (!s.DbLoaded || s.tables.RecordMode != "Kord")
    return sum.fail(sum.say("Nessun database di tipo Kord aperto", "No database of the Kord type is open"));
  if (isDatabaseFile(s, path))
    return sum.fail(Utf8ToCp1252(path) + sum.say(" e' un file del database", " is a file of the database"));
  std::string error;
  RecordsByIndex records = readRecords(s, error);
  if (!error.empty()) return sum.fail(error);

  FieldUses uses = FieldUsesOf(s.tables.FieldCaptions, sum);
  ExportPlan plan = PlanFamilies(s.tables, marriageView(records, uses), sum);
  std::string folder = FolderOf(s.files.IndividualsFile);
  IndividualContext context{plan,
                            records,
                            uses,
                            s.tables.FieldCaptions,
                            folder,
                            FolderOf(std::filesystem::absolute(path).string()),
                            PicturesIn(folder)};
  GedcomWriter w;
  writeHeader(w, options.ansi, recordsEndingBlank(records, s.tables.LastIndex));
  long total = s.tables.individualCount();
  for (int index = 2; index <= s.tables.LastIndex; ++index) {
    if (records[index] && WriteIndividual(w, context, index, sum)) ++sum.individuals;
    if (progress) progress(ExchangeStage::Individuals, index - 1, total);
  }
  for (std::size_t f = 0; f < plan.families.size(); ++f) writeFamily(w, plan.families[f], static_cast<int>(f));
  w.line(0, "TRLR");
  if (error = ReplaceFile(path, w.bytes(options.ansi), s.English); !error.empty()) return sum.fail(error);
  if (progress) progress(ExchangeStage::Writing, 1, 1);
  count(plan, sum);
  sum.ok = true;
  return sum;
}

}  // namespace kord
