// The list and report commands on copies of the sample.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <sstream>

#include "cli_run.h"

namespace kord {
namespace {

using test::RunKord;

std::vector<std::string> linesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

TEST(CliList, RootsAndLeavesOfTheSampleAgreeWithItsLinks) {
  test::TempDir dir;
  std::string db = test::CopySample(dir);
  auto roots = RunKord(dir, {"list", db, "roots", "--data"});
  ASSERT_EQ(roots.status, 0) << roots.err;
  auto lines = linesOf(roots.out);
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines.front(), "0\t             Lista Ceppi");
  EXPECT_NE(roots.out.find("6\tPavan Girolamo   - Individuo Isolato\n"), std::string::npos) << roots.out;
  EXPECT_NE(roots.out.find("2\tPavan Giovanni Battista\n"), std::string::npos) << "a root with children: no mark";

  auto leaves = RunKord(dir, {"list", db, "leaves", "--english"});
  EXPECT_EQ(linesOf(leaves.out).front(), "             Individuals whitout Sons");
  EXPECT_NE(leaves.out.find("Pavan Girolamo - Individuo isolato\n"), std::string::npos);
  EXPECT_EQ(leaves.out.find("Pavan Giovanni Battista"), std::string::npos) << "has children: not a leaf";

  auto general = RunKord(dir, {"list", db, "general"});
  EXPECT_EQ(linesOf(general.out).size(), 67u) << "title plus the 66 slots, the blank record included";
  auto sorted = linesOf(general.out);
  EXPECT_TRUE(std::is_sorted(sorted.begin() + 1, sorted.end(), [](const std::string& a, const std::string& b) {
    std::string ua = a, ub = b;
    for (auto* s : {&ua, &ub})
      for (char& ch : *s) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    return ua < ub;
  }));
}

TEST(CliReport, GridCellsAsStoredAndCsv) {
  test::TempDir dir;
  std::string db = test::CopySample(dir);
  auto r = RunKord(dir, {"report", db, "--fields", "13,1", "--csv", dir.file("report.csv")});
  ASSERT_EQ(r.status, 0) << r.err;
  auto lines = linesOf(r.out);
  EXPECT_EQ(lines[0], "Grid1(0,0)=Nome");
  EXPECT_EQ(lines[1], "Grid1(0,1)=Sesso");
  EXPECT_EQ(lines[2], "Grid1(1,0)=Pavan Giovanni Battista                 ") << "40 characters as stored";
  EXPECT_EQ(lines[3], "Grid1(1,1)=M");
  std::string csv = dir.read("report.csv");
  EXPECT_EQ(csv.substr(0, 17), "\"Nome\",\"Sesso\"\r\n\"");
  auto bad = RunKord(dir, {"report", db, "--fields", "0,14"});
  EXPECT_EQ(bad.status, 2);
}

}  // namespace
}  // namespace kord
