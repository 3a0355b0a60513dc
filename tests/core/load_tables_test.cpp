// The load rules decide what every later command sees: names, the two
// parent links, the spouse link, the caps and the skipped lines.

#include <gtest/gtest.h>

#include "db/load_tables.h"
#include "db_builder.h"
#include "test_support.h"

namespace kord {
namespace {

struct Loaded {
  Tables tables;
  LoadNotes notes;
  std::vector<long> individualCalls, childCalls;
};

Loaded load(const test::TempDir& dir, const test::DbBuilder& db) {
  Loaded l;
  l.notes.english = true;
  FileSet files = FileSetFor(db.write(dir));
  LoadIndividuals(
      l.tables, files.IndividualsFile, [&](long n) { l.individualCalls.push_back(n); }, l.notes);
  LoadChildLinks(
      l.tables, files.ChildrenFile, [&](long n) { l.childCalls.push_back(n); }, l.notes);
  LoadSpouseLinks(l.tables, files.SpousesFile, nullptr, l.notes);
  ReadCaptions(l.tables, files.CaptionsFile, l.notes);
  return l;
}

TEST(LoadTables, IndividualsSitAtRecordNumberPlusOne) {
  test::TempDir dir;
  auto l = load(dir, {{"Rossi Mario", "  Bianchi Anna  ", "Verdi Luigi"}});
  EXPECT_EQ(l.tables.LastIndex, 4);
  EXPECT_EQ(l.tables.individualCount(), 3);
  EXPECT_EQ(l.tables.Names[2], "Rossi Mario");
  EXPECT_EQ(l.tables.Names[3], "Bianchi Anna");
  EXPECT_EQ(l.tables.Names[4], "Verdi Luigi");
  EXPECT_EQ(l.tables.Names[5], "");
  EXPECT_EQ(l.tables.Parent1[3], kNone);
  EXPECT_EQ(l.tables.Spouse[4], kNone);
  EXPECT_EQ(l.individualCalls, (std::vector<long>{1, 2, 3}));
  EXPECT_TRUE(l.notes.lines.empty());
}

TEST(LoadTables, EmptyIndividualsFileGivesNoIndividuals) {
  test::TempDir dir;
  auto l = load(dir, {});
  EXPECT_EQ(l.tables.LastIndex, 1);
  EXPECT_EQ(l.tables.individualCount(), 0);
  EXPECT_EQ(l.tables.ChildLinkCount, 0);
  EXPECT_EQ(l.tables.SpouseLinkCount, 0);
}

TEST(LoadTables, RecordNotHoldingItsOwnNumberIsNamedAAA) {
  test::TempDir dir;
  test::DbBuilder db{{"Rossi Mario", "x", "y", "z", "Verdi Luigi"}};
  std::string path = db.write(dir);
  // Blank the fourth record (index 5) and give the third (index 4) a wrong number.
  std::string bytes = dir.read("fam.rni");
  bytes.replace(3 * kRecordLength, kRecordLength, std::string(kRecordLength, ' '));
  bytes.replace(2 * kRecordLength, 5, "9    ");
  dir.write("fam.rni", bytes);
  Tables t;
  LoadNotes notes;
  LoadIndividuals(t, path, nullptr, notes);
  EXPECT_EQ(t.Names[4], "AAA_ 4");
  EXPECT_EQ(t.Names[5], "AAA_ 5");
  EXPECT_EQ(t.Names[6], "Verdi Luigi");
  EXPECT_EQ(t.LastIndex, 6);
}

TEST(LoadTables, AtMost998IndividualsAreLoadedAndTheRestIsReported) {
  test::TempDir dir;
  test::DbBuilder db;
  for (int i = 0; i < 1003; ++i) db.names.push_back("P" + std::to_string(i + 1));
  auto l = load(dir, db);
  EXPECT_EQ(l.tables.LastIndex, 999);
  EXPECT_EQ(l.tables.Names[999], "P998");
  ASSERT_EQ(l.notes.lines.size(), 1u);
  EXPECT_EQ(l.notes.lines[0], "fam.rni: holds 1003 records; only the first 998 were loaded");
}

TEST(LoadTables, ExactlyTheCapacityLoadsWithoutNote) {
  test::TempDir dir;
  test::DbBuilder db;
  for (int i = 0; i < 998; ++i) db.names.push_back("P" + std::to_string(i + 1));
  auto l = load(dir, db);
  EXPECT_EQ(l.tables.LastIndex, 999);
  EXPECT_TRUE(l.notes.lines.empty());
}

TEST(LoadTables, TrailingPartialRecordIsNotAnIndividualAndIsReported) {
  test::TempDir dir;
  test::DbBuilder db{{"Rossi Mario", "Verdi Luigi"}};
  db.write(dir);
  std::string bytes = dir.read("fam.rni") + std::string(100, 'x');
  dir.write("fam.rni", bytes);
  Tables t;
  LoadNotes notes{true, {}};
  LoadIndividuals(t, dir.file("fam.rni"), nullptr, notes);
  EXPECT_EQ(t.LastIndex, 3);
  ASSERT_EQ(notes.lines.size(), 1u);
  EXPECT_EQ(notes.lines[0], "fam.rni: the last 100 bytes are not a whole record and were not read");
  EXPECT_EQ(dir.read("fam.rni"), bytes) << "loading never changes the file";
}

TEST(LoadTables, ParentLinksFirstSetsParent1LaterLinesReplaceParent2) {
  test::TempDir dir;
  auto l = load(dir, {{"a", "b", "c", "d", "e"}, "4,0\r\n4,1\r\n4,2\r\n3,1\r\n"});
  EXPECT_EQ(l.tables.Parent1[5], 1) << "record 0 is index 1";
  EXPECT_EQ(l.tables.Parent2[5], 3) << "the third line replaces the second parent";
  EXPECT_EQ(l.tables.Parent1[4], 2);
  EXPECT_EQ(l.tables.Parent2[4], kNone);
  EXPECT_EQ(l.tables.ChildLinkCount, 4);
  EXPECT_EQ(l.childCalls, (std::vector<long>{0, 1, 2, 3}));
}

TEST(LoadTables, SpouseLinksFirstLineWinsAndAreOneWay) {
  test::TempDir dir;
  auto l = load(dir, {{"a", "b", "c", "d"}, "", "1,2\r\n1,3\r\n4,1\r\n"});
  EXPECT_EQ(l.tables.Spouse[2], 3);
  EXPECT_EQ(l.tables.Spouse[3], kNone) << "a pair listed once links only the first";
  EXPECT_EQ(l.tables.Spouse[5], 2);
  EXPECT_EQ(l.tables.SpouseLinkCount, 3);
}

TEST(LoadTables, LinkValuesAreReadAsCommaSeparatedInput) {
  test::TempDir dir;
  auto l = load(dir, {{"a", "b", "c", "d"}, " 2 , \"1\"\n3,abc\r\n"});
  EXPECT_EQ(l.tables.Parent1[3], 2) << "blanks around values and quotes are ignored";
  EXPECT_EQ(l.tables.Parent1[4], 1) << "a non-numeric value counts as 0, index 1";
  EXPECT_EQ(l.tables.ChildLinkCount, 2);
}

TEST(LoadTables, BadLinkLinesAreSkippedAndReportedWithTheirLineNumbers) {
  test::TempDir dir;
  auto l = load(dir, {{"a", "b", "c"}, "1,0\r\n1203,0\r\n2\r\n\r\n-1,0\r\n2,1\r\n", "0,1\r\n7\r\n"});
  EXPECT_EQ(l.tables.ChildLinkCount, 2);
  EXPECT_EQ(l.tables.Parent1[3], 2);
  EXPECT_EQ(l.tables.SpouseLinkCount, 1);
  EXPECT_EQ(l.tables.Spouse[1], 2);
  std::vector<std::string> expected = {
      "fam.rnc: line 2: record number 1203 is outside 0..999, line skipped",
      "fam.rnc: line 3: expected two numbers separated by a comma, line skipped",
      "fam.rnc: line 5: record number -1 is outside 0..999, line skipped",
      "fam.rns: line 2: expected two numbers separated by a comma, line skipped",
  };
  EXPECT_EQ(l.notes.lines, expected);
}

TEST(LoadTables, NotesAreItalianUnlessEnglishIsChosen) {
  test::TempDir dir;
  Tables t;
  LoadNotes notes;
  dir.write("fam.rnc", "7\r\n1,1000\r\n");
  LoadChildLinks(t, dir.file("fam.rnc"), nullptr, notes);
  EXPECT_EQ(notes.lines,
            (std::vector<std::string>{"fam.rnc: riga 1: servono due numeri separati da una virgola, riga ignorata",
                                      "fam.rnc: riga 2: il numero di record 1000 e' fuori da 0..999, riga ignorata"}));
}

TEST(LoadTables, EveryLinkLineIsReadEvenBeyondTheOldCaps) {
  test::TempDir dir;
  test::DbBuilder db;
  for (int i = 0; i < 998; ++i) db.names.push_back("P" + std::to_string(i + 1));
  for (int child = 1; child <= 997; ++child) {
    db.children += std::to_string(child) + "," + std::to_string(child - 1) + "\r\n";
    db.children += std::to_string(child) + ",0\r\n";
    db.spouses += std::to_string(child) + "," + std::to_string(997 - child) + "\r\n";
    db.spouses += std::to_string(997 - child) + "," + std::to_string(child) + "\r\n";
  }
  auto l = load(dir, db);
  EXPECT_EQ(l.tables.ChildLinkCount, 1994);
  EXPECT_EQ(l.tables.SpouseLinkCount, 1994);
  EXPECT_EQ(l.tables.Parent1[998], 997);
  EXPECT_EQ(l.tables.Parent2[998], 1);
  EXPECT_EQ(l.tables.Spouse[997], 2);
}

TEST(LoadTables, MissingLinkFileIsReportedAndLoadsNoLinks) {
  test::TempDir dir;
  test::DbBuilder{{"a"}}.write(dir);
  std::filesystem::remove(dir.file("fam.rnc"));
  Tables t;
  LoadNotes notes{true, {}};
  LoadChildLinks(t, dir.file("fam.rnc"), nullptr, notes);
  EXPECT_EQ(t.ChildLinkCount, 0);
  ASSERT_EQ(notes.lines.size(), 1u);
  EXPECT_EQ(notes.lines[0], "fam.rnc: the file cannot be read, no links loaded from it");
}

TEST(LoadTables, RecordModeFromTheTypeFile) {
  test::TempDir dir;
  const std::pair<std::string, std::string> cases[] = {{"0\r\n", "Kord"}, {"1\r\n", "Scout"},  {"1", "Scout"},
                                                       {"2\r\n", "Kord"}, {"abc\r\n", "Kord"}, {"", "Kord"}};
  for (const auto& [content, mode] : cases) {
    dir.write("fam.rnt", content);
    EXPECT_EQ(ReadRecordMode(dir.file("fam.rnt")), mode) << content;
  }
  EXPECT_EQ(ReadRecordMode(dir.file("none.rnt")), "Kord");
}

TEST(LoadTables, CaptionsFileReplacesTheCaptionsItHolds) {
  test::TempDir dir;
  Tables t;
  LoadNotes notes{true, {}};
  ReadCaptions(t, dir.file("fam.rnk"), notes);
  EXPECT_EQ(t.FieldCaptions, DefaultFieldCaptions()) << "no file: defaults";
  EXPECT_TRUE(notes.lines.empty());

  Captions custom = DefaultFieldCaptions();
  custom[1] = "Cognome e Nome";
  custom[13] = "Sesso, M/F";
  ASSERT_EQ(WriteCaptions(custom, dir.file("fam.rnk")), "");
  ReadCaptions(t, dir.file("fam.rnk"), notes);
  EXPECT_EQ(t.FieldCaptions, custom);

  dir.write("fam.rnk", "\"N.\"\r\n\"Nominativo\"\r\n");
  Tables shortFile;
  ReadCaptions(shortFile, dir.file("fam.rnk"), notes);
  EXPECT_EQ(shortFile.FieldCaptions[1], "Nominativo");
  EXPECT_EQ(shortFile.FieldCaptions[2], "Data Nascita");
  ASSERT_EQ(notes.lines.size(), 1u);
  EXPECT_EQ(notes.lines[0], "fam.rnk: holds 2 of the 14 field captions; the others keep their previous text");
}

TEST(LoadTables, CaptionsFileIsWrittenAsQuotedLinesStartingWithN) {
  test::TempDir dir;
  Captions captions = DefaultFieldCaptions();
  captions[0] = "ignored";
  captions[1] = "Cognome e Nome";
  ASSERT_EQ(WriteCaptions(captions, dir.file("fam.rnk")), "");
  std::string expected = "\"N.\"\r\n\"Cognome e Nome\"\r\n";
  for (int i = 2; i < kFieldCount; ++i) expected += "\"" + DefaultFieldCaptions()[i] + "\"\r\n";
  EXPECT_EQ(dir.read("fam.rnk"), expected);
}

}  // namespace
}  // namespace kord
