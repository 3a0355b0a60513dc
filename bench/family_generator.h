#pragma once
// Writes a large invented family database for the benchmarks: founder
// couples, then generation after generation of children, some of whom marry
// newcomers (and a few marry twice), with Italian names, dates, places and
// notes. The same seed gives the same database.

#include <string>

namespace kord::bench {

struct GeneratedDatabase {
  int individuals = 0;
  int generations = 0;
  int childLinks = 0;
  int spouseLinks = 0;
};

/// Writes `base` + ".rni", ".rnc", ".rns" and ".rnt" (a "Kord" database)
/// with `count` individuals (at most 998). `base` is a UTF-8 path without
/// extension.
GeneratedDatabase GenerateFamilyDatabase(const std::string& base, int count, unsigned seed = 1861);

}  // namespace kord::bench
