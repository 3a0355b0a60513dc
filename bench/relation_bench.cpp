// kord-bench-relation: times the relationship names for every pair of a
// generated family of 998 individuals and the date checks of the whole
// database. Prints, in milliseconds:
// - the search and the names (what the relation command and the focus card
//   compute once the database is loaded) for every pair i < j, with the mean
//   and the slowest pair;
// - the focus card's whole line, which also builds the spouse index and
//   reads the sexes from the file, for every 25th of those pairs;
// - the search and names on a ring of 998 parent links (bad data), for
//   every 25th pair;
// - verify of the whole database, best of ten runs.
//
// usage: kord-bench-relation [--keep]   (--keep leaves the scratch folder)

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <iostream>

#include "bench_support.h"
#include "checks/verify_dates.h"
#include "db/demo_family.h"
#include "relations/relationship_text.h"

namespace fs = std::filesystem;
using namespace kord;

namespace {

struct PairTimes {
  long pairs = 0;
  long related = 0;
  long overOneMs = 0;
  double totalMs = 0;
  double slowestMs = 0;
  std::pair<int, int> slowest;
  double slowestAgainMs = 0;
};

void printPairs(const char* what, const PairTimes& t) {
  bench::report(what, t.totalMs);
  std::cout.precision(4);
  std::cout << "  " << t.pairs << " pairs, " << t.related << " related; per pair " << t.totalMs / double(t.pairs)
            << " ms on average, " << t.overOneMs << " over 1 ms, the slowest " << t.slowestMs << " ms ("
            << t.slowest.first << " and " << t.slowest.second << "), again " << t.slowestAgainMs << " ms\n";
  std::cout.precision(1);
}

/// Runs `work` for every `step`-th pair i < j. A busy machine stalls a few
/// pairs now and then, so the slowest one is timed again, best of five.
template <typename Work>
PairTimes eachPair(const Tables& tables, long step, Work work) {
  PairTimes t;
  long counter = 0;
  for (int i = 2; i <= tables.LastIndex; ++i) {
    for (int j = i + 1; j <= tables.LastIndex; ++j) {
      if (counter++ % step != 0) continue;
      bool related = false;
      double ms = bench::timeMs([&] { related = work(i, j); });
      ++t.pairs;
      t.related += related;
      t.totalMs += ms;
      t.overOneMs += ms > 1.0;
      if (ms > t.slowestMs) t.slowest = {i, j};
      t.slowestMs = std::max(t.slowestMs, ms);
    }
  }
  t.slowestAgainMs = t.slowestMs;
  for (int k = 0; k < 5; ++k)
    t.slowestAgainMs = std::min(t.slowestAgainMs, bench::timeMs([&] { work(t.slowest.first, t.slowest.second); }));
  return t;
}

/// Bad data at its worst: 998 individuals in a ring, each the child of the
/// next two and married to the one half-way round.
Tables parentLoop() {
  Tables t;
  t.LastIndex = 999;
  for (int i = 2; i <= 999; ++i) {
    t.Names[i] = "P" + std::to_string(i);
    t.Parent1[i] = 2 + (i - 1) % 998;
    t.Parent2[i] = 2 + i % 998;
    t.Spouse[i] = 2 + (i + 497) % 998;
  }
  return t;
}

}  // namespace

int main(int argc, char** argv) {
  const bool keep = argc > 1 && std::string(argv[1]) == "--keep";
  const fs::path root = fs::temp_directory_path() / ("kord_bench_relation_" + std::to_string(::getpid()));
  fs::remove_all(root);
  fs::create_directories(root);
  GeneratedDatabase made = GenerateFamilyDatabase((root / "bench").string(), 998);
  std::cout << "database: " << made.individuals << " individuals in " << made.generations << " generations, "
            << made.childLinks << " child links, " << made.spouseLinks << " spouse links\n";

  bench::QuietUi ui;
  SystemClock clock;
  bench::NullPrinter printer;
  Session s(ui, clock, printer);
  bench::LoadTablesOf(s, (root / "bench.rni").string());

  RelationshipFinder finder(s.tables);
  SexReader sexOf(s.files.IndividualsFile);
  printPairs("relation, search and names, every pair", eachPair(s.tables, 1, [&](int i, int j) {
               auto found = finder.find(i, j);
               RelationshipLine(found, s.tables, std::ref(sexOf), false);
               return !found.empty();
             }));
  printPairs("focus card line, every 25th pair", eachPair(s.tables, 25, [&](int i, int j) {
               s.NInd = {i, j};
               return FocusRelationshipLine(s).find("nessuna") == std::string::npos;
             }));

  const Tables loop = parentLoop();
  RelationshipFinder loopFinder(loop);
  const SexLookup unknown = [](int) { return PersonSex::Unknown; };
  printPairs("a ring of parent links (bad data), search and names, every 25th pair",
             eachPair(loop, 25, [&](int i, int j) {
               auto found = loopFinder.find(i, j);
               RelationshipLine(found, loop, unknown, false);
               return !found.empty();
             }));

  std::string error;
  std::size_t findings = 0;
  double best = bench::timeMs([&] { findings = VerifyDates(s, {}, error).size(); });
  for (int k = 1; k < 10; ++k) best = std::min(best, bench::timeMs([&] { VerifyDates(s, {}, error); }));
  bench::report("verify, the whole database, best of 10", best);
  std::cout << "  " << findings << " findings" << (error.empty() ? "" : ", error: " + error) << "\n";
  if (!keep) fs::remove_all(root);
  return 0;
}
