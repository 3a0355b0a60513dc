// The foundation commands run as a person runs them: info, create, card, date.

#include <gtest/gtest.h>

#include <filesystem>

#include "cli_run.h"

namespace kord {
namespace {

using test::RunKord;

TEST(CliInfo, PrintsTheLoadTextsAndModeOfTheSample) {
  test::TempDir dir;
  std::string db = test::CopySample(dir);
  auto r = RunKord(dir, {"info", db});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "Caricati 66 Individui \nCaricati 84 discendenze    \nCaricati 39 coniugi    \nKord\n");
  EXPECT_EQ(r.err, "Database OK. Creare o Selezionare un individuo!\n");
  std::string history = dir.read("sample/famiglia.His");
  EXPECT_NE(history.find(" - Elaborazioni su: " + db + "\r\n\"\r\n"), std::string::npos);
  EXPECT_EQ(history.front(), '"');

  auto english = RunKord(dir, {"info", db, "--english"});
  EXPECT_EQ(english.out, "Loaded 66 Individuals \nLoaded 84 Childrens \nLoaded 39 Families \nKord\n");
  EXPECT_EQ(english.err, "Database OK. Create or Select a member!\n");
  EXPECT_EQ(dir.read("sample/famiglia.His").size(), 2 * history.size()) << "appended, not replaced";
}

TEST(CliInfo, MissingOrMalformedDatabasesFailWithTheirMessage) {
  test::TempDir dir;
  auto missing = RunKord(dir, {"info", dir.file("none.rni")});
  EXPECT_EQ(missing.status, 1);
  EXPECT_EQ(missing.err, "Nome File errato\nkord: no database was loaded\n");
  EXPECT_EQ(missing.out, "");

  dir.write("bad.rni", std::string(600, ' '));
  dir.write("bad.rnc", "x\r\n");
  auto bad = RunKord(dir, {"info", dir.file("bad.rni"), "--english"});
  EXPECT_EQ(bad.status, 0);
  EXPECT_EQ(bad.out, "Loaded 1 Individuals \nLoaded 0 Childrens \nLoaded 0 Families \nKord\n");
  EXPECT_NE(bad.err.find("bad.rni: the last 74 bytes are not a whole record and were not read"), std::string::npos);
  EXPECT_NE(bad.err.find("bad.rnc: line 1: expected two numbers separated by a comma, line skipped"),
            std::string::npos);
  EXPECT_NE(bad.err.find("bad.rns: the file cannot be read"), std::string::npos);
  EXPECT_EQ(dir.read("bad.rni"), std::string(600, ' '));
}

TEST(CliCreate, CreatesBothModesAndNeverReplacesUnasked) {
  test::TempDir dir;
  auto kord = RunKord(dir, {"create", "fam.dat"});
  EXPECT_EQ(kord.status, 0);
  EXPECT_EQ(kord.err, "Crea File con dati personali generici\n");
  EXPECT_EQ(dir.read("fam.rnt"), "0\r\n");
  EXPECT_TRUE(std::filesystem::exists(dir.file("fam.rni")));
  EXPECT_FALSE(std::filesystem::exists(dir.file("fam.dat.rni")));

  dir.write("fam.rnc", "1,0\r\n");
  auto again = RunKord(dir, {"create", "fam", "--scout"});
  EXPECT_EQ(again.status, 1);
  EXPECT_NE(again.err.find("already exists; add --replace"), std::string::npos);
  EXPECT_EQ(dir.read("fam.rnc"), "1,0\r\n");

  auto replaced = RunKord(dir, {"create", "fam", "--scout", "--replace"});
  EXPECT_EQ(replaced.status, 0);
  EXPECT_EQ(replaced.err, "Crea File con Dati per AGESCI\n");
  EXPECT_EQ(dir.read("fam.rnc"), "");
  EXPECT_EQ(dir.read("fam.rnt"), "1\r\n");
  auto info = RunKord(dir, {"info", "fam.rni"});
  EXPECT_EQ(info.out, "Caricati 0 Individui \nCaricati 0 discendenze    \nCaricati 0 coniugi    \nScout\n");
}

TEST(CliCard, PrintsEveryFieldOfTheFocusWithItsCaption) {
  test::TempDir dir;
  std::string db = test::CopySample(dir);
  auto r = RunKord(dir, {"card", db, "--focus", "2"});
  EXPECT_EQ(r.status, 0) << r.err;
  std::vector<std::string> lines;
  for (std::size_t start = 0, end; (end = r.out.find('\n', start)) != std::string::npos; start = end + 1)
    lines.push_back(r.out.substr(start, end - start));
  ASSERT_EQ(lines.size(), 14u);
  EXPECT_EQ(lines[0], "N.=1");
  EXPECT_EQ(lines[1].rfind("Nome=Pavan Giovanni Battista", 0), 0u);
  EXPECT_EQ(lines[13].rfind("Sesso=", 0), 0u);

  auto accented = RunKord(dir, {"card", db, "--focus", "36"});
  EXPECT_NE(accented.out.find("Nome=Pavan Gio\xC3\xA8\n"), std::string::npos) << "UTF-8 on standard output";
}

TEST(CliCard, RefusesFocusValuesThatAreNotIndividuals) {
  test::TempDir dir;
  std::string db = test::CopySample(dir);
  for (const char* focus : {"0", "1", "68", "-3"}) {
    auto r = RunKord(dir, {"card", db, "--focus", focus});
    EXPECT_EQ(r.status, 2) << focus;
    EXPECT_NE(r.err.find("is not an individual of this database (2..67)"), std::string::npos) << r.err;
    EXPECT_EQ(r.out, "");
  }
  auto text = RunKord(dir, {"card", db, "--focus", "due"});
  EXPECT_EQ(text.status, 2);
  EXPECT_EQ(text.err.rfind("kord: --focus takes a whole number, not \"due\"\n", 0), 0u);
}

TEST(CliDate, NormalisesLikeTheStatisticsDo) {
  struct Case {
    std::vector<std::string> args;
    const char* out;
  };
  const Case cases[] = {
      {{"12031950"}, "12/03/1950\n1950\n"},
      {{"19??"}, "0/13/1900\n1900\n"},
      {{"185_"}, "0/13/1850\n1850\n"},
      {{"1950"}, "0/0/1950\n1950\n"},
      {{" 12 marzo 1950 "}, "12 MARZO 1950\n1950\n"},
      {{"1950 3 12"}, "3/12/1950\n1950\n"},
      {{"circa 1950"}, "\n-\n"},
      {{"circa 1950", "--answer", "1/3/1950"}, "1/3/1950\n1950\n"},
      {{"1/1/28", "--today", "2026-12-08"}, "1/1/28\n1928\n"},
      {{"1/1/28", "--today", "2029-01-01"}, "1/1/28\n2028\n"},
  };
  test::TempDir dir;
  for (const auto& c : cases) {
    std::vector<std::string> args = {"date"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    auto r = RunKord(dir, args);
    EXPECT_EQ(r.status, 0) << c.args[0];
    EXPECT_EQ(r.out, c.out) << c.args[0];
  }
  auto badToday = RunKord(dir, {"date", "1950", "--today", "tomorrow"});
  EXPECT_EQ(badToday.status, 2);
}

}  // namespace
}  // namespace kord
