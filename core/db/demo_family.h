#pragma once
/// An invented family database, for the benchmarks and for "Genera Random
/// DB": founder couples, then generation after generation of children, some
/// of whom marry newcomers (and a few marry twice), with Italian names,
/// dates, places and notes. The same seed gives the same database.

#include <string>

namespace kord {

struct GeneratedDatabase {
  int individuals = 0;
  int generations = 0;
  int childLinks = 0;
  int spouseLinks = 0;
  /// Why the files could not be written (Windows-1252); empty on success.
  std::string error;
};

/// Writes `base` + ".rni", ".rnc", ".rns" and ".rnt" (a "Kord" database)
/// with `count` individuals (at most 998). `base` is a UTF-8 path without
/// extension. Each file is written whole (temporary, then rename); a file
/// that cannot be written stops the work and names itself in `error`.
GeneratedDatabase GenerateFamilyDatabase(const std::string& base, int count, unsigned seed = 1861,
                                         bool english = false);

}  // namespace kord
