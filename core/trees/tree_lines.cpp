#include "trees/tree_lines.h"

#include <algorithm>

#include "db/codepage.h"
#include "db/page_names.h"

namespace kord {
namespace {

struct EventFields {
  Field date;
  Field place;
};

constexpr EventFields kEvents[] = {{BirthDate, BirthPlace},
                                   {BaptismDate, BaptismPlace},
                                   {MarriageDate, MarriagePlace},
                                   {DeathDate, DeathPlace},
                                   {BurialDate, BurialPlace}};

std::string detailPrefix(const Session& s) { return s.trees.DrawPrefix + s.trees.DetailBar + " "; }

/// Event p (0 birth .. 4 burial) takes the date caption of its own date
/// field (2 + 2p) and the place word at 2p + 1.
void addEventLines(const Session& s, std::vector<TreeLine>& lines) {
  const auto& labels = s.trees.DetailLabels;
  for (int p = 0; p < 5; ++p) {
    std::string date = s.record.trimmed(kEvents[p].date);
    std::string place = s.record.trimmed(kEvents[p].place);
    if (date.empty() && place.empty()) continue;
    lines.push_back({detailPrefix(s), {labels[2 + 2 * p], " " + date, labels[2 * p + 1], " " + place}});
  }
}

void addNoteLines(const Session& s, std::vector<TreeLine>& lines) {
  std::string notes = LineBreaksToBlanks(s.record.trimmed(Notes));  // a tree line is one line
  if (notes.empty()) return;
  lines.push_back({detailPrefix(s), {s.trees.DetailLabels[Notes], " " + notes.substr(0, kNoteLineWidth)}});
  for (std::size_t at = kNoteLineWidth; at < notes.size() && at <= 5 * kNoteLineWidth; at += kNoteLineWidth)
    lines.push_back({s.trees.DrawPrefix + s.trees.DetailBar + "  ", {notes.substr(at, kNoteLineWidth)}});
}

/// Reads record v - 1; false when there is nothing to read.
bool readDetailRecord(Session& s, int v) {
  bool ready = OpenIndividualsFile(s).ok() && s.individuals.size() > 0;
  if (ready) ready = ReadRecord(s, v - 1L);
  s.individuals.close();
  return ready;
}

}  // namespace

std::string RepeatNote(const Session& s, int line) {
  return s.text("  (gia' mostrato alla riga ", "  (already shown at line ") + std::to_string(line) + ")";
}

std::string CutPiece(const std::string& piece) { return piece.substr(0, kPieceWidth); }

std::string CutText(const TreeLine& line) {
  std::string text;
  for (const auto& piece : line.pieces) text += CutPiece(piece);
  return text;
}

std::string WindowText(const TreeLine& line) {
  std::string text;
  for (std::size_t i = 0; i < line.pieces.size(); ++i)
    text += i + 1 < line.pieces.size() ? CutPiece(line.pieces[i]) : line.pieces[i];
  return text;
}

std::string LastPiece(const TreeLine& line) { return line.pieces.empty() ? std::string() : line.pieces.back(); }

std::vector<TreeLine> DetailBlock(Session& s, int v) {
  std::vector<TreeLine> lines;
  if (s.tables.RecordMode != "Kord" || v < 1 || !readDetailRecord(s, v)) return lines;
  addEventLines(s, lines);
  addNoteLines(s, lines);
  return lines;
}

std::vector<int> DetailLineCounts(Session& s) {
  std::vector<int> counts(kTableSize, 0);
  for (int v = 2; v <= std::min(s.tables.LastIndex, kTableSize - 1); ++v)
    counts[v] = static_cast<int>(DetailBlock(s, v).size());
  return counts;
}

std::string SafeFileName(const std::string& name) {
  std::string safe = name;
  for (char& c : safe)
    if (c == '?' || c == '/' || c == '\\' || static_cast<unsigned char>(c) < 0x20) c = '_';
  return safe;
}

std::string TreeFileName(const Session& s, int individual, bool ancestors) {
  std::string name = Tables::inTable(individual) ? s.tables.Names[individual] : std::string();
  return SafeFileName(name) + (ancestors ? " Root" : " Branch");
}

std::string TreePageStem(const Session& s, int individual, bool ancestors) {
  std::string stem = Cp1252ToUtf8(TreeFileName(s, individual, ancestors));
  while (IsPersonPageName(s.tables, stem + ".html")) stem = NumberedFileName(stem, individual);
  return stem;
}

std::string TreeFileBaseFor(const Session& s, int individual, bool ancestors) {
  return s.DbFolder + TreePageStem(s, individual, ancestors) + ".";
}

}  // namespace kord
