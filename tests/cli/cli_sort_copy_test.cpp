// kord sort-copy run as a process on a copy of the sample: the new database
// starts with the alphabetically first individual; a name already taken is
// refused and the source is never changed.

#include <gtest/gtest.h>

#include "cli_run.h"

namespace kord::test {
namespace {

TEST(CliSortCopy, WritesTheAlphabeticalCopyOnceAndLeavesTheSourceAlone) {
  TempDir dir;
  const std::string sample = CopySample(dir);
  const std::string before = dir.read("sample/famiglia.rni") + dir.read("sample/famiglia.rnc");
  auto made = RunKord(dir, {"sort-copy", sample, dir.file("sample/alfa.rni")});
  EXPECT_EQ(made.status, 0) << made.err;
  EXPECT_EQ(made.out, dir.file("sample/alfa.rni") + ": 66 individui in ordine alfabetico\n");
  auto first = RunKord(dir, {"card", dir.file("sample/alfa.rni"), "--focus", "2"});
  EXPECT_NE(first.out.find("Nome=Battistella Maria\n"), std::string::npos) << first.out;
  auto again = RunKord(dir, {"sort-copy", sample, dir.file("sample/alfa.rni"), "--english"});
  EXPECT_EQ(again.status, 1);
  EXPECT_EQ(again.err, "kord: " + dir.file("sample/alfa.rni") + ": already exists, choose another name\n");
  EXPECT_EQ(dir.read("sample/famiglia.rni") + dir.read("sample/famiglia.rnc"), before);
  EXPECT_EQ(RunKord(dir, {"sort-copy", sample}).status, 2);
}

}  // namespace
}  // namespace kord::test
