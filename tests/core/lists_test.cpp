// The general, roots and leaves lists and the configurable report.

#include <gtest/gtest.h>

#include "db_builder.h"
#include "lists/report.h"
#include "lists/standard_lists.h"
#include "test_support.h"

namespace kord {
namespace {

// 2 Rossi Mario and 3 Bianchi Anna (parents of 4), 4 Rossi Luigi, 5 Verdi Ugo
// (isolated), 6 "" (blank, isolated), 7 Neri Ada (one parent: 4).
struct ListFixture : test::TestSession {
  test::TempDir dir;
  ListFixture() {
    session.files = FileSetFor(
        test::DbBuilder({"Rossi Mario", "Bianchi Anna", "Rossi Luigi", "Verdi Ugo", "", "Neri Ada"}).write(dir));
    Tables& t = session.tables;
    t.LastIndex = 7;
    t.Names = {"", "", "Rossi Mario", "Bianchi Anna", "Rossi Luigi", "Verdi Ugo", "  ", "Neri Ada"};
    t.Names.resize(kTableSize);
    t.Parent1[4] = 2, t.Parent2[4] = 3, t.Parent1[7] = 4;
    session.windowState = kStateIdle;
    session.NInd = {5, 0};
  }
  std::vector<std::string> lines() const {
    std::vector<std::string> texts;
    for (const auto& item : session.list.Liber) texts.push_back(item.text);
    return texts;
  }
};

TEST(Lists, EachModeWithItsTitleMarksAndBlankNames) {
  struct Case {
    ListMode mode;
    std::vector<std::string> lines;
  };
  const Case cases[] = {
      {ListMode::General,
       {"             Lista Generale", "a_ 6", "Bianchi Anna", "Neri Ada", "Rossi Luigi", "Rossi Mario", "Verdi Ugo"}},
      {ListMode::Roots,
       {"             Lista Ceppi", "a_ 6   - Individuo Isolato", "Bianchi Anna", "Rossi Mario",
        "Verdi Ugo   - Individuo Isolato"}},
      {ListMode::Leaves,
       {"             Lista Foglie", "a_ 6 - Individuo isolato", "Neri Ada", "Verdi Ugo - Individuo isolato"}},
  };
  for (const auto& c : cases) {
    ListFixture f;
    ListCommand(f.session, c.mode, false);
    EXPECT_EQ(f.lines(), c.lines);
    EXPECT_EQ(f.session.tables.Names[6], "a_ 6") << "the blank name is replaced for good";
    EXPECT_EQ(f.session.NInd[0], 5) << "the focus is restored";
    EXPECT_EQ(f.session.list.Liber.front().itemData, 0);
  }
}

TEST(Lists, EnglishTitlesAndItemNumbers) {
  ListFixture f;
  f.session.English = true;
  ListCommand(f.session, ListMode::Leaves, false);
  EXPECT_EQ(f.lines().front(), "             Individuals whitout Sons");
  EXPECT_EQ(f.session.list.Liber[2], (ListItem{"Neri Ada", 7}));
  ListCommand(f.session, ListMode::Roots, false);
  EXPECT_EQ(f.lines().front(), "             Family Heads List");
  ListCommand(f.session, ListMode::General, false);
  EXPECT_EQ(f.lines().front(), "             General List");
}

TEST(Lists, ToolbarNeedsAFocusMenuDoesNot) {
  ListFixture f;
  f.session.NInd[0] = 0;
  ListCommand(f.session, ListMode::General, true);
  EXPECT_FALSE(f.session.list.visible);
  EXPECT_TRUE(f.ui.messages.empty());
  ListCommand(f.session, ListMode::General, false);
  EXPECT_TRUE(f.session.list.visible);
  EXPECT_EQ(f.session.NInd[0], 0);
}

TEST(Lists, EmptyDatabaseShowsOnlyTheTitle) {
  test::TestSession t;
  t.session.tables.LastIndex = 1;
  ListIndividuals(t.session, ListMode::Roots);
  ASSERT_EQ(t.session.list.Liber.size(), 1u);
  EXPECT_EQ(t.session.list.Liber[0].text, "             Lista Ceppi");
}

TEST(Lists, ClickMovesTheFocusAndRefreshShowsTheGeneralList) {
  ListFixture f;
  ListCommand(f.session, ListMode::Leaves, false);
  ListClick(f.session, 2);  // Neri Ada
  EXPECT_EQ(f.session.NInd[0], 7);
  EXPECT_EQ(f.session.focusCard.values[Name], "Neri Ada");
  ListClick(f.session, 0);
  EXPECT_EQ(f.session.NInd[0], 0) << "the title line selects nobody";
  RefreshList(f.session);
  EXPECT_EQ(f.lines().front(), "             Lista Generale");

  f.session.windowState = kStateNewRecord;
  ListClick(f.session, 4);  // general list: title, a_ 6, Bianchi, Neri, Rossi Luigi
  EXPECT_TRUE(f.session.editCard.visible) << "an open record card is filled with the clicked individual";
  EXPECT_EQ(f.session.editCard.Text1[Name], "Rossi Luigi");
}

TEST(Report, ColumnsInBoxOrderWithFieldsAsStored) {
  ListFixture f;
  CustomReportCommand(f.session);
  EXPECT_EQ(f.session.windowState, kStateReportChooser);
  EXPECT_EQ(f.session.report.checkCaptions[0], "Nome");
  f.session.report.Check1[11] = true;  // notes
  f.session.report.Check1[0] = true;   // name
  PressReportFieldsButton(f.session, ReportFieldsButton::Report);
  EXPECT_EQ(f.session.windowState, kStateIdle);
  EXPECT_EQ(f.session.NInd[0], 5);
  const auto& grid = f.session.report.Grid1;
  ASSERT_EQ(grid.size(), 7u);
  EXPECT_EQ(grid[0], (std::vector<std::string>{"Nome", "Note"}));
  EXPECT_EQ(grid[1][0], "Rossi Mario" + std::string(29, ' '));
  EXPECT_EQ(grid[1][1], std::string(220, ' '));
  EXPECT_EQ(f.session.report.columnWidths, (std::vector<int>{2000, 2400}));
  EXPECT_EQ(ReportCsv(f.session.report).substr(0, 15), "\"Nome\",\"Note\"\r\n");
}

TEST(Report, EsceNoFocusAndBusyWindows) {
  ListFixture f;
  CustomReportCommand(f.session);
  PressReportFieldsButton(f.session, ReportFieldsButton::Close);
  EXPECT_FALSE(f.session.report.gridVisible);
  EXPECT_EQ(f.session.windowState, kStateIdle);

  f.session.NInd[0] = 0;
  CustomReportCommand(f.session);
  EXPECT_EQ(f.session.windowState, kStateIdle);
  EXPECT_TRUE(f.ui.messages.empty());

  f.session.NInd[0] = 2;
  f.session.windowState = kStateCensus;
  CustomReportCommand(f.session);
  EXPECT_EQ(f.ui.messages, std::vector<std::string>{"Chiudere le finestre secondarie prima di generare il rapporto"});
  EXPECT_EQ(f.session.windowState, kStateCensus);
}

TEST(Report, NoBoxTickedGivesAHint) {
  ListFixture f;
  CustomReportCommand(f.session);
  PressReportFieldsButton(f.session, ReportFieldsButton::Report);
  ASSERT_EQ(f.session.report.Grid1.size(), 1u);
  EXPECT_EQ(f.session.report.Grid1[0][0].rfind("Nessun campo scelto", 0), 0u);
}

TEST(Report, CsvQuotesEveryCellAndDoublesQuotes) {
  ReportModel r;
  r.Grid1 = {{"a", "b\"c"}, {"1, 2", ""}};
  EXPECT_EQ(ReportCsv(r), "\"a\",\"b\"\"c\"\r\n\"1, 2\",\"\"\r\n");
}

}  // namespace
}  // namespace kord
