// What the command line must never do to data: open something that is not a
// database, replace a link file it could not read, leave half a record on a
// full disk, write through a link planted in the folder, or call a failed
// write done.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "cli_run.h"

namespace kord {
namespace {

namespace fs = std::filesystem;
using test::RunKord;

/// As root, permissions bind only once the override capabilities are gone.
std::string withoutOverride() {
  return ::geteuid() == 0 ? "setpriv --bounding-set -dac_override,-dac_read_search " : "";
}

/// A file-size limit in bytes for the call, the signal it raises ignored so
/// that the write fails as on a full disk.
std::string withFileSizeLimit(std::uintmax_t bytes) {
  return "trap '' XFSZ && prlimit --fsize=" + std::to_string(bytes) + " ";
}

/// Takes the write permission of a folder away until destroyed.
struct ReadOnlyFolder {
  explicit ReadOnlyFolder(std::string path) : path(std::move(path)) { ::chmod(this->path.c_str(), 0555); }
  ~ReadOnlyFolder() { ::chmod(path.c_str(), 0755); }
  std::string path;
};

/// The sample with the tree and site templates in its parent folder.
std::string CopySampleWithTemplates(const test::TempDir& dir) {
  for (const auto& e : fs::directory_iterator(fs::path(KORD_SAMPLE_DIR).parent_path()))
    if (e.path().extension() == ".hts" || e.path().extension() == ".htt")
      fs::copy(e.path(), dir.file(e.path().filename()));
  return test::CopySample(dir);
}

bool contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

TEST(CliSafety, OnlyARegularRniFileOpensAsADatabase) {
  test::TempDir dir;
  std::string db = test::CopySample(dir);
  const std::string children = dir.read("sample/famiglia.rnc");
  fs::copy(dir.file("sample/Pavan Luca.jpg"), dir.file("photo.jpg"));
  const std::string photo = dir.read("photo.jpg");
  struct Case {
    std::vector<std::string> args;
    std::string message;
  };
  const Case refused[] = {
      {{"add", dir.file("sample/famiglia.rnc"), "1=Nuovo"},
       "famiglia.rnc: non e' un database (si apre solo un file il cui nome finisce per .rni)"},
      {{"add", dir.file("photo.jpg"), "1=Nuovo"}, "photo.jpg: non e' un database"},
      {{"link", dir.file("sample/famiglia.rnc"), "--child", "3", "--parent", "2", "--english"},
       "famiglia.rnc: not a database (only a file whose name ends in .rni is opened)"},
  };
  for (const Case& c : refused) {
    auto r = RunKord(dir, c.args);
    EXPECT_NE(r.status, 0) << c.args[1];
    EXPECT_TRUE(contains(r.err, c.message)) << r.err;
  }
  EXPECT_EQ(dir.read("sample/famiglia.rnc"), children);
  EXPECT_EQ(dir.read("photo.jpg"), photo);

  fs::copy(db, dir.file("sample/COPIA.RNI"));
  auto upper = RunKord(dir, {"info", dir.file("sample/COPIA.RNI")});
  EXPECT_EQ(upper.status, 0) << "the extension in any letter case: " << upper.err;
}

TEST(CliSafety, AFifoOrADirectoryAmongTheFilesIsRefusedNotWaitedFor) {
  test::TempDir dir;
  std::string db = test::CopySample(dir);
  fs::remove(dir.file("sample/famiglia.rnc"));
  ASSERT_EQ(::mkfifo(dir.file("sample/famiglia.rnc").c_str(), 0644), 0);
  fs::remove(dir.file("sample/famiglia.rnk"));
  fs::create_directory(dir.file("sample/famiglia.rnk"));
  auto r = RunKord(dir, {"info", db}, "timeout 20 ");
  EXPECT_NE(r.status, 0);
  EXPECT_NE(r.status, 124) << "waited for the FIFO";
  EXPECT_TRUE(contains(r.err, "famiglia.rnc: non e' un file normale; il database non viene aperto")) << r.err;
}

TEST(CliSafety, ALinkFileThatCannotBeReadIsNeverReplaced) {
  test::TempDir dir;
  std::string db = test::CopySample(dir);
  for (const char* file : {"famiglia.rnc", "famiglia.rns"}) {
    const std::string path = dir.file(std::string("sample/") + file);
    const std::string before = dir.read(std::string("sample/") + file);
    ::chmod(path.c_str(), 0);
    auto r = std::string(file) == "famiglia.rnc"
                 ? RunKord(dir, {"link", db, "--child", "5", "--parent", "3"}, withoutOverride())
                 : RunKord(dir, {"spouse", db, "5", "6"}, withoutOverride());
    ::chmod(path.c_str(), 0644);
    EXPECT_NE(r.status, 0) << file;
    EXPECT_TRUE(contains(r.err, std::string(file) + ": il file non si puo' leggere; i legami restano come sono"))
        << r.err;
    EXPECT_EQ(dir.read(std::string("sample/") + file), before) << file;
  }
}

TEST(CliSafety, AnAddOnAFullDiskLeavesNoPartialRecord) {
  test::TempDir dir;
  std::string db = test::CopySample(dir);
  const auto size = fs::file_size(db);
  auto full = RunKord(dir, {"add", db, "1=Nuovo Mario"}, withFileSizeLimit(size + 100));
  EXPECT_NE(full.status, 0);
  EXPECT_TRUE(contains(full.err, "famiglia.rni: il file supera la dimensione consentita")) << full.err;
  EXPECT_EQ(fs::file_size(db), size);
  auto next = RunKord(dir, {"add", db, "1=Nuovo Mario"});
  ASSERT_EQ(next.status, 0) << next.err;
  EXPECT_EQ(fs::file_size(db), size + 526);
  EXPECT_EQ(next.out, std::to_string(size / 526 + 2) + "\n");
}

TEST(CliSafety, LinksPlantedInTheFolderAreReplacedNotFollowed) {
  test::TempDir dir;
  std::string db = CopySampleWithTemplates(dir);
  fs::create_directory(dir.file("outside"));
  const char* planted[] = {"Pavan Leonardo Root.txt",
                           "Pavan Leonardo Root.html",
                           "kord.kor",
                           "kord.rel",
                           "index.html",
                           "Pavan Luca.html",
                           "famiglia.His"};
  for (const char* name : planted) {
    dir.write(std::string("outside/") + name, "keep");
    fs::create_symlink(dir.file(std::string("outside/") + name), dir.file(std::string("sample/") + name));
  }
  auto roots = RunKord(dir, {"roots", db, "--focus", "67", "--out-to-file"});
  auto kin = RunKord(dir, {"kin", db, "--focus", "55", "--second", "56", "--out-to-file"});
  auto book = RunKord(dir, {"book", db, "--out-to-file"});
  for (const auto* r : {&roots, &kin, &book}) {
    EXPECT_EQ(r->status, 0) << r->err;
    EXPECT_TRUE(contains(r->err, "Impossibile scrivere la storia nel file " + dir.file("sample/famiglia.His") +
                                     ": e' un collegamento simbolico, che non viene seguito"))
        << r->err;
  }
  for (const char* name : planted) {
    EXPECT_EQ(dir.read(std::string("outside/") + name), "keep") << name;
    if (std::string(name) == "famiglia.His") continue;
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(dir.file(std::string("sample/") + name)))) << name;
  }
}

TEST(CliSafety, AFailedOutputIsNamedAndTheCommandFails) {
  test::TempDir dir;
  std::string db = CopySampleWithTemplates(dir);
  const std::string folder = dir.file("sample/");
  struct Case {
    std::vector<std::string> args;
    std::string file;
    std::size_t failedFiles;  ///< messages: the site's pages count as one
  };
  const Case cases[] = {
      {{"book", db, "--out-to-file"}, "kord.rel", 2},
      {{"census", db}, "kord.rel", 1},
      {{"roots", db, "--focus", "67", "--out-to-file"}, "Pavan Leonardo Root.txt", 2},
      {{"branches", db, "--focus", "57"}, "Pavan Luca Branch.html", 1},
      {{"kin", db, "--focus", "55", "--second", "56", "--out-to-file"}, "kord.kor", 1},
      {{"report", db, "--fields", "1,2", "--csv", folder + "Rapporto.csv"}, "Rapporto.csv", 1},
      {{"roots", db, "--focus", "67", "--print"}, "Pavan Leonardo Root.prn", 2},
  };
  ReadOnlyFolder readOnly(folder);
  for (const Case& c : cases) {
    auto r = RunKord(dir, c.args, withoutOverride());
    EXPECT_EQ(r.status, 1) << c.args[0];
    EXPECT_TRUE(contains(r.err, "Impossibile scrivere il file " + folder + c.file + ": la cartella e' in sola lettura"))
        << c.args[0] << ": " << r.err;
    EXPECT_FALSE(contains(r.err, "Non esistono i file HT")) << r.err;
    std::size_t told = 0;
    for (auto at = r.err.find("Impossibile scrivere il file "); at != std::string::npos;
         at = r.err.find("Impossibile scrivere il file ", at + 1))
      ++told;
    EXPECT_EQ(told, c.failedFiles) << r.err;
    EXPECT_FALSE(contains(r.err, "Stampa salvata")) << r.err;
  }
  auto english = RunKord(dir, {"roots", db, "--focus", "67", "--english"}, withoutOverride());
  EXPECT_TRUE(
      contains(english.err, "Cannot write the file " + folder + "Pavan Leonardo Root.html: the folder is read-only"))
      << english.err;
}

}  // namespace
}  // namespace kord
