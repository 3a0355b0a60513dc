// import-gedcom, export-gedcom and import-csv run as a person runs them.

#include <gtest/gtest.h>

#include <filesystem>

#include "cli_run.h"
#include "db/csv_fields.h"
#include "db/person_record.h"

namespace kord {
namespace {

using test::RunKord;

TEST(CliGedcom, ExportThenImportGivesTheSampleBack) {
  test::TempDir dir;
  std::string db = test::CopySample(dir);
  auto exported = RunKord(dir, {"export-gedcom", db, "fam.ged", "--english"});
  EXPECT_EQ(exported.status, 0) << exported.err;
  EXPECT_EQ(exported.out, "Individuals: 65\nFamilies: 23\nChild-parent links: 84\nCouples: 21\n");

  // Our own file comes back exactly whichever name order is asked for.
  auto imported = RunKord(dir, {"import-gedcom", "fam.ged", "back", "--given-first", "--english"});
  EXPECT_EQ(imported.status, 0) << imported.err;
  EXPECT_EQ(imported.out,
            "Individuals: 66\nChild-parent links: 84\nSpouse links: 39\nCharacter set: UTF-8\n"
            "Not imported: INDI.OBJE 11\n");  // the portraits stay where they are
  for (const char* ext : {".rni", ".rnc", ".rns", ".rnt"})
    EXPECT_EQ(dir.read(std::string("back") + ext), dir.read(std::string("sample/famiglia") + ext)) << ext;

  auto info = RunKord(dir, {"info", dir.file("back.rni"), "--english"});
  EXPECT_EQ(info.out, "Loaded 66 Individuals \nLoaded 84 Childrens \nLoaded 39 Families \nKord\n");
}

TEST(CliGedcom, AnExistingDatabaseIsReplacedOnlyWhenAsked) {
  test::TempDir dir;
  dir.write("in.ged", "0 HEAD\n1 CHAR UTF-8\n0 @I1@ INDI\n1 NAME Luca /Pavan/\n0 TRLR\n");
  dir.write("fam.rni", "keep me");
  auto refused = RunKord(dir, {"import-gedcom", "in.ged", "fam.rni"});
  EXPECT_EQ(refused.status, 1);
  EXPECT_EQ(refused.err,
            "kord: the database " + dir.file("fam.rni") + " already exists; add --replace to replace it\n");
  EXPECT_EQ(dir.read("fam.rni"), "keep me");

  auto replaced = RunKord(dir, {"import-gedcom", "in.ged", "fam.rni", "--replace"});
  EXPECT_EQ(replaced.status, 0) << replaced.err;
  EXPECT_EQ(replaced.out, "Individui: 1\nLegami figlio-genitore: 0\nLegami coniugali: 0\nCodifica: UTF-8\n");
  EXPECT_EQ(dir.read("fam.rni").size(), 526u);
}

TEST(CliGedcom, TooManyIndividualsNeedsACentre) {
  test::TempDir dir;
  std::string text = "0 HEAD\n1 CHAR UTF-8\n";
  for (int i = 1; i <= 1000; ++i)
    text += "0 @I" + std::to_string(i) + "@ INDI\n1 NAME N" + std::to_string(i) + " /X/\n";
  for (int i = 1; i < 1000; ++i)
    text += "0 @F" + std::to_string(i) + "@ FAM\n1 HUSB @I" + std::to_string(i) + "@\n1 CHIL @I" +
            std::to_string(i + 1) + "@\n";
  dir.write("big.ged", text + "0 TRLR\n");

  auto refused = RunKord(dir, {"import-gedcom", "big.ged", "big", "--english"});
  EXPECT_EQ(refused.status, 1);
  EXPECT_EQ(
      refused.err,
      "kord: The file holds 1000 individuals; a database holds at most 998. Name the individual to import around.\n"
      "kord: add --around XREF to import the 998 nearest that individual\n");
  EXPECT_FALSE(std::filesystem::exists(dir.file("big.rni")));

  auto around = RunKord(dir, {"import-gedcom", "big.ged", "big", "--around", "I1", "--english"});
  EXPECT_EQ(around.status, 0) << around.err;
  EXPECT_EQ(
      around.out,
      "Individuals: 998\nChild-parent links: 997\nSpouse links: 0\nIndividuals left out: 2\nCharacter set: UTF-8\n"
      "Not represented (1):\n  Links to individuals left out: 1\n");
}

TEST(CliCsv, AddsTheLinesAndPrintsWhatWasSkipped) {
  test::TempDir dir;
  std::string db = test::CopySample(dir);
  dir.write("new.csv",
            "Nome,Data Nascita,Luogo Nascita,,,,,,,,,Note,Sesso\nPavan Nuovo,1990,Sacile,,,,,,,,,,M\nsolo nome\n");
  auto r = RunKord(dir, {"import-csv", db, "new.csv", "--english"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out,
            "Individuals: 1\nChild-parent links: 0\nSpouse links: 0\nCharacter set: ASCII\n"
            "Lines not read (1):\n  line 3: 13 fields expected, found 1\n");
  EXPECT_EQ(dir.read("sample/famiglia.rni").size(), 67u * 526u);
  auto search = RunKord(dir, {"search", db, "Pavan Nuovo"});
  EXPECT_NE(search.out.find("Pavan Nuovo"), std::string::npos);
}

TEST(CliCsv, TheReportsCsvImportsBackWhole) {
  test::TempDir dir;
  std::string db = test::CopySample(dir);
  std::string all = "1,2,3,4,5,6,7,8,9,10,11,12,13";
  ASSERT_EQ(RunKord(dir, {"report", db, "--fields", all, "--csv", "all.csv"}).status, 0);
  ASSERT_EQ(RunKord(dir, {"create", "copy"}).status, 0);
  auto imported = RunKord(dir, {"import-csv", dir.file("copy.rni"), "all.csv", "--english"});
  EXPECT_EQ(imported.status, 0) << imported.err;
  EXPECT_EQ(imported.out.substr(0, 16), "Individuals: 65\n");  // every record but the blank one
  // The stored text of fields 1..12 comes back; only the lower-case sex is stored in upper case.
  std::string fields = "1,2,3,4,5,6,7,8,9,10,11,12";
  ASSERT_EQ(RunKord(dir, {"report", db, "--fields", fields, "--csv", "before.csv"}).status, 0);
  ASSERT_EQ(RunKord(dir, {"report", dir.file("copy.rni"), "--fields", fields, "--csv", "after.csv"}).status, 0);
  std::string withoutBlankRecord;
  for (const auto& row : SplitLines(dir.read("before.csv")))
    if (row.find_first_not_of("\" ,") != std::string::npos) withoutBlankRecord += row + "\r\n";
  EXPECT_EQ(dir.read("after.csv"), withoutBlankRecord);
}

TEST(CliCsv, AFullDatabaseLeavesLinesOutAndSaysHowMany) {
  test::TempDir dir;
  std::string bytes;
  for (int i = 1; i <= 997; ++i) {
    PersonRecord r;
    r.set(Num, std::to_string(i));
    r.set(Name, "Pavan N" + std::to_string(i));
    bytes.append(r.bytes().begin(), r.bytes().end());
  }
  dir.write("full.rni", bytes);
  dir.write("full.rnc", "");
  dir.write("full.rns", "");
  dir.write("full.rnt", "0\r\n");
  dir.write("more.csv", "Uno,,,,,,,,,,,,M\nDue,,,,,,,,,,,,F\nTre,,,,,,,,,,,,M\n");
  auto r = RunKord(dir, {"import-csv", dir.file("full.rni"), "more.csv", "--english"});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(
      r.out,
      "Individuals: 1\nChild-parent links: 0\nSpouse links: 0\nCharacter set: ASCII\n"
      "Lines not imported, database full: 2\n"
      "Lines not read (1):\n  line 2: database full (998 individuals): this line and the following not imported\n");
  EXPECT_EQ(dir.read("full.rni").size(), 998u * kRecordLength);
}

TEST(CliExchange, MalformedCallsAreUsageErrors) {
  test::TempDir dir;
  for (const auto& args :
       std::vector<std::vector<std::string>>{{"import-gedcom", "only.ged"},
                                             {"export-gedcom", "db.rni"},
                                             {"import-csv", "db.rni"},
                                             {"import-gedcom", "a.ged", "b", "--around"},
                                             {"import-gedcom", "a.ged", "b", "--given-first", "--surname-first"}}) {
    auto r = RunKord(dir, args);
    EXPECT_EQ(r.status, 2) << args[0];
  }
}

}  // namespace
}  // namespace kord
