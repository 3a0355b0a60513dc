#include "checks/database_check.h"

#include <algorithm>
#include <array>
#include <map>
#include <optional>
#include <set>

#include "db/codepage.h"
#include "db/csv_fields.h"
#include "db/individuals_file.h"
#include "db/load_tables.h"
#include "records/link_files.h"

namespace kord {
namespace {

struct Say {
  bool english;
  std::string operator()(const char* italian, const char* englishText) const { return english ? englishText : italian; }
};

/// "Rossi Mario (5)": a name and the index the windows and `--focus` use.
std::string who(const Tables& t, int index) { return t.Names[index] + " (" + std::to_string(index) + ")"; }

// --- the links as stored

struct StoredLine {
  int number = 0;     ///< from 1
  std::string bytes;  ///< as stored, its line end included
  bool twoValues = false;
  long first = 0;  ///< record numbers as written
  long second = 0;
  bool kept = false;  ///< a link the loader reads and the repair keeps
  bool drop = false;  ///< the repair removes the line
};

struct StoredLinks {
  std::string path;
  std::string name;  ///< the file name, for the messages
  std::vector<StoredLine> lines;
  std::string added;  ///< lines the repair appends
};

StoredLinks readLinks(const std::string& path) {
  StoredLinks file{path, Utf8ToCp1252(BaseNameOf(path)), {}, {}};
  std::string text;
  ReadWholeFile(path, text);  // a missing link file holds no links
  int number = 0;
  for (std::string& bytes : SplitRawLines(text)) {
    StoredLine line{++number, std::move(bytes)};
    const std::string content = WithoutLineEnd(line.bytes);
    if (Trim(content).empty()) continue;  // the loader passes over blank lines too
    auto values = SplitCsvValues(content);
    line.twoValues = values.size() == 2;
    if (line.twoValues) {
      line.first = NumericValue(values[0]);
      line.second = NumericValue(values[1]);
    }
    file.lines.push_back(std::move(line));
  }
  return file;
}

/// The text a repaired file holds: the lines it keeps byte for byte, then the added ones.
std::string repairedText(const StoredLinks& file) {
  std::string text;
  for (const StoredLine& line : file.lines) {
    if (line.drop) continue;
    text += line.bytes;
    if (line.bytes.back() != '\n' && line.bytes.back() != '\r') text += kNewLine;
  }
  return text + file.added;
}

// --- one check

struct CheckRun {
  explicit CheckRun(bool english) : say{english} {}
  Say say;
  Tables names;             ///< the names by index, as the loader gives them
  std::vector<bool> blank;  ///< by record number: a record of blanks only
  StoredLinks children;
  StoredLinks spouses;
  Tables kept;  ///< the links of the kept lines, as the loader reads them
  DatabaseCheck result;

  int records() const { return names.LastIndex - 1; }
  void add(LinkProblemKind kind, bool repairable, std::string text) {
    result.problems.push_back({kind, repairable, std::move(text)});
  }
};

bool isBlank(const PersonRecord& r) {
  return std::all_of(r.bytes().begin(), r.bytes().end(), [](char c) { return c == ' ' || c == '\0'; });
}

/// Names (as the loader makes them) and blank records; false when the
/// individuals file cannot be read.
bool readRecords(CheckRun& run, const std::string& path) {
  IndividualsFile file;
  if (std::string error = file.open(path); !error.empty()) {
    run.result.error = Utf8ToCp1252(error);
    return false;
  }
  LoadNotes ignored;
  LoadIndividuals(run.names, path, nullptr, ignored);
  run.blank.assign(run.records() + 1, false);
  PersonRecord record;
  for (int r = 1; r <= run.records(); ++r) run.blank[r] = file.readRecord(r, record) && isBlank(record);
  return true;
}

std::string lineRef(const CheckRun& run, const StoredLinks& file, const StoredLine& line) {
  return file.name + run.say(", riga ", ", line ") + std::to_string(line.number) + ": ";
}

/// The first record number of the line that names no loaded record.
std::optional<long> missingRecord(const CheckRun& run, const StoredLine& line) {
  for (long r : {line.first, line.second})
    if (r < 1 || r > run.records()) return r;
  return std::nullopt;
}

/// The problem of one line on its own, if any; marks what the repair drops
/// and what stays a link.
void checkLine(CheckRun& run, StoredLinks& file, StoredLine& line, bool children,
               std::map<std::pair<long, long>, int>& seen) {
  const Say& say = run.say;
  const std::string at = lineRef(run, file, line);
  if (!line.twoValues) {
    run.add(LinkProblemKind::UnreadableLine, false,
            at + "\"" + WithoutLineEnd(line.bytes) +
                say("\" non sono due numeri di record", "\" is not two record numbers"));
    return;
  }
  if (const auto missing = missingRecord(run, line)) {
    run.add(LinkProblemKind::MissingRecord, true,
            at + say("il record ", "there is no record ") + std::to_string(*missing) + say(" non esiste", ""));
    line.drop = true;
    return;
  }
  const int a = static_cast<int>(line.first) + 1, b = static_cast<int>(line.second) + 1;
  if (a == b) {
    run.add(children ? LinkProblemKind::SelfParent : LinkProblemKind::SelfSpouse, true,
            at + who(run.names, a) +
                (children ? say(" e' indicato come genitore di se stesso", " is given as their own parent")
                          : say(" e' indicato come coniuge di se stesso", " is given as their own spouse")));
    line.drop = true;
    return;
  }
  auto [earlier, isNew] = seen.try_emplace({line.first, line.second}, line.number);
  if (!isNew) {
    run.add(LinkProblemKind::DuplicateLine, true,
            at + say("ripete la riga ", "repeats line ") + std::to_string(earlier->second));
    line.drop = true;
    return;
  }
  line.kept = true;
  for (long r : {line.first, line.second})
    if (run.blank[r])
      run.add(LinkProblemKind::EmptyRecord, false,
              at + say("il record ", "record ") + std::to_string(r) + say(" e' vuoto", " is blank"));
}

void checkLines(CheckRun& run, StoredLinks& file, bool children) {
  std::map<std::pair<long, long>, int> seen;
  for (StoredLine& line : file.lines) checkLine(run, file, line, children, seen);
}

/// The kept lines of each individual named first on them.
std::map<int, std::vector<const StoredLine*>> keptLinesByFirst(const StoredLinks& file) {
  std::map<int, std::vector<const StoredLine*>> by;
  for (const StoredLine& line : file.lines)
    if (line.kept) by[static_cast<int>(line.first) + 1].push_back(&line);
  return by;
}

std::string lineNumbers(const std::vector<const StoredLine*>& lines) {
  std::string text;
  for (const StoredLine* line : lines) text += (text.empty() ? "" : ", ") + std::to_string(line->number);
  return text;
}

/// The kept links as the loader reads them: the first parent line sets the
/// first parent, every later one the second; the first spouse line wins.
void readKept(CheckRun& run) {
  Tables& t = run.kept;
  t.Names = run.names.Names;
  t.LastIndex = run.names.LastIndex;
  for (const StoredLine& line : run.children.lines) {
    if (!line.kept) continue;
    const int child = static_cast<int>(line.first) + 1, parent = static_cast<int>(line.second) + 1;
    (t.Parent1[child] == kNone ? t.Parent1[child] : t.Parent2[child]) = parent;
  }
  for (const StoredLine& line : run.spouses.lines)
    if (line.kept && t.Spouse[line.first + 1] == kNone) t.Spouse[line.first + 1] = static_cast<int>(line.second) + 1;
}

void checkCounts(CheckRun& run) {
  const Say& say = run.say;
  for (const auto& [child, lines] : keptLinesByFirst(run.children))
    if (lines.size() > 2)
      run.add(LinkProblemKind::ExtraParents, false,
              run.children.name + ": " + who(run.names, child) + say(" ha ", " has ") + std::to_string(lines.size()) +
                  say(" righe di genitori (righe ", " parent lines (lines ") + lineNumbers(lines) +
                  say("): valgono solo la prima e l'ultima", "): only the first and the last count"));
  for (const auto& [individual, lines] : keptLinesByFirst(run.spouses))
    if (lines.size() > 1)
      run.add(LinkProblemKind::SpouseConflict, false,
              run.spouses.name + ": " + who(run.names, individual) + say(" ha ", " has ") +
                  std::to_string(lines.size()) + say(" righe di coniuge (righe ", " spouse lines (lines ") +
                  lineNumbers(lines) + say("): vale solo la prima", "): only the first counts"));
}

std::string loopText(const Tables& t, const std::vector<int>& members, const Say& say) {
  std::string text = say("Legami di parentela in cerchio: ", "Parent links in a loop: ");
  for (std::size_t i = 0; i < members.size(); ++i) text += (i ? ", " : "") + who(t, members[i]);
  return text + say(": ognuno risulta antenato di se stesso", ": each is their own ancestor");
}

/// Every individual each of whose members is an ancestor of every other,
/// found through the parent links (an individual its own parent is not a
/// loop of its own here: that link is reported apart).
std::vector<std::vector<int>> loopGroups(const Tables& t) {
  const int last = std::min(t.LastIndex, kTableSize - 1);
  std::vector<std::vector<bool>> ancestors(last + 1, std::vector<bool>(kTableSize, false));
  for (int k = 2; k <= last; ++k) {
    std::vector<int> todo = {k};
    while (!todo.empty()) {
      const int x = todo.back();
      todo.pop_back();
      for (int p : {t.Parent1[x], t.Parent2[x]})
        if (Tables::inTable(p) && p != x && p <= last && !ancestors[k][p]) {
          ancestors[k][p] = true;
          todo.push_back(p);
        }
    }
  }
  std::vector<std::vector<int>> groups;
  std::vector<bool> placed(last + 1, false);
  for (int k = 2; k <= last; ++k) {
    if (placed[k] || !ancestors[k][k]) continue;
    groups.emplace_back();
    for (int j = k; j <= last; ++j)
      if (ancestors[k][j] && ancestors[j][k]) {
        placed[j] = true;
        groups.back().push_back(j);
      }
  }
  return groups;
}

bool isParentOf(const Tables& t, int parent, int child) {
  return t.Parent1[child] == parent || t.Parent2[child] == parent;
}

std::string spouseLine(int individual, int spouse) {
  return std::to_string(individual - 1) + "," + std::to_string(spouse - 1) + std::string(kNewLine);
}

void checkSpousePairs(CheckRun& run) {
  const Say& say = run.say;
  const Tables& t = run.kept;
  std::set<std::pair<int, int>> pairs;
  for (int a = 2; a <= t.LastIndex; ++a) {
    const int b = t.Spouse[a];
    if (b < 2) continue;
    // A spouse who names another spouse is the shape of a second marriage
    // (one spouse link each), not a fault.
    if (t.Spouse[b] == kNone) {
      run.spouses.added += spouseLine(b, a);
      run.add(LinkProblemKind::OneWaySpouse, true,
              who(t, a) + say(" ha per coniuge ", " has ") + who(t, b) +
                  say(", ma non il contrario", " as spouse, but not the other way round"));
    }
    if (pairs.insert(std::minmax(a, b)).second && (isParentOf(t, a, b) || isParentOf(t, b, a)))
      run.add(LinkProblemKind::SpouseIsParent, false,
              who(t, std::min(a, b)) + say(" e ", " and ") + who(t, std::max(a, b)) +
                  say(" sono coniugi e uno e' genitore dell'altro", " are spouses and one is a parent of the other"));
  }
}

CheckRun runCheck(const FileSet& files, bool english) {
  CheckRun run(english);
  if (!readRecords(run, files.IndividualsFile)) return run;
  run.children = readLinks(files.ChildrenFile);
  run.spouses = readLinks(files.SpousesFile);
  checkLines(run, run.children, true);
  checkLines(run, run.spouses, false);
  checkCounts(run);
  readKept(run);
  for (const auto& members : loopGroups(run.kept))
    run.add(LinkProblemKind::AncestorLoop, false, loopText(run.kept, members, run.say));
  checkSpousePairs(run);
  return run;
}

bool changes(const StoredLinks& file) {
  return !file.added.empty() || std::any_of(file.lines.begin(), file.lines.end(), [](auto& l) { return l.drop; });
}

}  // namespace

DatabaseCheck CheckDatabase(const FileSet& files, bool english) { return runCheck(files, english).result; }

DatabaseRepair RepairDatabase(const FileSet& files, bool english) {
  DatabaseRepair repair;
  CheckRun run = runCheck(files, english);
  if (!run.result.error.empty()) {
    repair.after = run.result;
    return repair;
  }
  for (const StoredLinks* file : {&run.children, &run.spouses})
    if (changes(*file))
      if (std::string error = ReplaceLinkFile(file->path, repairedText(*file), english);
          !error.empty() && repair.error.empty())
        repair.error = error;
  if (repair.error.empty())
    for (const LinkProblem& p : run.result.problems)
      if (p.repairable) repair.repaired.push_back(p.text);
  repair.after = CheckDatabase(files, english);
  return repair;
}

DatabaseRepair RepairOpenDatabase(Session& s) {
  DatabaseRepair repair = RepairDatabase(s.files, s.English);
  Tables& t = s.tables;
  std::fill(t.Parent1.begin(), t.Parent1.end(), kNone);
  std::fill(t.Parent2.begin(), t.Parent2.end(), kNone);
  std::fill(t.Spouse.begin(), t.Spouse.end(), kNone);
  LoadNotes ignored;  // the check has said it all
  LoadChildLinks(t, s.files.ChildrenFile, nullptr, ignored);
  LoadSpouseLinks(t, s.files.SpousesFile, nullptr, ignored);
  s.cachedFocusRecord.reset();
  s.cachedSecondRecord.reset();
  return repair;
}

std::vector<std::string> RefusedLinks(const Tables& t, bool english) {
  const Say say{english};
  std::vector<std::string> lines;
  auto notAnIndividual = [&](int k, const char* italian, const char* englishText, int link) {
    lines.push_back(who(t, k) + say(italian, englishText) + std::to_string(link) +
                    say(" non e' un individuo di questo database", " is not an individual of this database"));
  };
  for (int k = 2; k <= std::min(t.LastIndex, kTableSize - 1); ++k) {
    for (int p : {t.Parent1[k], t.Parent2[k] == t.Parent1[k] ? kNone : t.Parent2[k]}) {
      if (p == k) lines.push_back(who(t, k) + say(" risulta genitore di se stesso", " is their own parent"));
      if (p != k && p != kNone && !t.isIndividual(p)) notAnIndividual(k, ": il genitore ", ": the parent ", p);
    }
    const int spouse = t.Spouse[k];
    if (spouse == k) lines.push_back(who(t, k) + say(" risulta coniuge di se stesso", " is their own spouse"));
    if (spouse != k && spouse != kNone && !t.isIndividual(spouse))
      notAnIndividual(k, ": il coniuge ", ": the spouse ", spouse);
  }
  for (const auto& members : loopGroups(t)) lines.push_back(loopText(t, members, say));
  return lines;
}

}  // namespace kord
