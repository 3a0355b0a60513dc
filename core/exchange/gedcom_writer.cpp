#include "exchange/gedcom_writer.h"

#include <vector>

#include "db/codepage.h"

namespace kord {
namespace {

/// GEDCOM values stay well below the 255-character line limit.
constexpr std::size_t kPieceWidth = 80;

std::string lineValue(const std::string& value) {
  std::string out;
  for (char c : value) {
    if (c == '@')
      out += "@@";
    else
      out += c == '\r' || c == '\n' ? ' ' : c;
  }
  return out;
}

/// Pieces of at most kPieceWidth characters, never cut beside a blank
/// (readers that trim lines would lose it).
std::vector<std::string> concPieces(const std::string& text) {
  std::vector<std::string> pieces;
  std::size_t start = 0;
  while (text.size() - start > kPieceWidth) {
    std::size_t cut = start + kPieceWidth;
    while (cut > start + 1 && (text[cut - 1] == ' ' || text[cut] == ' ')) --cut;
    if (cut == start + 1) cut = start + kPieceWidth;
    pieces.push_back(text.substr(start, cut - start));
    start = cut;
  }
  pieces.push_back(text.substr(start));
  return pieces;
}

std::vector<std::string> textLines(const std::string& text) {
  std::vector<std::string> lines(1);
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' && text[i] != '\n') {
      lines.back() += text[i];
      continue;
    }
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    lines.emplace_back();
  }
  return lines;
}

}  // namespace

void GedcomWriter::line(int level, const std::string& tag, const std::string& value) {
  out_ += std::to_string(level) + " " + tag + (value.empty() ? "" : " " + lineValue(value)) + "\r\n";
}

void GedcomWriter::record(const std::string& xref, const std::string& tag) { out_ += "0 " + xref + " " + tag + "\r\n"; }

void GedcomWriter::pointer(int level, const std::string& tag, const std::string& xref) {
  out_ += std::to_string(level) + " " + tag + " " + xref + "\r\n";
}

void GedcomWriter::text(int level, const std::string& tag, const std::string& value) {
  bool first = true;
  for (const auto& textLine : textLines(value)) {
    auto pieces = concPieces(textLine);
    line(first ? level : level + 1, first ? tag : "CONT", pieces[0]);
    for (std::size_t p = 1; p < pieces.size(); ++p) line(level + 1, "CONC", pieces[p]);
    first = false;
  }
}

std::string GedcomWriter::bytes(bool ansi) const { return ansi ? out_ : Cp1252ToUtf8(out_); }

}  // namespace kord
