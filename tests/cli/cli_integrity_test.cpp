// What a command must never do to stored data, run as a process: viewing
// keeps every date it cannot repair exactly, and line breaks never reach a
// record or the captions file.

#include <gtest/gtest.h>

#include <filesystem>

#include "cli_run.h"
#include "core/db_builder.h"

namespace kord {
namespace {

using test::RunKord;

/// The record `number` (from 1) of the individuals file `rni` as stored.
PersonRecord storedRecord(const test::TempDir& dir, int number, const std::string& rni = "fam.rni") {
  PersonRecord r;
  std::string bytes = dir.read(rni).substr((number - 1) * kRecordLength, kRecordLength);
  std::copy(bytes.begin(), bytes.end(), r.bytes().begin());
  return r;
}

/// A database whose three individuals have the given birth dates.
std::string databaseWithBirthDates(const test::TempDir& dir, const std::vector<std::string>& dates) {
  std::string db = test::DbBuilder({"Rossi Anna", "Rossi Bruno", "Rossi Carla"}, "", "").write(dir);
  std::string bytes = dir.read("fam.rni");
  for (std::size_t i = 0; i < dates.size(); ++i) {
    PersonRecord r = storedRecord(dir, static_cast<int>(i) + 1);
    r.set(BirthDate, dates[i]);
    bytes.replace(i * kRecordLength, kRecordLength, std::string(r.bytes().begin(), r.bytes().end()));
  }
  dir.write("fam.rni", bytes);
  return db;
}

TEST(CliViewing, OnlyAnExactYearOnlyBirthDateIsRepaired) {
  const std::vector<std::string> dates = {"10/0/1850", "dopo il 0/0/1850", "0/0/1850"};
  const std::vector<std::string> kept = {"10/0/1850", "dopo il 0/0/1850", "1850"};
  for (const std::string command : {"navigate", "book"}) {
    test::TempDir dir;
    std::string db = databaseWithBirthDates(dir, dates);
    if (command == "book")
      ASSERT_EQ(RunKord(dir, {"book", db, "--out-to-file"}).status, 0);
    else
      for (const std::string focus : {"2", "3", "4"})
        ASSERT_EQ(RunKord(dir, {command, db, "--focus", focus}).status, 0);
    for (int i = 0; i < 3; ++i)
      EXPECT_EQ(storedRecord(dir, i + 1).trimmed(BirthDate), kept[i]) << command << " on " << dates[i];
  }
}

TEST(CliLineBreaks, FieldsTakeThemAsBlanksAndCaptionsRefuseThem) {
  test::TempDir dir;
  std::string db = test::DbBuilder({"Rossi Anna"}, "", "").write(dir);
  auto edited = RunKord(dir, {"edit", db, "--focus", "2", "3=Sacile\nPordenone", "12=Sarta.\r\nMorta a Udine."});
  ASSERT_EQ(edited.status, 0) << edited.err;
  EXPECT_EQ(storedRecord(dir, 1).trimmed(BirthPlace), "Sacile Pordenone");
  EXPECT_EQ(storedRecord(dir, 1).trimmed(Notes), "Sarta.\r\nMorta a Udine.") << "the notes are multi-line";
  auto added = RunKord(dir, {"add", db, "1=Rossi\nBruno"});
  ASSERT_EQ(added.status, 0) << added.err;
  EXPECT_EQ(storedRecord(dir, 2).trimmed(Name), "Rossi Bruno");

  auto captions = RunKord(dir, {"captions", db, "1=Cognome", "3=Luogo\ndi nascita"});
  EXPECT_EQ(captions.status, 1);
  EXPECT_NE(captions.err.find("kord: La didascalia 3 va a capo: una didascalia e' di una sola riga\n"),
            std::string::npos)
      << captions.err;
  EXPECT_FALSE(std::filesystem::exists(dir.file("fam.rnk"))) << "nothing was written";
}

std::vector<std::string> outputLines(const std::string& out) {
  std::vector<std::string> lines;
  for (std::size_t start = 0, end; start < out.size(); start = end + 1) {
    end = out.find('\n', start);
    lines.push_back(out.substr(start, end - start));
  }
  return lines;
}

TEST(CliCheck, TheSampleIsCleanAndTheObviousProblemsAreRepaired) {
  test::TempDir dir;
  std::string db = test::CopySample(dir);
  auto clean = RunKord(dir, {"check", db});
  EXPECT_EQ(clean.status, 0);
  EXPECT_EQ(clean.out + clean.err, "") << "nothing to report on the sample";

  const std::string children = dir.read("sample/famiglia.rnc"), spouses = dir.read("sample/famiglia.rns");
  dir.write("sample/famiglia.rnc", children + "5,5\r\n" + children.substr(0, children.find('\n') + 1) + "7,900\r\n");
  dir.write("sample/famiglia.rns", spouses + "9,9\r\n");
  auto found = RunKord(dir, {"check", db, "--english"});
  EXPECT_EQ(found.status, 1);
  ASSERT_EQ(outputLines(found.out).size(), 4u) << found.out;
  EXPECT_EQ(outputLines(found.out)[2], "famiglia.rnc, line 87: there is no record 900");

  auto repaired = RunKord(dir, {"check", db, "--repair"});
  EXPECT_EQ(repaired.status, 0) << repaired.err;
  ASSERT_EQ(outputLines(repaired.out).size(), 4u) << repaired.out;
  for (const std::string& line : outputLines(repaired.out)) EXPECT_EQ(line.rfind("riparato: ", 0), 0u) << line;
  EXPECT_EQ(dir.read("sample/famiglia.rnc"), children) << "every other line kept byte for byte";
  EXPECT_EQ(dir.read("sample/famiglia.rns"), spouses);
  auto again = RunKord(dir, {"check", db});
  EXPECT_EQ(again.status, 0);
  EXPECT_EQ(again.out, "");
}

TEST(CliCheck, WhatHasNoObviousFixIsListedAndLeftAlone) {
  test::TempDir dir;
  std::string db = test::DbBuilder({"Rossi Anna", "Rossi Bruno"}, "1,2\r\n2,1\r\n", "").write(dir);
  const std::string loop =
      "Legami di parentela in cerchio: Rossi Anna (2), Rossi Bruno (3): ognuno risulta antenato "
      "di se stesso\n";
  for (bool repair : {false, true}) {
    auto r = RunKord(
        dir, repair ? std::vector<std::string>{"check", db, "--repair"} : std::vector<std::string>{"check", db});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, loop);
  }
  EXPECT_EQ(dir.read("fam.rnc"), "1,2\r\n2,1\r\n");
  auto wrongFile = RunKord(dir, {"check", dir.file("fam.rnc"), "--repair"});
  EXPECT_EQ(wrongFile.status, 2) << "only an individuals file names a database";
  EXPECT_EQ(dir.read("fam.rnc"), "1,2\r\n2,1\r\n");
}

TEST(CliLinks, TheLoaderNamesRefusedLinksAndAnEditKeepsThem) {
  test::TempDir dir;
  std::string db = test::DbBuilder({"Rossi Anna", "Rossi Bruno"}, "1,1\r\n2,7\r\n", "").write(dir);
  auto info = RunKord(dir, {"info", db});
  EXPECT_NE(info.err.find("Rossi Anna (2) risulta genitore di se stesso"), std::string::npos) << info.err;
  EXPECT_NE(info.err.find("Rossi Bruno (3): il genitore 8 non e' un individuo di questo database"), std::string::npos);
  auto edited = RunKord(dir, {"edit", db, "--focus", "2", "12=Nota"});
  EXPECT_EQ(edited.status, 0) << edited.err;
  EXPECT_EQ(storedRecord(dir, 1).trimmed(Notes), "Nota");
  EXPECT_EQ(dir.read("fam.rnc"), "1,1\r\n2,7\r\n") << "the links are the person's to mend";
}

}  // namespace
}  // namespace kord
