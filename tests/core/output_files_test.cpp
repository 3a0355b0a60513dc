// Whole-file and append writes: what a failure leaves behind, what is refused
// instead of followed or waited for, and the permissions a replaced file keeps.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "db/output_files.h"
#include "test_support.h"

namespace kord {
namespace {

namespace fs = std::filesystem;

std::size_t hiddenFiles(const test::TempDir& dir) {
  std::size_t n = 0;
  for (const auto& e : fs::directory_iterator(dir.folder())) n += e.path().filename().string()[0] == '.';
  return n;
}

TEST(OutputFiles, AFailedWholeFileWriteLeavesNoTemporaryAndSaysWhy) {
  test::TempDir dir;
  fs::create_directory(dir.file("taken"));
  struct Case {
    std::string path;
    std::string reason;
  };
  const Case cases[] = {
      {dir.file("taken"), ": c'e' una cartella con questo nome"},
      {dir.file("missing/page.html"), ": la cartella non esiste"},
  };
  for (const Case& c : cases) {
    OutputFailure failure = WriteFileAtomically(c.path, "bytes");
    ASSERT_TRUE(failure) << c.path;
    EXPECT_EQ(OutputFailureText(failure, false), "Impossibile scrivere il file " + c.path + c.reason);
    EXPECT_EQ(hiddenFiles(dir), 0u) << c.path;
  }
  EXPECT_TRUE(fs::is_directory(dir.file("taken")));
}

TEST(OutputFiles, AReplacedFileKeepsItsPermissions) {
  test::TempDir dir;
  dir.write("fam.rnc", "old");
  ::chmod(dir.file("fam.rnc").c_str(), 0604);
  ASSERT_FALSE(WriteFileAtomically(dir.file("fam.rnc"), "new", true));
  EXPECT_EQ(dir.read("fam.rnc"), "new");
  struct stat st {};
  ::stat(dir.file("fam.rnc").c_str(), &st);
  EXPECT_EQ(st.st_mode & 0777, 0604u);
}

TEST(OutputFiles, AppendingRefusesLinksAndSpecialFilesAtOnce) {
  test::TempDir dir;
  dir.write("outside", "keep");
  fs::create_symlink(dir.file("outside"), dir.file("link.His"));
  ASSERT_EQ(::mkfifo(dir.file("fifo.His").c_str(), 0644), 0);
  struct Case {
    std::string name;
    std::string reason;
  };
  const Case cases[] = {
      {"link.His", "it is a symbolic link, which is not followed"},
      {"fifo.His", "it is not a regular file"},
  };
  for (const Case& c : cases) {
    OutputFailure failure = AppendToFile(dir.file(c.name), "line\r\n");
    EXPECT_EQ(OutputFailureReason(failure, true), c.reason) << c.name;
  }
  EXPECT_EQ(dir.read("outside"), "keep");
  EXPECT_FALSE(AppendToFile(dir.file("plain.His"), "a"));
  EXPECT_FALSE(AppendToFile(dir.file("plain.His"), "b"));
  EXPECT_EQ(dir.read("plain.His"), "ab");
}

}  // namespace
}  // namespace kord
