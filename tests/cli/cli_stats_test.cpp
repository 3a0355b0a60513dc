// kord stats on copies of the sample database with "today" fixed: the
// controls of the two statistics windows as the command prints them.

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "cli_run.h"

namespace kord {
namespace {

using test::RunKord;

const std::string kToday = "2026-12-08";

bool hasLine(const std::string& out, const std::string& line) {
  return ("\n" + out).find("\n" + line + "\n") != std::string::npos;
}

std::vector<std::string> linesStartingWith(const std::string& out, const std::string& prefix) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < out.size()) {
    std::size_t end = out.find('\n', start);
    std::string line = out.substr(start, end - start);
    if (line.rfind(prefix, 0) == 0) lines.push_back(line);
    if (end == std::string::npos) break;
    start = end + 1;
  }
  return lines;
}

std::string point(const std::string& chart, int row, int column, int value) {
  return chart + "(" + std::to_string(row) + "," + std::to_string(column) + ")=" + std::to_string(value);
}

TEST(CliStats, CenturiesOfTheSample) {
  test::TempDir dir;
  std::string db = test::CopySample(dir);
  auto r = RunKord(dir, {"stats", db, "centuries", "--today", kToday});
  ASSERT_EQ(r.status, 0) << r.err;
  // 29 men and 36 women; one record has no sex.
  EXPECT_EQ(r.out.rfind("NMaschi=29\nNFemmine=36\nTotali=65\nQuotatotale=0,446153846153846\n", 0), 0u) << r.out;

  const std::array<int, 9> males = {13, 10, 5, 1, 0, 0, 0, 0, 0};
  const std::array<int, 9> females = {16, 16, 4, 0, 0, 0, 0, 0, 0};
  const std::array<const char*, 9> labels = {"2000", "1900", "1800", "1700", "1600", "1500", "N.D.", "", ""};
  std::vector<std::string> grid = {"Grid1(0,0)=Secoli"};
  std::vector<std::string> graph1;
  for (int i = 0; i < 9; ++i) {
    const std::string row = "Grid1(" + std::to_string(i + 1);
    if (*labels[i]) grid.push_back(row + ",0)=" + labels[i]);
    grid.push_back(row + ",1)=" + std::to_string(males[i]));
    grid.push_back(row + ",2)=" + std::to_string(females[i]));
    graph1.push_back(point("Graph1", 1, i + 1, males[i]));
  }
  for (int i = 0; i < 9; ++i) graph1.push_back(point("Graph1", 2, i + 1, females[i]));
  EXPECT_EQ(linesStartingWith(r.out, "Grid1("), grid);
  EXPECT_EQ(linesStartingWith(r.out, "Graph1("), graph1) << "the empty tenth column is no data point";
  EXPECT_EQ(linesStartingWith(r.out, "Graph2("), (std::vector<std::string>{"Graph2(1,1)=29", "Graph2(2,1)=36"}));
  EXPECT_TRUE(r.out.ends_with("Graph2(2,1)=36\n"));
}

TEST(CliStats, DecadesOfTheSample) {
  test::TempDir dir;
  std::string db = test::CopySample(dir);
  auto r = RunKord(dir, {"stats", db, "decades", "--today", kToday});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out.rfind("NMaschi=29\nNFemmine=36\nTotali=65\nQuotatotale=0\n", 0), 0u) << r.out;
  for (const char* line : {"Grid1(0,0)=Anni", "Grid1(1,0)=Masc.", "Grid1(2,0)=Femm.", "Grid1(0,1)=026",
                           "Grid1(0,4)=996", "Grid1(0,39)=646", "Grid1(0,40)=>41"})
    EXPECT_TRUE(hasLine(r.out, line)) << line;
  EXPECT_EQ(linesStartingWith(r.out, "Grid1(").size(), 3u * 41u);

  const std::array<int, 40> males = {0, 1, 1, 1, 2, 1, 1, 3, 2, 1, 2, 1, 1, 2, 0, 1, 0, 1, 0, 2,
                                     0, 1, 2, 0, 1, 1, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0};
  const std::array<int, 40> females = {0, 0, 1, 1, 2, 3, 3, 3, 3, 0, 2, 2, 2, 2, 1, 1, 3, 0, 2, 1,
                                       0, 2, 0, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
  std::vector<std::string> graph1;
  for (int c = 0; c < 40; ++c) {
    graph1.push_back(point("Graph1", c + 1, 1, males[c]));
    graph1.push_back(point("Graph1", c + 1, 2, females[c]));
    EXPECT_TRUE(hasLine(r.out, "Grid1(1," + std::to_string(c + 1) + ")=" + std::to_string(males[c]))) << c;
  }
  EXPECT_EQ(linesStartingWith(r.out, "Graph1("), graph1);
  EXPECT_TRUE(linesStartingWith(r.out, "Graph2(").empty());
}

TEST(CliStats, TodayMovesTheCenturies) {
  test::TempDir dir;
  std::string db = test::CopySample(dir);
  auto r = RunKord(dir, {"stats", db, "centuries", "--today", "2126-01-01"});
  ASSERT_EQ(r.status, 0) << r.err;
  // A century later every birth moves one bucket on.
  for (const char* line : {"Grid1(1,0)=2100", "Grid1(1,1)=0", "Grid1(2,0)=2000", "Grid1(2,1)=13", "Grid1(3,1)=10",
                           "Grid1(5,0)=1700", "Grid1(5,1)=1"})
    EXPECT_TRUE(hasLine(r.out, line)) << line;
}

TEST(CliStats, AnAnsweredCorrectionCountsButIsNotSaved) {
  test::TempDir dir;
  std::string db = test::CopySample(dir);
  auto edited = RunKord(dir, {"edit", db, "--focus", "44", "2=circa 1950"});
  ASSERT_EQ(edited.status, 0) << edited.err;
  const std::string records = dir.read("sample/famiglia.rni");

  auto r = RunKord(dir, {"stats", db, "decades", "--today", kToday, "--answer", "0100"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(hasLine(r.out, "NMaschi=29"));
  EXPECT_TRUE(hasLine(r.out, "Quotatotale=1")) << "a year-100 date is a missing date";
  EXPECT_TRUE(hasLine(r.out, "Graph1(8,1)=2")) << "Pavan Paolo has left class 7";
  EXPECT_EQ(dir.read("sample/famiglia.rni"), records);

  auto cancelled = RunKord(dir, {"stats", db, "centuries", "--today", kToday});
  EXPECT_TRUE(hasLine(cancelled.out, "NMaschi=29")) << "still a man without a usable date";
  EXPECT_TRUE(hasLine(cancelled.out, "Graph1(1,1)=12"));
}

TEST(CliStats, BadCallsSayWhyAndChangeNothing) {
  test::TempDir dir;
  std::string db = test::CopySample(dir);
  const std::string records = dir.read("sample/famiglia.rni");
  auto kind = RunKord(dir, {"stats", db, "weeks"});
  EXPECT_EQ(kind.status, 2);
  EXPECT_NE(kind.err.find("centuries or decades"), std::string::npos) << kind.err;
  EXPECT_TRUE(kind.out.empty());

  auto missing = RunKord(dir, {"stats", dir.file("nowhere.rni"), "centuries"});
  EXPECT_NE(missing.status, 0);
  EXPECT_TRUE(missing.out.empty());

  auto today = RunKord(dir, {"stats", db, "centuries", "--today", "8/12/2026"});
  EXPECT_EQ(today.status, 2);
  EXPECT_NE(today.err.find("--today"), std::string::npos);
  EXPECT_EQ(dir.read("sample/famiglia.rni"), records);
}

}  // namespace
}  // namespace kord
