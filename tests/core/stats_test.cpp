// The century and decade statistics and their chooser, on small databases
// of individuals with a sex and a birth date, with "today" fixed in 2026.

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "db/file_set.h"
#include "stats/century_statistics.h"
#include "stats/decade_statistics.h"
#include "stats/statistics_command.h"
#include "test_support.h"

namespace kord {
namespace {

struct Person {
  std::string sex;
  std::string birthDate;
};

/// Also calls `onShow` whenever a window is shown, so a test can look at the
/// session in the middle of a run.
class WatchingUi : public test::FakeUi {
 public:
  std::function<void(Window)> onShow;
  void showWindow(Window w, bool visible) override {
    FakeUi::showWindow(w, visible);
    if (visible && onShow) onShow(w);
  }
};

/// A loaded database "fam" with one record per person (indexes 2, 3, ...),
/// the main window idle and the first individual in focus.
struct StatsFixture {
  WatchingUi ui;
  test::FixedClock clock;  // 8 December 2026
  test::FakePrinter printer;
  Session session{ui, clock, printer};
  test::TempDir dir;

  explicit StatsFixture(std::initializer_list<Person> list) {
    const std::vector<Person> people(list);
    std::string bytes;
    for (std::size_t i = 0; i < people.size(); ++i) {
      PersonRecord r;
      r.set(Num, std::to_string(i + 1));
      r.set(Name, "Pavan " + std::to_string(i + 2));
      r.set(Sex, people[i].sex);
      r.set(BirthDate, people[i].birthDate);
      bytes.append(r.bytes().begin(), r.bytes().end());
    }
    dir.write("fam.rni", bytes);
    session.files = FileSetFor(dir.file("fam.rni"));
    session.DbFolder = dir.folder();
    session.tables.LastIndex = 1 + static_cast<int>(people.size());
    session.windowState = kStateIdle;
    session.NInd = {2, 0};
  }

  void runCenturies() { RunChosenStatistic(session, ChartChooserButton::Run, kCenturyStatistic); }
  void runDecades() { RunChosenStatistic(session, ChartChooserButton::Run, kDecadeStatistic); }
};

std::optional<int> value(const ChartTable& chart, int row, int column) { return chart.values.at(row).at(column); }

/// The columns of `row` that hold a count above 0.
std::vector<int> countedColumns(const ChartTable& chart, int row) {
  std::vector<int> columns;
  for (int c = 0; c < chart.columns(); ++c)
    if (value(chart, row, c).value_or(0) > 0) columns.push_back(c);
  return columns;
}

/// The classes (Graph1 rows) whose column `column` holds a count above 0.
std::vector<int> countedRows(const ChartTable& chart, int column) {
  std::vector<int> rows;
  for (int r = 0; r < chart.rows(); ++r)
    if (value(chart, r, column).value_or(0) > 0) rows.push_back(r);
  return rows;
}

// ------------------------------------------------------------ centuries

TEST(CenturyStatistics, CountsSexesInAnyCaseAndTheShareOfMales) {
  StatsFixture f({{"M", "1/1/1950"}, {"m", "1/1/1960"}, {"M", ""}, {"F", "1/1/1970"}, {" ", "1/1/1980"}});
  f.runCenturies();
  const CenturyStatsModel& m = f.session.centuries;
  EXPECT_EQ(m.NMaschi, "3");
  EXPECT_EQ(m.NFemmine, "1");
  EXPECT_EQ(m.Totali, "4");
  EXPECT_EQ(m.Quotatotale, "0,75");
  EXPECT_EQ(value(m.Graph1, 0, 0), 2) << "the male without a date is in no bucket";
  EXPECT_EQ(value(m.Graph1, 1, 0), 1) << "the individual without a sex counts nowhere";
  EXPECT_EQ(value(m.Graph2, 0, 0), 3);
  EXPECT_EQ(value(m.Graph2, 1, 0), 1);
}

TEST(CenturyStatistics, PutsEachBirthYearInItsBucketOrInNone) {
  struct Case {
    const char* birthDate;
    std::optional<int> bucket;
  };
  const Case cases[] = {
      {"1/1/1966", 0},   // 60 years ago
      {"8/12/1927", 0},  // 99 years
      {"1/1/1926", 1},   // 100 years
      {"1/1/1876", 1},   // 150 years ago
      {"1950", 0},       // normalised to 0/0/1950
      {"0/0/1950", 0},
      {"0/13/1700", 3},
      {"17??", 3},                 // normalised to 0/13/1700
      {"1/1/1176", 8},             // 850 years ago
      {"0/13/0526", 8},            // 1500 years ago
      {"0/0/0100", 8},             // 1926 years: still no more than (2026 - 101) / 100 centuries
      {"0/0/0026", std::nullopt},  // 2000 years: too old
      {"1/1/2030", std::nullopt},  // in the future
      {"1/1/28", std::nullopt},    // read as 2028 and not moved back here
      {"", std::nullopt},
      {"12-03-1950", std::nullopt},  // ten characters in another notation
  };
  for (const Case& c : cases) {
    StatsFixture f({{"M", c.birthDate}});
    f.runCenturies();
    const CenturyStatsModel& m = f.session.centuries;
    EXPECT_EQ(m.NMaschi, "1") << c.birthDate << ": counted in the sex totals whatever the date";
    std::vector<int> expected;
    if (c.bucket) expected.push_back(*c.bucket);
    EXPECT_EQ(countedColumns(m.Graph1, 0), expected) << c.birthDate;
    EXPECT_TRUE(countedColumns(m.Graph1, 1).empty()) << c.birthDate;
    EXPECT_TRUE(f.ui.prompts.empty()) << c.birthDate << ": nothing to ask";
  }
}

TEST(CenturyStatistics, LaysOutGridAndChartsWithTheCenturyLabels) {
  StatsFixture f({{"M", "1/1/1966"}, {"F", "1/1/1876"}, {"F", "1/1/1176"}});
  f.runCenturies();
  const CenturyStatsModel& m = f.session.centuries;
  const std::vector<std::string> labels = {"2000", "1900", "1800", "1700", "1600", "1500", "N.D.", "", ""};

  ASSERT_EQ(m.Grid1.rows(), 10);
  ASSERT_EQ(m.Grid1.columns(), 3);
  EXPECT_EQ(m.Grid1.cells[0], (std::vector<std::string>{"Secoli", "", ""}));
  for (int i = 0; i < 9; ++i) EXPECT_EQ(m.Grid1.cells[i + 1][0], labels[i]) << i;
  EXPECT_EQ(m.Grid1.cells[1], (std::vector<std::string>{"2000", "1", "0"}));
  EXPECT_EQ(m.Grid1.cells[2], (std::vector<std::string>{"1900", "0", "1"}));
  EXPECT_EQ(m.Grid1.cells[9], (std::vector<std::string>{"", "0", "1"}));

  ASSERT_EQ(m.Graph1.rows(), 2);
  ASSERT_EQ(m.Graph1.columns(), 10);
  EXPECT_EQ(m.Graph1.rowLabels, (std::vector<std::string>{"Maschi", "Femmine"}));
  EXPECT_EQ(m.Graph1.columnLabels,
            (std::vector<std::string>{"2000", "1900", "1800", "1700", "1600", "1500", "N.D.", "", "", ""}));
  EXPECT_EQ(value(m.Graph1, 0, 8), 0) << "bucket 8 is a data point";
  EXPECT_EQ(value(m.Graph1, 0, 9), std::nullopt) << "the tenth column stays empty";
  EXPECT_EQ(value(m.Graph1, 1, 8), 1);

  ASSERT_EQ(m.Graph2.rows(), 2);
  ASSERT_EQ(m.Graph2.columns(), 1);
  EXPECT_EQ(m.Graph2.rowLabels, (std::vector<std::string>{"Maschi", "Femmine"}));
  EXPECT_EQ(value(m.Graph2, 1, 0), 2);
}

TEST(CenturyStatistics, LabelsFollowTheCurrentCentury) {
  EXPECT_EQ(CenturyLabel(0, 2099), "2000");
  EXPECT_EQ(CenturyLabel(0, 2100), "2100");
  EXPECT_EQ(CenturyLabel(5, 2100), "1600");
  EXPECT_EQ(CenturyLabel(6, 2100), "N.D.");
  EXPECT_EQ(CenturyLabel(7, 2100), "");
  // A birth in the current year is bucket 0; the oldest bucket-8 year is
  // the last one with floor((Y - y) / 100) <= floor((Y - 101) / 100).
  EXPECT_EQ(CenturyBucket(2026, 2026), 0);
  EXPECT_EQ(CenturyBucket(2027, 2026), std::nullopt);
  EXPECT_EQ(CenturyBucket(27, 2026), 8);
  EXPECT_EQ(CenturyBucket(26, 2026), std::nullopt);
  EXPECT_EQ(CenturyBucket(101, 2100), 8);
  EXPECT_EQ(CenturyBucket(100, 2100), std::nullopt);
}

TEST(CenturyStatistics, ShareIsWrittenWithADecimalCommaAndFifteenDigits) {
  struct Case {
    int males, females;
    const char* text;
  };
  const Case cases[] = {{3, 1, "0,75"},
                        {1, 2, "0,333333333333333"},
                        {2, 1, "0,666666666666667"},
                        {1, 0, "1"},
                        {0, 5, "0"},
                        {1, 7, "0,125"},
                        {0, 0, "-"}};
  for (const Case& c : cases) EXPECT_EQ(ShareText(c.males, c.females), c.text) << c.males << "/" << c.females;
}

// ------------------------------------------------------------ decades

TEST(DecadeStatistics, PutsEachAgeInItsClassOrCountsTheDateMissing) {
  struct Case {
    const char* birthDate;
    std::optional<int> decadeClass;  ///< none: the date-missing count
  };
  const Case cases[] = {
      {"1/1/2026", 0},
      {"1/1/2017", 0},   // 9 years
      {"1/1/2016", 1},   // 10 years
      {"1/1/2001", 2},   // 25 years ago
      {"1/1/1636", 39},  // exactly 390 years
      {"1/1/1631", 39},  // 395 years
      {"1/1/1100", 39},  // 926 years
      {"0/0/1925", 10},  // year only: 101 years
      {"0/0/50", 7},     // two-digit year only: 1950
      {"0/13/1900", 12},
      {"19??", 12},                 // normalised to 0/13/1900
      {"1/1/2090", 3},              // a full date in the future goes back to 1990
      {"1/1/28", 9},                // read as 2028, moved back to 1928
      {"0/0/2090", std::nullopt},   // a year alone is not moved back
      {"0/13/0100", std::nullopt},  // 1926 years: more than 2026 - 101
      {"0/13/1925", 10},
      {"0/0/0000", std::nullopt},
  };
  for (const Case& c : cases) {
    StatsFixture f({{"M", c.birthDate}});
    f.runDecades();
    const DecadeStatsModel& m = f.session.decades;
    EXPECT_EQ(m.NMaschi, "1") << c.birthDate;
    std::vector<int> expected;
    if (c.decadeClass) expected.push_back(*c.decadeClass);
    EXPECT_EQ(countedRows(m.Graph1, 0), expected) << c.birthDate;
    EXPECT_EQ(m.Quotatotale, c.decadeClass ? "0" : "1") << c.birthDate;
  }
}

TEST(DecadeStatistics, CountsOnlyIndividualsWithAUsableDateAndAKnownSex) {
  StatsFixture f(
      {{"M", ""}, {"F", "12-03-1950"}, {"F", "1/1/1990"}, {"f", "1/1/1991"}, {"", "1/1/1990"}, {"M", "1/1/1940"}});
  f.runDecades();
  const DecadeStatsModel& m = f.session.decades;
  EXPECT_EQ(m.NMaschi, "1") << "the male without a birth date is absent";
  EXPECT_EQ(m.NFemmine, "2") << "so is the female whose date is not one";
  EXPECT_EQ(m.Totali, "3");
  EXPECT_EQ(m.Quotatotale, "0");
  EXPECT_EQ(value(m.Graph1, 3, 1), 2);
  EXPECT_EQ(value(m.Graph1, 8, 0), 1);

  StatsFixture centuries({{"M", ""}, {"F", "1/1/1990"}});
  centuries.runCenturies();
  EXPECT_EQ(centuries.session.centuries.NMaschi, "1") << "the century statistic counts him";
}

TEST(DecadeStatistics, LaysOutTheGridWithYearHeadingsAndTheChartByClass) {
  StatsFixture f({{"M", "1/1/2001"}, {"F", "1/1/2001"}, {"F", "1/1/1631"}});
  f.runDecades();
  const DecadeStatsModel& m = f.session.decades;
  ASSERT_EQ(m.Grid1.rows(), 3);
  ASSERT_EQ(m.Grid1.columns(), 41);
  EXPECT_EQ(m.Grid1.cells[0][0], "Anni");
  EXPECT_EQ(m.Grid1.cells[1][0], "Masc.");
  EXPECT_EQ(m.Grid1.cells[2][0], "Femm.");
  EXPECT_EQ(m.Grid1.cells[0][1], "026");
  EXPECT_EQ(m.Grid1.cells[0][2], "016");
  EXPECT_EQ(m.Grid1.cells[0][4], "996");
  EXPECT_EQ(m.Grid1.cells[0][39], "646");
  EXPECT_EQ(m.Grid1.cells[0][40], ">41") << "the last column is not headed by a year";
  EXPECT_EQ(m.Grid1.cells[1][3], "1");
  EXPECT_EQ(m.Grid1.cells[2][3], "1");
  EXPECT_EQ(m.Grid1.cells[2][40], "1");
  EXPECT_EQ(m.Grid1.cells[1][40], "0");

  ASSERT_EQ(m.Graph1.rows(), 40);
  ASSERT_EQ(m.Graph1.columns(), 2);
  EXPECT_EQ(m.Graph1.columnLabels, (std::vector<std::string>{"Maschi", "Femmine"}));
  EXPECT_EQ(value(m.Graph1, 2, 0), 1);
  EXPECT_EQ(value(m.Graph1, 39, 1), 1);
  EXPECT_EQ(value(m.Graph1, 0, 0), 0) << "empty classes are data points too";
}

TEST(DecadeStatistics, ACorrectedBirthDateCountsForThisRunOnlyAndNeverReachesTheFile) {
  // "circa 1950" has one blank: the person is asked, and answers a year that
  // the normaliser turns into 0/0/0100, older than any class.
  StatsFixture f({{"M", "circa 1950"}, {"F", "1/1/1950"}});
  const std::string before = f.dir.read("fam.rni");
  f.ui.inputAnswers = {"0100"};
  f.runDecades();
  ASSERT_EQ(f.ui.prompts.size(), 1u);
  EXPECT_EQ(f.ui.prompts[0], "Pavan 2" + std::string(33, ' ') + " Digitare la data di Nascita corretta. (dd/mm/aaaa) ");
  const DecadeStatsModel& m = f.session.decades;
  EXPECT_EQ(m.NMaschi, "1");
  EXPECT_EQ(m.Quotatotale, "1") << "the year-100 date is counted as missing";
  EXPECT_TRUE(countedRows(m.Graph1, 0).empty());
  EXPECT_EQ(f.dir.read("fam.rni"), before);

  f.ui.inputAnswers = {"1/1/1950"};
  f.runDecades();
  EXPECT_EQ(f.session.decades.Quotatotale, "0") << "the stored text is asked about again";
  EXPECT_EQ(countedRows(f.session.decades.Graph1, 0), std::vector<int>{7});
}

TEST(Statistics, ACancelledCorrectionLeavesTheIndividualWithoutADate) {
  StatsFixture f({{"F", "circa 1950"}});
  f.runCenturies();
  EXPECT_EQ(f.ui.prompts.size(), 1u);
  EXPECT_EQ(f.session.centuries.NFemmine, "1");
  EXPECT_TRUE(countedColumns(f.session.centuries.Graph1, 1).empty());
}

TEST(Statistics, EveryRunStartsFromZero) {
  StatsFixture f({{"M", "1/1/1950"}, {"F", "1/1/1850"}});
  f.runCenturies();
  f.runCenturies();
  f.runDecades();
  f.runDecades();
  EXPECT_EQ(f.session.centuries.Totali, "2");
  EXPECT_EQ(value(f.session.centuries.Graph1, 0, 0), 1);
  EXPECT_EQ(f.session.decades.Totali, "2");
  EXPECT_EQ(value(f.session.decades.Graph1, 7, 0), 1);
}

TEST(Statistics, AMissingIndividualsFileIsReportedAndCountsNothing) {
  StatsFixture f({{"M", "1/1/1950"}});
  f.session.files = FileSetFor(f.dir.file("gone.rni"));
  f.runCenturies();
  ASSERT_EQ(f.ui.messages.size(), 1u);
  EXPECT_NE(f.ui.messages[0].find("gone.rni"), std::string::npos) << f.ui.messages[0];
  EXPECT_EQ(f.session.centuries.Totali, "0");
  EXPECT_EQ(f.session.windowState, kStateIdle);
}

// ------------------------------------------------------------ the chooser

TEST(StatisticsCommand, ShowsTheChooserOnlyWhileTheMainWindowIsIdle) {
  for (int state : {0, 4, 7, 10}) {
    StatsFixture f({});
    f.session.windowState = static_cast<kord::WindowState>(state);
    StatisticsCommand(f.session);
    EXPECT_EQ(f.ui.messages,
              std::vector<std::string>{"Chiudere le finestre secondarie prima di generare il censimento"})
        << state;
    EXPECT_TRUE(f.ui.shown.empty()) << state;
  }
  StatsFixture f({});
  StatisticsCommand(f.session);
  EXPECT_TRUE(f.ui.messages.empty());
  EXPECT_EQ(f.ui.shown, (std::vector<std::pair<Window, bool>>{{Window::ChartChooser, true}}));
}

TEST(StatisticsCommand, RunSetsTheStateAndSwitchesAndPutsEverythingBack) {
  for (ChosenStatistic option : {kCenturyStatistic, kDecadeStatistic}) {
    StatsFixture f({{"M", "1/1/1950"}, {"F", "1/1/1960"}, {"M", "1/1/1970"}});
    Session& s = f.session;
    s.NInd = {3, 4};
    s.OutputToFile = true;
    s.DetailLines = false;
    s.WalkAll = false;
    s.NavigatorFocus = true;
    struct During {
      int state;
      bool grafici, walkAll, outputToFile, detailLines, navigatorFocus;
    };
    std::vector<During> seen;
    f.ui.onShow = [&](Window) {
      seen.push_back({s.windowState, s.statisticsRunning, s.WalkAll, s.OutputToFile, s.DetailLines, s.NavigatorFocus});
    };
    RunChosenStatistic(s, ChartChooserButton::Run, option);

    const Window shown = option == kCenturyStatistic ? Window::CenturyChartWindow : Window::AgeChartWindow;
    EXPECT_EQ(f.ui.shown, (std::vector<std::pair<Window, bool>>{{Window::ChartChooser, false}, {shown, true}}));
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].state, kStateCensus);
    EXPECT_TRUE(seen[0].grafici && seen[0].walkAll && seen[0].outputToFile && seen[0].detailLines);
    EXPECT_FALSE(seen[0].navigatorFocus);

    EXPECT_EQ(s.NInd, (std::array<int, 2>{3, 4})) << "the focus is the one chosen before";
    EXPECT_EQ(s.windowState, kStateIdle);
    EXPECT_FALSE(s.statisticsRunning);
    EXPECT_FALSE(s.OutputToFile) << "file output is off after the run, as it was on before";
    EXPECT_FALSE(s.WalkAll);
    EXPECT_FALSE(s.DetailLines);
    EXPECT_TRUE(s.NavigatorFocus);
    EXPECT_GE(f.ui.refreshes, 1);
  }
}

TEST(StatisticsCommand, WithoutAnOptionSetThePreviousChoiceRunsAgain) {
  StatsFixture f({{"M", "1/1/1950"}});
  Session& s = f.session;
  auto shownWindows = [&] {
    std::vector<Window> windows;
    for (auto [w, visible] : f.ui.shown)
      if (visible) windows.push_back(w);
    f.ui.shown.clear();
    return windows;
  };

  RunChosenStatistic(s, ChartChooserButton::Run, kNoStatistic);
  EXPECT_TRUE(shownWindows().empty()) << "nothing was chosen before the first use";
  EXPECT_EQ(s.windowState, kStateIdle);

  RunChosenStatistic(s, ChartChooserButton::Run, kDecadeStatistic);
  EXPECT_EQ(shownWindows(), std::vector<Window>{Window::AgeChartWindow});
  RunChosenStatistic(s, ChartChooserButton::Run, kNoStatistic);
  EXPECT_EQ(shownWindows(), std::vector<Window>{Window::AgeChartWindow});

  RunChosenStatistic(s, ChartChooserButton::Close, kCenturyStatistic);  // closing remembers the choice but runs nothing
  EXPECT_TRUE(shownWindows().empty());
  EXPECT_EQ(s.chosenStatistic, kCenturyStatistic);
  RunChosenStatistic(s, ChartChooserButton::Run, kNoStatistic);
  EXPECT_EQ(shownWindows(), std::vector<Window>{Window::CenturyChartWindow});
}

TEST(CenturyStatistics, CalledOutsideTheChooserItFillsTheWindowWithoutShowingIt) {
  StatsFixture f({{"M", "1/1/1950"}});
  f.session.WalkAll = true;  // Grafici is off: not started by the chooser
  CenturyStatistics(f.session);
  EXPECT_TRUE(f.ui.shown.empty());
  EXPECT_FALSE(f.session.centuries.visible);
  EXPECT_EQ(f.session.centuries.NMaschi, "1");
}

}  // namespace
}  // namespace kord
