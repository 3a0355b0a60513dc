// The whole family book of the sample database, as "Libro di Famiglia" makes
// it, byte for byte against the reviewed files of tests/golden/book/, and
// the links of its site checked by scripts/check-site-links.sh.
//
// After a deliberate change: scripts/update-golden-book.sh, then review the
// difference before committing it.

#include <gtest/gtest.h>

#include <cstdlib>
#include <sys/wait.h>

#include <filesystem>

#include "book/book_commands.h"
#include "db/codepage.h"
#include "db/file_dialog.h"
#include "db/open_database.h"
#include "test_support.h"
#include "trees/tree_html.h"

namespace kord {
namespace {

namespace fs = std::filesystem;

const fs::path kData = fs::path(KORD_SAMPLE_DIR).parent_path();
const fs::path kGolden = kData.parent_path() / "tests" / "golden" / "book";
const fs::path kLinkChecker = kData.parent_path() / "scripts" / "check-site-links.sh";

/// The sample and its templates copied to a scratch folder and loaded.
struct SampleBook : test::TestSession {
  test::TempDir dir;
  SampleBook() {
    fs::copy(KORD_SAMPLE_DIR, dir.file("sample"), fs::copy_options::recursive);
    for (const auto& e : fs::directory_iterator(kData))
      if (e.path().extension() == ".htt") fs::copy(e.path(), dir.file(e.path().filename()));
    session.dialog.folder = dir.file("sample") + "/";
    ui.onFileDialog = [this] {
      DialogClickFile(session, "famiglia.rni");
      DialogOpen(session);
    };
    session.StatoWindows = kStateOpening;
    loaded = OpenDatabase(session) == OpenOutcome::Loaded;
  }
  bool loaded = false;
  std::string siteFolder() const { return dir.file("sample"); }
  /// A file of the site with the database path (which differs per run) as @DBNAME@.
  std::string siteFile(const std::string& name) const {
    std::string bytes = dir.read("sample/" + name);
    const std::string dbName = HtmlEscape(Utf8ToCp1252(session.DbName));
    for (auto at = bytes.find(dbName); at != std::string::npos; at = bytes.find(dbName, at))
      bytes.replace(at, dbName.size(), "@DBNAME@");
    return bytes;
  }
};

std::string readFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

/// Runs the link checker on `folder`; its exit status, and its output in `out`.
int checkLinks(const std::string& folder, std::string& out) {
  const std::string log = folder + "/.links";
  const std::string command = "bash '" + kLinkChecker.string() + "' '" + folder + "' >'" + log + "' 2>&1";
  int raw = std::system(command.c_str());
  out = readFile(log);
  fs::remove(log);
  return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
}

TEST(BookGolden, SampleBookAndPagesMatchTheReviewedFiles) {
  SampleBook f;
  ASSERT_TRUE(f.loaded);
  LibroFamiglia(f.session);
  const std::pair<std::string, std::string> files[] = {
      {"kord.rel", "kord.rel"},
      {"index.html", "index.html"},
      {"Pavan Sara.html", "no-children.html"},
      {"Pavan Giovanni Battista.html", "no-parents.html"},
      {"Pavan Nicol\xC3\xB2 Giuseppe.html", "three-spouses.html"},
  };
  const bool update = std::getenv("KORD_UPDATE_GOLDEN") != nullptr;
  for (const auto& [made, golden] : files) {
    const std::string actual = f.siteFile(made);
    if (update) {
      fs::create_directories(kGolden);
      std::ofstream(kGolden / golden, std::ios::binary) << actual;
      continue;
    }
    ASSERT_TRUE(fs::exists(kGolden / golden)) << "run scripts/update-golden-book.sh";
    EXPECT_TRUE(actual == readFile(kGolden / golden)) << made << " differs from tests/golden/book/" << golden;
  }
  EXPECT_TRUE(f.ui.messages.size() == 1) << "only the confirmation of the load";
}

TEST(SiteLinks, EveryLinkOfTheSampleSiteReachesAPage) {
  SampleBook f;
  ASSERT_TRUE(f.loaded);
  LibroFamiglia(f.session);
  std::string out;
  EXPECT_EQ(checkLinks(f.siteFolder(), out), 0) << out;
  EXPECT_NE(out.find(": 0 broken"), std::string::npos) << out;
}

TEST(SiteLinks, TheCheckerReportsAMissingPage) {
  SampleBook f;
  ASSERT_TRUE(f.loaded);
  LibroFamiglia(f.session);
  fs::remove(f.dir.file("sample/Pavan Nicol\xC3\xB2 Giuseppe.html"));
  std::string out;
  EXPECT_EQ(checkLinks(f.siteFolder(), out), 1);
  EXPECT_NE(out.find("index.html -> Pavan%20Nicol%C3%B2%20Giuseppe.html"), std::string::npos) << out;
  EXPECT_NE(out.find("Pavan Mario.html -> Pavan%20Nicol%C3%B2%20Giuseppe.html"), std::string::npos) << out;
}

}  // namespace
}  // namespace kord
