#include "lists/report.h"

#include "db/csv_fields.h"
#include "lists/standard_lists.h"
#include "session/printing.h"

#include <algorithm>

namespace kord {
namespace {

constexpr int kFieldWidthTwips[13] = {2000, 850, 800, 850, 800, 850, 800, 850, 800, 850, 800, 2400, 300};

std::vector<int> tickedBoxes(const ReportModel& r) {
  std::vector<int> boxes;
  for (int i = 0; i < 13; ++i)
    if (r.Check1[i]) boxes.push_back(i);
  return boxes;
}

}  // namespace

void CustomReportCommand(Session& s) {
  s.report.requested = true;
  if (s.NInd[0] <= 0) return;
  if (s.windowState != kStateIdle) {
    s.ui.message("Chiudere le finestre secondarie prima di generare il rapporto");
    return;
  }
  s.windowState = kStateReportChooser;
  s.SortKey = 0;
  s.savedFocus = s.NInd[0];
  for (int i = 0; i < 13; ++i) s.report.checkCaptions[i] = s.tables.FieldCaptions[i + 1];
  s.report.chooserVisible = true;
  s.ui.showWindow(Window::ReportFieldsDialog, true);
}

void PressReportFieldsButton(Session& s, ReportFieldsButton button) {
  s.report.chooserVisible = false;
  s.ui.showWindow(Window::ReportFieldsDialog, false);
  if (button == ReportFieldsButton::Close) s.report.requested = false;
  SetIdleSwitches(s);
  s.NInd[0] = s.savedFocus;
  s.windowState = kStateIdle;
  if (s.report.requested) BuildReport(s);
}

void BuildReport(Session& s) {
  ReportModel& r = s.report;
  r.gridVisible = true;
  s.ui.showWindow(Window::ReportGridWindow, true);
  auto boxes = tickedBoxes(r);
  r.Grid1.clear();
  r.columnWidths.clear();
  if (boxes.empty()) {
    r.Grid1 = {{s.text("Nessun campo scelto: spuntare almeno un campo in \"Selezione Campi\".",
                       "No field chosen: tick at least one field in \"Selezione Campi\".")}};
    r.columnWidths = {6000};
    s.ui.refresh(Window::ReportGridWindow);
    return;
  }
  std::vector<std::string> header;
  for (int i : boxes) {
    header.push_back(s.tables.FieldCaptions[i + 1]);
    r.columnWidths.push_back(kFieldWidthTwips[i]);
  }
  r.Grid1.push_back(header);
  OpenIndividualsFileForViews(s);
  for (long rec = 1; rec <= s.tables.LastIndex - 1; ++rec) {
    ReadRecord(s, rec);
    std::vector<std::string> row;
    for (int i : boxes) row.emplace_back(s.record.raw(static_cast<Field>(i + 1)));
    r.Grid1.push_back(std::move(row));
  }
  s.individuals.close();
  s.ui.refresh(Window::ReportGridWindow);
}

void PrintReport(Session& s) {
  const auto& grid = s.report.Grid1;
  if (grid.empty()) return;
  std::vector<std::size_t> widths(grid.front().size(), 0);
  for (const auto& row : grid)
    for (std::size_t c = 0; c < row.size() && c < widths.size(); ++c) widths[c] = std::max(widths[c], row[c].size());
  s.printer.setFontName("Terminal");
  for (const auto& row : grid) {
    std::string line;
    for (std::size_t c = 0; c < row.size() && c < widths.size(); ++c)
      line += (c ? " " : "") + row[c] + std::string(widths[c] - row[c].size(), ' ');
    s.printer.printLine("", TrimRight(line));
  }
  EndPrinterDocument(s, "Rapporto");
}

std::string ReportCsv(const ReportModel& report) {
  std::string text;
  for (const auto& row : report.Grid1) {
    for (std::size_t c = 0; c < row.size(); ++c) {
      std::string cell = row[c];
      for (std::size_t at = 0; (at = cell.find('"', at)) != std::string::npos; at += 2) cell.insert(at, "\"");
      text += (c ? "," : "") + ("\"" + cell + "\"");
    }
    text += kNewLine;
  }
  return text;
}

}  // namespace kord
