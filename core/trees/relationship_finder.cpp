#include "trees/relationship_finder.h"

#include <algorithm>
#include <array>
#include <tuple>
#include <utility>

#include "db/family_links.h"

namespace kord {
namespace {

/// An individual reached by a trace of ancestors, `generation` steps up from
/// the start, through the child at entry `from` (-1 for the start itself).
struct AncestorEntry {
  int person;
  int generation;
  int from;
};
using Ancestry = std::vector<AncestorEntry>;

/// Every ancestor of `start` once per generation it is reached at, breadth
/// first, up to kMaxRelationGenerations: one line per (person, generation),
/// the first found.
Ancestry traceAncestors(const Tables& t, int start) {
  Ancestry entries{{start, 0, -1}};
  std::vector<int> seenAt(kTableSize, -1);
  std::size_t begin = 0;
  for (int g = 1; g <= kMaxRelationGenerations && begin < entries.size(); ++g) {
    std::size_t end = entries.size();
    for (std::size_t i = begin; i < end; ++i) {
      for (int parent : DistinctParents(t, entries[i].person)) {
        if (parent == kNone || seenAt[static_cast<std::size_t>(parent)] == g) continue;
        seenAt[static_cast<std::size_t>(parent)] = g;
        entries.push_back({parent, g, static_cast<int>(i)});
      }
    }
    begin = end;
  }
  return entries;
}

/// The steps from the start of `line` up to its entry `e`.
std::vector<RelationStep> stepsUp(const Ancestry& line, int e) {
  std::vector<RelationStep> steps;
  for (int i = e; line[static_cast<std::size_t>(i)].from >= 0; i = line[static_cast<std::size_t>(i)].from)
    steps.push_back({StepKind::ToParent, line[static_cast<std::size_t>(i)].person});
  std::reverse(steps.begin(), steps.end());
  return steps;
}

/// The steps from entry `e` of `line` down to its start.
std::vector<RelationStep> stepsDown(const Ancestry& line, int e) {
  std::vector<RelationStep> steps;
  for (int i = line[static_cast<std::size_t>(e)].from; i >= 0; i = line[static_cast<std::size_t>(i)].from)
    steps.push_back({StepKind::ToChild, line[static_cast<std::size_t>(i)].person});
  return steps;
}

/// True when no individual occurs twice on the path from `start`: two lines
/// that meet below their common ancestor, or a loop, are no relationship of
/// their own.
bool isSimplePath(int start, const std::vector<RelationStep>& steps) {
  std::vector<int> persons{start};
  for (const auto& step : steps) persons.push_back(step.person);
  std::sort(persons.begin(), persons.end());
  return std::adjacent_find(persons.begin(), persons.end()) == persons.end();
}

/// Entries of `line` by each parent of their person, sorted by parent.
std::vector<std::pair<int, int>> entriesByParent(const Tables& t, const Ancestry& line) {
  std::vector<std::pair<int, int>> index;
  for (std::size_t i = 0; i < line.size(); ++i)
    for (int parent : DistinctParents(t, line[i].person))
      if (parent != kNone) index.emplace_back(parent, static_cast<int>(i));
  std::sort(index.begin(), index.end());
  return index;
}

/// Pairs (entry of `from`, entry of `to`) whose two individuals differ and
/// share a parent: the children the two lines come down through.
std::vector<std::pair<int, int>> childrenOfCommonAncestors(const Tables& t, const Ancestry& fromLine,
                                                           const Ancestry& toLine) {
  auto index = entriesByParent(t, toLine);
  std::vector<std::pair<int, int>> pairs;
  for (std::size_t i = 0; i < fromLine.size(); ++i) {
    int child = fromLine[i].person;
    for (int parent : DistinctParents(t, child)) {
      if (parent == kNone) continue;
      auto range = std::equal_range(index.begin(), index.end(), std::pair{parent, -1},
                                    [](const auto& a, const auto& b) { return a.first < b.first; });
      for (auto it = range.first; it != range.second; ++it)
        if (toLine[static_cast<std::size_t>(it->second)].person != child)
          pairs.emplace_back(static_cast<int>(i), it->second);
    }
  }
  std::sort(pairs.begin(), pairs.end());
  pairs.erase(std::unique(pairs.begin(), pairs.end()), pairs.end());
  return pairs;
}

BloodLine throughSiblings(const Tables& t, const Ancestry& fromLine, const Ancestry& toLine, std::pair<int, int> pair) {
  const AncestorEntry& a = fromLine[static_cast<std::size_t>(pair.first)];
  const AncestorEntry& b = toLine[static_cast<std::size_t>(pair.second)];
  BloodLine line{a.generation + 1, b.generation + 1, false, {}, stepsUp(fromLine, pair.first)};
  for (int parent : DistinctParents(t, a.person))
    if (IsParentOf(t, parent, b.person)) line.commonAncestors.push_back(parent);
  line.half = line.commonAncestors.size() == 1;
  line.steps.push_back({StepKind::ToParent, line.commonAncestors.front()});
  line.steps.push_back({StepKind::ToChild, b.person});
  auto down = stepsDown(toLine, pair.second);
  line.steps.insert(line.steps.end(), down.begin(), down.end());
  return line;
}

/// Every blood line from `from` to `to`, given the traces of both.
std::vector<BloodLine> bloodLines(const Tables& t, const Ancestry& fromLine, const Ancestry& toLine) {
  const int from = fromLine.front().person, to = toLine.front().person;
  std::vector<BloodLine> lines;
  for (std::size_t e = 1; e < fromLine.size(); ++e)
    if (fromLine[e].person == to)
      lines.push_back({fromLine[e].generation, 0, false, {}, stepsUp(fromLine, static_cast<int>(e))});
  for (std::size_t e = 1; e < toLine.size(); ++e)
    if (toLine[e].person == from)
      lines.push_back({0, toLine[e].generation, false, {}, stepsDown(toLine, static_cast<int>(e))});
  for (auto pair : childrenOfCommonAncestors(t, fromLine, toLine))
    lines.push_back(throughSiblings(t, fromLine, toLine, pair));
  std::erase_if(lines, [&](const BloodLine& line) { return !isSimplePath(from, line.steps); });
  return lines;
}

int kindRank(RelationKind kind) {
  switch (kind) {
    case RelationKind::Spouse: return 0;
    case RelationKind::Blood: return 1;
    case RelationKind::SpouseOfRelative: return 2;
    case RelationKind::RelativeOfSpouse: return 3;
  }
  return 4;
}

bool nearer(const Relationship& a, const Relationship& b) {
  auto persons = [](const Relationship& r) {
    std::vector<int> list;
    for (const auto& step : r.path) list.push_back(step.person);
    return list;
  };
  return std::tuple(a.degree(), kindRank(a.kind), a.blood.up, a.blood.down, persons(a)) <
         std::tuple(b.degree(), kindRank(b.kind), b.blood.up, b.blood.down, persons(b));
}

/// The spouse of an ancestor who is the focus's own ancestor on that line
/// (the mother beside the father) is no step-relative.
bool isOwnAncestorBesideRelative(const Tables& t, const BloodLine& line, int focus, int spouse) {
  if (line.down != 0) return false;
  int below = line.up == 1 ? focus : line.steps[static_cast<std::size_t>(line.up - 2)].person;
  return IsParentOf(t, spouse, below);
}

/// A descendant of the spouse through a child the focus also had is the
/// focus's own descendant, no step-relative.
bool isOwnDescendantThroughSpouse(const Tables& t, const BloodLine& line, int focus) {
  return line.up == 0 && IsParentOf(t, focus, line.steps.front().person);
}

}  // namespace

RelationshipFinder::RelationshipFinder(const Tables& tables) : tables_(tables), spouses_(kTableSize) {
  auto add = [this](int a, int b) {
    auto& list = spouses_[static_cast<std::size_t>(a)];
    if (a != b && std::find(list.begin(), list.end(), b) == list.end()) list.push_back(b);
  };
  for (int i = 2; i <= tables_.LastIndex && i < kTableSize; ++i) {
    int spouse = tables_.Spouse[static_cast<std::size_t>(i)];
    if (!tables_.isIndividual(spouse)) continue;
    add(i, spouse);
    add(spouse, i);
  }
}

std::vector<Relationship> RelationshipFinder::find(int focus, int second) const {
  if (!tables_.isIndividual(focus) || !tables_.isIndividual(second) || focus == second) return {};
  std::vector<Relationship> found;
  const Ancestry focusLine = traceAncestors(tables_, focus);
  const Ancestry secondLine = traceAncestors(tables_, second);
  const auto& focusSpouses = spousesOf(focus);
  if (std::find(focusSpouses.begin(), focusSpouses.end(), second) != focusSpouses.end())
    found.push_back({RelationKind::Spouse, {}, second, {{StepKind::ToSpouse, second}}});
  for (BloodLine& line : bloodLines(tables_, focusLine, secondLine)) {
    auto path = line.steps;
    found.push_back({RelationKind::Blood, std::move(line), kNone, std::move(path)});
  }
  for (int relative : spousesOf(second)) {
    if (relative == focus) continue;
    for (BloodLine& line : bloodLines(tables_, focusLine, traceAncestors(tables_, relative))) {
      if (isOwnAncestorBesideRelative(tables_, line, focus, second)) continue;
      auto path = line.steps;
      path.push_back({StepKind::ToSpouse, second});
      if (isSimplePath(focus, path)) found.push_back({RelationKind::SpouseOfRelative, std::move(line), relative, std::move(path)});
    }
  }
  for (int spouse : focusSpouses) {
    if (spouse == second) continue;
    for (BloodLine& line : bloodLines(tables_, traceAncestors(tables_, spouse), secondLine)) {
      if (isOwnDescendantThroughSpouse(tables_, line, focus)) continue;
      std::vector<RelationStep> path{{StepKind::ToSpouse, spouse}};
      path.insert(path.end(), line.steps.begin(), line.steps.end());
      if (isSimplePath(focus, path)) found.push_back({RelationKind::RelativeOfSpouse, std::move(line), spouse, std::move(path)});
    }
  }
  std::sort(found.begin(), found.end(), nearer);
  if (found.size() > static_cast<std::size_t>(kMaxRelationships)) found.resize(kMaxRelationships);
  return found;
}

}  // namespace kord
