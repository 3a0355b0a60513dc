// The HTML page of a tree: which templates are copied in which order, the
// level colours, the escaped names, and silent failures. Each test template
// writes only its own name, "[02]" for TrHtm02.hts.

#include <gtest/gtest.h>

#include <regex>

#include "tree_test_fixture.h"
#include "trees/draw_tree.h"
#include "trees/tree_html.h"

namespace kord {
namespace {

std::string page(test::TreeFixture& f, int root, bool ancestors = false) {
  f.session.NInd[0] = root;
  f.session.trees.AncestorMode = ancestors;
  DrawTree(f.session, TreeView::List);
  return f.dir.read("db/" + f.session.tables.Names[root] + (ancestors ? " Root.html" : " Branch.html"));
}

TEST(TreeHtml, TemplatesFollowTheLevelsOfTheLines) {
  test::TreeFixture f({"Mario", "Anna", "Luigi", "Maria", "Carla", "Paolo"});
  f.parents(4, 2, 3);
  f.parents(5, 2, 3);
  f.parents(7, 4, 6);
  const std::string branches =
      "[01]Mario (2)\r\n[02]#8080FF[02a](Anna) Luigi\r\n[02]#FF4242[02a](Carla) Paolo\r\n[04](Anna) Maria\r\n[04][05]";
  EXPECT_EQ(page(f, 2), branches);
  EXPECT_EQ(page(f, 7, true),
            "[01]Paolo (7)\r\n[02]#8080FF[02a]Luigi\r\n[02]#FF4242[02a]Mario\r\n[03]Anna\r\n"
            "[04]Carla\r\n[04][05]");
  for (int i : {2, 3, 4, 5}) f.person(i).set(BirthPlace, "Sacile");
  f.writeRecords();
  f.session.CardWithTree = true;
  EXPECT_EQ(page(f, 2), branches) << "detail lines change nothing on the page";
}

TEST(TreeHtml, ARootAloneAndAThreeLevelClimb) {
  // 2 > 3 > 4 > 5 > 6 in a chain, and 7 a second child of 2.
  test::TreeFixture f({"R", "A", "B", "C", "D", "E"});
  for (int i = 3; i <= 6; ++i) f.parents(i, i - 1);
  f.parents(7, 2);
  EXPECT_EQ(page(f, 7), "[01]E (7)\r\n[05]");
  EXPECT_EQ(page(f, 2),
            "[01]R (2)\r\n[02]#8080FF[02a]A\r\n[02]#FF4242[02a]B\r\n[02]#FF6600[02a]C\r\n"
            "[02]#009900[02a]D\r\n[04][04][04]E\r\n[04][05]");
  f.parents(7, kNone);
  EXPECT_EQ(page(f, 2),
            "[01]R (2)\r\n[02]#8080FF[02a]A\r\n[02]#FF4242[02a]B\r\n[02]#FF6600[02a]C\r\n"
            "[02]#009900[02a]D\r\n[04][04][04][04][05]")
      << "a last branch is closed by climbing alone";
}

TEST(TreeHtml, LevelColoursRepeatEveryTwentyLevels) {
  EXPECT_EQ(LevelColour(0), "#8080FF");
  EXPECT_EQ(LevelColour(20), LevelColour(0));
  EXPECT_EQ(LevelColour(40), LevelColour(0));
  EXPECT_EQ(LevelColour(19), "#FFCCFF");
  EXPECT_EQ(LevelColour(21), "#FF4242");
  std::vector<std::string> names(23, "G");
  test::TreeFixture f(names);
  for (int i = 3; i <= 24; ++i) f.parents(i, i - 1);
  std::string html = page(f, 2);
  std::vector<std::string> colours, expected;
  std::regex colour("#[0-9A-F]{6}");
  for (auto it = std::sregex_iterator(html.begin(), html.end(), colour); it != std::sregex_iterator(); ++it)
    colours.push_back(it->str());
  for (int depth = 0; depth < 22; ++depth) expected.push_back(LevelColour(depth));
  EXPECT_EQ(colours, expected);
}

TEST(TreeHtml, NamesAreEscapedTemplatesCopiedVerbatim) {
  test::TreeFixture f({"Tom & \"Jerry\" <x>", "Kid"});
  f.parents(3, 2);
  f.dir.write("TrHtm01.hts", "<html>\r\n<b>&amp;\r\n");
  f.session.markedFocus = 3;
  EXPECT_EQ(page(f, 2),
            "<html>\r\n<b>&amp;\r\nTom &amp; &quot;Jerry&quot; &lt;x&gt; (2)\r\n"
            "[02]#8080FF[02a]Kid    ****&lt;&gt;****\r\n[04][05]");
  EXPECT_EQ(HtmlEscape("a&b<c>\"d'"), "a&amp;b&lt;c&gt;&quot;d'");
}

TEST(TreeHtml, AMissingTemplateEndsOnlyItsOwnCall) {
  test::TreeFixture f({"R", "A", "B"});
  f.parents(3, 2);
  f.parents(4, 2);
  std::filesystem::remove(f.dir.file("TrHtm03.hts"));
  EXPECT_EQ(page(f, 2), "[01]R (2)\r\n[02]#8080FF[02a]A\r\n[04][05]");
  EXPECT_EQ(f.session.treeList.Lista.size(), 3u) << "the text tree goes on";
  EXPECT_TRUE(f.ui.messages.empty());
}

TEST(TreeHtml, ATreeNamedLikeAPersonsPageGetsItsNumberAndSaysSo) {
  // The roots of Elihu would be "Elihu Root.html", the page of the person
  // "elihu root" (compared as a file system that ignores case would).
  test::TreeFixture f({"Elihu", "elihu root", "Padre"});
  f.parents(2, 4);
  f.dir.write("db/elihu root.html", "the person page");
  f.session.NInd[0] = 2;
  f.session.trees.AncestorMode = true;
  DrawTree(f.session, TreeView::List);
  EXPECT_EQ(f.dir.read("db/elihu root.html"), "the person page");
  EXPECT_EQ(f.dir.read("db/Elihu Root (2).html"), "[01]Elihu (2)\r\n[02]#8080FF[02a]Padre\r\n[04][05]");
  EXPECT_EQ(f.ui.messages, std::vector<std::string>{"\"Elihu Root.html\" \xE8 la pagina di una persona: "
                                                    "l'albero \xE8 scritto in \"Elihu Root (2).html\""});
  f.ui.messages.clear();
  EXPECT_EQ(page(f, 4), "[01]Padre (4)\r\n[02]#8080FF[02a]Elihu\r\n[04][05]") << "other trees keep their names";
  EXPECT_TRUE(f.ui.messages.empty());
}

TEST(TreeHtml, UnknownStepsDoNothingAndALineClosesLevels) {
  test::TreeFixture f({"R"});
  f.session.trees.TreeFileBase = f.dir.folder() + "db/page.";
  f.session.trees.walk.StepResult = 2;
  for (int code : {0, 5, 6, -1}) EmitTreeHtml(f.session, static_cast<TreePageStep>(code), "text");
  EXPECT_TRUE(f.session.trees.HtmlPage.empty());
  f.session.trees.LineIndent = 6;
  f.session.trees.PrevLineIndent = 10;
  EmitTreeHtml(f.session, TreePageStep::Line, "x");
  EXPECT_EQ(f.session.trees.HtmlPage, "[04][04]x\r\n");
  EXPECT_EQ(f.session.trees.PrevLineIndent, 6);
}

}  // namespace
}  // namespace kord
