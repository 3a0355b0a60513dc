// kord stats: the statistics chooser run for one statistic, and the window it
// fills printed control by control.

#include <string>

#include "cli_context.h"
#include "stats/statistics_command.h"

namespace kord::cli {
namespace {

void printLabels(CliContext& c, const std::string& males, const std::string& females, const std::string& total,
                 const std::string& share) {
  c.printLine("NMaschi=" + males);
  c.printLine("NFemmine=" + females);
  c.printLine("Totali=" + total);
  c.printLine("Quotatotale=" + share);
}

/// Non-empty cells, row-major, numbered from 0 as the grid numbers them.
void printGrid(CliContext& c, const GridModel& grid) {
  for (int r = 0; r < grid.rows(); ++r)
    for (int col = 0; col < grid.columns(); ++col)
      if (const std::string& cell = grid.cells[r][col]; !cell.empty())
        c.printLine("Grid1(" + std::to_string(r) + "," + std::to_string(col) + ")=" + cell);
}

/// Data points, row-major, numbered from 1 as the chart's data table.
void printChart(CliContext& c, const std::string& name, const ChartTable& chart) {
  for (int r = 0; r < chart.rows(); ++r)
    for (int col = 0; col < chart.columns(); ++col)
      if (const auto& value = chart.values[r][col])
        c.printLine(name + "(" + std::to_string(r + 1) + "," + std::to_string(col + 1) + ")=" + std::to_string(*value));
}

}  // namespace

void PrintStatistic(CliContext& c, bool centuries) {
  const Session& s = c.session;
  if (centuries) {
    const CenturyStatsModel& m = s.centuries;
    printLabels(c, m.NMaschi, m.NFemmine, m.Totali, m.Quotatotale);
    printGrid(c, m.Grid1);
    printChart(c, "Graph1", m.Graph1);
    printChart(c, "Graph2", m.Graph2);
  } else {
    const DecadeStatsModel& m = s.decades;
    printLabels(c, m.NMaschi, m.NFemmine, m.Totali, m.Quotatotale);
    printGrid(c, m.Grid1);
    printChart(c, "Graph1", m.Graph1);
  }
}

int RunStats(CliContext& c) {
  const auto& args = c.options.args;
  if (args.size() != 2 || (args[1] != "centuries" && args[1] != "decades"))
    return c.fail("stats takes a database file and centuries or decades", kUsage);
  if (!LoadDatabase(c, args[0])) return c.fail("no database was loaded");
  Session& s = c.session;
  StatisticsCommand(s);
  if (s.windowState != kStateIdle) return c.fail("the statistics did not start");
  const bool centuries = args[1] == "centuries";
  RunChosenStatistic(s, ChartChooserButton::Run, centuries ? kCenturyStatistic : kDecadeStatistic);
  PrintStatistic(c, centuries);
  return kOk;
}

}  // namespace kord::cli
