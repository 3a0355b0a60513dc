// kord list and report: the list window and the report grid.

#include <array>
#include <map>
#include <sstream>

#include "cli_context.h"
#include "db/text.h"
#include "lists/report.h"
#include "lists/sorted_book.h"
#include "lists/standard_lists.h"

namespace kord::cli {

void PrintLista(CliContext& c) {
  for (const auto& item : c.session.list.Liber)
    c.printLine((c.options.data ? std::to_string(item.itemData) + "\t" : std::string()) + ListLineText(item.text));
}

void PrintReportGrid(CliContext& c) {
  const auto& grid = c.session.report.Grid1;
  for (std::size_t r = 0; r < grid.size(); ++r)
    for (std::size_t col = 0; col < grid[r].size(); ++col)
      if (!grid[r][col].empty())
        c.printLine("Grid1(" + std::to_string(r) + "," + std::to_string(col) + ")=" + grid[r][col]);
}

int RunList(CliContext& c) {
  static const std::map<std::string, ListMode> modes = {
      {"general", ListMode::General}, {"roots", ListMode::Roots}, {"leaves", ListMode::Leaves}};
  if (c.options.args.size() != 2 || !modes.count(c.options.args[1]))
    return c.fail("list takes a database file and general, roots or leaves", kUsage);
  if (!LoadDatabase(c, c.options.args[0])) return c.fail("no database was loaded");
  ListCommand(c.session, modes.at(c.options.args[1]), false);
  PrintLista(c);
  return kOk;
}

std::optional<std::array<bool, 13>> ReportFields(CliContext& c) {
  std::array<bool, 13> ticked{};
  std::stringstream list(c.options.fields.value_or(""));
  for (std::string field; std::getline(list, field, ',');) {
    const int number = WholeNumber(Trim(field)).value_or(0);
    if (number < 1 || number > 13) {
      c.fail("--fields takes field numbers from 1 to 13, not \"" + field + "\"", kUsage);
      return std::nullopt;
    }
    ticked[number - 1] = true;
  }
  return ticked;
}

int RunReport(CliContext& c) {
  if (c.options.args.size() != 1 || !c.options.fields)
    return c.fail("report takes a database file and --fields with field numbers 1..13", kUsage);
  const auto ticked = ReportFields(c);
  if (!ticked) return kUsage;
  if (!LoadDatabase(c, c.options.args[0])) return c.fail("no database was loaded");
  if (c.session.NInd[0] <= 0) c.session.NInd[0] = 2;
  CustomReportCommand(c.session);
  c.session.report.Check1 = *ticked;
  PressReportFieldsButton(c.session, ReportFieldsButton::Report);
  PrintReportGrid(c);
  if (c.options.csv) {
    OutputFailure failure = WriteFileAtomically(*c.options.csv, ReportCsv(c.session.report));
    if (failure) return c.failText(OutputFailureText(failure, c.session.English));
  }
  return kOk;
}

}  // namespace kord::cli
