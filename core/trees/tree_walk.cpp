#include "trees/tree_walk.h"

#include <algorithm>

namespace kord {
namespace {

/// A link as the walk sees it: outside the tables it is unknown.
int linkOf(const std::vector<int>& table, int individual) {
  int value = table[individual];
  return Tables::inTable(value) ? value : kNone;
}

/// True for the individual being enumerated and every one above it.
bool onPath(const Session& s, int x) {
  const TreeWalk& w = s.trees.walk;
  if (x == s.NInd[0]) return true;
  int depth = std::min(w.WalkDepth, kMaxWalkLevel);
  return std::find(w.WalkNode.begin(), w.WalkNode.begin() + depth, x) != w.WalkNode.begin() + depth;
}

/// The first child of `c` at `from` or later; -1 when none.
int findChild(const Session& s, int c, int from) {
  const Tables& t = s.tables;
  for (int i = std::max(from, 0); i <= std::min(t.LastIndex, kTableSize - 1); ++i)
    if ((t.Parent1[i] == c || t.Parent2[i] == c) && !onPath(s, i)) return i;
  return kNone;
}

bool levelOpen(const TreeWalk& w) { return w.WalkDepth >= 0 && w.WalkDepth < kMaxWalkLevel; }

void setConnector(TreeWalk& w, bool moreFollow) {
  w.Connector = moreFollow ? kConnectorMore : kConnectorLast;
  w.Continuation = moreFollow ? kContinuationMore : kContinuationLast;
}

}  // namespace

void NextChild(Session& s) {
  TreeWalk& w = s.trees.walk;
  int c = s.NInd[0];
  w.StepResult = kNone;
  if (!levelOpen(w) || w.WalkDepth >= std::max(s.MaxGenerations, 0) || !Tables::inTable(c)) return;
  int i = findChild(s, c, w.WalkCursor[w.WalkDepth] + 1);
  if (i == kNone) return;
  setConnector(w, findChild(s, c, i + 1) != kNone);
  s.previousIndividual = c;
  s.NInd[0] = i;
  w.WalkCursor[w.WalkDepth] = i;
  w.CoParentLabel.clear();
  MakeCoParentLabel(s);
  w.WalkNode[w.WalkDepth] = c;
  w.StepResult = i;
}

void MakeCoParentLabel(Session& s) {
  int k = s.NInd[0];
  if (!Tables::inTable(k)) return;
  const Tables& t = s.tables;
  int other = linkOf(t.Parent1, k) == s.previousIndividual ? linkOf(t.Parent2, k) : linkOf(t.Parent1, k);
  if (other > 0) s.trees.walk.CoParentLabel = "(" + t.Names[other] + ") ";
}

void NextParent(Session& s) {
  TreeWalk& w = s.trees.walk;
  int c = s.NInd[0];
  w.StepResult = kNone;
  if (!levelOpen(w) || !Tables::inTable(c)) return;
  auto usable = [&](int p) { return p >= 0 && !onPath(s, p); };
  int first = linkOf(s.tables.Parent1, c), second = linkOf(s.tables.Parent2, c);
  int cursor = w.WalkCursor[w.WalkDepth];
  int p = kNone, nextCursor = 0;
  if (cursor == 1 && usable(first)) {
    p = first;
    nextCursor = 2;
  } else if (cursor == 2 && usable(second)) {
    p = second;
    nextCursor = 3;
  } else {
    return;
  }
  setConnector(w, nextCursor == 2 && usable(second) && second != p);
  s.previousIndividual = c;
  s.NInd[0] = p;
  w.WalkNode[w.WalkDepth] = c;
  w.WalkCursor[w.WalkDepth] = nextCursor;
  w.StepResult = p;
}

void SetDetailLabels(Session& s, bool placeWords) {
  auto& labels = s.trees.DetailLabels;
  for (int i = 0; i < kFieldCount; ++i) labels[i] = s.tables.FieldCaptions[i];
  std::string place = placeWords ? s.text("a ", "Place") : std::string();
  for (int i : {1, 3, 5, 7, 9}) labels[i] = place;
}

int FirstCursor(bool ancestors) { return ancestors ? 1 : -1; }

void StartWalk(Session& s) {
  TreeWalk& w = s.trees.walk;
  w.WalkDepth = 0;
  w.WalkCursor[0] = FirstCursor(s.trees.AncestorMode);
  w.StepResult = s.NInd[0];
  s.trees.DrawPrefix = "  ";
}

void StepWalk(Session& s) {
  if (s.trees.AncestorMode)
    NextParent(s);
  else
    NextChild(s);
}

void DescendWalk(Session& s, bool deepen) {
  TreeWalk& w = s.trees.walk;
  s.trees.DrawPrefix += w.Continuation;
  if (deepen && w.WalkDepth < kMaxWalkLevel) ++w.WalkDepth;
  w.WalkCursor[w.WalkDepth] = FirstCursor(s.trees.AncestorMode);
}

int CountWalk(Session& s, int limit, bool generationLimit, const std::vector<int>& detailLines) {
  const int focus = s.NInd[0], previous = s.previousIndividual;
  const TreeWalk walk = s.trees.walk;
  const std::string prefix = s.trees.DrawPrefix;
  auto linesOf = [&detailLines](int x) { return 1 + (detailLines.empty() ? 0 : detailLines[x]); };
  StartWalk(s);
  const TreeWalk& w = s.trees.walk;
  int count = linesOf(focus), sameLevelRun = 0;
  while (count <= limit) {
    StepWalk(s);
    if (w.StepResult != kNone && sameLevelRun < kTableSize) {
      count += linesOf(w.StepResult);
      const bool deepen = !generationLimit || w.WalkDepth < std::max(s.MaxGenerations, 0);
      sameLevelRun = deepen ? 0 : sameLevelRun + 1;
      DescendWalk(s, deepen);
    } else if (w.WalkDepth == 0) {
      break;
    } else {
      ClimbWalk(s);
      sameLevelRun = 0;
    }
  }
  s.NInd[0] = focus;
  s.previousIndividual = previous;
  s.trees.walk = walk;
  s.trees.DrawPrefix = prefix;
  return count;
}

void ClimbWalk(Session& s) {
  TreeWalk& w = s.trees.walk;
  if (w.WalkDepth <= 0) return;
  --w.WalkDepth;
  s.NInd[0] = w.WalkNode[w.WalkDepth];
  std::string& prefix = s.trees.DrawPrefix;
  prefix.erase(prefix.size() >= 2 ? prefix.size() - 2 : 0);
}

}  // namespace kord
