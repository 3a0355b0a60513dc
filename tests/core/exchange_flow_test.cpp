// The exchange commands as the person goes through them: which files are
// asked for, what an existing or open database gets, what the chosen
// filter means.

#include <gtest/gtest.h>

#include "app/exchange_flow.h"
#include "database_copy.h"
#include "imported_database.h"

namespace kord {
namespace {

std::string bytesOf(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(ImportGedcomFlow, NamesTheNewDatabaseAsTheCommandLineAndOpensIt) {
  test::TestSession t;
  test::TempDir dir;
  t.ui.chosenFiles = {test::GedcomDataFile("two_families.ged"), dir.file("Nuova.famiglia")};
  ImportGedcomFlow(t.session);
  ASSERT_EQ(t.ui.fileChoices.size(), 2u);
  EXPECT_EQ(t.ui.fileChoices[0].purpose, FileChoice::Purpose::Open);
  EXPECT_FALSE(t.ui.fileChoices[1].confirmReplace);  // the flow asks about the whole set itself
  EXPECT_EQ(NewDatabaseName(dir.file("Nuova.famiglia")), dir.file("Nuova.rni"));
  EXPECT_TRUE(std::filesystem::exists(dir.file("Nuova.rni")));
  EXPECT_TRUE(t.session.DbLoaded);
  EXPECT_EQ(t.session.DbName, dir.file("Nuova.rni"));
}

TEST(ImportGedcomFlow, ReplacesAnExistingDatabaseOnlyWhenThePersonSaysSo) {
  test::TestSession t;
  test::TempDir dir;
  std::filesystem::copy(KORD_SAMPLE_DIR, dir.file("db"), std::filesystem::copy_options::recursive);
  const std::string target = dir.file("db/famiglia.rni");
  const std::string before = bytesOf(target);
  for (bool replace : {false, true}) {
    t.ui.chosenFiles = {test::GedcomDataFile("two_families.ged"), target};
    t.ui.yesNoAnswers = {replace, false};
    t.ui.prompts.clear();
    ImportGedcomFlow(t.session);
    ASSERT_FALSE(t.ui.prompts.empty());
    EXPECT_NE(t.ui.prompts.front().find("famiglia.rni"), std::string::npos);
    EXPECT_EQ(bytesOf(target) == before, !replace) << replace;
  }
}

TEST(ImportGedcomFlow, RefusesTheOpenDatabaseAndNamesThatAreNoDatabase) {
  test::SampleCopy copy;
  ASSERT_TRUE(copy.loaded);
  const std::string open = copy.session.DbName;
  const std::string before = bytesOf(open);
  for (const std::string& typed : {open, copy.dir.file(".rni")}) {
    copy.ui.messages.clear();
    copy.ui.chosenFiles = {test::GedcomDataFile("two_families.ged"), typed};
    copy.ui.yesNoAnswers = {true, true};
    ImportGedcomFlow(copy.session);
    ASSERT_EQ(copy.ui.messages.size(), 1u) << typed;
    EXPECT_EQ(copy.ui.yesNoAnswers.size(), 2u) << "nothing was asked for " << typed;
  }
  EXPECT_EQ(bytesOf(open), before);
}

TEST(ExchangeFlows, CancellingAChoiceDoesNothing) {
  test::SampleCopy copy;
  ASSERT_TRUE(copy.loaded);
  copy.ui.messages.clear();
  ImportGedcomFlow(copy.session);
  ExportGedcomFlow(copy.session);
  ImportCsvFlow(copy.session);
  EXPECT_EQ(copy.ui.fileChoices.size(), 3u);
  EXPECT_TRUE(copy.ui.messages.empty());
}

TEST(ExportGedcomFlow, TheSecondFilterWritesWindows1252) {
  test::SampleCopy copy;
  ASSERT_TRUE(copy.loaded);
  for (int filter : {0, 1}) {
    const std::string path = copy.dir.file("out" + std::to_string(filter) + ".ged");
    copy.ui.chosenFiles = {path};
    copy.ui.chosenFilter = filter;
    ExportGedcomFlow(copy.session);
    EXPECT_NE(bytesOf(path).find(filter == 1 ? "1 CHAR ANSI" : "1 CHAR UTF-8"), std::string::npos) << filter;
  }
}

}  // namespace
}  // namespace kord
