#pragma once
// Writes a family with the heaviest pedigree collapse there is: one couple
// per generation, both children of the couple before (every couple of a
// generation shares the same two parents). Each individual appears in the
// trees of the later generations once per path to them: 2^g times g
// generations away.

#include <string>

namespace kord::bench {

/// Writes `base` + ".rni", ".rnc", ".rns" and ".rnt" (a "Kord" database)
/// with `people` individuals (even, at most 998): couple g is records
/// 2g + 1 (husband) and 2g + 2 (wife), married to each other. `base` is a
/// UTF-8 path without extension.
void GenerateCollapsedPedigree(const std::string& base, int people);

/// The table index of the husband and of the wife of generation `g`.
inline int HusbandOf(int g) { return 2 * g + 2; }
inline int WifeOf(int g) { return 2 * g + 3; }

}  // namespace kord::bench
