// kord assist on copies of the sample: a node prints what the command's own
// subcommand prints, group nodes print nothing, bad calls are refused before
// anything runs.

#include <gtest/gtest.h>

#include "cli_run.h"

namespace kord {
namespace {

using test::RunKord;

TEST(CliAssist, ANodePrintsWhatItsCommandPrints) {
  struct Case {
    std::vector<std::string> assist, own;
  };
  const Case cases[] = {
      {{"17"}, {"list", "general"}},
      {{"Normale", "--data"}, {"list", "general", "--data"}},
      {{"36"}, {"list", "roots"}},
      {{"21", "--focus", "2"}, {"branches", "--focus", "2"}},
      {{"Rami dell'albero", "--focus", "2", "--card"}, {"branches", "--focus", "2", "--card"}},
      {{"24", "--focus", "67", "--data"}, {"roots", "--focus", "67", "--outline", "--data"}},
      {{"33", "--focus", "67", "--second", "2"}, {"kin", "--focus", "67", "--second", "2"}},
      {{"26", "--key", "11"}, {"sorted", "--key", "11"}},
      {{"29", "--fields", "1,2"}, {"report", "--fields", "1,2"}},
      {{"18"}, {"census"}},
      {{"9", "--focus", "40"}, {"navigate", "--focus", "40"}},
  };
  for (const Case& c : cases) {
    test::TempDir dir, ownDir;
    std::vector<std::string> assist = {"assist", test::CopySample(dir)}, own = c.own;
    assist.insert(assist.end(), c.assist.begin(), c.assist.end());
    own.insert(own.begin() + 1, test::CopySample(ownDir));
    auto viaAssist = RunKord(dir, assist);
    auto direct = RunKord(ownDir, own);
    SCOPED_TRACE(c.assist.front());
    ASSERT_EQ(viaAssist.status, 0) << viaAssist.err;
    ASSERT_EQ(direct.status, 0) << direct.err;
    EXPECT_FALSE(viaAssist.out.empty());
    EXPECT_EQ(viaAssist.out, direct.out);
  }
}

TEST(CliAssist, GroupNodesPrintNothing) {
  test::TempDir dir;
  std::string db = test::CopySample(dir);
  for (const char* node : {"1", "su Albero", "Rapporti", "28"}) {
    auto r = RunKord(dir, {"assist", db, node});
    EXPECT_EQ(r.status, 0) << node << ": " << r.err;
    EXPECT_EQ(r.out, "") << node;
  }
}

TEST(CliAssist, ExchangeShowsBothCards) {
  test::TempDir dir;
  auto r = RunKord(dir, {"assist", test::CopySample(dir), "35", "--focus", "40", "--second", "67"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "Label3D2(1)=Pavan Leonardo\nText2(1)=Della Libera Silvana\nNInd(0)=67\nNInd(1)=40\n");
}

TEST(CliAssist, BadCallsAreRefusedBeforeTheDatabaseIsTouched) {
  struct Case {
    std::vector<std::string> args;
    std::string error;
  };
  const Case cases[] = {
      {{"99"}, "no assistant node \"99\""},
      {{"Nessuno"}, "no assistant node \"Nessuno\""},
      {{"8"}, "node 8 \"da lista ordinata\" opens the sort-key window"},
      {{"26", "--key", "15"}, "give --key K"},
      {{"29"}, "node 29 \"Configurabile dall'utente\" opens the field chooser"},
      {{"29", "--fields", "0"}, "--fields takes field numbers from 1 to 13, not \"0\""},
      {{"19", "weeks"}, "add centuries or decades"},
      {{"17", "extra"}, "assist takes a database file and a node"},
  };
  for (const Case& c : cases) {
    test::TempDir dir;
    std::vector<std::string> args = {"assist", test::CopySample(dir)};
    args.insert(args.end(), c.args.begin(), c.args.end());
    auto r = RunKord(dir, args);
    EXPECT_EQ(r.status, 2) << c.args.front();
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find(c.error), std::string::npos) << r.err;
    EXPECT_EQ(r.err.find("Database OK"), std::string::npos) << "refused before loading";
  }
}

}  // namespace
}  // namespace kord
