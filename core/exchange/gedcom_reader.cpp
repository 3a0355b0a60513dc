#include "exchange/gedcom_reader.h"

#include <algorithm>

#include "exchange/gedcom_charset.h"
#include "exchange/record_text.h"

namespace kord {
namespace {

constexpr int kMaxLevel = 99;

struct ParsedLine {
  int level = -1;  ///< -1 until read
  std::string xref;
  std::string tag;
  std::string value;
  bool pointer = false;
};

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isTagChar(char c) { return isDigit(c) || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }

std::size_t skipBlanks(std::string_view text, std::size_t i) {
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  return i;
}

/// Reads "@X@" at `i`; false when the closing at sign is missing.
bool readXref(std::string_view text, std::size_t& i, std::string& xref) {
  auto close = text.find('@', i + 1);
  if (close == std::string_view::npos || close == i + 1) return false;
  xref = std::string(text.substr(i, close - i + 1));
  i = skipBlanks(text, close + 1);
  return true;
}

/// "@X1@": at signs only at both ends, not a date escape ("@#DJULIAN@").
bool looksLikePointer(const std::string& value) {
  return value.size() >= 3 && value.front() == '@' && value.find('@', 1) == value.size() - 1 && value[1] != '#' &&
         value.find_first_of(" \t") == std::string::npos;
}

std::string unescapeAts(std::string value) {
  for (std::size_t at = value.find("@@"); at != std::string::npos; at = value.find("@@", at + 1)) value.erase(at, 1);
  return value;
}

/// Parses "level [@xref@] TAG [value]"; returns what is wrong, or "".
std::string parseLine(std::string_view text, ParsedLine& out, const ExchangeSummary& s) {
  std::size_t i = skipBlanks(text, 0), start = i;
  while (i < text.size() && isDigit(text[i])) ++i;
  if (i == start || i - start > 2) return s.say("manca il numero di livello", "no level number");
  out.level = std::stoi(std::string(text.substr(start, i - start)));
  if (i >= text.size() || (text[i] != ' ' && text[i] != '\t')) return s.say("manca il tag", "no tag");
  i = skipBlanks(text, i);
  if (i < text.size() && text[i] == '@' && !readXref(text, i, out.xref))
    return s.say("riferimento @...@ non chiuso", "cross-reference @...@ not closed");
  start = i;
  while (i < text.size() && isTagChar(text[i])) ++i;
  if (i == start || (i < text.size() && text[i] != ' ' && text[i] != '\t')) return s.say("manca il tag", "no tag");
  out.tag = std::string(text.substr(start, i - start));
  if (i < text.size()) out.value = std::string(text.substr(i + 1));
  out.pointer = looksLikePointer(out.value);
  if (!out.pointer) out.value = unescapeAts(std::move(out.value));
  return {};
}

class TreeBuilder {
 public:
  explicit TreeBuilder(ExchangeSummary& s) : s_(s) {}

  void add(const DecodedLine& line) {
    if (line.text.find_first_not_of(" \t") == std::string::npos) return;
    ParsedLine parsed;
    std::string error = parseLine(line.text, parsed, s_);
    if (error.empty()) error = place(parsed, line.number);
    if (error.empty()) return;
    report(line, error);
    // Lines below a skipped line must not land under its older sibling.
    if (parsed.level >= 0 && parsed.level < static_cast<int>(path_.size())) path_.resize(parsed.level);
  }

  std::vector<GedcomNode> take() { return std::move(records_); }

 private:
  std::string place(ParsedLine& p, int number) {
    if (p.level > kMaxLevel || p.level > static_cast<int>(path_.size()))
      return s_.say("livello ", "level ") + std::to_string(p.level) +
             s_.say(" senza una riga di livello ", " without a line of level ") + std::to_string(p.level - 1) +
             s_.say(" sopra", " above it");
    if (p.tag == "CONC" || p.tag == "CONT") return join(p);
    path_.resize(p.level);
    auto& siblings = p.level == 0 ? records_ : path_.back()->children;
    siblings.push_back({number, p.level, std::move(p.xref), std::move(p.tag), std::move(p.value), p.pointer, {}});
    path_.push_back(&siblings.back());
    return {};
  }

  std::string join(const ParsedLine& p) {
    if (p.level == 0) return s_.say("CONC/CONT a livello 0", "CONC/CONT at level 0");
    GedcomNode* target = path_[p.level - 1];
    target->value += (p.tag == "CONT" ? "\n" : "") + p.value;
    path_.resize(p.level);
    return {};
  }

  void report(const DecodedLine& line, const std::string& error) {
    std::string shown = line.text.substr(0, 60);
    s_.problems.push_back(s_.say("riga ", "line ") + std::to_string(line.number) + ": " + error + " (\"" +
                          ToRecordText(shown).text + "\")" + s_.say(", saltata", ", skipped"));
  }

  ExchangeSummary& s_;
  std::vector<GedcomNode> records_;
  std::vector<GedcomNode*> path_;  ///< the open line of each level
};

/// True when the first line is "0 HEAD": anything else is no GEDCOM file,
/// and reading on would only list its lines as malformed.
bool beginsWithHeader(const std::vector<DecodedLine>& lines, const ExchangeSummary& s) {
  auto line = std::find_if(lines.begin(), lines.end(),
                           [](const DecodedLine& l) { return l.text.find_first_not_of(" \t") != std::string::npos; });
  ParsedLine first;
  return line != lines.end() && parseLine(line->text, first, s).empty() && first.level == 0 && first.xref.empty() &&
         first.tag == "HEAD";
}

}  // namespace

const GedcomNode* GedcomNode::child(std::string_view wanted) const {
  for (const auto& c : children)
    if (c.tag == wanted) return &c;
  return nullptr;
}

std::vector<GedcomNode> ReadGedcom(std::string_view bytes, ExchangeSummary& summary, const ExchangeProgress& progress) {
  auto lines = DecodeGedcomLines(bytes, summary);
  if (!beginsWithHeader(lines, summary)) return {};
  TreeBuilder builder(summary);
  long total = static_cast<long>(lines.size()), done = 0;
  for (const auto& line : lines) {
    builder.add(line);
    if (progress) progress(ExchangeStage::Reading, ++done, total);
  }
  return builder.take();
}

}  // namespace kord
