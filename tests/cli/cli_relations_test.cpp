// kord relation and kord verify run as a process on copies of the sample,
// the Marcon test family and the database of date problems.

#include <gtest/gtest.h>

#include <algorithm>

#include "cli_run.h"

namespace kord::test {
namespace {

/// Copies the test databases of tests/data/relations into `dir`/relations/.
std::string CopyRelations(const TempDir& dir, const std::string& base) {
  std::filesystem::copy(KORD_RELATIONS_DIR, dir.file("relations"), std::filesystem::copy_options::recursive);
  return dir.file("relations/" + base + ".rni");
}

std::size_t lineCount(const std::string& text) {
  return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
}

TEST(CliRelation, PrintsTheLineThenEachWayWithItsPath) {
  TempDir dir;
  std::string sample = CopySample(dir);
  auto siblings = RunKord(dir, {"relation", sample, "--focus", "55", "--second", "56"});
  EXPECT_EQ(siblings.status, 0) << siblings.err;
  EXPECT_EQ(siblings.out,
            "Parentela: sorella (tramite Pavan Sergio e Zanin Rita)\n\n"
            "sorella (tramite Pavan Sergio e Zanin Rita)\n"
            "  Pavan Andrea (55)\n"
            "  \xE2\x86\x92 padre: Pavan Sergio (41)\n"
            "  \xE2\x86\x92 figlia: Pavan Chiara (56)\n");
  auto english = RunKord(dir, {"relation", sample, "--focus", "30", "--second", "34", "--english"});
  EXPECT_EQ(english.out.substr(0, english.out.find('\n')),
            "Relationship: half first cousin once removed (via Pavan Giuseppe)");

  std::string family = CopyRelations(dir, "parentela");
  auto married = RunKord(dir, {"relation", family, "--focus", "26", "--second", "30"});
  EXPECT_EQ(married.out.substr(0, married.out.find("\n\n")),
            "Parentela: moglie; cugina di terzo grado (tramite Marcon Bortolo e Toffolo Anna)");
  EXPECT_NE(married.out.find("moglie\n  Marcon Mario (26)\n  \xE2\x86\x92 moglie: Bortolin Carla (30)\n\n"),
            std::string::npos)
      << married.out;
  auto strangers = RunKord(dir, {"relation", family, "--focus", "7", "--second", "8"});
  EXPECT_EQ(strangers.out, "Parentela: nessuna trovata\n");
}

TEST(CliRelation, MalformedCallsAreRefused) {
  TempDir dir;
  std::string sample = CopySample(dir);
  for (const auto& args : std::vector<std::vector<std::string>>{
           {"relation", sample, "--focus", "55"},
           {"relation", sample, "--focus", "55", "--second", "55"},
           {"relation", sample, "--focus", "55", "--second", "999"},
           {"verify", sample, "--max-age", "-1"},
       }) {
    auto r = RunKord(dir, args);
    EXPECT_EQ(r.status, 2) << args[2];
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err, "");
  }
}

TEST(CliVerify, TheSamplePrintsOnlyItsTwoIntendedFindings) {
  TempDir dir;
  auto r = RunKord(dir, {"verify", CopySample(dir), "--today", "2026-01-15"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out,
            "6 Pavan Girolamo: oltre 110 anni e nessuna data di morte (nascita 1776)\n"
            "23 Pavan Caterina: oltre 110 anni e nessuna data di morte (nascita 1883)\n");
  auto family = RunKord(dir, {"verify", CopyRelations(dir, "parentela"), "--today", "2026-01-15"});
  EXPECT_EQ(family.out, "");
}

TEST(CliVerify, OneLinePerProblemAndTheLimitsAsOptions) {
  TempDir dir;
  std::string db = CopyRelations(dir, "date-problems");
  auto all = RunKord(dir, {"verify", db, "--today", "2026-01-15", "--english"});
  EXPECT_EQ(all.status, 0) << all.err;
  EXPECT_EQ(lineCount(all.out), 16u) << all.out;
  EXPECT_EQ(all.out.substr(0, all.out.find('\n')),
            "2 Problema Data Illeggibile: date not recognised (death 31/02/1950)");
  auto limited = RunKord(dir, {"verify", db, "--today", "2026-01-15", "--max-age", "150", "--min-marriage-age", "10",
                               "--max-mother-age", "30"});
  EXPECT_EQ(lineCount(limited.out), 15u) << limited.out;
  EXPECT_EQ(limited.out.find("Problema Troppo Vecchio"), std::string::npos);
  EXPECT_EQ(limited.out.find("Problema Sposa Bambina"), std::string::npos);
  EXPECT_NE(limited.out.find("14 Problema Nato Dopo La Madre: nato dopo i 30 anni della madre"), std::string::npos);
}

TEST(CliVerify, FocusOnAFindingShowsItsCard) {
  TempDir dir;
  std::string db = CopyRelations(dir, "date-problems");
  auto r = RunKord(dir, {"verify", db, "--focus", "4"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out.substr(0, r.out.find("\nN.=")),
            "4 Problema Battesimo Prima: battesimo prima della nascita (nascita 10/05/1900, battesimo 01/05/1900)");
  EXPECT_NE(r.out.find("\nNome=Problema Battesimo Prima\n"), std::string::npos) << r.out;
  auto none = RunKord(dir, {"verify", db, "--focus", "9"});
  EXPECT_EQ(none.status, 1);
  EXPECT_EQ(none.err.substr(none.err.find("kord:")), "kord: individual 9 has no finding\n");
}

}  // namespace
}  // namespace kord::test
