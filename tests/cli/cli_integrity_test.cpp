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
      for (const std::string focus : {"2", "3", "4"}) ASSERT_EQ(RunKord(dir, {command, db, "--focus", focus}).status, 0);
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
  EXPECT_EQ(storedRecord(dir, 1).trimmed(Notes), "Sarta. Morta a Udine.");
  auto added = RunKord(dir, {"add", db, "1=Rossi\nBruno"});
  ASSERT_EQ(added.status, 0) << added.err;
  EXPECT_EQ(storedRecord(dir, 2).trimmed(Name), "Rossi Bruno");

  auto captions = RunKord(dir, {"captions", db, "1=Cognome", "3=Luogo\ndi nascita"});
  EXPECT_EQ(captions.status, 1);
  EXPECT_NE(captions.err.find("kord: La didascalia 3 va a capo: una didascalia e' di una sola riga\n"),
            std::string::npos) << captions.err;
  EXPECT_FALSE(std::filesystem::exists(dir.file("fam.rnk"))) << "nothing was written";
}

}  // namespace
}  // namespace kord
