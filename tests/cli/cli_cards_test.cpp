// Searching, adding, editing and linking from the command line, then
// reading back what a later run loads.

#include <gtest/gtest.h>

#include "cli_run.h"

namespace kord {
namespace {

using test::RunKord;

TEST(CliSearch, TypingRoListsEveryRoNameSortedWithTheHighestMatchChosen) {
  test::TempDir dir;
  std::string db = test::CopySample(dir);
  auto r = RunKord(dir, {"search", db, "ro"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out.rfind("selezionati=Rossi ", 0), 0u) << r.out;
  EXPECT_NE(r.out.find("\nIndividuo="), std::string::npos);
  EXPECT_NE(r.out.find("\nNInd(1)=0\n"), std::string::npos);
  auto upper = RunKord(dir, {"search", db, "RO"});
  EXPECT_EQ(upper.out, r.out) << "letter case does not matter";

  auto second = RunKord(dir, {"search", db, "pavan gio", "--toggle", "1"});
  EXPECT_NE(second.out.find("Genitori=Pavan Nicol\xC3\xB2 Giuseppe\\nFurlan Gina\n"), std::string::npos) << second.out;
  EXPECT_NE(second.out.find("NInd(0)=2\nNInd(1)=36\n"), std::string::npos);
}

TEST(CliEdit, AddEditLinkAndSpouseSurviveTheNextRun) {
  test::TempDir dir;
  std::string db = test::CopySample(dir);
  auto added = RunKord(dir, {"add", db, "1=Pavan Zoe", "2=01/02/2010", "13=F", "12=Nata a Sacile"});
  ASSERT_EQ(added.status, 0) << added.err;
  EXPECT_EQ(added.out, "68\n");
  auto linked = RunKord(dir, {"link", db, "--child", "68", "--parent", "36"});
  EXPECT_EQ(linked.status, 0) << linked.err;
  auto married = RunKord(dir, {"spouse", db, "68", "67"});
  EXPECT_EQ(married.status, 0) << married.err;
  auto edited = RunKord(dir, {"edit", db, "--focus", "68", "3=Sacile"});
  EXPECT_EQ(edited.status, 0) << edited.err;

  auto card = RunKord(dir, {"card", db, "--focus", "68"});
  EXPECT_NE(card.out.find("Nome=Pavan Zoe\nData Nascita=01/02/2010\nLuogo Nascita=Sacile\n"), std::string::npos)
      << card.out;
  EXPECT_NE(card.out.find("Note=Nata a Sacile\nSesso=F\n"), std::string::npos);
  auto search = RunKord(dir, {"search", db, "pavan zoe"});
  EXPECT_NE(search.out.find("Genitori=Pavan Gio\xC3\xA8\\n\n"), std::string::npos) << search.out;
  EXPECT_NE(search.out.find("Coniugi=Pavan Leonardo\n"), std::string::npos) << search.out;
  auto info = RunKord(dir, {"info", db});
  EXPECT_EQ(info.out, "Caricati 67 Individui \nCaricati 85 discendenze    \nCaricati 41 coniugi    \nKord\n");
  std::string children = dir.read("sample/famiglia.rnc");
  EXPECT_EQ(children.substr(children.size() - 7), "67,35\r\n");
}

TEST(CliEdit, BadInputIsRefusedAndChangesNothing) {
  test::TempDir dir;
  std::string db = test::CopySample(dir);
  std::string records = dir.read("sample/famiglia.rni");
  std::string children = dir.read("sample/famiglia.rnc");
  struct Case {
    std::vector<std::string> args;
    const char* message;
  };
  const Case cases[] = {
      {{"edit", db, "--focus", "2", "14=x"}, "is not FIELD=VALUE with a field number from 1 to 13"},
      {{"edit", db, "--focus", "2", "Nome"}, "is not FIELD=VALUE"},
      {{"edit", db, "--focus", "2", "1=Zh\xC5\x8Du"},
       "Nome: il carattere U+014D non puo' essere registrato nella scheda"},
      {{"edit", db, "--focus", "99", "1=x"}, "--focus 99 is not an individual"},
      {{"link", db, "--child", "2", "--parent", "2"}, "non puo' essere genitore di se stesso"},
      {{"link", db, "--child", "2", "--parent", "36"}, "discende da"},
      {{"spouse", db, "2", "x"}, "\"x\" is not an index"},
      {{"captions", db, "0=Numero"}, "is not FIELD=VALUE"},
  };
  for (const auto& c : cases) {
    auto r = RunKord(dir, c.args);
    EXPECT_NE(r.status, 0) << c.message;
    EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
  }
  EXPECT_EQ(dir.read("sample/famiglia.rni"), records);
  EXPECT_EQ(dir.read("sample/famiglia.rnc"), children);
}

TEST(CliEdit, LongValuesAreCutWithANoteAndCaptionsAreRenamed) {
  test::TempDir dir;
  std::string db = test::CopySample(dir);
  auto r = RunKord(dir, {"edit", db, "--focus", "3", "11=" + std::string(25, 'p')});
  EXPECT_EQ(r.status, 0);
  EXPECT_NE(r.err.find("Luogo Sepoltur.: \"ppppp\" non entrava nel campo ed e' stato tagliato"), std::string::npos)
      << r.err;
  auto captions = RunKord(dir, {"captions", db, "1=Cognome e Nome"});
  EXPECT_EQ(captions.status, 0) << captions.err;
  auto card = RunKord(dir, {"card", db, "--focus", "3"});
  EXPECT_NE(card.out.find("\nCognome e Nome="), std::string::npos);
  EXPECT_NE(card.out.find("Luogo Sepoltur.=" + std::string(20, 'p') + "\n"), std::string::npos);
}

}  // namespace
}  // namespace kord
