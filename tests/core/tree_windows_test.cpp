// The tree windows' events and the main window's tree commands: fonts,
// history lines, printed documents, clicks that move the focus, redraws.

#include <gtest/gtest.h>

#include "tree_test_fixture.h"
#include "trees/draw_tree.h"
#include "trees/tree_windows.h"

namespace kord {
namespace {

using Lines = std::vector<std::string>;

/// Mario (2) and Anna (3) have Luigi (4) and Maria (5); Luigi has Paolo (7).
struct Family : test::TreeFixture {
  Family() : TreeFixture({"Mario", "Anna", "Luigi", "Maria", "Carla", "Paolo"}) {
    parents(4, 2, 3);
    parents(5, 2, 3);
    parents(7, 4, 6);
    session.NInd[0] = 7;
  }
};

TEST(TreeCommand, EachCallerSetsItsFontDrawsItsTreeAndLogsItsLine) {
  struct Case {
    TreeCaller caller;
    int index;
    int fontSize;  // 0: the size is left alone
    std::string history;
    std::string firstItem;
  };
  const Case cases[] = {
      {TreeCaller::Albero_Radici, 0, 0, "Prodotto pagina appartenenze di: Paolo\r\n", "Paolo (7)"},
      {TreeCaller::Albero_Radici, 1, 0, "Prodotto pagina appartenenze di: Paolo\r\n", "Paolo (7)"},
      {TreeCaller::Albero_rami, 0, 0, "Prodotto pagina albero da: Paolo\r\n", "Paolo (7)"},
      {TreeCaller::BtnAlberoRadici, 1, 8, "Prodotto pagina appartenenze di: Paolo\r\n", "Paolo (7)"},
      {TreeCaller::AlberoRami, 0, 8, "", "Paolo (7)"},
  };
  for (const Case& c : cases) {
    Family f;
    f.printer.bold = true;
    f.session.PrintImmediately = true;
    f.printer.pdfFolder = "/pdf/";
    TreeCommand(f.session, c.caller, c.index == 0 ? TreeView::List : TreeView::Outline);
    EXPECT_EQ(f.printer.fontName, "Terminal");
    EXPECT_EQ(f.printer.fontSize, c.fontSize);
    EXPECT_EQ(f.printer.bold, c.fontSize == 0);
    EXPECT_EQ(f.session.historyText, c.history);
    const bool list = c.index == 0;
    EXPECT_EQ(list ? f.session.treeList.Lista.size() : f.session.treeOutline.Lista.size(),
              c.caller == TreeCaller::Albero_Radici || c.caller == TreeCaller::BtnAlberoRadici ? 5u : 1u);
    EXPECT_EQ(list ? f.session.treeOutline.Lista.size() : f.session.treeList.Lista.size(), 0u);
    ASSERT_EQ(f.printer.documents.size(), 1u) << "the printed lines go out as one job";
    bool roots = c.caller == TreeCaller::Albero_Radici || c.caller == TreeCaller::BtnAlberoRadici;
    EXPECT_EQ(f.ui.messages,
              Lines{std::string("Stampa salvata nel file /pdf/Paolo ") + (roots ? "Root" : "Branch") + ".pdf"});
  }
}

TEST(TreeCommand, ARefusedFontIsReportedAndTheTreeStillDrawn) {
  Family f;
  f.printer.hasFont = false;
  TreeCommand(f.session, TreeCaller::Albero_rami, TreeView::List);
  EXPECT_EQ(f.ui.messages, Lines{"Font not present, install 'MS LineDraw' font"});
  EXPECT_EQ(f.albero(), Lines{"Paolo (7)"});
}

TEST(AlberoWindow, ClickMovesTheFocusAndAnOpenCardFollows) {
  Family f;
  f.session.trees.AncestorMode = true;
  DrawTree(f.session, TreeView::List);
  TreeListClick(f.session, 2);
  EXPECT_EQ(f.session.NInd[0], 2);
  EXPECT_EQ(f.session.focusCard.values[Name], "Mario");
  EXPECT_FALSE(f.session.editCard.visible);
  f.session.windowState = kStateNewRecord;
  TreeListClick(f.session, 3);
  EXPECT_EQ(f.session.NInd[0], 3);
  EXPECT_EQ(f.session.focusCard.values[Name], "Anna") << "the panel is refreshed in state 3";
  EXPECT_EQ(f.session.editCard.index, 3);
  EXPECT_EQ(f.session.editCard.Text1[Name], "Anna");
  EXPECT_EQ(f.session.windowState, kStateNewRecord);
  EXPECT_FALSE(f.session.ShowCard);
  TreeListClick(f.session, 99);
  EXPECT_EQ(f.session.NInd[0], 3) << "no item, no selection";
}

TEST(AlberoWindow, DoubleClickAndCommand1RedrawTheBranchesInAnEmptiedList) {
  Family f;
  f.session.NInd[0] = 2;
  DrawTree(f.session, TreeView::List);
  TreeListDoubleClick(f.session, 1);
  EXPECT_EQ(f.albero(), (Lines{"Luigi (4)", "  └─(Carla) Paolo"}));
  EXPECT_EQ(f.session.NInd[0], 4);
  TreeListUpOneGeneration(f.session);
  EXPECT_EQ(f.albero(), (Lines{"Mario (2)", "  ├─(Anna) Luigi", "  │ └─(Carla) Paolo", "  └─(Anna) Maria"}));
  EXPECT_TRUE(f.ui.messages.empty());
  TreeListUpOneGeneration(f.session);
  EXPECT_EQ(f.ui.messages, Lines{"Individuo non Definito"}) << "Mario has no first parent";
  EXPECT_TRUE(f.session.treeList.Lista.empty());
  EXPECT_EQ(f.session.NInd[0], -1);
  TreeListUpOneGeneration(f.session);
  EXPECT_EQ(f.ui.messages.size(), 1u) << "an empty list has no root";
}

TEST(AlberoWindow, ChiudiEmptiesAndHides) {
  Family f;
  DrawTree(f.session, TreeView::List);
  CloseTreeList(f.session);
  EXPECT_TRUE(f.session.treeList.Lista.empty());
  EXPECT_FALSE(f.session.treeList.visible);
  EXPECT_EQ(f.ui.shown.back(), std::make_pair(Window::TreeListWindow, false));
}

TEST(NestWindow, ClickChiudiAndStile) {
  Family f;
  f.session.trees.AncestorMode = true;
  DrawTree(f.session, TreeView::Outline);
  TreeOutlineClick(f.session, 4);
  EXPECT_EQ(f.session.NInd[0], 6);
  EXPECT_EQ(f.session.focusCard.values[Name], "Carla");
  f.session.windowState = kStateNewRecord;
  TreeOutlineClick(f.session, 1);
  EXPECT_EQ(f.session.editCard.index, 4) << "an open card shows the clicked individual";
  EXPECT_EQ(f.session.focusCard.values[Name], "Carla") << "the panel waits for state 3";
  for (int press = 1; press <= 6; ++press) {
    NextTreeOutlineStyle(f.session);
    EXPECT_EQ(f.session.treeOutline.style, press % 6);
  }
  CloseTreeOutline(f.session);
  EXPECT_TRUE(f.session.treeOutline.Lista.empty());
  EXPECT_EQ(f.session.treeOutline.Text2, 0);
  EXPECT_FALSE(f.session.treeOutline.visible);
}

TEST(GenerazioniWindow, AWholeNumberInItsRangeIsTheLimitAtOnce) {
  Family f;
  ShowGenerationLimit(f.session);
  EXPECT_EQ(f.session.generationLimit.Gen_Valore, "30");
  EXPECT_TRUE(f.session.generationLimit.visible);
  // Anything else leaves the limit as it was: "abc" once meant 0, a tree of the root alone.
  const struct {
    std::string typed;
    bool accepted;
    int limit;
  } cases[] = {{"5", true, 5},    {" 12 ", true, 12}, {"12x", false, 12}, {"abc", false, 12}, {"", false, 12},
               {"-3", false, 12}, {"31", false, 12},  {"2.5", false, 12}, {"30", true, 30},   {"0", true, 0}};
  for (const auto& c : cases) {
    EXPECT_EQ(GenValoreChange(f.session, c.typed), c.accepted) << c.typed;
    EXPECT_EQ(f.session.MaxGenerations, c.limit) << c.typed;
    EXPECT_EQ(f.session.generationLimit.Gen_Valore, c.typed);
  }
  GenValoreChange(f.session, "0");
  f.session.NInd[0] = 2;
  DrawTree(f.session, TreeView::List);
  EXPECT_EQ(f.albero(), Lines{"Mario (2)"}) << "a limit of 0 stops every descendant tree at once";
}

}  // namespace
}  // namespace kord
