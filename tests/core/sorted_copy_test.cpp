// The alphabetical copy of a database ("Update DB", kord sort-copy): every
// card, link and tree of the copy is the original's, under new numbers.

#include <gtest/gtest.h>

#include <algorithm>

#include "database_copy.h"
#include "db_builder.h"
#include "lists/list_order.h"
#include "lists/sorted_copy.h"
#include "trees/draw_tree.h"

namespace kord::test {
namespace {

/// A record that does not carry its own number is shown as "AAA_ " and its
/// index, which the copy changes.
std::string shownName(const std::string& name) { return name.rfind("AAA_ ", 0) == 0 ? "AAA_" : name; }

/// A tree as (depth, text) pairs in sorted order: siblings come in index
/// order, which the copy changes; the root line's own number is dropped.
std::vector<std::pair<std::size_t, std::string>> treeShape(Session& s, int focus, bool ancestors) {
  s.treeList.Lista.clear();
  s.NInd[0] = focus;
  s.trees.AncestorMode = ancestors;
  DrawTree(s, TreeView::List);
  std::vector<std::pair<std::size_t, std::string>> shape;
  for (const AlberoItem& item : s.treeList.Lista) shape.emplace_back(item.drawing.size(), shownName(item.text));
  if (!shape.empty()) shape.front().second = shape.front().second.substr(0, shape.front().second.rfind(" ("));
  std::sort(shape.begin(), shape.end());
  return shape;
}

PersonRecord recordOf(Session& s, int index) {
  EXPECT_TRUE(OpenIndividualsFile(s).ok());
  ReadRecord(s, index - 1);
  PersonRecord record = s.record;
  record.set(Num, "");
  return record;
}

TEST(SortedCopy, EveryCardLinkAndTreeOfTheSampleMatchesUnderTheNewNumbers) {
  SampleCopy original;
  ASSERT_TRUE(original.loaded);
  const SortedCopy copy = WriteSortedCopy(original.session.DbName, original.file("alfa.rni"), false);
  ASSERT_EQ(copy.error, "");
  EXPECT_EQ(copy.droppedLinks, 0);
  DatabaseCopy sorted(original.folder(), "alfa");
  ASSERT_TRUE(sorted.loaded);
  Tables& a = original.session.tables;
  Tables& b = sorted.session.tables;
  ASSERT_EQ(copy.individuals, a.individualCount());
  ASSERT_EQ(b.LastIndex, a.LastIndex);
  EXPECT_EQ(b.FieldCaptions, a.FieldCaptions);
  EXPECT_EQ(b.RecordMode, a.RecordMode);
  auto moved = [&](int index) { return index < 2 ? index : copy.newRecord[static_cast<std::size_t>(index - 1)] + 1; };
  for (int k = 2; k <= a.LastIndex; ++k) {
    const int m = moved(k);
    SCOPED_TRACE(a.Names[k]);
    EXPECT_EQ(shownName(b.Names[m]), shownName(a.Names[k]));
    EXPECT_EQ(b.Parent1[m], moved(a.Parent1[k]));
    EXPECT_EQ(b.Parent2[m], moved(a.Parent2[k]));
    EXPECT_EQ(b.Spouse[m], moved(a.Spouse[k]));
    EXPECT_EQ(recordOf(sorted.session, m), recordOf(original.session, k));
    for (bool ancestors : {true, false})
      EXPECT_EQ(treeShape(sorted.session, m, ancestors), treeShape(original.session, k, ancestors));
  }
  // The names are in list order from the first record on; the sample's one
  // blank record comes last.
  EXPECT_EQ(shownName(b.Names[b.LastIndex]), "AAA_");
  for (int m = 3; m < b.LastIndex; ++m) EXPECT_LE(ListKey(b.Names[m - 1]), ListKey(b.Names[m]));
}

TEST(SortedCopy, BlankNamesGoLastAndLinesNamingNoRecordAreLeftOut) {
  TempDir dir;
  const std::string source =
      DbBuilder({"Zanin Rita", "", "Pavan Sergio", "pavan Anna"}, "4,3\r\n4,1\r\n9,1\r\nx\r\n", "3,1\r\n1,3\r\n")
          .write(dir);
  const SortedCopy copy = WriteSortedCopy(source, dir.file("alfa.rni"), false);
  ASSERT_EQ(copy.error, "");
  EXPECT_EQ(copy.newRecord, (std::vector<int>{0, 3, 4, 2, 1}));
  EXPECT_EQ(copy.droppedLinks, 2);
  EXPECT_EQ(dir.read("alfa.rnc"), "1,2\r\n1,3\r\n");
  EXPECT_EQ(dir.read("alfa.rns"), "2,3\r\n3,2\r\n");
  EXPECT_EQ(dir.read("alfa.rnt"), "0\r\n");
  EXPECT_EQ(dir.read("alfa.rni").substr(0, 5), "1    ");
}

TEST(SortedCopy, RefusesATargetThatIsNotNewAndLeavesNothingBehind) {
  TempDir dir;
  const std::string source = DbBuilder({"Pavan Sergio"}).write(dir);
  dir.write("taken.rnk", "\"N.\"\r\n");
  for (const std::string& target : {source, dir.file("taken.rni"), dir.file("alfa.txt")}) {
    const SortedCopy copy = WriteSortedCopy(source, target, true);
    EXPECT_NE(copy.error, "") << target;
    EXPECT_FALSE(std::filesystem::exists(dir.file("taken.rni")));
  }
  EXPECT_FALSE(std::filesystem::exists(dir.file("alfa.rnc")));
}

}  // namespace
}  // namespace kord::test
