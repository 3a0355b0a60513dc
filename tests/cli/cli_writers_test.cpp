// Writers meeting on one database: real kord processes racing, a writer
// finding the database in use, and an import that replaces a whole database.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <thread>

#include "cli_run.h"
#include "db/person_record.h"

namespace kord {
namespace {

namespace fs = std::filesystem;
using test::RunKord;
using test::shellQuoted;

constexpr int kRounds = 200;

void writeEmptyDatabase(const test::TempDir& dir) {
  for (const char* ext : {".rni", ".rnc", ".rns"}) dir.write(std::string("fam") + ext, "");
  dir.write("fam.rnt", "0\r\n");
}

/// Runs `rounds` rounds of the given kord calls, all of a round at once, and
/// returns the exit statuses, one line per round. "$i" is the round.
std::string raceRounds(const test::TempDir& dir, const std::vector<std::string>& calls) {
  std::string script =
      "cd " + shellQuoted(dir.folder()) + " && i=0; while [ $i -lt " + std::to_string(kRounds) + " ]; do ";
  for (std::size_t k = 0; k < calls.size(); ++k)
    script += shellQuoted(KORD_CLI) + " " + calls[k] + " >>out 2>>err & p" + std::to_string(k) + "=$!; ";
  script += "line=; ";
  for (std::size_t k = 0; k < calls.size(); ++k) script += "wait $p" + std::to_string(k) + "; line=\"$line$?\"; ";
  script += "echo $line >>status; i=$((i+1)); done";
  std::system(("sh -c " + shellQuoted(script)).c_str());
  return dir.read("status");
}

std::vector<PersonRecord> records(const test::TempDir& dir) {
  std::string bytes = dir.read("fam.rni");
  std::vector<PersonRecord> out(bytes.size() / kRecordLength);
  for (std::size_t r = 0; r < out.size(); ++r)
    std::copy_n(bytes.begin() + static_cast<long>(r * kRecordLength), kRecordLength, out[r].bytes().begin());
  return out;
}

std::string allZero(std::size_t processes) {
  std::string expected;
  for (int i = 0; i < kRounds; ++i) expected += std::string(processes, '0') + "\n";
  return expected;
}

TEST(CliWriters, TwoAddsAtOnceNeverLoseAPerson) {
  test::TempDir dir;
  writeEmptyDatabase(dir);
  EXPECT_EQ(raceRounds(dir, {"add fam.rni \"1=A $i\"", "add fam.rni \"1=B $i\""}), allZero(2)) << dir.read("err");
  std::set<std::string> names, expected;
  auto all = records(dir);
  for (std::size_t r = 0; r < all.size(); ++r) {
    EXPECT_EQ(all[r].trimmed(Num), std::to_string(r + 1));
    names.insert(all[r].trimmed(Name));
  }
  for (int i = 0; i < kRounds; ++i) expected.insert({"A " + std::to_string(i), "B " + std::to_string(i)});
  EXPECT_EQ(names, expected);
  EXPECT_EQ(all.size(), 2u * kRounds);
  std::istringstream printed(dir.read("out"));
  std::set<int> indexes;
  for (int index; printed >> index;) indexes.insert(index);
  EXPECT_EQ(indexes.size(), 2u * kRounds) << "each add printed its own index";
}

TEST(CliWriters, LinksAndEditsAtOnceAreAllKept) {
  test::TempDir dir;
  writeEmptyDatabase(dir);
  std::string bytes;
  for (int r = 1; r <= 2 * kRounds; ++r) {
    PersonRecord p;
    p.set(Num, std::to_string(r));
    p.set(Name, "P " + std::to_string(r));
    bytes.append(p.bytes().begin(), p.bytes().end());
  }
  dir.write("fam.rni", bytes);
  // Round i: child 202+i gets the parents 2+i and 3+i from two processes
  // while a third edits the child's notes.
  const std::vector<std::string> calls = {"link fam.rni --child $((202+i)) --parent $((2+i))",
                                          "link fam.rni --child $((202+i)) --parent $((3+i))",
                                          "edit fam.rni --focus $((202+i)) \"12=nota $i\""};
  EXPECT_EQ(raceRounds(dir, calls), allZero(3)) << dir.read("err");
  std::set<std::string> lines, expected;
  std::istringstream children(dir.read("fam.rnc"));
  for (std::string line; std::getline(children, line);) lines.insert(line);
  for (int i = 0; i < kRounds; ++i)
    expected.insert({std::to_string(201 + i) + "," + std::to_string(1 + i) + "\r",
                     std::to_string(201 + i) + "," + std::to_string(2 + i) + "\r"});
  EXPECT_EQ(lines, expected);
  auto all = records(dir);
  ASSERT_EQ(all.size(), 2u * kRounds);
  for (int i = 0; i < kRounds; ++i) EXPECT_EQ(all[200 + i].trimmed(Notes), "nota " + std::to_string(i));
}

/// Another process holding the lock of a file until this is destroyed.
struct LockHolder {
  LockHolder(const test::TempDir& dir, const std::string& file) : pidFile(dir.file("holder.pid")) {
    std::system(("cd " + shellQuoted(dir.folder()) + " && flock -x " + shellQuoted(file) +
                 " sh -c 'echo $$ >holder.tmp && mv holder.tmp holder.pid && exec sleep 60' >/dev/null 2>&1 &")
                    .c_str());
    for (int wait = 0; wait < 1000 && !fs::exists(pidFile); ++wait)
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  ~LockHolder() { release(); }
  void release() {
    std::system(
        ("kill $(cat " + shellQuoted(pidFile) + " 2>/dev/null) 2>/dev/null; rm -f " + shellQuoted(pidFile)).c_str());
    std::this_thread::sleep_for(std::chrono::milliseconds(100));  // flock lets go once its child ended
  }
  std::string pidFile;
};

TEST(CliWriters, AWriterFindingTheDatabaseInUseSaysSoAndReadersGoOn) {
  test::TempDir dir;
  std::string db = test::CopySample(dir);
  const std::string before = dir.read("sample/famiglia.rni");
  LockHolder holder(dir, "sample/famiglia.rni");
  auto add = RunKord(dir, {"add", db, "1=Nuovo"});
  auto english = RunKord(dir, {"link", db, "--child", "5", "--parent", "3", "--english"});
  auto repair = RunKord(dir, {"check", db, "--repair"});
  auto info = RunKord(dir, {"info", db});
  EXPECT_EQ(add.status, 1);
  EXPECT_NE(add.err.find("Il database famiglia.rni e' in uso da un altro programma: riprovare tra poco"),
            std::string::npos)
      << add.err;
  EXPECT_NE(english.err.find("The database famiglia.rni is in use by another program: try again shortly"),
            std::string::npos)
      << english.err;
  EXPECT_NE(repair.err.find("in uso da un altro programma"), std::string::npos) << "a repair is a writer too";
  EXPECT_EQ(info.status, 0) << "a reader does not wait for the lock: " << info.err;
  EXPECT_EQ(dir.read("sample/famiglia.rni"), before);
}

/// The files of the folder, hidden ones included, but the lock holder's.
std::set<std::string> filesOf(const test::TempDir& dir) {
  std::set<std::string> names;
  for (const auto& e : fs::directory_iterator(dir.folder()))
    if (e.path().filename() != "holder.pid") names.insert(e.path().filename().string());
  return names;
}

TEST(CliWriters, AReplacingImportSwitchesTheWholeSetOrNothing) {
  test::TempDir dir;
  std::string db = test::CopySample(dir);
  ASSERT_EQ(RunKord(dir, {"export-gedcom", db, "fam.ged"}).status, 0);
  dir.write("one.ged", "0 HEAD\n1 CHAR UTF-8\n0 @I1@ INDI\n1 NAME Luca /Pavan/\n0 TRLR\n");
  ASSERT_EQ(RunKord(dir, {"import-gedcom", "fam.ged", "fam", "--surname-first"}).status, 0);
  const std::string rni = dir.read("fam.rni"), rnc = dir.read("fam.rnc");

  LockHolder holder(dir, "fam.rni");
  const auto files = filesOf(dir);
  auto busy = RunKord(dir, {"import-gedcom", "one.ged", "fam", "--replace"});
  EXPECT_EQ(busy.status, 1);
  EXPECT_NE(busy.err.find("e' in uso da un altro programma"), std::string::npos) << busy.err;
  holder.release();
  auto full = RunKord(dir, {"import-gedcom", "one.ged", "fam", "--replace"}, "trap '' XFSZ && prlimit --fsize=400 ");
  EXPECT_EQ(full.status, 1);
  EXPECT_NE(full.err.find("il file supera la dimensione consentita"), std::string::npos) << full.err;
  auto fresh = RunKord(dir, {"import-gedcom", "fam.ged", "nuovo"}, "trap '' XFSZ && prlimit --fsize=10000 ");
  EXPECT_EQ(fresh.status, 1);
  EXPECT_EQ(filesOf(dir), files) << "no new database, no file left behind";
  EXPECT_EQ(dir.read("fam.rni"), rni);
  EXPECT_EQ(dir.read("fam.rnc"), rnc);

  auto replaced = RunKord(dir, {"import-gedcom", "one.ged", "fam", "--replace"});
  EXPECT_EQ(replaced.status, 0) << replaced.err;
  EXPECT_EQ(filesOf(dir), files);
  EXPECT_EQ(dir.read("fam.rni").size(), kRecordLength);
  EXPECT_EQ(dir.read("fam.rnc"), "");
}

}  // namespace
}  // namespace kord
