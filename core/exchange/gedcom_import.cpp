#include "exchange/gedcom_import.h"

#include <algorithm>

#include "db/codepage.h"
#include "db/csv_fields.h"
#include "db/tables.h"
#include "exchange/exchange_files.h"
#include "exchange/gedcom_families.h"
#include "exchange/gedcom_links.h"
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

struct ImportedPeople {
  std::string records;
  std::vector<int> recordOf;        ///< by person; 0 when left out
  std::vector<std::string> labels;  ///< by person
  std::vector<bool> marriageTaken;  ///< by family
};

ImportedPeople importPeople(const GedcomIndex& ix, const FamilyGraph& g, const std::vector<int>& chosen,
                            const GedcomImportOptions& o, ExchangeSummary& s, const ExchangeProgress& progress) {
  ImportedPeople out;
  out.recordOf.assign(ix.people.size(), 0);
  for (std::size_t p = 0; p < ix.people.size(); ++p) out.labels.push_back(ix.people[p]->xref);
  PeopleContext context(ix, g, o.surnameFirst);
  for (std::size_t i = 0; i < chosen.size(); ++i) {
    int p = chosen[i], record = static_cast<int>(i) + 1;
    PersonRecord r;  // an empty slot stays blank, number field included
    if (!IsEmptySlot(*ix.people[p], g.of[p])) r = ImportPerson(context, p, record, s);
    out.records.append(r.bytes().begin(), r.bytes().end());
    out.recordOf[p] = record;
    out.labels[p] = PersonLabel(ix.people[p]->xref, r.trimmed(Name));
    report(progress, ExchangeStage::Individuals, record, static_cast<long>(chosen.size()));
  }
  out.marriageTaken = context.marriageTaken;
  return out;
}

bool hasImportedSpouse(const ImportFamily& f, const std::vector<int>& recordOf) {
  return (f.husband >= 0 && recordOf[f.husband] > 0) || (f.wife >= 0 && recordOf[f.wife] > 0);
}

bool hasImportedMember(const ImportFamily& f, const std::vector<int>& recordOf) {
  return hasImportedSpouse(f, recordOf) ||
         std::any_of(f.children.begin(), f.children.end(), [&](int c) { return recordOf[c] > 0; });
}

/// A marriage with a date or place that went into neither spouse's record.
void reportMarriagesNotKept(const FamilyGraph& g, const ImportedPeople& people, ExchangeSummary& s) {
  for (std::size_t f = 0; f < g.families.size(); ++f) {
    const GedcomNode* marriage = g.families[f].node->child("MARR");
    if (!marriage || people.marriageTaken[f] || !hasImportedSpouse(g.families[f], people.recordOf)) continue;
    std::string details;
    for (const char* tag : {"DATE", "PLAC"})
      if (const GedcomNode* n = marriage->child(tag))
        details += " " + std::string(tag) + " " + ToRecordText(n->value).text;
    if (details.empty()) continue;
    s.notRepresented.push_back(g.families[f].node->xref + ": MARR" + details +
                               s.say(" non importato: non e' il primo matrimonio di nessuno dei coniugi",
                                     " not imported: it is neither spouse's first marriage"));
  }
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
    return s.fail(Utf8ToCp1252(gedcomPath) +
                  s.say(": non e' un file GEDCOM (manca HEAD)", ": not a GEDCOM file (no HEAD)"));
  GedcomIndex ix = IndexGedcom(records, s);
  FamilyGraph graph = BuildFamilyGraph(ix, s);
  auto chosen = choosePeople(ix, graph, o, s);
  if (!s.error.empty()) return s;

  ImportedPeople people = importPeople(ix, graph, chosen, o, s, progress);
  for (const auto& f : graph.families)
    if (hasImportedMember(f, people.recordOf)) CountFamilyTags(*f.node, s);
  reportMarriagesNotKept(graph, people, s);
  ImportedLinks links = BuildImportedLinks(graph, people.recordOf, people.labels, s);
  report(progress, ExchangeStage::Links, 1, 1);

  std::string error = WriteDatabaseFiles(names, {people.records, links.children, links.spouses}, o.english);
  report(progress, ExchangeStage::Writing, 1, 1);
  if (!error.empty()) return s.fail(error);
  s.ok = true;
  s.individuals = static_cast<int>(chosen.size());
  s.childLinks = links.childLines;
  s.spouseLinks = links.spouseLines;
  return s;
}

}  // namespace kord
