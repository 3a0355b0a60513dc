// DrawTree: the lines of roots and branches, the detail blocks, the cuts of
// files and printer, the pages, the file names, the outline and appending.

#include <gtest/gtest.h>

#include <filesystem>

#include "tree_test_fixture.h"
#include "trees/draw_tree.h"

namespace kord {
namespace {

using Lines = std::vector<std::string>;

/// Mario Rossi (2) and Anna Bianchi (3) have Luigi (4) and Maria (5); Luigi
/// and Carla Neri (6) have Paolo (7).
struct Family : test::TreeFixture {
  Family() : TreeFixture({"Mario Rossi", "Anna Bianchi", "Luigi Rossi", "Maria Rossi", "Carla Neri", "Paolo Rossi"}) {
    parents(4, 2, 3);
    parents(5, 2, 3);
    parents(7, 4, 6);
  }
  void draw(int focus, bool ancestors, TreeView view = TreeView::List) {
    session.NInd[0] = focus;
    session.trees.AncestorMode = ancestors;
    DrawTree(session, view);
  }
  /// Gives `index` a birth in 1900 at Sacile.
  void born(int index) {
    person(index).set(BirthDate, "1900");
    person(index).set(BirthPlace, "Sacile");
    writeRecords();
  }
};

TEST(DrawTree, BranchesAndRootsOfAFamily) {
  Family f;
  f.draw(2, false);
  EXPECT_EQ(f.albero(), (Lines{"Mario Rossi (2)", "  ├─(Anna Bianchi) Luigi Rossi", "  │ └─(Carla Neri) Paolo Rossi",
                               "  └─(Anna Bianchi) Maria Rossi"}));
  EXPECT_EQ(f.alberoData(), (std::vector<int>{2, 4, 7, 5}));
  f.session.treeList.Lista.clear();
  f.draw(7, true);
  EXPECT_EQ(f.albero(),
            (Lines{"Paolo Rossi (7)", "  ├─Luigi Rossi", "  │ ├─Mario Rossi", "  │ └─Anna Bianchi", "  └─Carla Neri"}));
  EXPECT_EQ(f.session.NInd[0], 7) << "the focus is restored";
  f.session.savedFocus = 2;  // what an open sort-key window will put back
  f.draw(7, true);
  EXPECT_EQ(f.session.savedFocus, 2) << "a tree drawn meanwhile keeps its focus to itself";
  EXPECT_TRUE(f.session.treeList.visible);
}

TEST(DrawTree, ChildrenOfTwoPartnersInterleaveByIndexAndMarkedOnesShowTheMarker) {
  test::TreeFixture f({"P", "A", "B", "c5", "x", "c7", "y", "c9"});
  f.parents(5, 2, 3);
  f.parents(7, 4, 2);
  f.parents(9, 2);
  f.session.markedFocus = 7;
  f.session.markedSecond = 9;
  f.session.NInd[0] = 2;
  DrawTree(f.session, TreeView::List);
  EXPECT_EQ(f.albero(), (Lines{"P (2)", "  ├─(A) c5", "  ├─(B) c7    ****<>****", "  └─c9    ****<>****"}));
}

TEST(DrawTree, AnAncestorWithoutANameHasNoLineButItsParentsDo) {
  Family f;
  f.session.tables.Names[4].clear();
  f.draw(7, true);
  EXPECT_EQ(f.albero(), (Lines{"Paolo Rossi (7)", "  │ ├─Mario Rossi", "  │ └─Anna Bianchi", "  └─Carla Neri"}));
}

TEST(DrawTree, UndefinedFocusIsRefusedInTheChosenLanguage) {
  for (bool english : {false, true}) {
    for (int focus : {0, -1, 1500}) {
      Family f;
      f.session.English = english;
      f.draw(focus, false);
      EXPECT_EQ(f.ui.messages, Lines{english ? "Individual not Defined" : "Individuo non Definito"});
      EXPECT_TRUE(f.session.treeList.Lista.empty());
      EXPECT_EQ(f.session.NInd[0], focus);
    }
  }
}

TEST(DrawTree, DetailLinesCarryTheirOwnDateCaptions) {
  Family f;
  PersonRecord& r = f.person(2);
  const std::pair<Field, const char*> fields[] = {
      {BirthDate, "01/02/1900"}, {BirthPlace, "Sacile"}, {BaptismPlace, "San Nicolo"}, {MarriageDate, "1925"},
      {DeathDate, "1970"},       {DeathPlace, "Milano"}, {BurialDate, "1970"},         {BurialPlace, "Sacile"}};
  for (auto [field, value] : fields) r.set(field, value);
  r.set(Notes, std::string(63, 'a') + std::string(63, 'b') + "cccc");
  f.writeRecords();
  f.session.CardWithTree = true;
  f.parents(4, kNone);  // only Maria below Mario
  f.parents(5, 2);
  f.draw(2, false);
  EXPECT_EQ(f.albero(),
            (Lines{"Mario Rossi (2)", "  │   Data Nascita 01/02/1900 Sacile", "  │   Data Battesimo  San Nicolo",
                   "  │   Data matrimonio 1925 ", "  │   Data Morte 1970 Milano", "  │   Data Sepoltur. 1970 Sacile",
                   "  │   Note " + std::string(63, 'a'), "  │    " + std::string(63, 'b'), "  │    cccc",
                   "  └─Maria Rossi"}));
}

TEST(DrawTree, DetailsOfALeafComeAfterTheClimbAndTheLastBlockHasNoBar) {
  Family f;
  for (int i : {4, 5, 7}) f.born(i);
  f.session.CardWithTree = true;
  f.draw(2, false);
  EXPECT_EQ(f.albero(), (Lines{"Mario Rossi (2)", "  ├─(Anna Bianchi) Luigi Rossi", "  │ │   Data Nascita 1900 Sacile",
                               "  │ └─(Carla Neri) Paolo Rossi", "  │   Data Nascita 1900 Sacile",
                               "  └─(Anna Bianchi) Maria Rossi", "      Data Nascita 1900 Sacile"}));
  EXPECT_EQ(f.alberoData(), (std::vector<int>{2, 4, 7, 7, 5, 5, 2}))
      << "a detail line carries the individual then current: the next line's, at the end the root";
  f.session.treeList.Lista.clear();
  f.draw(5, false);
  EXPECT_EQ(f.albero(), Lines{"Maria Rossi (5)"}) << "a tree of the root alone has no details";
  f.session.tables.RecordMode = "Scout";
  f.session.treeList.Lista.clear();
  f.draw(4, false);
  EXPECT_EQ(f.albero(), (Lines{"Luigi Rossi (4)", "  └─(Carla Neri) Paolo Rossi"})) << "no details in Scout mode";
}

TEST(DrawTree, FilesAndPrinterCutEveryPieceTo80AndTheWindowShowsTheLastWhole) {
  Family f;
  std::string longName(100, 'L');
  f.session.tables.Names[5] = longName;
  f.session.OutputToFile = true;
  f.session.PrintImmediately = true;
  f.draw(2, false);
  EXPECT_EQ(f.albero().back(), "  └─(Anna Bianchi) " + longName);
  std::string cut = "  └─" + ("(Anna Bianchi) " + longName).substr(0, 80);
  EXPECT_EQ(f.dbFile("Mario Rossi Branch.txt"),
            "Mario Rossi (2)\r\n  ├─(Anna Bianchi) Luigi Rossi\r\n  │ └─(Carla Neri) Paolo Rossi\r\n" + cut + "\r\n");
  EXPECT_EQ(TreeBytesToUtf8(f.printer.lines.back()), cut);
}

TEST(DrawTree, PrinterPagesHold65LinesThen66) {
  std::vector<std::string> names(140, "Child");
  names[0] = "Parent";
  test::TreeFixture f(names);
  for (int i = 3; i <= 141; ++i) f.parents(i, 2);
  f.session.PrintImmediately = true;
  f.session.NInd[0] = 2;
  DrawTree(f.session, TreeView::List);
  std::vector<std::size_t> pageBreaks;
  for (std::size_t i = 0; i < f.printer.lines.size(); ++i)
    if (f.printer.lines[i] == "\f") pageBreaks.push_back(i);
  EXPECT_EQ(pageBreaks, (std::vector<std::size_t>{65, 65 + 1 + 66}));
  EXPECT_EQ(f.printer.lines.size(), 140u + 2);
}

TEST(DrawTree, FileNamesNeverLeaveTheDatabaseFolder) {
  test::TreeFixture f({"Who? Me/You\\..\\x"});
  f.session.OutputToFile = true;
  f.session.NInd[0] = 2;
  f.session.trees.AncestorMode = true;
  DrawTree(f.session, TreeView::List);
  EXPECT_EQ(f.dbFile("Who_ Me_You_.._x Root.txt"), "Who? Me/You\\..\\x (2)\r\n");
  EXPECT_TRUE(std::filesystem::exists(f.dir.file("db/Who_ Me_You_.._x Root.html")));
  std::size_t entries = 0;
  for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(f.dir.folder())) ++entries;
  EXPECT_EQ(entries, 7u) << "the six templates and the database folder";
}

TEST(DrawTree, ASecondTreeIsAppendedAndTheOutlineStartsEachTreeAtLevelZero) {
  Family f;
  f.draw(2, false, TreeView::Outline);
  f.draw(7, true, TreeView::Outline);
  std::vector<std::pair<std::string, int>> items;
  for (const auto& item : f.session.treeOutline.Lista) items.emplace_back(item.text, item.level);
  EXPECT_EQ(items, (std::vector<std::pair<std::string, int>>{{"Mario Rossi (2)", 0},
                                                             {"(Anna Bianchi) Luigi Rossi", 1},
                                                             {"(Carla Neri) Paolo Rossi", 2},
                                                             {"(Anna Bianchi) Maria Rossi", 1},
                                                             {"Paolo Rossi (7)", 0},
                                                             {"Luigi Rossi", 1},
                                                             {"Mario Rossi", 2},
                                                             {"Anna Bianchi", 2},
                                                             {"Carla Neri", 1}}));
  EXPECT_EQ(f.session.treeOutline.Text1, 7) << "Esaminati";
  EXPECT_EQ(f.session.treeOutline.Text2, 9) << "Inseriti";
  EXPECT_EQ(f.session.treeOutline.Text3, 1) << "Livelli";
  EXPECT_TRUE(f.session.treeList.Lista.empty());
  f.draw(2, false);
  f.draw(2, false);
  EXPECT_EQ(f.session.treeList.Lista.size(), 8u);
}

TEST(DrawTree, OutlineDetailItemsShowOnlyTheirLastPiece) {
  Family f;
  f.born(4);
  f.session.CardWithTree = true;
  f.session.OutputToFile = true;
  f.draw(4, false, TreeView::Outline);
  std::vector<std::pair<std::string, int>> items;
  for (const auto& item : f.session.treeOutline.Lista) items.emplace_back(item.text, item.level);
  EXPECT_EQ(items, (std::vector<std::pair<std::string, int>>{
                       {"Luigi Rossi (4)", 0}, {" Sacile", 1}, {"(Carla Neri) Paolo Rossi", 1}}));
  EXPECT_NE(f.dbFile("Luigi Rossi Branch.txt").find("  │   Data Nascita 1900 Sacile\r\n"), std::string::npos);
}

}  // namespace
}  // namespace kord
