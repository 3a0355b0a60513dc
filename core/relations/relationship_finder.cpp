#include "relations/relationship_finder.h"

#include <algorithm>
#include <array>
#include <compare>
#include <functional>
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

/// Where each generation of a trace starts (a trace is in generation
/// order); one more entry marks the end.
std::vector<std::size_t> generationStarts(const Ancestry& line) {
  std::vector<std::size_t> starts{0};
  for (std::size_t i = 1; i < line.size(); ++i)
    if (line[i].generation != line[i - 1].generation) starts.push_back(i);
  starts.push_back(line.size());
  return starts;
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

using LineFilter = std::function<bool(const BloodLine&)>;

/// The blood lines from the start of one trace to the start of another,
/// degree by degree, so that a collapsed pedigree or a loop in bad data
/// costs no more than its nearest lines.
class LineSearch {
 public:
  LineSearch(const Tables& t, const Ancestry& fromLine, const Ancestry& toLine, const LineFilter& accept)
      : t_(t),
        from_(fromLine),
        to_(toLine),
        accept_(accept),
        fromStarts_(generationStarts(fromLine)),
        toStarts_(generationStarts(toLine)) {
    for (std::size_t i = 0; i < to_.size(); ++i)
      for (int parent : DistinctParents(t_, to_[i].person))
        if (parent != kNone) byParent_.push_back({to_[i].generation, parent, static_cast<int>(i)});
    std::sort(byParent_.begin(), byParent_.end());
  }

  /// Every accepted simple line of the nearest degrees, until at least
  /// kMaxRelationships are found (all of the last degree are kept, so the
  /// nearest ones of every source merge right).
  std::vector<BloodLine> run() {
    if (!mayMeet()) return {};
    const int farthest = generations(fromStarts_) + generations(toStarts_);
    for (int degree = 1; degree <= farthest && lines_.size() < kMaxRelationships; ++degree) {
      directLines(degree);
      throughSiblingsAt(degree);
    }
    return std::move(lines_);
  }

 private:
  struct ParentKey {
    int generation, parent, entry;
    auto operator<=>(const ParentKey&) const = default;
  };

  int generations(const std::vector<std::size_t>& starts) const { return static_cast<int>(starts.size()) - 1; }

  /// False when the two traces share no parent and neither start is in the
  /// other's trace: most pairs of a database, answered at once.
  bool mayMeet() const {
    const int from = from_.front().person, to = to_.front().person;
    std::vector<char> parentsOfTo(kTableSize, 0);
    for (const ParentKey& key : byParent_) parentsOfTo[static_cast<std::size_t>(key.parent)] = 1;
    for (const AncestorEntry& e : from_) {
      if (e.person == to) return true;
      for (int parent : DistinctParents(t_, e.person))
        if (parent != kNone && parentsOfTo[static_cast<std::size_t>(parent)]) return true;
    }
    return std::any_of(to_.begin(), to_.end(), [from](const AncestorEntry& e) { return e.person == from; });
  }

  void keep(BloodLine line) {
    if (isSimplePath(from_.front().person, line.steps) && accept_(line)) lines_.push_back(std::move(line));
  }

  /// The end an ancestor (or descendant) `degree` generations away.
  void directLines(int degree) {
    const int from = from_.front().person, to = to_.front().person;
    if (degree < generations(fromStarts_))
      for (std::size_t e = fromStarts_[degree]; e < fromStarts_[degree + 1]; ++e)
        if (from_[e].person == to) keep({degree, 0, false, {}, stepsUp(from_, static_cast<int>(e))});
    if (degree < generations(toStarts_))
      for (std::size_t e = toStarts_[degree]; e < toStarts_[degree + 1]; ++e)
        if (to_[e].person == from) keep({0, degree, false, {}, stepsDown(to_, static_cast<int>(e))});
  }

  /// Two different children of a common parent, `degree` - 2 generations
  /// below them in all.
  void throughSiblingsAt(int degree) {
    std::vector<std::pair<int, int>> pairs;
    for (int up = 0; up <= degree - 2 && up < generations(fromStarts_); ++up) {
      const int down = degree - 2 - up;
      if (down >= generations(toStarts_)) continue;
      for (std::size_t e = fromStarts_[up]; e < fromStarts_[up + 1]; ++e)
        matchSiblings(static_cast<int>(e), down, pairs);
    }
    std::sort(pairs.begin(), pairs.end());
    pairs.erase(std::unique(pairs.begin(), pairs.end()), pairs.end());
    for (auto pair : pairs) keep(throughSiblings(t_, from_, to_, pair));
  }

  void matchSiblings(int fromEntry, int down, std::vector<std::pair<int, int>>& pairs) const {
    const int child = from_[static_cast<std::size_t>(fromEntry)].person;
    for (int parent : DistinctParents(t_, child)) {
      if (parent == kNone) continue;
      auto it = std::lower_bound(byParent_.begin(), byParent_.end(), ParentKey{down, parent, -1});
      for (; it != byParent_.end() && it->generation == down && it->parent == parent; ++it)
        if (to_[static_cast<std::size_t>(it->entry)].person != child) pairs.emplace_back(fromEntry, it->entry);
    }
  }

  const Tables& t_;
  const Ancestry& from_;
  const Ancestry& to_;
  const LineFilter& accept_;
  std::vector<std::size_t> fromStarts_, toStarts_;
  std::vector<ParentKey> byParent_;
  std::vector<BloodLine> lines_;
};

std::vector<BloodLine> bloodLines(const Tables& t, const Ancestry& fromLine, const Ancestry& toLine,
                                  const LineFilter& accept) {
  return LineSearch(t, fromLine, toLine, accept).run();
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

/// True when `person` is reached by a step of `line` (a marriage path must
/// not pass its own end or start twice).
bool onPath(const BloodLine& line, int person) {
  return std::any_of(line.steps.begin(), line.steps.end(),
                     [person](const RelationStep& step) { return step.person == person; });
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

void addBlood(const Tables& t, const Ancestry& focusLine, const Ancestry& secondLine,
              std::vector<Relationship>& found) {
  for (BloodLine& line : bloodLines(t, focusLine, secondLine, [](const BloodLine&) { return true; })) {
    auto path = line.steps;
    found.push_back({RelationKind::Blood, std::move(line), kNone, std::move(path)});
  }
}

/// The second is married to `relative`, a blood relative of the focus.
void addSpouseOfRelative(const Tables& t, const Ancestry& focusLine, int relative, int second,
                         std::vector<Relationship>& found) {
  const int focus = focusLine.front().person;
  const LineFilter ownLine = [&](const BloodLine& line) {
    return !isOwnAncestorBesideRelative(t, line, focus, second) && !onPath(line, second);
  };
  for (BloodLine& line : bloodLines(t, focusLine, traceAncestors(t, relative), ownLine)) {
    auto path = line.steps;
    path.push_back({StepKind::ToSpouse, second});
    found.push_back({RelationKind::SpouseOfRelative, std::move(line), relative, std::move(path)});
  }
}

/// The second is a blood relative of `spouse`, married to the focus.
void addRelativeOfSpouse(const Tables& t, int focus, int spouse, const Ancestry& secondLine,
                         std::vector<Relationship>& found) {
  const LineFilter ownLine = [&](const BloodLine& line) {
    return !isOwnDescendantThroughSpouse(t, line, focus) && !onPath(line, focus);
  };
  for (BloodLine& line : bloodLines(t, traceAncestors(t, spouse), secondLine, ownLine)) {
    std::vector<RelationStep> path{{StepKind::ToSpouse, spouse}};
    path.insert(path.end(), line.steps.begin(), line.steps.end());
    found.push_back({RelationKind::RelativeOfSpouse, std::move(line), spouse, std::move(path)});
  }
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
  addBlood(tables_, focusLine, secondLine, found);
  for (int relative : spousesOf(second))
    if (relative != focus) addSpouseOfRelative(tables_, focusLine, relative, second, found);
  for (int spouse : focusSpouses)
    if (spouse != second) addRelativeOfSpouse(tables_, focus, spouse, secondLine, found);
  std::sort(found.begin(), found.end(), nearer);
  if (found.size() > static_cast<std::size_t>(kMaxRelationships)) found.resize(kMaxRelationships);
  return found;
}

}  // namespace kord
