// import-gedcom, export-gedcom and import-csv run as a person runs them.

#include <gtest/gtest.h>

#include <filesystem>

#include "cli_run.h"

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

TEST(CliExchange, MalformedCallsAreUsageErrors) {
  test::TempDir dir;
  for (const auto& args : std::vector<std::vector<std::string>>{{"import-gedcom", "only.ged"},
                                                                {"export-gedcom", "db.rni"},
                                                                {"import-csv", "db.rni"},
                                                                {"import-gedcom", "a.ged", "b", "--around"}}) {
    auto r = RunKord(dir, args);
    EXPECT_EQ(r.status, 2) << args[0];
  }
}

}  // namespace
}  // namespace kord
