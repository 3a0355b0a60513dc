// Importing GEDCOM into a new database: how individuals become records, how
// families become the loader's link lines, what the summary lists, and the
// capacity of 998 individuals.

#include "exchange/gedcom_import.h"

#include <gtest/gtest.h>

#include "db/csv_fields.h"
#include "db/load_tables.h"
#include "imported_database.h"
#include "test_support.h"

namespace kord {
namespace {

using test::ImportText;
using Imported = test::ImportedDatabase;

Imported importData(const test::TempDir& dir, const std::string& name, GedcomImportOptions options = {}) {
  return test::ImportInto(dir, test::GedcomDataFile(name), options);
}

TEST(GedcomImport, IndividualsBecomeRecordsInFileOrder) {
  test::TempDir dir;
  auto r = ImportText(dir,
                      "0 HEAD\n1 CHAR UTF-8\n"
                      "0 @P7@ INDI\n1 NAME Giovanni Battista /Pavan/\n1 SEX M\n"
                      "1 BIRT\n2 DATE 14 FEB 1781\n2 PLAC Sacile\n1 CHR\n2 DATE 15 FEB 1781\n2 PLAC San Nicol\xC3\xB2\n"
                      "1 BAPM\n2 DATE 16 FEB 1781\n1 DEAT\n2 DATE 3 JAN 1849\n2 PLAC Sacile\n1 BURI\n2 PLAC Cimitero\n"
                      "0 @P2@ INDI\n1 NAME /Da Ros/ Caterina\n1 NAME Katharina /Da Ros/\n1 SEX f\n"
                      "0 @P3@ INDI\n1 NAME\n2 GIVN Luigi\n2 SURN Pavan\n1 SEX X\n"
                      "0 @P4@ INDI\n1 NAME Ugo /Rossi/ Jr.\n1 SEX M\n2 _KORD m\n"
                      "0 TRLR\n");
  ASSERT_TRUE(r.summary.ok) << r.summary.error;
  ASSERT_EQ(r.records.size(), 4u);
  const PersonRecord& first = r.records[0];
  EXPECT_EQ(first.trimmed(Num), "1");
  EXPECT_EQ(first.trimmed(Name), "Pavan Giovanni Battista");
  EXPECT_EQ(first.trimmed(Sex), "M");
  EXPECT_EQ(first.trimmed(BirthDate), "14/02/1781");
  EXPECT_EQ(first.trimmed(BirthPlace), "Sacile");
  EXPECT_EQ(first.trimmed(BaptismDate), "15/02/1781");  // the first of CHR and BAPM
  EXPECT_EQ(first.trimmed(BaptismPlace), "San Nicol\xF2");
  EXPECT_EQ(first.trimmed(DeathDate), "03/01/1849");
  EXPECT_EQ(first.trimmed(BurialDate), "");
  EXPECT_EQ(first.trimmed(BurialPlace), "Cimitero");
  EXPECT_EQ(r.records[1].trimmed(Name), "Da Ros Caterina");
  EXPECT_EQ(r.records[1].trimmed(Sex), "F");
  EXPECT_EQ(r.records[2].trimmed(Name), "Pavan Luigi");
  EXPECT_EQ(r.records[2].trimmed(Sex), "");
  EXPECT_EQ(r.records[3].trimmed(Name), "Rossi Ugo Jr.");
  EXPECT_EQ(r.records[3].raw(Sex), "m");  // this program's own letter, kept as stored
  std::vector<std::string> expected = {
      "@P7@ Pavan Giovanni Battista: another BAPM not imported",
      "@P2@ Da Ros Caterina: other name \"Katharina /Da Ros/\" not imported",
      "@P3@ Pavan Luigi: sex \"X\" cannot be represented (only M or F)",
  };
  EXPECT_EQ(r.summary.notRepresented, expected);
  EXPECT_EQ(r.summary.individuals, 4);
  EXPECT_EQ(dir.read("new.rnt"), "0\r\n");
}

TEST(GedcomImport, NamesAreSurnameFirstUnlessAskedAndExactFromOurOwnFiles) {
  const std::string people =
      "0 @I1@ INDI\n1 NAME Caterina /Da Ros/\n0 @I2@ INDI\n1 NAME /Pavan/\n0 @I3@ INDI\n1 NAME Ugo /Rossi/ Jr.\n"
      "0 @I4@ INDI\n1 NAME Luigi Pavan\n2 SURN Pavan\n0 @I5@ INDI\n1 NAME Rossi  Mario\n2 _KORD_NAME Rossi  Mario\n"
      "0 @I6@ INDI\n1 NAME Anna Maria Neri\n";
  struct Case {
    const char* head;
    bool givenFirst;
    std::vector<std::string> names;
    bool surnameGuessed;  ///< "Anna Maria Neri" has no marked surname, read surname first
  } cases[] = {
      {"0 HEAD\n",
       false,
       {"Da Ros Caterina", "Pavan", "Rossi Ugo Jr.", "Pavan Luigi", "Rossi  Mario", "Anna Maria Neri"},
       true},
      {"0 HEAD\n",
       true,
       {"Caterina Da Ros", "Pavan", "Ugo Rossi Jr.", "Luigi Pavan", "Rossi  Mario", "Anna Maria Neri"},
       false},
      {"0 HEAD\n1 SOUR KORD\n",
       true,
       {"Da Ros Caterina", "Pavan", "Rossi Ugo Jr.", "Pavan Luigi", "Rossi  Mario", "Anna Maria Neri"},
       true},
  };
  for (const auto& c : cases) {
    test::TempDir dir;
    GedcomImportOptions options;
    options.givenFirst = c.givenFirst;
    auto r = ImportText(dir, c.head + people, options);
    ASSERT_EQ(r.records.size(), c.names.size()) << c.head;
    for (std::size_t i = 0; i < c.names.size(); ++i) EXPECT_EQ(r.records[i].trimmed(Name), c.names[i]) << c.head;
    // A NAME without slashes or SURN leaves the surname a guess, and says so.
    std::vector<std::string> warned;
    if (c.surnameGuessed)
      warned = {"@I6@ Anna Maria Neri: the NAME marks no surname between slashes, name kept as written"};
    EXPECT_EQ(r.summary.warnings, warned) << c.head;
  }
}

TEST(GedcomImport, NotesInlineAndByReferenceJoinWithLineBreaks) {
  test::TempDir dir;
  auto r = importData(dir, "notes_by_reference.ged");
  ASSERT_TRUE(r.summary.ok);
  EXPECT_EQ(r.records[0].trimmed(Notes),
            "Mugnaio al molino\r\ndi San Giovanni.\r\nVisse a Sacile.\r\nCensito nel 1811.");
  EXPECT_EQ(r.records[1].trimmed(Notes), "");
  EXPECT_EQ(r.summary.problems, std::vector<std::string>{"line 13: NOTE @N9@ not found"});
}

TEST(GedcomImport, LongValuesAreCutAndListedWithWhatWasLost) {
  test::TempDir dir;
  auto r = importData(dir, "conc_cont.ged");
  ASSERT_TRUE(r.summary.ok);
  EXPECT_EQ(r.records[0].trimmed(BirthPlace), "San Giovanni di Livenza");
  EXPECT_EQ(r.records[0].trimmed(Notes),
            "Barcaiolo sul Livenza, poi a Venezia.\r\nScrive: \"pagato @ 3 lire\".\r\n\r\nFine.");
  EXPECT_EQ(r.records[1].trimmed(Name), "Pavan Dalla Torre di Sopra e di Sotto Ma");
  ASSERT_EQ(r.summary.notRepresented.size(), 3u);
  EXPECT_EQ(r.summary.notRepresented[0],
            "@I2@, Name: cut to 40 characters, lost \"ria Teresa Giuseppina Caterina Elisabetta Antonia\"");
  EXPECT_EQ(r.summary.notRepresented[1],
            "@I2@ Pavan Dalla Torre di Sopra e di Sotto Ma, Death place: cut to 20 characters, lost \" Pietro e Paolo "
            "Apostoli, Sacile, Pordenone, Friuli-Venezia Giulia, Italia\"");
  EXPECT_EQ(r.summary.notRepresented[2].substr(0, 65),
            "@I2@ Pavan Dalla Torre di Sopra e di Sotto Ma, Notes: cut to 220 ");
}

TEST(GedcomImport, APersonInTwoFamiliesGetsTheLoadersLinkLines) {
  test::TempDir dir;
  auto r = importData(dir, "two_families.ged");
  ASSERT_TRUE(r.summary.ok);
  // Children by child: husband then wife of the first birth family.
  EXPECT_EQ(r.children, "4,1\r\n4,2\r\n5,1\r\n5,3\r\n6,1\r\n6,2\r\n");
  // One line per individual, to the spouse of its first family.
  EXPECT_EQ(r.spouses, "1,2\r\n2,1\r\n3,1\r\n7,8\r\n8,7\r\n");
  EXPECT_EQ(r.records[0].trimmed(MarriageDate), "15/04/1855");
  EXPECT_EQ(r.records[0].trimmed(MarriagePlace), "Caneva");
  EXPECT_EQ(r.records[2].trimmed(MarriageDate), "20/10/1864");
  EXPECT_EQ(r.records[6].trimmed(MarriageDate), "0/0/1870");
  // The marriage of @F3@ is neither spouse's main one: both keep it in the notes.
  EXPECT_EQ(r.records[2].trimmed(Notes), "Marriage 2: 1880 with Moro Marco\r\nDivorce from Moro Marco");
  EXPECT_EQ(r.records[6].trimmed(Notes),
            "Marriage 2: 1880 with Bortolin Elisabetta\r\nDivorce from Bortolin Elisabetta");
  EXPECT_EQ(r.records[0].trimmed(Notes), "");  // @F2@ is held by Elisabetta's own record
  std::vector<std::string> expected = {
      "@I6@ Pavan Rosa: PEDI ADOPTED @F2@ not linked (birth parents only)",
      "@F3@ @I7@ Moro Marco and @I3@ Bortolin Elisabetta: couple not linked (each has another first spouse, "
      "no children together)",
  };
  EXPECT_EQ(r.summary.notRepresented, expected);
  EXPECT_TRUE(r.summary.skippedTags.empty());
  EXPECT_EQ(r.summary.toNotes, (std::map<std::string, int>{{"Divorce", 2}, {"Marriage", 2}}));
  std::vector<std::string> listed = {"@I3@ Bortolin Elisabetta, in the notes: Marriage 2: 1880 with Moro Marco",
                                     "@I7@ Moro Marco, in the notes: Marriage 2: 1880 with Bortolin Elisabetta"};
  EXPECT_EQ(r.summary.warnings, listed);
  EXPECT_EQ(r.summary.childLinks, 6);
  EXPECT_EQ(r.summary.spouseLinks, 5);
}

TEST(GedcomImport, TheLoaderReadsTheImportedLinksAsIntended) {
  test::TempDir dir;
  importData(dir, "two_families.ged");
  Tables t;
  LoadNotes notes;
  FileSet files = FileSetFor(dir.file("new.rni"));
  LoadIndividuals(t, files.IndividualsFile, nullptr, notes);
  LoadChildLinks(t, files.ChildrenFile, nullptr, notes);
  LoadSpouseLinks(t, files.SpousesFile, nullptr, notes);
  EXPECT_TRUE(notes.lines.empty());
  EXPECT_EQ(t.Parent1[7], 2);  // Rosa (record 6): father Giuseppe (record 1)
  EXPECT_EQ(t.Parent2[7], 3);  // and mother Lucia, not the adoptive Elisabetta
  EXPECT_EQ(t.Spouse[4], 2);   // Elisabetta's first family is with Giuseppe
  EXPECT_EQ(t.Spouse[2], 3);   // Giuseppe's is with Lucia
}

TEST(GedcomImport, MalformedLinesAndUnknownTagsDoNotStopTheImport) {
  test::TempDir dir;
  auto r = importData(dir, "malformed.ged");
  ASSERT_TRUE(r.summary.ok);
  ASSERT_EQ(r.records.size(), 2u);
  EXPECT_EQ(r.records[0].trimmed(BirthPlace), "Sacile");
  EXPECT_EQ(r.records[1].trimmed(Name), "Pavan Secondo");
  ASSERT_EQ(r.summary.problems.size(), 6u);
  EXPECT_EQ(r.summary.problems.back(), "line 18: FAMC @F9@ is not a family of the file");
  std::map<std::string, int> skipped = {{"INDI._CUSTOM", 1}, {"INDI._UID", 1}, {"SOUR", 1}};
  EXPECT_EQ(r.summary.skippedTags, skipped);
}

TEST(GedcomImport, AnEmptyIndividualKeepsItsSlotBlank) {
  test::TempDir dir;
  auto r = ImportText(dir,
                      "0 HEAD\n0 @I1@ INDI\n1 NAME A /B/\n0 @I2@ INDI\n0 @I3@ INDI\n0 @I4@ INDI\n1 NAME C /D/\n"
                      "0 @F1@ FAM\n1 HUSB @I3@\n1 CHIL @I4@\n");
  ASSERT_EQ(r.records.size(), 4u);
  EXPECT_EQ(r.records[1], PersonRecord());    // nothing at all: an empty slot
  EXPECT_EQ(r.records[2].trimmed(Num), "3");  // named by a family: an individual
  EXPECT_EQ(r.children, "4,3\r\n");
}

std::string chainOfGenerations(int count) {
  std::string text = "0 HEAD\n1 CHAR UTF-8\n";
  for (int i = 1; i <= count; ++i)
    text += "0 @I" + std::to_string(i) + "@ INDI\n1 NAME N" + std::to_string(i) + " /Chain/\n";
  for (int i = 1; i < count; ++i)
    text += "0 @F" + std::to_string(i) + "@ FAM\n1 HUSB @I" + std::to_string(i) + "@\n1 CHIL @I" +
            std::to_string(i + 1) + "@\n";
  return text + "0 TRLR\n";
}

TEST(GedcomCapacity, MoreThan998IndividualsIsRefusedWithTheCount) {
  test::TempDir dir;
  auto r = ImportText(dir, chainOfGenerations(1200));
  EXPECT_FALSE(r.summary.ok);
  EXPECT_TRUE(r.summary.tooManyIndividuals);
  EXPECT_EQ(r.summary.error,
            "The file holds 1200 individuals; a database holds at most 998. Name the individual to import around.");
  EXPECT_FALSE(std::filesystem::exists(dir.file("new.rni")));
}

TEST(GedcomCapacity, AroundAPersonTheNearest998AreImported) {
  test::TempDir dir;
  GedcomImportOptions options;
  options.around = "I600";
  auto r = ImportText(dir, chainOfGenerations(1200), options);
  ASSERT_TRUE(r.summary.ok) << r.summary.error;
  EXPECT_EQ(r.summary.individuals, 998);
  EXPECT_EQ(r.summary.leftOut, 202);
  // Breadth first, parents before children: 499 generations up, 498 down.
  EXPECT_EQ(r.records.front().trimmed(Name), "Chain N101");
  EXPECT_EQ(r.records.back().trimmed(Name), "Chain N1098");
  EXPECT_EQ(r.children.substr(0, 10), "2,1\r\n3,2\r\n");
  EXPECT_EQ(r.summary.childLinks, 997);
  EXPECT_EQ(r.summary.notRepresented, std::vector<std::string>{"Links to individuals left out: 2"});
}

TEST(GedcomCapacity, AnUnknownCentreIsRefused) {
  test::TempDir dir;
  GedcomImportOptions options;
  options.around = "@I9999@";
  auto r = ImportText(dir, chainOfGenerations(5), options);
  EXPECT_FALSE(r.summary.ok);
  EXPECT_EQ(r.summary.error, "The file has no individual @I9999@");
}

TEST(GedcomImport, RefusalsWriteNothing) {
  test::TempDir dir;
  dir.write("new.rni", "old bytes");
  auto exists = ImportText(dir, "0 HEAD\n0 @I1@ INDI\n1 NAME A /B/\n");
  EXPECT_FALSE(exists.summary.ok);
  EXPECT_EQ(exists.summary.error.substr(0, 13), "The database ");
  EXPECT_EQ(dir.read("new.rni"), "old bytes");

  GedcomImportOptions replace;
  replace.replace = true;
  auto notGedcom = ImportText(dir, "\xFF\xD8\xFF\xE0 a picture", replace);
  EXPECT_FALSE(notGedcom.summary.ok);
  EXPECT_NE(notGedcom.summary.error.find("not a GEDCOM file"), std::string::npos);
  EXPECT_EQ(dir.read("new.rni"), "old bytes");

  auto replaced = ImportText(dir, "0 HEAD\n0 @I1@ INDI\n1 NAME A /B/\n", replace);
  EXPECT_TRUE(replaced.summary.ok);
  EXPECT_EQ(replaced.records.size(), 1u);
  EXPECT_FALSE(std::filesystem::exists(dir.file("new.rni.new")));
}

TEST(GedcomImport, ProgressReportsEachStage) {
  test::TempDir dir;
  dir.write("in.ged", chainOfGenerations(10));
  std::vector<ExchangeStage> stages;
  long lastIndividual = 0;
  ImportGedcom(dir.file("in.ged"), dir.file("p.rni"), {}, [&](ExchangeStage stage, long done, long total) {
    if (stages.empty() || stages.back() != stage) stages.push_back(stage);
    if (stage == ExchangeStage::Individuals) lastIndividual = done;
    EXPECT_LE(done, total);
  });
  std::vector<ExchangeStage> expected = {ExchangeStage::Reading, ExchangeStage::Individuals, ExchangeStage::Links,
                                         ExchangeStage::Writing};
  EXPECT_EQ(stages, expected);
  EXPECT_EQ(lastIndividual, 10);
}

}  // namespace
}  // namespace kord
