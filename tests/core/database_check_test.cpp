// The database check: each kind of broken link listed once with a text a
// person can act on, the repair of the obvious ones (and only those), the
// loader's report of the links the editor refuses, and an edit that keeps
// bad stored links.

#include <gtest/gtest.h>

#include <map>

#include "checks/database_check.h"
#include "db/load_tables.h"
#include "db_builder.h"
#include "records/record_card.h"
#include "test_support.h"

namespace kord {
namespace {

// Records (index = record + 1): 1 Rossi Mario, 2 Bianchi Anna, 3 Rossi Luigi,
// 4 Neri Carla, 5 Verdi Paolo, 6 Gialli Rosa, 7 Blu Piero, 8 Viola Sara,
// 9 Marrone Ugo, 10 blank, 11 Rosa Lia, 12 Neri Ada.
const std::vector<std::string> kNames = {"Rossi Mario", "Bianchi Anna", "Rossi Luigi", "Neri Carla",  "Verdi Paolo",
                                         "Gialli Rosa", "Blu Piero",    "Viola Sara",  "Marrone Ugo", "",
                                         "Rosa Lia",    "Neri Ada"};
const std::string kChildren =
    "3,1\r\n3,2\r\n4,4\r\n3,1\r\n4,70\r\n5,1\r\n5,2\r\n5,3\r\n6,10\r\n7,8\r\n8,7\r\nabc\r\n12,9\r\n";
const std::string kSpouses = "1,2\r\n2,1\r\n9,9\r\n11,3\r\n9,12\r\n12,9\r\n1,4\r\n";

/// The database with one of each problem; record 10 is all blanks.
FileSet writeDatabase(const test::TempDir& dir, const std::string& children = kChildren,
                      const std::string& spouses = kSpouses) {
  FileSet files = FileSetFor(test::DbBuilder(kNames, children, spouses).write(dir));
  std::string records = dir.read("fam.rni");
  records.replace(9 * kRecordLength, kRecordLength, std::string(kRecordLength, ' '));
  dir.write("fam.rni", records);
  return files;
}

std::map<LinkProblemKind, int> kindsOf(const DatabaseCheck& check) {
  std::map<LinkProblemKind, int> kinds;
  for (const LinkProblem& p : check.problems) ++kinds[p.kind];
  return kinds;
}

std::vector<std::string> textsOf(const DatabaseCheck& check) {
  std::vector<std::string> texts;
  for (const LinkProblem& p : check.problems) texts.push_back(p.text);
  return texts;
}

TEST(DatabaseCheck, ListsEachKindOfBrokenLinkOnceAndSaysWhatItIs) {
  test::TempDir dir;
  DatabaseCheck check = CheckDatabase(writeDatabase(dir), false);
  ASSERT_EQ(check.error, "");
  EXPECT_EQ(textsOf(check),
            (std::vector<std::string>{
                "fam.rnc, riga 3: Neri Carla (5) e' indicato come genitore di se stesso",
                "fam.rnc, riga 4: ripete la riga 1",
                "fam.rnc, riga 5: il record 70 non esiste",
                "fam.rnc, riga 9: il record 10 e' vuoto",
                "fam.rnc, riga 12: \"abc\" non sono due numeri di record",
                "fam.rns, riga 3: Marrone Ugo (10) e' indicato come coniuge di se stesso",
                "fam.rnc: Verdi Paolo (6) ha 3 righe di genitori (righe 6, 7, 8): valgono solo la prima e l'ultima",
                "fam.rns: Rossi Mario (2) ha 2 righe di coniuge (righe 1, 7): vale solo la prima",
                "Legami di parentela in cerchio: Blu Piero (8), Viola Sara (9): ognuno risulta antenato di se stesso",
                "Marrone Ugo (10) e Neri Ada (13) sono coniugi e uno e' genitore dell'altro",
                "Rosa Lia (12) ha per coniuge Rossi Luigi (4), ma non il contrario",
            }));
  EXPECT_EQ(kindsOf(check).size(), 11u) << "one problem of each kind";
  for (const LinkProblem& p : check.problems) {
    const bool obvious = p.kind == LinkProblemKind::SelfParent || p.kind == LinkProblemKind::SelfSpouse ||
                         p.kind == LinkProblemKind::DuplicateLine || p.kind == LinkProblemKind::MissingRecord ||
                         p.kind == LinkProblemKind::OneWaySpouse;
    EXPECT_EQ(p.repairable, obvious) << p.text;
  }
  EXPECT_EQ(CheckDatabase(FileSetFor(dir.file("fam.rni")), true).problems.at(2).text,
            "fam.rnc, line 5: there is no record 70");
}

TEST(DatabaseCheck, RepairFixesTheObviousOnesAndKeepsEveryOtherByte) {
  test::TempDir dir;
  FileSet files = writeDatabase(dir);
  DatabaseRepair repair = RepairDatabase(files, false);
  EXPECT_EQ(repair.error, "");
  EXPECT_EQ(repair.repaired.size(), 5u);
  EXPECT_EQ(dir.read("fam.rnc"), "3,1\r\n3,2\r\n5,1\r\n5,2\r\n5,3\r\n6,10\r\n7,8\r\n8,7\r\nabc\r\n12,9\r\n");
  EXPECT_EQ(dir.read("fam.rns"), "1,2\r\n2,1\r\n11,3\r\n9,12\r\n12,9\r\n1,4\r\n3,11\r\n");
  std::map<LinkProblemKind, int> left = kindsOf(repair.after);
  EXPECT_EQ(left, (std::map<LinkProblemKind, int>{{LinkProblemKind::UnreadableLine, 1},
                                                  {LinkProblemKind::EmptyRecord, 1},
                                                  {LinkProblemKind::ExtraParents, 1},
                                                  {LinkProblemKind::SpouseConflict, 1},
                                                  {LinkProblemKind::AncestorLoop, 1},
                                                  {LinkProblemKind::SpouseIsParent, 1}}));
  DatabaseRepair again = RepairDatabase(files, false);
  EXPECT_TRUE(again.repaired.empty()) << "nothing obvious is left";
  EXPECT_EQ(textsOf(again.after), textsOf(repair.after));
}

TEST(DatabaseCheck, OnlyObviousProblemsLeaveACleanDatabase) {
  test::TempDir dir;
  FileSet files = writeDatabase(dir, "3,1\r\n3,2\r\n3,3\r\n3,2\r\n4,0\r\n", "1,2\r\n2,1\r\n4,1500\r\n11,3\r\n");
  EXPECT_EQ(CheckDatabase(files, false).problems.size(), 5u);
  EXPECT_EQ(RepairDatabase(files, false).after.problems.size(), 0u);
  EXPECT_TRUE(CheckDatabase(files, false).problems.empty());
  EXPECT_EQ(dir.read("fam.rnc"), "3,1\r\n3,2\r\n");
}

TEST(DatabaseCheck, TheSampleIsClean) {
  FileSet files = FileSetFor(std::string(KORD_SAMPLE_DIR) + "/famiglia.rni");
  DatabaseCheck check = CheckDatabase(files, false);
  EXPECT_EQ(check.error, "");
  EXPECT_EQ(textsOf(check), std::vector<std::string>{}) << "a second marriage is not a one-way spouse link";
}

TEST(DatabaseCheck, AnUnreadableIndividualsFileIsAnError) {
  test::TempDir dir;
  DatabaseCheck check = CheckDatabase(FileSetFor(dir.file("none.rni")), true);
  EXPECT_NE(check.error, "");
  EXPECT_TRUE(check.problems.empty());
}

TEST(RefusedLinks, TheLoaderNamesTheLinksTheEditorRefuses) {
  test::TempDir dir;
  Tables t;
  LoadNotes notes;
  FileSet files = writeDatabase(dir, "4,4\r\n7,8\r\n8,7\r\n3,70\r\n", "9,9\r\n");
  LoadIndividuals(t, files.IndividualsFile, nullptr, notes);
  LoadChildLinks(t, files.ChildrenFile, nullptr, notes);
  LoadSpouseLinks(t, files.SpousesFile, nullptr, notes);
  EXPECT_EQ(
      RefusedLinks(t, false),
      (std::vector<std::string>{
          "Rossi Luigi (4): il genitore 71 non e' un individuo di questo database",
          "Neri Carla (5) risulta genitore di se stesso", "Marrone Ugo (10) risulta coniuge di se stesso",
          "Legami di parentela in cerchio: Blu Piero (8), Viola Sara (9): ognuno risulta antenato di se stesso"}));
}

TEST(RefusedLinks, AnEditIsJudgedOnlyByTheLinksItChanges) {
  test::TestSession t;
  test::TempDir dir;
  Session& s = t.session;
  s.files = writeDatabase(dir, "4,4\r\n7,8\r\n8,7\r\n", "");
  LoadNotes notes;
  LoadIndividuals(s.tables, s.files.IndividualsFile, nullptr, notes);
  LoadChildLinks(s.tables, s.files.ChildrenFile, nullptr, notes);
  LoadSpouseLinks(s.tables, s.files.SpousesFile, nullptr, notes);
  for (int stuck : {5, 8}) {  // Neri Carla her own parent, Blu Piero in a loop
    s.NInd[0] = stuck;
    EditFocusCard(s);
    s.editCard.Text1[Notes] = "Nota corretta";
    EXPECT_EQ(SaveEditCard(s).error, "") << "a notes-only change is saved";
  }
  s.NInd[0] = 8;
  EditFocusCard(s);
  s.editCard.parent2 = 2;  // a new parent beside the stored loop
  EXPECT_EQ(SaveEditCard(s).error, "");
  EXPECT_EQ(s.tables.Parent2[8], 2);
  s.NInd[0] = 2;
  EditFocusCard(s);
  s.editCard.parent1 = 8;  // Blu Piero descends from Rossi Mario now: refused
  EXPECT_NE(SaveEditCard(s).error, "");
}

}  // namespace
}  // namespace kord
