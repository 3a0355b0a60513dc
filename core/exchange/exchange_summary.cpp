#include "exchange/exchange_summary.h"

namespace kord {
namespace {

void addCounts(const ExchangeSummary& s, std::vector<std::string>& lines) {
  lines.push_back(s.say("Individui: ", "Individuals: ") + std::to_string(s.individuals));
  if (s.exported) lines.push_back(s.say("Famiglie: ", "Families: ") + std::to_string(s.families));
  lines.push_back(s.say("Legami figlio-genitore: ", "Child-parent links: ") + std::to_string(s.childLinks));
  lines.push_back(s.exported ? s.say("Coppie: ", "Couples: ") + std::to_string(s.spouseLinks)
                             : s.say("Legami coniugali: ", "Spouse links: ") + std::to_string(s.spouseLinks));
  if (s.leftOut > 0)
    lines.push_back(s.say("Individui lasciati fuori: ", "Individuals left out: ") + std::to_string(s.leftOut));
  if (!s.charset.empty()) lines.push_back(s.say("Codifica: ", "Character set: ") + s.charset);
}

std::string skippedLine(const ExchangeSummary& s) {
  std::string line = s.say("Non importati: ", "Not imported: ");
  bool first = true;
  for (const auto& [path, count] : s.skippedTags) {
    line += (first ? "" : ", ") + path + " " + std::to_string(count);
    first = false;
  }
  return line;
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
  addCounts(s, lines);
  addList(s.say("Righe non lette", "Lines not read"), s.problems, lines);
  if (!s.skippedTags.empty()) lines.push_back(skippedLine(s));
  addList(s.say("Non rappresentato", "Not represented"), s.notRepresented, lines);
  return lines;
}

std::string PersonLabel(const std::string& xref, const std::string& name) {
  return name.empty() ? xref : xref + " " + name;
}

}  // namespace kord
