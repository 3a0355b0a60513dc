// kord-bench-exchange: times the GEDCOM export and import on a full
// database. Generates 998 individuals in a scratch folder, loads them,
// exports them as GEDCOM, imports that file into a new database and
// compares the copy with the original. Prints each figure in milliseconds.
//
// usage: kord-bench-exchange [--keep]   (--keep leaves the scratch folder)

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <functional>
#include <iostream>

#include "bench_support.h"
#include "db/csv_fields.h"
#include "db/demo_family.h"
#include "db/load_tables.h"
#include "exchange/gedcom_export.h"
#include "exchange/gedcom_import.h"
#include "session/session.h"

namespace fs = std::filesystem;
using namespace kord;

namespace {

using bench::NullPrinter;
using bench::QuietUi;
using bench::report;
using bench::timeMs;

Tables loadedLinks(const std::string& rni) {
  Tables t;
  LoadNotes notes;
  FileSet files = FileSetFor(rni);
  LoadIndividuals(t, files.IndividualsFile, nullptr, notes);
  LoadChildLinks(t, files.ChildrenFile, nullptr, notes);
  LoadSpouseLinks(t, files.SpousesFile, nullptr, notes);
  return t;
}

/// How the copy compares with the original: records that differ, and
/// whether the links read the same once loaded (the files themselves may
/// hold lines the loader ignores).
void compare(const fs::path& original, const fs::path& copy) {
  std::string a, b;
  ReadWholeFile(original.string() + ".rni", a);
  ReadWholeFile(copy.string() + ".rni", b);
  int differing = 0;
  for (std::size_t at = 0; at < std::max(a.size(), b.size()); at += kRecordLength)
    differing += at >= a.size() || at >= b.size() || a.compare(at, kRecordLength, b, at, kRecordLength) != 0;
  Tables left = loadedLinks(original.string() + ".rni"), right = loadedLinks(copy.string() + ".rni");
  bool sameLinks = left.Parent1 == right.Parent1 && left.Parent2 == right.Parent2 && left.Spouse == right.Spouse;
  std::cout << "  round trip: " << differing << " records differ, links as loaded "
            << (sameLinks ? "identical" : "differ") << "\n";
}

}  // namespace

int main(int argc, char** argv) {
  const bool keep = argc > 1 && std::string(argv[1]) == "--keep";
  const fs::path root = fs::temp_directory_path() / ("kord_bench_exchange_" + std::to_string(::getpid()));
  fs::remove_all(root);
  fs::create_directories(root);
  GeneratedDatabase made = GenerateFamilyDatabase((root / "bench").string(), 998);
  std::cout << "database: " << made.individuals << " individuals, " << made.childLinks << " child links, "
            << made.spouseLinks << " spouse links, in " << root << "\n";

  QuietUi ui;
  SystemClock clock;
  NullPrinter printer;
  Session s(ui, clock, printer);
  bench::LoadTablesOf(s, (root / "bench.rni").string());

  ExchangeSummary exported, imported;
  report("GEDCOM export", timeMs([&] { exported = ExportGedcom(s, (root / "bench.ged").string()); }));
  report("GEDCOM import",
         timeMs([&] { imported = ImportGedcom((root / "bench.ged").string(), (root / "copy.rni").string(), {}); }));
  if (!exported.ok || !imported.ok) {
    std::cerr << "kord-bench-exchange: " << (exported.ok ? imported.error : exported.error) << "\n";
    return 1;
  }
  std::cout << "  " << exported.individuals << " individuals, " << exported.families << " families exported; "
            << exported.notRepresented.size() << " items not represented\n";
  // The generator gives each spouse a wedding of its own; a GEDCOM family
  // holds one, so those records differ and the export lists them.
  compare(root / "bench", root / "copy");
  if (!keep) fs::remove_all(root);
  return 0;
}
