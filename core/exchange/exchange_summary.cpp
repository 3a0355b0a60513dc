#include "exchange/exchange_summary.h"

namespace kord {
namespace {

void addTotals(const ExchangeSummary& s, std::vector<std::string>& lines) {
  lines.push_back(s.say("Individui: ", "Individuals: ") + std::to_string(s.individuals));
  if (s.exported) lines.push_back(s.say("Famiglie: ", "Families: ") + std::to_string(s.families));
  lines.push_back(s.say("Legami figlio-genitore: ", "Child-parent links: ") + std::to_string(s.childLinks));
  lines.push_back(s.exported ? s.say("Coppie: ", "Couples: ") + std::to_string(s.spouseLinks)
                             : s.say("Legami coniugali: ", "Spouse links: ") + std::to_string(s.spouseLinks));
  if (s.leftOut > 0)
    lines.push_back(s.say("Individui lasciati fuori: ", "Individuals left out: ") + std::to_string(s.leftOut));
  if (!s.charset.empty()) lines.push_back(s.say("Codifica: ", "Character set: ") + s.charset);
  if (s.linesNotImported > 0)
    lines.push_back(s.say("Righe non importate, database pieno: ", "Lines not imported, database full: ") +
                    std::to_string(s.linesNotImported));
}

/// "heading: a 2, b 1", or nothing for an empty map.
void addCountLine(const std::string& heading, const std::map<std::string, int>& counts,
                  std::vector<std::string>& lines) {
  if (counts.empty()) return;
  std::string line = heading;
  bool first = true;
  for (const auto& [what, count] : counts) {
    line += (first ? "" : ", ") + what + " " + std::to_string(count);
    first = false;
  }
  lines.push_back(line);
}

void addList(const std::string& heading, const std::vector<std::string>& items, std::vector<std::string>& lines) {
  if (items.empty()) return;
  lines.push_back(heading + " (" + std::to_string(items.size()) + "):");
  for (const auto& item : items) lines.push_back("  " + item);
}

}  // namespace

std::vector<std::string> SummaryLines(const ExchangeSummary& s) {
  if (!s.ok) return {s.error};
  std::vector<std::string> lines;
  addTotals(s, lines);
  addList(s.say("Righe non lette", "Lines not read"), s.problems, lines);
  addCountLine(s.say("Non importati: ", "Not imported: "), s.skippedTags, lines);
  addCountLine(s.say("Nelle note: ", "Into the notes: "), s.toNotes, lines);
  addCountLine(s.say("Persi, senza posto nelle note: ", "Lost, no room in the notes: "), s.lostByKind, lines);
  addList(s.say("Da controllare", "To check"), s.warnings, lines);
  addList(s.say("Non rappresentato", "Not represented"), s.notRepresented, lines);
  return lines;
}

std::string PersonLabel(const std::string& xref, const std::string& name) {
  return name.empty() ? xref : xref + " " + name;
}

}  // namespace kord
