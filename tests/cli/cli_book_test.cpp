// The family book, census, navigator and sorted-book commands run as a
// process on copies of the sample.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>

#include "cli_run.h"
#include "db/codepage.h"

namespace kord {
namespace {

namespace fs = std::filesystem;
using test::RunKord;

std::vector<std::string> linesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

/// The lines of a CR LF file in Windows-1252, as UTF-8.
std::vector<std::string> fileLines(const test::TempDir& dir, const std::string& name) {
  std::string text = Cp1252ToUtf8(dir.read(name));
  std::vector<std::string> lines;
  for (std::size_t start = 0; start < text.size();) {
    std::size_t end = text.find("\r\n", start);
    if (end == std::string::npos) end = text.size();
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

/// The sample with the site templates in its parent folder.
std::string CopySampleWithTemplates(const test::TempDir& dir) {
  std::string db = test::CopySample(dir);
  for (const auto& e : fs::directory_iterator(fs::path(KORD_SAMPLE_DIR).parent_path()))
    if (e.path().extension() == ".htt") fs::copy(e.path(), dir.file(e.path().filename()));
  return db;
}

const std::string kLoaded = "Database OK. Creare o Selezionare un individuo!\n";

TEST(CliBook, OutToFileWritesTheBookAndTheSiteAndPrintsTheWindowTail) {
  test::TempDir dir;
  std::string db = CopySampleWithTemplates(dir);
  auto r = RunKord(dir, {"book", db, "--out-to-file"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.err, kLoaded);
  auto shown = linesOf(r.out);
  auto book = fileLines(dir, "sample/kord.rel");
  ASSERT_GE(shown.size(), 35u);
  ASSERT_GE(book.size(), 2u);
  EXPECT_EQ(shown.back(), book[book.size() - 2]) << "the window ends with the last notes line";
  auto lastHeader =
      std::find_if(book.rbegin(), book.rend(), [](const std::string& l) { return l.rfind("___", 0) == 0; });
  ASSERT_NE(lastHeader, book.rend());
  EXPECT_EQ(*(lastHeader - 1), "Zanin Rita") << "the last name of the alphabet";
  EXPECT_NE(std::find(shown.begin(), shown.end(), "Zanin Rita"), shown.end());
  EXPECT_NE(dir.read("sample/index.html").find("Pagina creata da Kord."), std::string::npos) << "index closed";
  EXPECT_TRUE(fs::exists(dir.file("sample/Zanin Rita.html")));
}

TEST(CliBook, WithoutOutToFileNothingIsWrittenOrShown) {
  test::TempDir dir;
  std::string db = CopySampleWithTemplates(dir);
  auto r = RunKord(dir, {"book", db, "--no-details"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "");
  EXPECT_FALSE(fs::exists(dir.file("sample/kord.rel")));
  EXPECT_FALSE(fs::exists(dir.file("sample/index.html")));
}

TEST(CliBook, NoDetailsLeavesOutEventsAndNotes) {
  test::TempDir dir;
  std::string db = CopySampleWithTemplates(dir);
  ASSERT_EQ(RunKord(dir, {"book", db, "--out-to-file", "--no-details"}).status, 0);
  auto book = fileLines(dir, "sample/kord.rel");
  auto withEvents = [](const std::string& l) { return l.rfind("Data Nascita", 0) == 0; };
  EXPECT_EQ(std::count_if(book.begin(), book.end(), withEvents), 0);
  EXPECT_NE(std::find(book.begin(), book.end(), "-& Pavan Luca (57)"), book.end());
}

TEST(CliBook, MissingTemplatesAreReportedOnceAndThePagesStillWritten) {
  test::TempDir dir;
  std::string db = test::CopySample(dir);
  // Without installed templates to fall back on.
  auto r = RunKord(dir, {"book", db, "--out-to-file"}, "KORD_DATA_DIR=");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.err, kLoaded + "Non esistono i file HT nella " + dir.folder() + "\n");
  EXPECT_NE(dir.read("sample/Pavan Mario.html").find("Pavan%20Paolo.html"), std::string::npos);
}

TEST(CliBook, WithoutTemplatesBesideTheDatabaseTheInstalledOnesServe) {
  test::TempDir dir;
  std::string db = test::CopySample(dir);
  const std::string installed = fs::path(KORD_SAMPLE_DIR).parent_path().string();
  auto r = RunKord(dir, {"book", db, "--out-to-file"}, "KORD_DATA_DIR=" + test::shellQuoted(installed));
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.err, kLoaded);
  EXPECT_NE(dir.read("sample/index.html").find("Pagina creata da Kord."), std::string::npos);
}

TEST(CliCensus, IsTheCompactBookWithItsFile) {
  test::TempDir dir;
  std::string db = CopySampleWithTemplates(dir);
  auto census = RunKord(dir, {"census", db});
  ASSERT_EQ(census.status, 0) << census.err;
  auto book = fileLines(dir, "sample/kord.rel");
  EXPECT_EQ(book.size(), 65u * 3 + 2) << "header, name and events; the blank record has no events";
  EXPECT_EQ(book[0], "_______ Indiv. N. 33_________");
  EXPECT_FALSE(fs::exists(dir.file("sample/index.html"))) << "no site in the census";
  auto shown = linesOf(census.out);
  ASSERT_FALSE(shown.empty());
  EXPECT_EQ(book.back().substr(book.back().size() - 20), shown.back().substr(shown.back().size() - 20))
      << "the window ends with the end of the last events line";
  auto compact = RunKord(dir, {"book", db, "--out-to-file", "--compact"});
  EXPECT_EQ(compact.out, census.out);
}

TEST(CliNavigate, BoxesAndNumbersOfTheFocus) {
  test::TempDir dir;
  std::string db = test::CopySample(dir);
  auto r = RunKord(dir, {"navigate", db, "--focus", "24"});
  ASSERT_EQ(r.status, 0) << r.err;
  auto lines = linesOf(r.out);
  ASSERT_GE(lines.size(), 16u);
  EXPECT_EQ(lines[0], "w1(0)=Pavan Nicolò Giuseppe");
  EXPECT_EQ(lines[1], "w1(1)=Zanin Elena\\nDal Bò Débora\\nFurlan Gina\\n");
  EXPECT_EQ(lines[10], "w1(10)=Pavan Antonio");
  EXPECT_EQ(lines[14], "w1(14)=Pavan Giovanni\\nPavan Elena\\nPavan Mario\\nPavan Bruna\\nPavan Gioè");
  EXPECT_EQ(lines[15].substr(0, 12), "w1(15)=24-23");
  for (const char* number :
       {"box(0)=24", "box(10)=16", "box(11)=21", "spouse(0)=26", "spouse(2)=28", "child(0)=31", "child(4)=36"})
    EXPECT_NE(r.out.find(std::string("\n") + number), std::string::npos) << number;
  EXPECT_EQ(r.out.find("child(5)="), std::string::npos);
  EXPECT_EQ(r.out.find("box(12)="), std::string::npos) << "spouse 1 has no parents";
}

TEST(CliNavigate, PicturesOfThePictureNavigator) {
  test::TempDir dir;
  std::string db = test::CopySample(dir);
  auto r = RunKord(dir, {"navigate", db, "--focus", "34", "--pictures"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("\nImgThumbnail2(0)=Pavan Mario.jpg\n"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("\nImgThumbnail2(10)=Pavan Nicolò Giuseppe.jpg\n"), std::string::npos);
  EXPECT_NE(r.out.find("\nImgThumbnail2(11)=Dal Bò Débora.jpg\n"), std::string::npos);
  EXPECT_NE(r.out.find("\nImgThumbnail2(1)=initial.jpg\n"), std::string::npos) << "no picture of Bortolin Franca";
}

TEST(CliBook, ABrowserFollowsTheIndexLinkToAPersonNamedWithQuestionMarksAndAHash) {
  test::TempDir dir;
  std::string db = CopySampleWithTemplates(dir);
  // Five question marks: the fifth stays in the page name "Ezio #1 Chi____?.html".
  const std::string name = "Ezio #1 Chi?????";
  auto added = RunKord(dir, {"add", db, "1=" + name});
  ASSERT_EQ(added.status, 0) << added.err;
  ASSERT_EQ(RunKord(dir, {"link", db, "--child", linesOf(added.out).back(), "--parent", "34"}).status, 0);
  ASSERT_EQ(RunKord(dir, {"book", db, "--out-to-file"}).status, 0);
  ASSERT_TRUE(fs::exists(dir.file("sample/Ezio #1 Chi____?.html")));
  const std::string command = "bash " + test::shellQuoted(std::string(KORD_SCRIPTS_DIR) + "/check-site-in-browser.sh") +
                              " " + test::shellQuoted(dir.file("sample")) + " " + test::shellQuoted(name) + " >" +
                              test::shellQuoted(dir.file(".browser")) + " 2>&1";
  const int raw = std::system(command.c_str());
  const std::string reached = dir.read(".browser");
  EXPECT_TRUE(WIFEXITED(raw) && WEXITSTATUS(raw) == 0) << reached;
  EXPECT_NE(reached.find("<title>" + name + "_______ Indiv. N. "), std::string::npos) << reached;
}

TEST(CliSorted, BirthDatesInOrderOfTimeNamesInOneColumnAndTheTextBookKept) {
  test::TempDir dir;
  std::string db = test::CopySample(dir);
  dir.write("sample/kord.rel", "the text book");
  auto r = RunKord(dir, {"sorted", db, "--key", "4", "--data"});
  ASSERT_EQ(r.status, 0) << r.err;
  auto lines = linesOf(r.out);
  ASSERT_EQ(lines.size(), 66u);
  const std::string column(40, ' ');
  EXPECT_EQ(lines[0], "4\t17??" + column.substr(4) + "Furlan Antonio") << "an approximate year, 1700";
  EXPECT_EQ(lines[1], "6\t1776" + column.substr(4) + "Pavan Girolamo");
  EXPECT_EQ(lines[2], "2\t14/02/1781" + column.substr(10) + "Pavan Giovanni Battista");
  EXPECT_EQ(lines[4], "5\t0/0/1788" + column.substr(8) + "Battistella Maria");
  EXPECT_EQ(lines.back(), "33\t" + column) << "the blank record has no birth date: last";
  EXPECT_EQ(dir.read("sample/kord.rel"), "the text book");
  EXPECT_FALSE(fs::exists(dir.file("sample/index.html")));
}

TEST(CliSorted, AKeyIsNeeded) {
  test::TempDir dir;
  std::string db = test::CopySample(dir);
  auto none = RunKord(dir, {"sorted", db, "--key", "0"});
  EXPECT_EQ(none.status, 1);
  EXPECT_EQ(none.err, kLoaded + "Selezionare un campo\n");
  EXPECT_EQ(RunKord(dir, {"sorted", db, "--key", "15"}).status, 2);
  EXPECT_EQ(RunKord(dir, {"sorted", db}).status, 2);
}

}  // namespace
}  // namespace kord
