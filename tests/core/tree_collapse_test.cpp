// Heavy pedigree collapse: in a family where every generation's couple are
// children of the couple before, a tree of 32 people has over a hundred
// thousand lines. Such a tree shows each branch once and refers back to it;
// a tree below the limit is drawn whole; the kinship search matches each
// individual once.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "tree_test_fixture.h"
#include "trees/common_kin.h"
#include "trees/draw_tree.h"
#include "trees/tree_walk.h"

namespace kord {
namespace {

using Lines = std::vector<std::string>;

/// `generations` couples (husband 2 + 2g, wife 3 + 2g), each the children of
/// the couple before and married to each other.
struct Collapsed : test::TreeFixture {
  explicit Collapsed(int generations) : TreeFixture(namesFor(generations)) {
    for (int g = 1; g < generations; ++g) {
      parents(husband(g), husband(g - 1), wife(g - 1));
      parents(wife(g), husband(g - 1), wife(g - 1));
    }
    for (int g = 0; g < generations; ++g) {
      session.tables.Spouse[husband(g)] = wife(g);
      session.tables.Spouse[wife(g)] = husband(g);
    }
  }
  static int husband(int g) { return 2 + 2 * g; }
  static int wife(int g) { return 3 + 2 * g; }
  static std::vector<std::string> namesFor(int generations) {
    std::vector<std::string> names;
    for (int g = 0; g < generations; ++g) {
      names.push_back("Marito " + std::to_string(g));
      names.push_back("Moglie " + std::to_string(g));
    }
    return names;
  }
  /// The texts of the tree's lines, without their drawing.
  Lines tree(int focus, bool ancestors) {
    session.treeList.Lista.clear();
    session.NInd[0] = focus;
    session.trees.AncestorMode = ancestors;
    DrawTree(session, TreeView::List);
    Lines texts;
    for (const auto& item : session.treeList.Lista) texts.push_back(item.text);
    return texts;
  }
};

const std::string kNote = "  (gia' mostrato alla riga ";

/// The name a line's text shows, without the co-parent, the root's index or the note.
std::string nameOn(const std::string& text) {
  const std::size_t start = text[0] == '(' ? text.find(") ") + 2 : 0;
  return Trim(text.substr(start, text.find(" (", start) - start));
}

TEST(TreeCollapse, ATreeBelowTheLimitIsDrawnWhole) {
  Collapsed f(14);
  Lines roots = f.tree(Collapsed::husband(13), true);
  EXPECT_EQ(roots.size(), 16383u) << "2^14 - 1 lines: every ancestor as often as it descends";
  EXPECT_TRUE(std::none_of(roots.begin(), roots.end(),
                           [](const std::string& l) { return l.find(kNote) != std::string::npos; }));
  EXPECT_EQ(CountWalk(f.session, kFullTreeLineLimit, false), 16383);

  // With the personal data each individual's birth line doubles the tree: past the limit.
  for (int k = 2; k <= f.session.tables.LastIndex; ++k) f.person(k).set(BirthDate, "1900");
  f.writeRecords();
  f.session.CardWithTree = true;
  roots = f.tree(Collapsed::husband(13), true);
  EXPECT_LT(roots.size(), 200u);
  EXPECT_TRUE(
      std::any_of(roots.begin(), roots.end(), [](const std::string& l) { return l.find(kNote) != std::string::npos; }));
}

TEST(TreeCollapse, AHugeTreeShowsEachBranchOnceAndRefersBackToIt) {
  Collapsed f(16);
  for (bool ancestors : {true, false}) {
    const int root = ancestors ? Collapsed::husband(15) : Collapsed::husband(0);
    Lines lines = f.tree(root, ancestors);
    ASSERT_LE(lines.size(), 100u) << "not 2^17 - 1";
    std::map<std::string, int> shownWhole;
    for (std::size_t i = 0; i < lines.size(); ++i) {
      const std::size_t note = lines[i].find(kNote);
      if (note == std::string::npos) {
        EXPECT_EQ(++shownWhole[nameOn(lines[i])], 1) << lines[i];
        continue;
      }
      const std::size_t back = std::stoul(lines[i].substr(note + kNote.size()));
      ASSERT_GE(back, 1u);
      ASSERT_LT(back, i + 1) << "a repeat refers to an earlier line";
      EXPECT_EQ(nameOn(lines[back - 1]), nameOn(lines[i])) << lines[i];
    }
    EXPECT_EQ(shownWhole.size(), 31u) << "everybody of the tree, each once in full";
    EXPECT_EQ(f.session.NInd[0], root);
  }
  EXPECT_NE(f.dbFile("Marito 15 Root.html").find(kNote), std::string::npos) << "the page says so too";
}

TEST(TreeCollapse, TheKinshipSearchMatchesEachIndividualOnce) {
  Collapsed f(16);
  f.session.NInd = {Collapsed::husband(15), Collapsed::wife(15)};
  f.session.trees.AncestorMode = true;
  CommonKin(f.session);
  EXPECT_EQ(f.session.FirstCommon, Collapsed::husband(14));
  EXPECT_EQ(f.session.SecondCommon, Collapsed::wife(14));
  EXPECT_EQ(f.session.trees.KinSet.size(), 31u);
  EXPECT_LE(f.session.treeList.Lista.size(), 200u);
  const auto& lines = f.session.treeList.Lista;
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines.back().text, f.session.focusCard.relationshipLine) << "the window ends with the relationship";
  for (std::size_t i = 0; i + 1 < lines.size(); ++i) EXPECT_LE(lines[i].text.size(), 120u) << "at most four markers";
  EXPECT_EQ(f.session.NInd[0], Collapsed::husband(15));
}

}  // namespace
}  // namespace kord
