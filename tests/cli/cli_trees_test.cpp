// kord roots, branches and kin run as a process on copies of the sample:
// the printed windows, the tree files against the golden files, the history,
// the printout and the refusals.

#include <gtest/gtest.h>

#include <filesystem>

#include "cli_run.h"

namespace kord {
namespace {

using test::RunKord;

const std::string kGolden = std::string(KORD_SAMPLE_DIR) + "/../../tests/golden/trees/";

std::string readGolden(const std::string& name) {
  std::ifstream in(kGolden + name, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

/// The sample in `dir`/sample/ with the tree templates in `dir`, as installed.
std::string CopySampleWithTemplates(const test::TempDir& dir) {
  for (const auto& entry : std::filesystem::directory_iterator(std::string(KORD_SAMPLE_DIR) + "/.."))
    if (entry.path().extension() == ".hts") std::filesystem::copy(entry.path(), dir.file(entry.path().filename()));
  return test::CopySample(dir);
}

TEST(CliTrees, SampleTreesMatchTheGoldenFilesByteForByte) {
  struct Case {
    std::string golden, command, focus, file;
    bool card;
  };
  const Case cases[] = {
      {"roots", "roots", "67", "Pavan Leonardo Root", false},
      {"roots-card", "roots", "67", "Pavan Leonardo Root", true},
      {"branches", "branches", "2", "Pavan Giovanni Battista Branch", false},
      {"branches-card", "branches", "2", "Pavan Giovanni Battista Branch", true},
  };
  for (const Case& c : cases) {
    test::TempDir dir;
    std::string db = CopySampleWithTemplates(dir);
    std::vector<std::string> args = {c.command, db, "--focus", c.focus, "--out-to-file"};
    if (c.card) args.push_back("--card");
    auto r = RunKord(dir, args);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, readGolden(c.golden + ".out")) << c.golden;
    EXPECT_EQ(dir.read("sample/" + c.file + ".txt"), readGolden(c.golden + ".txt")) << c.golden;
    EXPECT_EQ(dir.read("sample/" + c.file + ".html"), readGolden(c.command + ".html")) << c.golden;
  }
}

TEST(CliTrees, HistoryPrintoutAndNoTextFileWithoutFileOutput) {
  test::TempDir dir;
  std::string db = CopySampleWithTemplates(dir);
  auto roots = RunKord(dir, {"roots", db, "--focus", "67", "--print"});
  ASSERT_EQ(roots.status, 0) << roots.err;
  auto branches = RunKord(dir, {"branches", db, "--focus", "57"});
  std::string history = dir.read("sample/famiglia.His");
  EXPECT_NE(history.find("\"Prodotto pagina appartenenze di: Pavan Leonardo\r\n\"\r\n"), std::string::npos) << history;
  EXPECT_NE(history.find("\"Prodotto pagina albero da: Pavan Luca\r\n\"\r\n"), std::string::npos) << history;
  std::string printout = dir.read("sample/Pavan Leonardo Root.prn");
  EXPECT_EQ(printout.rfind("Pavan Leonardo (67)\r\n  \xE2\x94\x9C\xE2\x94\x80Pavan Luca\r\n", 0), 0u) << printout;
  EXPECT_NE(roots.err.find("Stampa salvata nel file "), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(dir.file("sample/Pavan Leonardo Root.txt")));
  EXPECT_TRUE(std::filesystem::exists(dir.file("sample/Pavan Luca Branch.html"))) << "the page is always written";
}

TEST(CliTrees, OutlineDataMarksAndGenerationLimit) {
  test::TempDir dir;
  std::string db = CopySampleWithTemplates(dir);
  auto outline = RunKord(dir, {"branches", db, "--focus", "57", "--outline", "--data", "--mark", "67"});
  EXPECT_EQ(outline.status, 0) << outline.err;
  EXPECT_EQ(outline.out, "57\t0\tPavan Luca (57)\n67\t1\t  (Rossi Francesca) Pavan Leonardo    ****<>****\n");
  auto limited = RunKord(dir, {"branches", db, "--focus", "34", "--generations", "1", "--data"});
  EXPECT_EQ(limited.out,
            "34\tPavan Mario (34)\n44\t  \xE2\x94\x9C\xE2\x94\x80(Bortolin Franca) Pavan Paolo\n"
            "45\t  \xE2\x94\x9C\xE2\x94\x80(Bortolin Franca) Pavan Anna\n"
            "46\t  \xE2\x94\x94\xE2\x94\x80(Bortolin Franca) Pavan D\xC3\xA9"
            "bora\n");
}

TEST(CliTrees, KinPrintsTheSearchAndTheCommonRelatives) {
  test::TempDir dir;
  std::string db = CopySampleWithTemplates(dir);
  auto siblings = RunKord(dir, {"kin", db, "--focus", "55", "--second", "56"});
  EXPECT_EQ(siblings.status, 0) << siblings.err;
  std::string tail =
      "\n\nPrimi Antenati comuni: Pavan Sergio, Zanin Rita\n"
      "Parentela: sorella (tramite Pavan Sergio e Zanin Rita)\nFirstCommon=41\nSecondCommon=50\n";
  EXPECT_EQ(siblings.out.substr(siblings.out.size() - tail.size()), tail) << siblings.out;
  EXPECT_EQ(siblings.out.rfind("Pavan Andrea (55)\n", 0), 0u);
  auto none = RunKord(dir, {"kin", db, "--focus", "57", "--second", "41", "--descendants", "--out-to-file"});
  EXPECT_NE(none.out.find("Primi Discendenti comuni:  Non trovati Discendenti comuni\nParentela: cugino unilaterale "
                          "di primo grado, di una generazione di distanza (tramite Pavan Nicol\xC3\xB2 Giuseppe)\n"
                          "FirstCommon=-1\nSecondCommon=-1\n"),
            std::string::npos)
      << none.out;
  std::string listing = dir.read("sample/kord.kor");
  std::string end = "(Zanin Rita) Pavan Chiara\r\n\r\n\r\n Non trovati Discendenti comuni\r\n";
  ASSERT_GE(listing.size(), end.size());
  EXPECT_EQ(listing.substr(listing.size() - end.size()), end) << "only the texts, the answer without its prefix";
}

TEST(CliTrees, MalformedCallsAreRefused) {
  test::TempDir dir;
  std::string db = CopySampleWithTemplates(dir);
  const std::vector<std::vector<std::string>> usage = {
      {"roots", db},
      {"branches", db, "--focus", "999"},
      {"branches", db, "--focus", "2", "--mark", "3", "--mark", "4", "--mark", "5"},
      {"kin", db, "--focus", "55"},
      {"roots", db, "--focus", "2", "--generations", "many"},
  };
  for (const auto& args : usage) {
    auto r = RunKord(dir, args);
    EXPECT_EQ(r.status, 2) << args.back();
    EXPECT_EQ(r.out, "") << args.back();
  }
  auto missing = RunKord(dir, {"roots", dir.file("none.rni"), "--focus", "2"});
  EXPECT_EQ(missing.status, 1);
}

}  // namespace
}  // namespace kord
