// The order of the family book and the relatives it gathers per individual.

#include <gtest/gtest.h>

#include "book/alphabetical_walk.h"
#include "book/family.h"

namespace kord {
namespace {

Tables tablesWithNames(const std::vector<std::string>& names) {
  Tables t;
  t.LastIndex = static_cast<int>(names.size()) + 1;
  for (std::size_t i = 0; i < names.size(); ++i) t.Names[i + 2] = names[i];
  return t;
}

TEST(AlphabeticalOrder, EveryoneWithANameOnceInListOrder) {
  Tables t = tablesWithNames({
      "rossi anna",   // 2: equal to 3 after upper-casing, the lower index first
      "Rossi Anna",   // 3
      "Bianchi Ugo",  // 4
      "",             // 5: a blank record, never visited
      "1Numero",      // 6: a digit sorts below the letters
      "ZZZ",          // 7
      "Zzzz",         // 8
      "\xC9va",       // 9: É is coded above Z
      "\xE8va",       // 10: è upper-cases to È (C8), below É (C9)
      "A",            // 11
      "bianchi ugo",  // 12: equal to 4, higher index
  });
  t.Names[0] = "Aaa";  // indexes 0 and 1 are no individuals
  EXPECT_EQ(AlphabeticalOrder(t), (std::vector<int>{6, 11, 4, 12, 2, 3, 7, 8, 10, 9}));
}

TEST(AlphabeticalOrder, AccentedLettersCompareByTheirUpperCaseCodes) {
  // "Dal Bò" upper-cases to "DAL BÒ" (Ò is D2), which sorts after "DAL BZ".
  Tables t = tablesWithNames({"Dal B\xF2", "Dal Bz", "dal b\xD2"});
  EXPECT_EQ(AlphabeticalOrder(t), (std::vector<int>{3, 2, 4}));
}

// 2 Rossi Mario; 3 Bianchi Anna and 4 Verdi Ada, mothers of his children;
// 5..7 children; 8 Neri Eva, 9 Gialli Lia, 10 Blu Ivo spouse links.
struct FamilyTables {
  Tables t = tablesWithNames({"Rossi Mario", "Bianchi Anna", "Verdi Ada", "Rossi Luca", "Rossi Pia", "Rossi Ugo",
                              "Neri Eva", "Gialli Lia", "Blu Ivo"});
  void child(int c, int p1, int p2) {
    t.Parent1[c] = p1;
    t.Parent2[c] = p2;
  }
  std::vector<int> spouses(int focus) const {
    FamilyFacts f = FocusFacts(t, focus);
    const FamilyLinks links(t);
    GatherChildren(t, links, f);
    GatherSpouseLinks(t, links, f);
    std::vector<int> numbers;
    for (const auto& s : f.spouses) numbers.push_back(s.number);
    return numbers;
  }
};

TEST(FamilyFacts, ChildrenInIndexOrderWithTheirOtherParentsAsSpouses) {
  FamilyTables f;
  f.child(7, 4, 2);  // a child whose first link names the other parent
  f.child(5, 2, 3);
  f.child(6, 2, 3);
  FamilyFacts facts = FocusFacts(f.t, 2);
  GatherChildren(f.t, FamilyLinks(f.t), facts);
  ASSERT_EQ(facts.children.size(), 3u);
  EXPECT_EQ(facts.children[0].number, 5);
  EXPECT_EQ(facts.children[2].name, "Rossi Ugo");
  EXPECT_EQ(facts.spouses[0].number, 3) << "a co-parent is offered once";
  EXPECT_EQ(facts.spouses[1].number, 4);
  EXPECT_FALSE(facts.spouses[2].present());
  EXPECT_EQ(facts.parentA.number, kNone);
}

TEST(FamilyFacts, SpouseSlotsFillInOrderAndDropTheFourth) {
  struct Case {
    const char* what;
    std::vector<std::pair<int, int>> spouseLinks;  // Spouse[first] = second
    std::vector<std::array<int, 3>> children;      // child, parent 1, parent 2
    std::vector<int> expected;
  };
  const std::vector<Case> cases = {
      {"the focus's own spouse comes after the links naming it", {{2, 8}, {9, 2}, {8, 2}}, {}, {9, 8, kNone}},
      {"co-parents before spouse links", {{10, 2}}, {{5, 2, 3}}, {3, 10, kNone}},
      {"a fourth spouse by spouse link is dropped", {{8, 2}, {9, 2}, {10, 2}}, {{5, 2, 3}}, {3, 8, 9}},
      {"a fourth spouse by co-parent is dropped", {}, {{5, 2, 3}, {6, 4, 2}, {7, 2, 8}, {10, 9, 2}}, {3, 4, 8}},
      {"a spouse already in a slot is not added twice", {{3, 2}, {2, 3}}, {{5, 2, 3}}, {3, kNone, kNone}},
  };
  for (const auto& c : cases) {
    FamilyTables f;
    for (auto [a, b] : c.spouseLinks) f.t.Spouse[a] = b;
    for (auto [child, p1, p2] : c.children) f.child(child, p1, p2);
    EXPECT_EQ(f.spouses(2), c.expected) << c.what;
  }
}

TEST(FamilyFacts, ACoParentNamedLikeTheFocusOrASpouseIsNotOffered) {
  FamilyTables f;
  f.t.Names[3] = "Rossi Mario";  // the focus's name
  f.t.Names[9] = "Verdi Ada";    // the name of co-parent 4
  f.t.Spouse[2] = 8;
  f.child(5, 2, 3);
  f.child(6, 4, 2);
  f.child(7, 2, 9);
  // 3 is dropped for the focus's name, 9 for the name already in slot 1;
  // the spouse link compares numbers and adds 8.
  EXPECT_EQ(f.spouses(2), (std::vector<int>{4, 8, kNone}));
}

TEST(FamilyFacts, AtMostFiftyChildren) {
  Tables t;
  t.LastIndex = 60;
  for (int i = 3; i <= 60; ++i) {
    t.Names[i] = "Figlio " + std::to_string(i);
    t.Parent1[i] = 2;
  }
  FamilyFacts f = FocusFacts(t, 2);
  GatherChildren(t, FamilyLinks(t), f);
  ASSERT_EQ(f.children.size(), 50u);
  EXPECT_EQ(f.children.back().number, 52);
}

}  // namespace
}  // namespace kord
