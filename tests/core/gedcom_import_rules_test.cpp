// What the import does with what a record has no field for (facts, other
// marriages, qualifiers: into the notes while they fit), where the marriage
// fields come from, and bad input that must be refused or mended with a
// clear word, never half-written.

#include <gtest/gtest.h>

#include <filesystem>

#include "db/load_tables.h"
#include "imported_database.h"
#include "test_support.h"

namespace kord {
namespace {

using test::ImportText;

TEST(GedcomImportNotes, FactsGoToTheNotesWhileTheyFitAndTheRestIsListed) {
  test::TempDir dir;
  auto r = test::ImportInto(dir, test::GedcomDataFile("facts.ged"));
  ASSERT_TRUE(r.summary.ok) << r.summary.error;
  EXPECT_EQ(r.records[0].trimmed(Notes),
            "Visse a Sacile.\r\nPrefix: Dott.\r\nNickname: Bepi\r\nTitle: Cavaliere\r\n"
            "Occupation: Mugnaio (1850, Sacile)\r\nResidence: Venezia (ABT 1880)\r\nBirth: ABT 1830\r\n"
            "Cause of death: tifo\r\nDivorce from Zanette Lucia: 1870");
  EXPECT_EQ(r.records[0].trimmed(BirthDate), "0/0/1830");
  EXPECT_EQ(r.records[1].trimmed(Notes).substr(0, 15), "Sarta a Caneva,");  // its own note, and no room left
  std::map<std::string, int> toNotes = {{"Cause", 1},      {"Date", 1},   {"Divorce", 1},   {"Nickname", 1},
                                        {"Occupation", 1}, {"Prefix", 1}, {"Residence", 1}, {"Title", 1}};
  EXPECT_EQ(r.summary.toNotes, toNotes);
  EXPECT_EQ(r.summary.lostByKind, (std::map<std::string, int>{{"Divorce", 1}, {"Occupation", 1}}));
  std::vector<std::string> lost = {
      "@I2@ Zanette Lucia: no room in the notes for \"Occupation: Sarta\"",
      "@I2@ Zanette Lucia: no room in the notes for \"Divorce from Pavan Giuseppe: 1870\"",
  };
  EXPECT_EQ(r.summary.notRepresented, lost);
  EXPECT_TRUE(r.summary.skippedTags.empty());
  auto lines = SummaryLines(r.summary);
  EXPECT_NE(std::find(lines.begin(), lines.end(),
                      "Into the notes: Cause 1, Date 1, Divorce 1, Nickname 1, Occupation 1, Prefix 1, Residence 1, "
                      "Title 1"),
            lines.end());
  EXPECT_NE(std::find(lines.begin(), lines.end(), "Lost, no room in the notes: Divorce 1, Occupation 1"), lines.end());
}

TEST(GedcomImportNotes, TheMarriageComesFromTheFamilyOfTheSpouseLink) {
  test::TempDir dir;
  // Marco's first family has a marriage but no wife; Anna's family gives the spouse.
  auto r = ImportText(dir,
                      "0 HEAD\n0 @I1@ INDI\n1 NAME Marco /Moro/\n1 FAMS @F1@\n1 FAMS @F2@\n"
                      "0 @I2@ INDI\n1 NAME Anna /Rossi/\n1 FAMS @F2@\n"
                      "0 @F1@ FAM\n1 HUSB @I1@\n1 MARR\n2 DATE 30 JUN 1878\n2 PLAC Vienna\n"
                      "0 @F2@ FAM\n1 HUSB @I1@\n1 WIFE @I2@\n1 MARR\n2 DATE 1885\n2 PLAC Sacile\n0 TRLR\n");
  ASSERT_TRUE(r.summary.ok);
  EXPECT_EQ(r.records[0].trimmed(MarriageDate), "0/0/1885");
  EXPECT_EQ(r.records[0].trimmed(MarriagePlace), "Sacile");
  EXPECT_EQ(r.records[0].trimmed(Notes), "Marriage 1: 30 JUN 1878 Vienna");
  EXPECT_EQ(r.records[1].trimmed(MarriageDate), "0/0/1885");
  EXPECT_EQ(dir.read("new.rns"), "1,2\r\n2,1\r\n");
}

TEST(GedcomImportNotes, ReportsOfOurCustomLinesByAnotherProgramAreNoNotes) {
  test::TempDir dir;
  // Gramps keeps the lines it could not read as a note of the individual.
  auto r = ImportText(dir,
                      "0 HEAD\n1 SOUR GRAMPS\n0 @I1@ INDI\n1 NAME Luca /Pavan/\n1 NOTE @N1@\n1 NOTE Mugnaio.\n"
                      "0 @N1@ NOTE Records not imported into INDI (individual) Gramps ID I0001:\n1 CONT\n"
                      "1 CONT Line ignored as not understood          Lin\n1 CONC e    9: 2 _KORD_DATE 1850\n"
                      "1 CONT Line ignored as not understood          Line   12: 2 _KORD_SEX m\n1 CONT\n0 TRLR\n");
  ASSERT_TRUE(r.summary.ok);
  EXPECT_EQ(r.records[0].trimmed(Notes), "Mugnaio.");
  EXPECT_EQ(r.summary.skippedTags, (std::map<std::string, int>{{"INDI.NOTE _KORD", 1}}));
}

TEST(GedcomImportNotes, LineBreaksStayOnlyInTheNotes) {
  test::TempDir dir;
  auto r = ImportText(dir,
                      "0 HEAD\n0 @I1@ INDI\n1 NAME Luca /Pavan/\n2 CONT di Sacile\n1 BIRT\n2 PLAC Sacile\n3 CONT (PN)\n"
                      "1 NOTE Prima\n2 CONT seconda\n0 TRLR\n");
  ASSERT_TRUE(r.summary.ok);
  EXPECT_EQ(r.records[0].trimmed(Name), "Pavan Luca di Sacile");
  EXPECT_EQ(r.records[0].trimmed(BirthPlace), "Sacile (PN)");
  EXPECT_EQ(r.records[0].trimmed(Notes), "Prima\r\nseconda");
}

TEST(GedcomImportNotes, CharLinesAreFoundWhateverTheirSpacing) {
  for (const char* charLine : {"1   CHAR ANSEL", "  1 CHAR\tANSEL  ", "2 CHAR ANSEL"}) {
    test::TempDir dir;
    auto r = ImportText(dir, "0 HEAD\n" + std::string(charLine) + "\n0 @I1@ INDI\n1 NAME Nicol\xE1o /Pavan/\n0 TRLR\n");
    ASSERT_TRUE(r.summary.ok) << charLine;
    EXPECT_EQ(r.summary.charset, "ANSEL") << charLine;
    EXPECT_EQ(r.records[0].trimmed(Name), "Pavan Nicol\xF2") << charLine;
  }
}

TEST(GedcomBadInput, IsRefusedOrMendedWithAClearWordAndNeverHalfWritten) {
  const std::string head = "0 HEAD\n1 CHAR UTF-8\n";
  struct Case {
    const char* what;
    std::string text;
    bool refused;
    std::string said;      ///< in the error, the problems or what is not represented
    std::string children;  ///< the children file when imported
  } cases[] = {
      {"a family names a missing individual",
       head + "0 @I1@ INDI\n1 NAME A /B/\n0 @F1@ FAM\n1 HUSB @I9@\n1 CHIL @I1@\n0 TRLR\n", false,
       "line 6: HUSB @I9@ is not an individual of the file", ""},
      {"a child in three families",
       head + "0 @I1@ INDI\n1 NAME A /B/\n0 @I2@ INDI\n0 @I3@ INDI\n0 @I4@ INDI\n"
              "0 @F1@ FAM\n1 HUSB @I2@\n1 CHIL @I1@\n0 @F2@ FAM\n1 HUSB @I3@\n1 CHIL @I1@\n"
              "0 @F3@ FAM\n1 HUSB @I4@\n1 CHIL @I1@\n0 TRLR\n",
       false, "@I1@ B A: other parents in @F3@ not linked", "1,2\r\n"},
      {"circular family references",
       head + "0 @I1@ INDI\n1 NAME A /B/\n1 FAMC @F1@\n1 FAMS @F2@\n0 @I2@ INDI\n1 NAME C /D/\n1 FAMC @F2@\n"
              "1 FAMS @F1@\n0 @F1@ FAM\n1 HUSB @I2@\n1 CHIL @I1@\n0 @F2@ FAM\n1 HUSB @I1@\n1 CHIL @I2@\n0 TRLR\n",
       false, "@I2@ D C: @F2@ @I1@ B A as a parent would make it its own ancestor, link skipped", "1,2\r\n"},
      {"a person its own parent", head + "0 @I1@ INDI\n1 NAME A /B/\n0 @F1@ FAM\n1 HUSB @I1@\n1 CHIL @I1@\n0 TRLR\n",
       false, "@I1@ B A: @F1@ @I1@ B A as a parent would make it its own ancestor, link skipped", ""},
      {"a 10 MB line", head + "0 @I1@ INDI\n1 NAME A /B/\n1 NOTE " + std::string(10'000'000, 'x') + "\n0 TRLR\n", false,
       "@I1@ B A, Notes: cut to 220 characters, lost \"" + std::string(100, 'x') + "...\"", ""},
      {"a JPEG", "\xFF\xD8\xFF\xE0\x00\x10JFIF\x00\x01\n" + std::string(5000, '\x9C') + "\n", true,
       "not a GEDCOM file (it does not begin with \"0 HEAD\")", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    test::TempDir dir;
    auto r = ImportText(dir, c.text);
    EXPECT_EQ(r.summary.ok, !c.refused);
    std::vector<std::string> said = r.summary.problems;
    said.insert(said.end(), r.summary.notRepresented.begin(), r.summary.notRepresented.end());
    said.push_back(r.summary.error);
    bool found = std::any_of(said.begin(), said.end(),
                             [&](const std::string& s) { return s.find(c.said) != std::string::npos; });
    EXPECT_TRUE(found) << ::testing::PrintToString(said);
    if (c.refused) {
      EXPECT_FALSE(std::filesystem::exists(dir.file("new.rni")));
      EXPECT_TRUE(r.summary.problems.size() <= 1) << "a picture is no list of malformed lines";
    } else {
      EXPECT_EQ(r.children, c.children);
    }
  }
}

}  // namespace
}  // namespace kord
