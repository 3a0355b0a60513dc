#include "db/family_links.h"

namespace kord {

std::array<int, 2> DistinctParents(const Tables& t, int person) {
  if (!Tables::inTable(person)) return {kNone, kNone};
  int first = t.Parent1[static_cast<std::size_t>(person)];
  int second = t.Parent2[static_cast<std::size_t>(person)];
  if (!t.isIndividual(first) || first == person) first = kNone;
  if (!t.isIndividual(second) || second == person || second == first) second = kNone;
  return {first, second};
}

bool IsParentOf(const Tables& t, int parent, int child) {
  auto parents = DistinctParents(t, child);
  return parent != kNone && (parents[0] == parent || parents[1] == parent);
}

bool AreSiblings(const Tables& t, int a, int b) {
  if (a == b) return false;
  for (int parent : DistinctParents(t, a))
    if (IsParentOf(t, parent, b)) return true;
  return false;
}

}  // namespace kord
