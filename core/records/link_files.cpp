#include "records/link_files.h"

#include <filesystem>
#include <functional>
#include <set>

#include "db/codepage.h"
#include "db/csv_fields.h"
#include "db/output_files.h"

namespace kord {
namespace {

/// One line of a link file with its own line end, and its values when valid.
struct RawLine {
  std::string bytes;
  bool valid = false;
  int first = 0;   ///< table index
  int second = 0;  ///< table index
};

std::vector<RawLine> readRawLines(const std::string& text) {
  std::vector<RawLine> lines;
  for (std::string& bytes : SplitRawLines(text)) {
    RawLine line{std::move(bytes)};
    auto values = SplitCsvValues(WithoutLineEnd(line.bytes));
    if (values.size() == 2) {
      long a = NumericValue(values[0]), b = NumericValue(values[1]);
      line.valid = a >= 0 && a <= 999 && b >= 0 && b <= 999;
      line.first = static_cast<int>(a) + 1;
      line.second = static_cast<int>(b) + 1;
    }
    lines.push_back(std::move(line));
  }
  return lines;
}

std::string linkLine(int first, int second) {
  return std::to_string(first - 1) + "," + std::to_string(second - 1) + std::string(kNewLine);
}

std::string cannotRead(const Session& s, const std::string& path) {
  return Utf8ToCp1252(path) + s.text(": il file non si puo' leggere; i legami restano come sono",
                                     ": the file cannot be read; the links are left as they are");
}

/// Rewrites `path`: drops the valid lines `drop` selects, appends `added`.
/// A file that exists but cannot be read is never replaced: its links would go.
Result rewrite(Session& s, const std::string& path, const std::function<bool(const RawLine&)>& drop,
               const std::string& added) {
  if (Result locked = LockForWriting(s); !locked) return locked;
  std::string text;
  std::error_code ec;
  bool missing = std::filesystem::symlink_status(path, ec).type() == std::filesystem::file_type::not_found;
  if (!ReadWholeFile(path, text) && !missing) return Result::Failure(cannotRead(s, path));
  std::string out;
  for (const auto& line : readRawLines(text)) {
    if (line.valid && drop(line)) continue;
    out += line.bytes;
    if (line.bytes.back() != '\n' && line.bytes.back() != '\r') out += kNewLine;  // a last line without end
  }
  return Result::FromReason(ReplaceLinkFile(path, out + added, s.English));
}

}  // namespace

std::vector<std::string> SplitRawLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t next = text.find_first_of("\r\n", start);
    if (next == std::string::npos) next = text.size();
    if (next < text.size() && text[next] == '\r') ++next;
    if (next < text.size() && text[next] == '\n') ++next;
    lines.push_back(text.substr(start, next - start));
    start = next;
  }
  return lines;
}

std::string WithoutLineEnd(const std::string& line) { return line.substr(0, line.find_first_of("\r\n")); }

std::string ReplaceLinkFile(const std::string& path, const std::string& text, bool english) {
  OutputFailure failure = WriteFileAtomically(path, text, true);
  return failure ? OutputFailureText(failure, english) : std::string();
}

namespace {

bool isAncestor(const Tables& t, int ancestor, int of) {
  std::vector<int> todo = {of};
  std::set<int> seen;
  while (!todo.empty()) {
    int k = todo.back();
    todo.pop_back();
    if (!Tables::inTable(k) || !seen.insert(k).second) continue;
    for (int p : {t.Parent1[k], t.Parent2[k]}) {
      if (p == ancestor) return true;
      if (p >= 0) todo.push_back(p);
    }
  }
  return false;
}

}  // namespace

bool IsStoredParent(const Tables& t, int child, int parent) {
  return Tables::inTable(child) && (t.Parent1[child] == parent || t.Parent2[child] == parent);
}

std::string NotAnIndividual(int index, bool english) {
  return std::to_string(index) +
         (english ? " is not an individual of this database" : " non e' un individuo di questo database");
}

std::string ParentLinkProblem(const Tables& t, int child, int parent, bool english) {
  if (!t.isIndividual(parent)) return NotAnIndividual(parent, english);
  if (parent == child)
    return t.Names[child] + (english ? " cannot be a parent of itself" : " non puo' essere genitore di se stesso");
  if (isAncestor(t, child, parent))
    return t.Names[parent] + (english ? " descends from " : " discende da ") + t.Names[child] +
           (english ? " and cannot be a parent of it" : " e non puo' esserne genitore");
  return {};
}

std::string SelfSpouse(const Session& s, int individual) {
  return s.tables.Names[individual] + s.text(" non puo' essere coniuge di se stesso", " cannot be its own spouse");
}

Result SetParents(Session& s, int child, int parent1, int parent2) {
  Tables& t = s.tables;
  if (!t.isIndividual(child)) return Result::Failure(NotAnIndividual(child, s.English));
  if (parent1 < 0) std::swap(parent1, parent2);
  for (int p : {parent1, parent2})
    if (p >= 0 && !IsStoredParent(t, child, p))
      if (std::string problem = ParentLinkProblem(t, child, p, s.English); !problem.empty())
        return Result::Failure(problem);
  std::string added;
  if (parent1 >= 0) added += linkLine(child, parent1);
  if (parent2 >= 0) added += linkLine(child, parent2);
  int removed = 0;
  Result written = rewrite(
      s, s.files.ChildrenFile, [&](const RawLine& l) { return l.first == child && ++removed; }, added);
  if (!written) return written;
  t.Parent1[child] = parent1;
  t.Parent2[child] = parent2;
  t.ChildLinkCount += (parent1 >= 0) + (parent2 >= 0) - removed;
  return {};
}

Result SetSpouse(Session& s, int individual, int spouse, bool bothWays) {
  Tables& t = s.tables;
  if (!t.isIndividual(individual)) return Result::Failure(NotAnIndividual(individual, s.English));
  if (spouse >= 0 && !t.isIndividual(spouse)) return Result::Failure(NotAnIndividual(spouse, s.English));
  if (spouse == individual) return Result::Failure(SelfSpouse(s, individual));
  int old = t.Spouse[individual];
  std::string added;
  if (spouse >= 0) added += linkLine(individual, spouse);
  if (spouse >= 0 && bothWays) added += linkLine(spouse, individual);
  int removed = 0;
  auto drop = [&](const RawLine& l) {
    bool mine = l.first == individual;
    bool spouses = bothWays && spouse >= 0 && l.first == spouse;
    bool oldOnes = bothWays && spouse < 0 && l.first == old && l.second == individual;
    return (mine || spouses || oldOnes) && ++removed;
  };
  if (Result written = rewrite(s, s.files.SpousesFile, drop, added); !written) return written;
  t.Spouse[individual] = spouse;
  if (bothWays && spouse >= 0) t.Spouse[spouse] = individual;
  if (bothWays && spouse < 0 && Tables::inTable(old) && old >= 0 && t.Spouse[old] == individual) t.Spouse[old] = kNone;
  t.SpouseLinkCount += static_cast<int>(added.size() ? (spouse >= 0) + (spouse >= 0 && bothWays) : 0) - removed;
  return {};
}

}  // namespace kord
