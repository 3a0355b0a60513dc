// The walk steps: the order of children and parents, their connectors, the
// co-parent labels, the generation limits and links the tables cannot hold.

#include <gtest/gtest.h>

#include "tree_test_fixture.h"
#include "trees/tree_walk.h"

namespace kord {
namespace {

using test::TreeFixture;

/// Runs a whole walk from `root`; one "prefix+connector name" per individual.
std::vector<std::string> walk(Session& s, int root, bool ancestors) {
  std::vector<std::string> visited;
  s.NInd[0] = root;
  s.trees.AncestorMode = ancestors;
  StartWalk(s);
  for (int guard = 0; guard < 10000; ++guard) {
    StepWalk(s);
    if (s.trees.walk.StepResult != kNone) {
      visited.push_back(TreeBytesToUtf8(s.trees.DrawPrefix + s.trees.walk.Connector) +
                        s.tables.Names[s.trees.walk.StepResult]);
      DescendWalk(s);
    } else if (s.trees.walk.WalkDepth == 0) {
      break;
    } else {
      ClimbWalk(s);
    }
  }
  return visited;
}

std::vector<std::string> generations(int count) {
  std::vector<std::string> names;
  for (int i = 0; i < count; ++i) names.push_back("G" + std::to_string(i));
  return names;
}

/// A chain: each individual is the only child of the one before it.
struct Chain : TreeFixture {
  explicit Chain(int length) : TreeFixture(generations(length)) {
    for (int i = 3; i < length + 2; ++i) parents(i, i - 1);
  }
};

TEST(TreeWalk, TwoChildrenComeInIndexOrderTeeFirstCornerLast) {
  TreeFixture f({"Parent", "Older", "Younger"});
  f.parents(4, 2);
  f.parents(3, 2, 2);  // both links name the parent: found once
  Session& s = f.session;
  s.NInd[0] = 2;
  s.trees.walk.WalkCursor[0] = -1;
  NextChild(s);
  EXPECT_EQ(s.trees.walk.StepResult, 3);
  EXPECT_EQ(s.trees.walk.Connector, kConnectorMore);
  EXPECT_EQ(s.trees.walk.Continuation, kContinuationMore);
  EXPECT_EQ(s.NInd[0], 3);
  EXPECT_EQ(s.previousIndividual, 2);
  EXPECT_EQ(s.trees.walk.WalkNode[0], 2);
  s.NInd[0] = 2;
  NextChild(s);
  EXPECT_EQ(s.trees.walk.StepResult, 4);
  EXPECT_EQ(s.trees.walk.Connector, kConnectorLast);
  EXPECT_EQ(s.trees.walk.Continuation, kContinuationLast);
  s.NInd[0] = 2;
  NextChild(s);
  EXPECT_EQ(s.trees.walk.StepResult, kNone);
  EXPECT_EQ(s.NInd[0], 2) << "an exhausted level changes nothing else";
}

TEST(TreeWalk, ParentStepsByTheStateOfBothLinks) {
  struct Case {
    int first, second;
    std::vector<int> found;  // results until -1
    std::vector<std::string> connectors;
  };
  const std::string more = kConnectorMore, last = kConnectorLast;
  const Case cases[] = {
      {5, 6, {5, 6}, {more, last}}, {5, 5, {5, 5}, {last, last}},  // the second link equals the first
      {kNone, 8, {}, {}},                                          // no first parent: no parents at all
      {5, kNone, {5}, {last}},      {1200, 6, {}, {}},             // outside the tables: unknown
      {5, 1200, {5}, {last}},
  };
  for (const Case& c : cases) {
    TreeFixture f({"Child", "a", "b", "P5", "P6", "c", "P8"});
    f.parents(2, c.first, c.second);
    Session& s = f.session;
    s.trees.walk.WalkCursor[0] = 1;
    std::vector<int> found;
    std::vector<std::string> connectors;
    for (s.NInd[0] = 2, NextParent(s); s.trees.walk.StepResult != kNone; s.NInd[0] = 2, NextParent(s)) {
      found.push_back(s.trees.walk.StepResult);
      connectors.push_back(s.trees.walk.Connector);
      EXPECT_EQ(s.trees.walk.WalkNode[0], 2);
    }
    EXPECT_EQ(found, c.found) << c.first << "," << c.second;
    EXPECT_EQ(connectors, c.connectors) << c.first << "," << c.second;
  }
}

TEST(TreeWalk, CoParentLabelNamesTheOtherParent) {
  struct Case {
    int first, second, from;
    std::string label;
  };
  const Case cases[] = {{7, 9, 9, "(Seven) "}, {7, 9, 7, "(Nine) "}, {7, kNone, 7, ""}, {0, 7, 7, ""}};
  for (const Case& c : cases) {
    TreeFixture f({"a", "Child", "c", "d", "e", "Seven", "g", "Nine"});
    f.parents(3, c.first, c.second);
    f.session.NInd[0] = c.from;
    f.session.trees.walk.WalkCursor[0] = -1;
    NextChild(f.session);
    ASSERT_EQ(f.session.trees.walk.StepResult, 3);
    EXPECT_EQ(f.session.trees.walk.CoParentLabel, c.label) << c.first << "," << c.second << " from " << c.from;
  }
}

TEST(TreeWalk, PreOrderWithFirstParentBeforeSecond) {
  TreeFixture f({"Me", "Dad", "Mum", "GrandpaD", "GrandmaD", "GrandpaM"});
  f.parents(2, 3, 4);
  f.parents(3, 5, 6);
  f.parents(4, 7);
  EXPECT_EQ(walk(f.session, 2, true),
            (std::vector<std::string>{"  ├─Dad", "  │ ├─GrandpaD", "  │ └─GrandmaD", "  └─Mum", "    └─GrandpaM"}));
  EXPECT_EQ(f.session.NInd[0], 2) << "the walk ends on its root";
  EXPECT_EQ(walk(f.session, 5, false), (std::vector<std::string>{"  └─Dad", "    └─Me"}));
}

TEST(TreeWalk, GenerationLimitStopsDescendantsOnly) {
  struct Case {
    int limit;
    std::size_t descendants;
  };
  for (Case c : {Case{2, 2}, Case{1, 1}, Case{0, 0}, Case{-3, 0}, Case{30, 5}}) {
    Chain f(6);
    f.session.MaxGenerations = c.limit;
    EXPECT_EQ(walk(f.session, 2, false).size(), c.descendants) << "limit " << c.limit;
    EXPECT_EQ(walk(f.session, 7, true).size(), 5u) << "ancestors ignore the limit " << c.limit;
  }
}

TEST(TreeWalk, NoWalkGoesBelowLevelThirty) {
  Chain f(40);
  f.session.MaxGenerations = 100;
  EXPECT_EQ(walk(f.session, 2, false).size(), 30u);
  EXPECT_EQ(walk(f.session, 41, true).size(), 30u);
}

TEST(TreeWalk, LoopsAndIndexesOutsideTheTablesEndTheWalk) {
  TreeFixture f({"A", "B", "C"});
  f.parents(2, 3, 2);  // A is its own second parent
  f.parents(3, 2);     // and B's parent: a loop
  f.parents(4, 4);
  EXPECT_EQ(walk(f.session, 2, true), (std::vector<std::string>{"  └─B"}));
  EXPECT_EQ(walk(f.session, 2, false), (std::vector<std::string>{"  └─B"}));
  EXPECT_TRUE(walk(f.session, 4, true).empty());
  for (bool ancestors : {true, false}) EXPECT_TRUE(walk(f.session, 1500, ancestors).empty());
}

TEST(TreeWalk, DetailLabelsTakeTheCaptionsAndThePlaceWords) {
  TreeFixture f({"A"});
  struct Case {
    bool placeWords, english;
    std::string place;
  };
  for (Case c : {Case{false, false, ""}, Case{true, false, "a "}, Case{true, true, "Place"}}) {
    f.session.English = c.english;
    SetDetailLabels(f.session, c.placeWords);
    const auto& labels = f.session.trees.DetailLabels;
    for (int i : {1, 3, 5, 7, 9}) EXPECT_EQ(labels[i], c.place) << i;
    EXPECT_EQ(labels[2], "Data Nascita");
    EXPECT_EQ(labels[11], "Luogo Sepoltur.");
    EXPECT_EQ(labels[12], "Note");
  }
}

}  // namespace
}  // namespace kord
