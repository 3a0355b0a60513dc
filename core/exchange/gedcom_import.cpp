#include "exchange/gedcom_import.h"

#include <algorithm>
#include <optional>

#include "db/codepage.h"
#include "db/csv_fields.h"
#include "db/tables.h"
#include "exchange/exchange_files.h"
#include "exchange/gedcom_families.h"
#include "exchange/gedcom_links.h"
#include "exchange/gedcom_marriages.h"
#include "exchange/gedcom_people.h"
#include "exchange/gedcom_reader.h"
#include "exchange/record_text.h"

namespace kord {
namespace {

void report(const ExchangeProgress& progress, ExchangeStage stage, long done, long total) {
  if (progress) progress(stage, done, total);
}

/// The people to import, in file order; empty with summary.error set when refused.
std::vector<int> choosePeople(const GedcomIndex& ix, const FamilyGraph& g, const GedcomImportOptions& o,
                              ExchangeSummary& s) {
  int count = static_cast<int>(ix.people.size());
  int start = -1;
  if (!o.around.empty()) {
    auto found = ix.personOf.find(XrefOf(o.around));
    if (found == ix.personOf.end()) {
      s.fail(s.say("Nel file non c'e' l'individuo ", "The file has no individual ") + Utf8ToCp1252(XrefOf(o.around)));
      return {};
    }
    start = found->second;
  }
  std::vector<int> chosen;
  if (count <= kMaxIndividuals) {
    for (int p = 0; p < count; ++p) chosen.push_back(p);
    return chosen;
  }
  if (start < 0) {
    s.fail(s.say("Il file contiene ", "The file holds ") + std::to_string(count) +
           s.say(" individui; un database ne contiene al massimo 998. Indicare l'individuo attorno a cui importare.",
                 " individuals; a database holds at most 998. Name the individual to import around."));
    s.tooManyIndividuals = true;
    return {};
  }
  chosen = NearestPeople(g, start, kMaxIndividuals);
  std::sort(chosen.begin(), chosen.end());
  s.leftOut = count - static_cast<int>(chosen.size());
  return chosen;
}

/// Where each person goes: record numbers from 1, blank records between.
struct Placement {
  std::vector<int> recordOf;  ///< by person; 0 when left out
  std::vector<int> personAt;  ///< by record number ([0] unused); -1 for a blank record
};

Placement inFileOrder(std::size_t people, const std::vector<int>& chosen) {
  Placement at{std::vector<int>(people, 0), {-1}};
  for (int p : chosen) {
    at.recordOf[p] = static_cast<int>(at.personAt.size());
    at.personAt.push_back(p);
  }
  return at;
}

/// The number of "@I12@", or 0.
int xrefNumber(const std::string& xref) {
  if (xref.size() < 4 || xref.compare(0, 2, "@I") != 0 || xref.back() != '@') return 0;
  std::string digits = xref.substr(2, xref.size() - 3);
  if (digits.size() > 3 || digits.find_first_not_of("0123456789") != std::string::npos) return 0;
  return std::stoi(digits);
}

/// A file of this program names each individual by its record number
/// (@I12@), leaving out blank records; HEAD _KORD_RECORDS counts blank
/// records at the end. Nothing when the xrefs are not such numbers in
/// rising order.
std::optional<Placement> byRecordNumbers(const GedcomIndex& ix, const GedcomNode& head) {
  Placement at{std::vector<int>(ix.people.size(), 0), {-1}};
  for (int p = 0; p < static_cast<int>(ix.people.size()); ++p) {
    int number = xrefNumber(ix.people[p]->xref);
    if (number < static_cast<int>(at.personAt.size()) || number > kMaxIndividuals) return std::nullopt;
    at.personAt.resize(number + 1, -1);
    at.personAt[number] = p;
    at.recordOf[p] = number;
  }
  const GedcomNode* declared = head.child("_KORD_RECORDS");
  int records = declared ? static_cast<int>(NumericValue(declared->value)) : 0;
  if (records >= static_cast<int>(at.personAt.size()) && records <= kMaxIndividuals)
    at.personAt.resize(records + 1, -1);
  return at;
}

bool isOwnFile(const GedcomNode& head) {
  const GedcomNode* source = head.child("SOUR");
  return source && UpperAscii(source->value) == "KORD";
}

struct ImportedPeople {
  std::string records;
  std::vector<std::string> labels;  ///< by person
};

std::vector<std::string> importedNames(const GedcomIndex& ix, bool givenFirst) {
  std::vector<std::string> names;
  for (const GedcomNode* indi : ix.people) names.push_back(ImportedName(*indi, givenFirst));
  return names;
}

ImportedPeople importPeople(const GedcomIndex& ix, const FamilyGraph& g, const Placement& at, bool givenFirst,
                            ExchangeSummary& s, const ExchangeProgress& progress) {
  ImportedPeople out;
  for (const GedcomNode* indi : ix.people) out.labels.push_back(indi->xref);
  PeopleContext context{ix,
                        g,
                        givenFirst,
                        at.recordOf,
                        MainFamilies(g, at.recordOf),
                        importedNames(ix, givenFirst),
                        std::vector<bool>(g.families.size(), false)};
  long total = static_cast<long>(at.personAt.size()) - 1;
  for (int record = 1; record <= total; ++record) {
    int p = at.personAt[record];
    PersonRecord r;  // a blank record, number field included
    if (p >= 0 && !IsEmptySlot(*ix.people[p], g.of[p])) r = ImportPerson(context, p, record, s);
    out.records.append(r.bytes().begin(), r.bytes().end());
    if (p >= 0) out.labels[p] = PersonLabel(ix.people[p]->xref, r.trimmed(Name));
    report(progress, ExchangeStage::Individuals, record, total);
  }
  return out;
}

bool hasImportedMember(const ImportFamily& f, const std::vector<int>& recordOf) {
  return (f.husband >= 0 && recordOf[f.husband] > 0) || (f.wife >= 0 && recordOf[f.wife] > 0) ||
         std::any_of(f.children.begin(), f.children.end(), [&](int c) { return recordOf[c] > 0; });
}

bool beginsWithHeader(const std::vector<GedcomNode>& records) {
  return !records.empty() && records.front().tag == "HEAD";
}

}  // namespace

ExchangeSummary ImportGedcom(const std::string& gedcomPath, const std::string& newDatabase,
                             const GedcomImportOptions& o, const ExchangeProgress& progress) {
  ExchangeSummary s;
  s.english = o.english;
  FileSet names = FileSetFor(newDatabase);
  if (names.IndividualsFile.empty())
    return s.fail(s.say("Manca il nome del nuovo database", "No name for the new database"));
  if (!o.replace && AnyDatabaseFileExists(names))
    return s.fail(s.say("Il database ", "The database ") + Utf8ToCp1252(names.IndividualsFile) +
                  s.say(" esiste gia'", " already exists"));
  std::string bytes;
  if (!ReadWholeFile(gedcomPath, bytes))
    return s.fail(Utf8ToCp1252(gedcomPath) + s.say(": impossibile leggere il file", ": cannot be read"));
  auto records = ReadGedcom(bytes, s, progress);
  if (!beginsWithHeader(records))
    return s.fail(Utf8ToCp1252(gedcomPath) + s.say(": non e' un file GEDCOM (non comincia con \"0 HEAD\")",
                                                   ": not a GEDCOM file (it does not begin with \"0 HEAD\")"));
  bool own = isOwnFile(records.front());
  GedcomIndex ix = IndexGedcom(records, s);
  FamilyGraph graph = BuildFamilyGraph(ix, s);
  auto chosen = choosePeople(ix, graph, o, s);
  if (!s.error.empty()) return s;

  std::optional<Placement> numbered = own && o.around.empty() ? byRecordNumbers(ix, records.front()) : std::nullopt;
  Placement at = numbered ? *numbered : inFileOrder(ix.people.size(), chosen);
  ImportedPeople people = importPeople(ix, graph, at, o.givenFirst && !own, s, progress);
  for (const auto& f : graph.families)
    if (hasImportedMember(f, at.recordOf)) CountFamilyTags(*f.node, ix, s);
  ImportedLinks links = BuildImportedLinks(graph, at.recordOf, people.labels, s);
  report(progress, ExchangeStage::Links, 1, 1);

  std::string error = WriteDatabaseFiles(names, {people.records, links.children, links.spouses}, o.english);
  report(progress, ExchangeStage::Writing, 1, 1);
  if (!error.empty()) return s.fail(error);
  s.ok = true;
  s.individuals = static_cast<int>(at.personAt.size()) - 1;
  s.childLinks = links.childLines;
  s.spouseLinks = links.spouseLines;
  return s;
}

}  // namespace kord
