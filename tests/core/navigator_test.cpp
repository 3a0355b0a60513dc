// The two navigators: the sixteen boxes, the individuals behind them, the
// clicks that move the focus, and the pictures of Thumb.

#include <gtest/gtest.h>

#include "book/book_commands.h"
#include "book/visual_navigator.h"
#include "book_fixture.h"

namespace kord {
namespace {

// Focus 10 Rossi Luca: parents 8 and 9, their parents 2..5; spouse 11 Neri
// Eva (parents 6 and 7, and 6's parents 12 and 13); children 14 with Eva and
// 15 with 16 Rosa Seconda, his second spouse.
struct Navigator : test::BookFixture {
  Navigator()
      : BookFixture({"Rossi Nonno", "Bruni Nonna", "Verdi Nonno", "Gialli Nonna", "Neri Padre", "Blu Madre",
                     "Rossi Paolo", "Verdi Anna", "Rossi Luca", "Neri Eva", "Neri Avo", "Neri Ava", "Rossi Primo",
                     "Rossi Secondo", "Rosa Seconda"}) {
    parents(8, 2, 3);
    parents(9, 4, 5);
    parents(10, 8, 9);
    parents(11, 6, 7);
    parents(6, 12, 13);
    parents(14, 10, 11);
    parents(15, 10, 16);
    session.tables.Spouse[10] = 11;
    session.tables.Spouse[11] = 10;
    session.NInd[0] = 10;
  }
  const NavigatorBoxes& w1() const { return session.navigate.w1; }
  const NavigatorNumbers& numbers() const { return session.navigatorNumbers; }
  void picture(const std::string& name) const { dir.write("db/" + name + ".jpg", "jpeg"); }
  std::string picturePath(const std::string& name) const { return session.DbFolder + name + ".jpg"; }
};

TEST(Navigator, BoxesAndTheIndividualsBehindThem) {
  Navigator f;
  FamilyNavigatorCommand(f.session);
  const std::pair<int, std::string> boxes[] = {{0, "Rossi Luca"},
                                               {2, "Rossi Nonno"},
                                               {3, "Bruni Nonna"},
                                               {4, "Verdi Nonno"},
                                               {5, "Gialli Nonna"},
                                               {6, "Neri Avo"},
                                               {7, "Neri Ava"},
                                               {8, ""},
                                               {9, ""},
                                               {10, "Rossi Paolo"},
                                               {11, "Verdi Anna"},
                                               {12, "Neri Padre"},
                                               {13, "Blu Madre"}};
  for (const auto& [box, text] : boxes) EXPECT_EQ(f.w1()[box], text) << "w1(" << box << ")";
  EXPECT_EQ(f.w1()[1], "Neri Eva\r\nRosa Seconda\r\n");
  EXPECT_EQ(f.w1()[14], "Rossi Primo\r\nRossi Secondo");
  EXPECT_EQ(f.w1()[15].substr(0, 6), "10-9\r\n");
  EXPECT_EQ(f.numbers().box, (std::array<int, 14>{10, 0, 2, 3, 4, 5, 12, 13, 0, 0, 8, 9, 6, 7}));
  EXPECT_EQ(f.numbers().spouseLine[0], 11);
  EXPECT_EQ(f.numbers().spouseLine[1], 16);
  EXPECT_EQ(f.numbers().childLine[0], 14);
  EXPECT_EQ(f.numbers().childLine[1], 15);
  EXPECT_EQ(f.numbers().childLine[2], 0);
  EXPECT_TRUE(f.session.navigate.visible);
  EXPECT_FALSE(f.session.NavigationRun) << "the button lowers it again";
}

TEST(Navigator, ARefillEmptiesBoxesAndNumbersOfAbsentRelatives) {
  Navigator f;
  FamilyNavigatorCommand(f.session);
  f.session.NInd[0] = 2;  // Rossi Nonno: one child with Bruni Nonna, no parents
  FamilyNavigatorCommand(f.session);
  for (int box : {2, 6, 10, 11, 12, 13}) EXPECT_EQ(f.w1()[box], "") << box;
  EXPECT_EQ(f.w1()[1], "Bruni Nonna\r\n");
  EXPECT_EQ(f.w1()[14], "Rossi Paolo");
  EXPECT_EQ(f.numbers().box[10], 0);
  EXPECT_EQ(f.numbers().spouseLine[1], 0);
}

TEST(Navigator, BoxClicksMoveTheFocus) {
  struct Case {
    const char* what;
    int box;
    int caret;  // -1: the end of the box text
    int focus;  // after the click
  };
  const Case cases[] = {
      {"second line of the spouses box", 1, 12, 16},
      {"first line of the spouses box", 1, 0, 11},
      {"second child line", 14, 14, 15},
      {"a click after the end of the children box", 14, -1, 10},
      {"a parent's box", 11, 0, 9},
      {"a grandparent's box", 3, 0, 3},
      {"an empty box", 8, 0, 10},
      {"the details box", 15, 0, 10},
      {"the focus box", 0, 0, 10},
  };
  for (const auto& c : cases) {
    Navigator f;
    FamilyNavigatorCommand(f.session);
    f.session.navigate.w1[0] = "stale";
    const int caret = c.caret >= 0 ? c.caret : static_cast<int>(f.w1()[c.box].size());
    NavigatorBoxClick(f.session, c.box, caret);
    EXPECT_EQ(f.session.NInd[0], c.focus) << c.what;
    EXPECT_EQ(f.w1()[0], f.session.tables.Names[c.focus]) << c.what << ": the window is refilled";
    EXPECT_TRUE(f.session.NavigationRun) << c.what;
    EXPECT_EQ(f.session.focusCard.values[Name], f.session.tables.Names[c.focus]) << c.what << ": the focus card";
    EXPECT_EQ(f.session.editCard.index, c.focus) << c.what << ": the record card";
  }
}

TEST(Navigator, ALineBeyondTheNumberTablesIsIgnored) {
  Navigator f;
  FamilyNavigatorCommand(f.session);
  std::string sevenLines;
  for (int k = 0; k < 7; ++k) sevenLines += "Sposa " + std::to_string(k) + "\r\n";
  f.session.navigate.w1[1] = sevenLines;
  NavigatorBoxClick(f.session, 1, static_cast<int>(sevenLines.size()) - 3);
  EXPECT_EQ(f.session.NInd[0], 10);
}

TEST(Thumb, TrimmedNamesWithTheirPictures) {
  Navigator f;
  f.session.tables.Names[9] = "  Verdi Anna  ";
  f.picture("Rossi Paolo");
  f.picture("Neri Eva");
  f.picture("initial");
  PictureNavigatorCommand(f.session);
  const ThumbModel& thumb = f.session.thumb;
  EXPECT_EQ(thumb.w1[11], "Verdi Anna");
  EXPECT_EQ(thumb.ImgThumbnail2[10].file, f.picturePath("Rossi Paolo"));
  EXPECT_EQ(thumb.ImgThumbnail2[10].caption, "Rossi Paolo");
  EXPECT_EQ(thumb.ImgThumbnail2[11].file, f.picturePath("initial")) << "no picture of her own";
  EXPECT_EQ(thumb.w1[1], "Neri Eva\r\nRosa Seconda\r\n");
  EXPECT_EQ(thumb.ImgThumbnail2[1].file, f.picturePath("Neri Eva")) << "the spouse box shows spouse 1";
  EXPECT_EQ(thumb.ImgThumbnail2[8].file, "") << "an empty box has no picture";
  EXPECT_EQ(f.session.navigatorNumbers.box[11], 9);
  EXPECT_EQ(f.session.navigate.w1[0], "") << "Navigate is not touched";
  EXPECT_TRUE(f.session.historyText.empty());
}

TEST(Thumb, AStalePictureIsRemoved) {
  Navigator f;
  f.picture("Neri Padre");
  PictureNavigatorCommand(f.session);
  ASSERT_EQ(f.session.thumb.ImgThumbnail2[12].file, f.picturePath("Neri Padre"));
  f.session.NInd[0] = 2;
  PictureNavigatorCommand(f.session);
  EXPECT_EQ(f.session.thumb.w1[12], "");
  EXPECT_EQ(f.session.thumb.ImgThumbnail2[12].file, "");
  EXPECT_EQ(f.session.thumb.ImgThumbnail2[12].caption, "");
}

TEST(Thumb, ABoxClickRefillsThumbAndKeepsNavigationOn) {
  Navigator f;
  PictureNavigatorCommand(f.session);
  PictureNavigatorBoxClick(f.session, 14, 0);
  EXPECT_EQ(f.session.NInd[0], 14);
  EXPECT_EQ(f.session.thumb.w1[0], "Rossi Primo");
  EXPECT_EQ(f.session.thumb.w1[10], "Rossi Luca");
  EXPECT_TRUE(f.session.NavigationRun);
}

TEST(Thumb, HeaderLinesOfThePictureNavigator) {
  struct Case {
    int state;
    std::string mode;
    std::vector<std::string> firstLines;
  };
  const Case cases[] = {
      {kStateIdle, "Kord", {"_______ Indiv. N. 10_____________ ", "Rossi Luca"}},
      {kStateCensus, "Kord", {"_______ Indiv. N. 10____________ ", "Rossi Luca"}},
      {kStateCensus, "Scout", {}},
  };
  for (const auto& c : cases) {
    Navigator f;
    f.session.windowState = static_cast<kord::WindowState>(c.state);
    f.session.tables.RecordMode = c.mode;
    f.session.OutputToFile = true;
    f.session.DetailLines = true;
    FillVisualNavigator(f.session);
    auto lines = f.dbLines("kord.rel");
    lines.resize(std::min(lines.size(), c.firstLines.size()));
    EXPECT_EQ(lines, c.firstLines) << c.state << " " << c.mode;
    EXPECT_FALSE(f.dbFileExists("index.html")) << "no HTML from the picture navigator";
  }
}

}  // namespace
}  // namespace kord
