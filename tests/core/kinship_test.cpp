// First common ancestors and descendants: who is found, the marks, the
// answer line, the kord.kor file and the commands around the search.

#include <gtest/gtest.h>

#include "tree_test_fixture.h"
#include "trees/common_kin.h"

namespace kord {
namespace {

using Lines = std::vector<std::string>;

/// Grandpa (2) and Grandma (3) have Father (4) and Uncle (8); Father and
/// Mother (5) have Anna (6) and Bruno (7); Uncle has Cousin (9); Stranger
/// (10) is nobody's relative.
struct Kin : test::TreeFixture {
  Kin() : TreeFixture({"Grandpa", "Grandma", "Father", "Mother", "Anna", "Bruno", "Uncle", "Cousin", "Stranger"}) {
    parents(4, 2, 3);
    parents(8, 2, 3);
    parents(6, 4, 5);
    parents(7, 4, 5);
    parents(9, 8);
  }
  std::string search(int focus, int second, bool descendants = false) {
    session.NInd = {focus, second};
    session.trees.AncestorMode = !descendants;
    CommonKin(session);
    // The answer; the relationship line follows it.
    return session.treeList.Lista[session.treeList.Lista.size() - 2].text;
  }
};

TEST(CommonKin, FindsTheFirstCommonRelativesByTheLevelRule) {
  struct Case {
    int focus, second;
    bool descendants;
    int first, secondCommon;
    std::string answer;
  };
  const Case cases[] = {
      {6, 7, false, 4, 5, "Primi Antenati comuni: Father, Mother"},    // full siblings
      {6, 4, false, 4, 3, "Primi Antenati comuni: Father, Grandma"},   // the second is the focus's parent
      {6, 9, false, 2, 3, "Primi Antenati comuni: Grandpa, Grandma"},  // cousins
      {6, 4, true, 6, kNone, "Primi Discendenti comuni: Anna"},        // a child and its parent
      {6, 10, false, kNone, kNone, "Primi Antenati comuni:  Non trovati Ascendenti comuni"},
      {6, 10, true, kNone, kNone, "Primi Discendenti comuni:  Non trovati Discendenti comuni"},
  };
  for (const Case& c : cases) {
    Kin f;
    EXPECT_EQ(f.search(c.focus, c.second, c.descendants), c.answer);
    EXPECT_EQ(f.session.FirstCommon, c.first) << c.answer;
    EXPECT_EQ(f.session.SecondCommon, c.secondCommon) << c.answer;
    EXPECT_EQ(f.session.NInd, (std::array<int, 2>{c.focus, c.second})) << "the focus is restored";
  }
}

TEST(CommonKin, TheSecondTreeMarksEveryCommonRelative) {
  Kin f;
  f.search(6, 7);
  EXPECT_EQ(f.albero(),
            (Lines{"Anna (6)", "  ├─Father", "  │ ├─Grandpa", "  │ └─Grandma", "  └─Mother", "", "Bruno (7)",
                   "  ├─Father  <----<< Asc.C.", "  │ ├─Grandpa  <----<< Asc.C.", "  │ └─Grandma  <----<< Asc.C.",
                   "  └─Mother  <----<< Asc.C.", "", "", "Primi Antenati comuni: Father, Mother",
                   "Parentela: fratello/sorella (tramite Father e Mother)"}));
  EXPECT_EQ(f.session.trees.KinSet, (std::vector<int>{6, 4, 2, 3, 5}));
  EXPECT_EQ(f.session.focusCard.values[Name], "Anna") << "the panel shows the restored focus";
  f.session.treeList.Lista.clear();
  f.search(6, 4, true);
  EXPECT_EQ(f.albero()[3], "  ├─(Mother) Anna  >>----> Disc.C.");
}

TEST(CommonKin, AnIndividualCollectedTwiceIsMarkedTwiceAndNamedOnce) {
  Kin f;
  f.session.tables.LastIndex = 11;
  f.session.tables.Names[11] = "Child of cousins";
  f.parents(11, 6, 9);
  f.search(11, 8);
  Lines lines = f.albero();
  EXPECT_EQ(lines[lines.size() - 7], "Uncle (8)") << "the title replaces the marker";
  EXPECT_EQ(lines[lines.size() - 6], "  ├─Grandpa  <----<< Asc.C.  <----<< Asc.C.");
  EXPECT_EQ(f.session.FirstCommon, 8);
  EXPECT_EQ(f.session.SecondCommon, 3);
  EXPECT_EQ(f.search(11, 2), "Primi Antenati comuni: Grandpa") << "the second common is another individual";
  EXPECT_EQ(f.session.SecondCommon, kNone);
}

TEST(CommonKin, UnnamedIndividualsAreNeverReported) {
  Kin f;
  f.session.tables.Names[4].clear();
  EXPECT_EQ(f.search(6, 7), "Primi Antenati comuni: Grandpa, Grandma");
  EXPECT_EQ(f.session.FirstCommon, 2);
}

TEST(CommonKin, TheListingFileHoldsTheTextsWithoutDrawingCutTo80) {
  Kin f;
  f.session.tables.Names[5] = std::string(90, 'M');
  f.session.OutputToFile = true;
  f.search(6, 7);
  std::string m80(80, 'M');
  EXPECT_EQ(f.dir.read("db/kord.kor"),
            "Anna (6)\r\nFather\r\nGrandpa\r\nGrandma\r\n" + m80 +
                "\r\n\r\nBruno (7)\r\n"
                "Father  <----<< Asc.C.\r\nGrandpa  <----<< Asc.C.\r\nGrandma  <----<< Asc.C.\r\n" +
                m80 + "\r\n\r\n\r\n" + ("Father, " + m80).substr(0, 80) + "\r\n");
  Lines window = f.albero();
  EXPECT_EQ(window[window.size() - 2], "Primi Antenati comuni: Father, " + std::string(90, 'M'))
      << "the window is not cut";
  EXPECT_EQ(window.back(), "Parentela: fratello/sorella (tramite Father e " + std::string(90, 'M') + ")")
      << "the relationship line is the window's alone";
}

TEST(CommonKin, PastTheLimitAncestorsStayOnTheirLevelAndALoopStillEnds) {
  Kin f;
  f.session.MaxGenerations = 0;
  f.search(6, 7);
  Lines lines = f.albero();
  EXPECT_EQ(Lines(lines.begin(), lines.begin() + 4), (Lines{"Anna (6)", "  ├─Father", "  │ ├─Grandpa", ""}))
      << "first parents only, each a step further right";
  f.parents(2, 4);  // Grandpa made Father's parent: a loop along first parents
  f.search(6, 7);
  EXPECT_LE(f.session.trees.KinSet.size(), 1003u);
}

TEST(FindCommonKin, StartsFromTheCardAndNeedsTwoIndividuals) {
  Kin f;
  f.session.NInd = {2, 7};
  f.session.focusCard.values[Num] = "5";  // the card shows record 5: Anna
  FindCommonKin(f.session, KinDirection::Ancestors);
  EXPECT_EQ(f.session.FirstCommon, 4);
  EXPECT_FALSE(f.session.CommonKind);
  EXPECT_EQ(f.session.NInd[0], 6);
  FindCommonKin(f.session, KinDirection::Descendants);
  EXPECT_TRUE(f.session.CommonKind);
  EXPECT_EQ(f.session.FirstCommon, kNone);
  EXPECT_TRUE(f.ui.messages.empty());
  for (auto [card, second] : {std::pair<std::string, int>{"0", 7}, {"5", 0}}) {
    f.session.focusCard.values[Num] = card;
    f.session.NInd[1] = second;
    FindCommonKin(f.session, KinDirection::Ancestors);
    EXPECT_EQ(f.ui.messages.back(), "Selezionare due individui");
  }
}

TEST(ShowKinshipOutline, DrawsTheBranchesOfTheFirstCommonWithBothMarked) {
  Kin f;
  f.search(6, 7);
  ShowKinshipOutline(f.session);
  std::vector<std::string> items;
  for (const auto& item : f.session.treeOutline.Lista) items.push_back(item.text);
  EXPECT_EQ(items, (Lines{"Father (4)", "(Mother) Anna    ****<>****", "(Mother) Bruno    ****<>****"}));
  EXPECT_EQ(f.session.NInd[0], 6);
  f.session.NInd[1] = 0;
  ShowKinshipOutline(f.session);
  EXPECT_EQ(f.ui.messages, Lines{"Selezionare due individui"});
}

}  // namespace
}  // namespace kord
