// The whole family book of the sample database, as "Libro di Famiglia" makes
// it, byte for byte against the reviewed files of tests/golden/book/, and
// the links of its site checked by scripts/check-site-links.sh.
//
// After a deliberate change: scripts/update-golden-book.sh, then review the
// difference before committing it.

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <cstdlib>

#include <algorithm>
#include <filesystem>
#include <vector>

#include "app/file_dialog.h"
#include "app/open_database.h"
#include "book/book_commands.h"
#include "db/codepage.h"
#include "test_support.h"
#include "trees/tree_html.h"

namespace kord {
namespace {

namespace fs = std::filesystem;

const fs::path kData = fs::path(KORD_SAMPLE_DIR).parent_path();
const fs::path kGolden = kData.parent_path() / "tests" / "golden" / "book";
const fs::path kLinkChecker = kData.parent_path() / "scripts" / "check-site-links.sh";

/// A database in the scratch folder "sample/", with the sample templates in
/// its parent, opened through the file dialog as a person would.
struct OpenedSite : test::TestSession {
  test::TempDir dir;
  bool loaded = false;
  OpenedSite() {
    fs::create_directories(dir.file("sample"));
    for (const auto& e : fs::directory_iterator(kData))
      if (e.path().extension() == ".htt") fs::copy(e.path(), dir.file(e.path().filename()));
  }
  void open(const std::string& dbFile) {
    session.dialog.folder = dir.file("sample") + "/";
    ui.onFileDialog = [this, dbFile] {
      DialogClickFile(session, dbFile);
      DialogOpen(session);
    };
    session.windowState = kStateOpening;
    loaded = OpenDatabase(session) == OpenOutcome::Loaded;
  }
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

/// The sample database and its templates.
struct SampleBook : OpenedSite {
  SampleBook() {
    fs::copy(KORD_SAMPLE_DIR, dir.file("sample"), fs::copy_options::recursive);
    open("famiglia.rni");
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
  WholeFamilyBook(f.session);
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
  WholeFamilyBook(f.session);
  std::string out;
  EXPECT_EQ(checkLinks(f.siteFolder(), out), 0) << out;
  EXPECT_NE(out.find(": 0 broken"), std::string::npos) << out;
}

TEST(SiteLinks, TheCheckerReportsAMissingPage) {
  SampleBook f;
  ASSERT_TRUE(f.loaded);
  WholeFamilyBook(f.session);
  fs::remove(f.dir.file("sample/Pavan Nicol\xC3\xB2 Giuseppe.html"));
  std::string out;
  EXPECT_EQ(checkLinks(f.siteFolder(), out), 1);
  EXPECT_NE(out.find("index.html -> Pavan%20Nicol%C3%B2%20Giuseppe.html"), std::string::npos) << out;
  EXPECT_NE(out.find("Pavan Mario.html -> Pavan%20Nicol%C3%B2%20Giuseppe.html"), std::string::npos) << out;
}

TEST(SiteLinks, TheCheckerReadsQueriesAndFragmentsAsABrowserDoes) {
  test::TempDir dir;
  fs::create_directories(dir.file("site"));
  dir.write("site/Chi?.html", "");
  dir.write("site/Ezio #1.html", "");
  const std::pair<std::string, int> cases[] = {
      {"Chi?.html", 1},        {"Chi%3F.html", 0},        {"Ezio #1.html", 1},
      {"Ezio%20%231.html", 0}, {"Chi%3F.html?page=2", 0}, {"Ezio%20%231.html#top", 0},
  };
  for (const auto& [address, status] : cases) {
    dir.write("site/index.html", "<p><a href=\"\r\n" + address + "\">x</a></p>");
    std::string out;
    EXPECT_EQ(checkLinks(dir.file("site"), out), status) << address << ": " << out;
  }
}

/// The name of record r (1..998) of a family with the names a real import
/// brings: repeated names, names that differ only in case or accents,
/// accented capitals, names starting with a digit, names that are no good
/// as file names, and blank or nameless records.
std::string awkwardName(int r) {
  static const std::vector<std::string> odd = {"?",
                                               "/",
                                               "??"
                                               "/??",
                                               "index",
                                               "..",
                                               "null",
                                               std::string(40, 'W'),
                                               "Ezio #1 Chi?????",
                                               "Tom & \"Jerry\" <T> 100%",
                                               "\xC0ngela Conti",
                                               "\xE0ngela Conti",
                                               "Angela Conti",
                                               "Dal B\xF2 D\xE9"
                                               "bora"};
  static const std::vector<std::string> surnames = {"Rossi", "Pavan", "Zanin", "\xC9rcole", "\xD6rtl"};
  static const std::vector<std::string> given = {"Giovanni", "Anna", "Luigi", "Maria", "Pietro", "Rosa", "Ugo"};
  switch (r % 10) {
    case 0: return "Rossi Giovanni";
    case 1: return "ROSSI GIOVANNI";
    case 3: return std::to_string(r) + " Bis";
    case 4: return odd[static_cast<std::size_t>(r / 10) % odd.size()];
    default:
      return surnames[static_cast<std::size_t>(r) % surnames.size()] + " " + given[static_cast<std::size_t>(r) % 7];
  }
}

constexpr int kBlankRecord = 500;     // all blanks: loaded as "AAA_ 501"
constexpr int kNamelessRecord = 600;  // a number and no name: no page
constexpr int kBlanksName = 700;      // a name of blanks only: no page

/// Writes the 998 records with parents (record r/2 and r/2 + 1) and spouses.
void writeAwkwardFamily(const test::TempDir& dir) {
  std::string records, children, spouses;
  for (int r = 1; r <= kMaxIndividuals; ++r) {
    PersonRecord rec;
    if (r != kBlankRecord) rec.set(Num, std::to_string(r));
    if (r != kBlankRecord && r != kNamelessRecord) rec.set(Name, r == kBlanksName ? "   " : awkwardName(r));
    rec.set(BirthDate, "12/03/" + std::to_string(1700 + r / 4));
    records.append(rec.bytes().begin(), rec.bytes().end());
    if (r > 3)
      children += std::to_string(r) + "," + std::to_string(r / 2) + "\r\n" + std::to_string(r) + "," +
                  std::to_string(r / 2 + 1) + "\r\n";
    if (r % 2 == 1 && r < kMaxIndividuals)
      spouses += std::to_string(r) + "," + std::to_string(r + 1) + "\r\n" + std::to_string(r + 1) + "," +
                 std::to_string(r) + "\r\n";
  }
  dir.write("sample/fam.rni", records);
  dir.write("sample/fam.rnc", children);
  dir.write("sample/fam.rns", spouses);
  dir.write("sample/fam.rnt", "0\r\n");
}

/// The individuals of a kord.rel, by their header lines, in book order.
std::vector<int> bookIndividuals(const std::string& book) {
  std::vector<int> found;
  const std::string header = "_______ Indiv. N. ";
  for (auto at = book.find(header); at != std::string::npos; at = book.find(header, at + 1))
    found.push_back(std::atoi(book.c_str() + at + header.size()));
  return found;
}

TEST(SiteLinks, AFullFamilyOfAwkwardNamesHasEveryoneOnceAndEveryLinkWorks) {
  OpenedSite f;
  writeAwkwardFamily(f.dir);
  f.open("fam.rni");
  ASSERT_TRUE(f.loaded);
  std::vector<int> everyone;  // every individual with a name
  for (int i = 2; i <= kMaxIndividuals + 1; ++i)
    if (i != kNamelessRecord + 1 && i != kBlanksName + 1) everyone.push_back(i);
  WholeFamilyBook(f.session);
  std::vector<int> inBook = bookIndividuals(f.dir.read("sample/kord.rel"));
  const std::vector<int> walked = inBook;
  std::sort(inBook.begin(), inBook.end());
  EXPECT_EQ(inBook, everyone) << "the book lists everybody with a name once";

  const std::string index = f.dir.read("sample/index.html");
  std::size_t entries = 0;
  for (auto at = index.find("<p class=\"entry\">"); at != std::string::npos;
       at = index.find("<p class=\"entry\">", at + 1))
    ++entries;
  EXPECT_EQ(entries, everyone.size()) << "one index entry per individual";
  std::vector<std::string> outside;
  std::size_t pages = 0;
  for (const auto& e : fs::recursive_directory_iterator(f.dir.folder())) {
    if (e.path().extension() != ".html") continue;
    if (e.path().parent_path() != fs::path(f.siteFolder())) outside.push_back(e.path());
    ++pages;
  }
  EXPECT_EQ(outside, std::vector<std::string>{});
  EXPECT_EQ(pages, everyone.size() + 1) << "one page per individual and the index";
  std::string out;
  EXPECT_EQ(checkLinks(f.siteFolder(), out), 0) << out;
  EXPECT_NE(out.find(" links: 0 broken"), std::string::npos) << out;

  f.session.NInd[0] = 2;
  CensusCommand(f.session);
  EXPECT_EQ(bookIndividuals(f.dir.read("sample/kord.rel")), walked) << "the census walks alike";
  ASSERT_TRUE(SortedBookRun(f.session, 4));
  std::vector<int> sorted;
  for (const auto& item : f.session.list.Liber) sorted.push_back(item.itemData);
  std::sort(sorted.begin(), sorted.end());
  EXPECT_EQ(sorted, everyone) << "the sorted book lists the same people";
}

}  // namespace
}  // namespace kord
