/// kord-samplegen: writes a Kord database (.rni .rnc .rns .rnt .rnk) from a
/// readable UTF-8 source file, so that nobody edits binary records by hand.
///
///   kord-samplegen SOURCE OUTDIR BASENAME
///
/// The source holds one block per person; the blocks give the record numbers
/// in their order. A block starts with a line "@key" and goes on with lines
/// "Field: value"; an indented line continues the value above it with one
/// blank; lines starting with "#" and empty lines are skipped. The fields are
/// those of PersonRecord (Name, BirthDate, ... Notes, Sex, never Num, which
/// the tool fills in) plus "Parents: @a @b" (first and second parent, in this
/// order), "Spouses: @a @b ..." (the first one is written as the person's own
/// spouse line; every spouse must list this person too) and "Blank: yes" (a
/// record of blanks, with no other field and no link).
///
/// Everything is checked before anything is written. Exit status: 0 written,
/// 1 the source has errors (each reported as SOURCE:LINE: text; nothing is
/// written), 2 wrong usage or a file that cannot be read or written.

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "db/codepage.h"
#include "db/csv_fields.h"
#include "db/file_set.h"
#include "db/person_record.h"
#include "db/tables.h"

namespace {

struct Value {
  std::string text;  ///< UTF-8
  int line = 0;      ///< where the value starts
};

struct Person {
  std::string key;
  int line = 0;
  std::map<std::string, Value> values;  ///< by field name
};

/// A person as written: the record and the record numbers of the links.
struct Entry {
  kord::PersonRecord record;
  std::vector<int> parents;
  std::vector<int> spouses;
};

using OutputFiles = std::vector<std::pair<std::string, std::string>>;  ///< extension, bytes

class Errors {
 public:
  explicit Errors(std::string source) : source_(std::move(source)) {}
  void add(int line, const std::string& text) { list_.push_back(source_ + ":" + std::to_string(line) + ": " + text); }
  bool empty() const { return list_.empty(); }
  void print() const {
    for (const auto& e : list_) std::cerr << e << "\n";
  }

 private:
  std::string source_;
  std::vector<std::string> list_;
};

const std::vector<std::string>& textFieldNames() {
  // Indexed by kord::Field; Num is filled in by the tool.
  static const std::vector<std::string> names = {"",
                                                 "Name",
                                                 "BirthDate",
                                                 "BirthPlace",
                                                 "BaptismDate",
                                                 "BaptismPlace",
                                                 "MarriageDate",
                                                 "MarriagePlace",
                                                 "DeathDate",
                                                 "DeathPlace",
                                                 "BurialDate",
                                                 "BurialPlace",
                                                 "Notes",
                                                 "Sex"};
  return names;
}

bool isKnownField(const std::string& name) {
  if (name.empty()) return false;
  const auto& n = textFieldNames();
  return std::find(n.begin(), n.end(), name) != n.end() || name == "Parents" || name == "Spouses" || name == "Blank";
}

std::string knownFieldList() {
  std::string list;
  for (const auto& n : textFieldNames())
    if (!n.empty()) list += n + ", ";
  return list + "Parents, Spouses, Blank";
}

bool isKeyText(const std::string& key) {
  if (key.size() < 2 || key[0] != '@') return false;
  return std::all_of(key.begin() + 1, key.end(),
                     [](unsigned char c) { return std::isalnum(c) || c == '_' || c == '-' || c == '.'; });
}

std::vector<std::string> words(const std::string& text) {
  std::vector<std::string> out;
  std::string word;
  for (char c : text + " ") {
    if (c != ' ' && c != '\t') {
      word += c;
    } else if (!word.empty()) {
      out.push_back(word);
      word.clear();
    }
  }
  return out;
}

std::string trimBlanks(const std::string& text) {
  auto first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// --- Reading the source ----------------------------------------------------

/// False (with an error) when the line is not UTF-8 or, unless it is a
/// comment, holds a character the code page cannot hold, so later steps can
/// convert without checking.
bool checkLineText(const std::string& line, int n, bool comment, Errors& errors) {
  if (!kord::IsValidUtf8(line)) {
    errors.add(n, "the line is not valid UTF-8");
    return false;
  }
  if (comment) return true;
  std::string bad;
  kord::Utf8ToCp1252(line, &bad);
  if (bad.empty()) return true;
  errors.add(n, "the character \"" + bad + "\" cannot be stored in Windows-1252");
  return false;
}

void startPerson(const std::string& line, int n, std::vector<Person>& people, Errors& errors) {
  std::string key = trimBlanks(line);
  if (!isKeyText(key)) errors.add(n, "\"" + key + "\" is not a person key (\"@\" then letters, digits, _ - .)");
  people.push_back(Person{key, n, {}});
}

/// Adds "Field: value" to the current person; returns the field name, or
/// "" when the line was rejected.
std::string addField(const std::string& line, int n, std::vector<Person>& people, Errors& errors) {
  auto colon = line.find(':');
  if (colon == std::string::npos) {
    errors.add(n, "expected \"Field: value\" or \"@key\"");
    return {};
  }
  std::string name = trimBlanks(line.substr(0, colon));
  if (!isKnownField(name)) {
    errors.add(n, "unknown field \"" + name + "\" (the fields are " + knownFieldList() + ")");
    return {};
  }
  if (people.empty()) {
    errors.add(n, "field \"" + name + "\" before the first \"@key\" line");
    return {};
  }
  Person& p = people.back();
  if (auto it = p.values.find(name); it != p.values.end()) {
    errors.add(n, name + " given twice for " + p.key + " (first on line " + std::to_string(it->second.line) + ")");
    return {};
  }
  p.values[name] = Value{trimBlanks(line.substr(colon + 1)), n};
  return name;
}

std::vector<Person> readSource(std::string text, Errors& errors) {
  if (text.rfind("\xEF\xBB\xBF", 0) == 0) text.erase(0, 3);
  std::vector<Person> people;
  std::string field;  // the field an indented line continues
  const auto lines = kord::SplitLines(text);
  for (int n = 1; n <= static_cast<int>(lines.size()); ++n) {
    const std::string& line = lines[n - 1];
    std::string trimmed = trimBlanks(line);
    bool skipped = trimmed.empty() || trimmed[0] == '#';
    if (!checkLineText(line, n, skipped, errors) || skipped) {
      field.clear();
    } else if (line[0] == ' ' || line[0] == '\t') {
      if (field.empty()) {
        errors.add(n, "an indented line continues no field");
      } else {
        people.back().values[field].text += " " + trimmed;
      }
    } else if (line[0] == '@') {
      startPerson(line, n, people, errors);
      field.clear();
    } else {
      field = addField(line, n, people, errors);
    }
  }
  if (people.empty() && errors.empty()) errors.add(1, "the source holds no person");
  return people;
}

// --- Checking and building the records -------------------------------------

std::map<std::string, int> recordNumbers(const std::vector<Person>& people, Errors& errors) {
  std::map<std::string, int> numbers;
  for (std::size_t i = 0; i < people.size(); ++i) {
    auto [it, fresh] = numbers.emplace(people[i].key, static_cast<int>(i) + 1);
    if (!fresh)
      errors.add(people[i].line, "key " + people[i].key + " used twice (first on line " +
                                     std::to_string(people[it->second - 1].line) + ")");
  }
  if (people.size() > static_cast<std::size_t>(kord::kMaxIndividuals))
    errors.add(people.back().line,
               "more than " + std::to_string(kord::kMaxIndividuals) + " records; the program reads no more");
  return numbers;
}

/// Stores one field, checking its width and its characters.
void storeField(kord::PersonRecord& record, kord::Field f, const Value& v, Errors& errors) {
  const std::string& name = textFieldNames()[f];
  std::string bytes = kord::Utf8ToCp1252(v.text);
  auto isControl = [](unsigned char c) { return c < 0x20 || c == 0x7F; };
  if (std::any_of(bytes.begin(), bytes.end(), isControl))
    errors.add(v.line, name + " holds a control character (a tab?)");
  std::size_t width = kord::kFieldLayout[f].width;
  if (bytes.size() > width)
    errors.add(v.line, name + " is " + std::to_string(bytes.size()) + " characters long, the field holds " +
                           std::to_string(width));
  bool sexOk = bytes.size() == 1 && std::string_view("MFmf").find(bytes[0]) != std::string::npos;
  if (f == kord::Sex && !bytes.empty() && !sexOk)
    errors.add(v.line, "Sex must be M or F (or m, f), not \"" + v.text + "\"");
  record.set(f, bytes);
}

kord::PersonRecord buildRecord(const Person& p, int number, Errors& errors) {
  kord::PersonRecord record;
  if (p.values.count("Blank")) {
    if (p.values.at("Blank").text != "yes") errors.add(p.values.at("Blank").line, "Blank takes only the value \"yes\"");
    if (p.values.size() > 1) errors.add(p.line, p.key + " is blank but has other fields");
    return record;
  }
  record.set(kord::Num, std::to_string(number));
  if (!p.values.count("Name") || p.values.at("Name").text.empty()) errors.add(p.line, p.key + " has no Name");
  for (int f = kord::Name; f < kord::kFieldCount; ++f)
    if (auto it = p.values.find(textFieldNames()[f]); it != p.values.end())
      storeField(record, static_cast<kord::Field>(f), it->second, errors);
  return record;
}

std::vector<int> resolveLinks(const Person& p, const std::string& field, const std::vector<Person>& people,
                              const std::map<std::string, int>& numbers, Errors& errors) {
  std::vector<int> out;
  auto it = p.values.find(field);
  if (it == p.values.end()) return out;
  const auto keys = words(it->second.text);
  if (keys.empty()) errors.add(it->second.line, field + " of " + p.key + " is empty");
  if (field == "Parents" && keys.size() > 2)
    errors.add(it->second.line, "Parents of " + p.key + ": at most two parents");
  for (const auto& key : keys) {
    auto target = numbers.find(key);
    if (target == numbers.end())
      errors.add(it->second.line, field + " of " + p.key + ": no person with key " + key);
    else if (target->first == p.key)
      errors.add(it->second.line, field + " of " + p.key + ": a person cannot be linked to itself");
    else if (people[target->second - 1].values.count("Blank"))
      errors.add(it->second.line, field + " of " + p.key + ": " + key + " is a blank record");
    else if (std::find(out.begin(), out.end(), target->second) != out.end())
      errors.add(it->second.line, field + " of " + p.key + ": " + key + " listed twice");
    else
      out.push_back(target->second);
  }
  return out;
}

/// Every spouse link must be listed on both sides, so each couple is written
/// in both directions wherever the first-spouse rule allows.
void checkSpousesMutual(const std::vector<Person>& people, const std::vector<Entry>& entries, Errors& errors) {
  for (std::size_t i = 0; i < entries.size(); ++i)
    for (int s : entries[i].spouses) {
      const auto& back = entries[s - 1].spouses;
      if (std::find(back.begin(), back.end(), static_cast<int>(i) + 1) == back.end())
        errors.add(people[i].values.at("Spouses").line, "Spouses of " + people[i].key + ": " + people[s - 1].key +
                                                            " does not list " + people[i].key + " among its Spouses");
    }
}

std::vector<Entry> buildEntries(const std::vector<Person>& people, Errors& errors) {
  auto numbers = recordNumbers(people, errors);
  std::vector<Entry> entries;
  for (std::size_t i = 0; i < people.size(); ++i) {
    const Person& p = people[i];
    entries.push_back(Entry{buildRecord(p, static_cast<int>(i) + 1, errors),
                            resolveLinks(p, "Parents", people, numbers, errors),
                            resolveLinks(p, "Spouses", people, numbers, errors)});
  }
  checkSpousesMutual(people, entries, errors);
  return entries;
}

// --- Writing ---------------------------------------------------------------

std::string linkLine(int a, int b) { return std::to_string(a) + "," + std::to_string(b) + std::string(kord::kNewLine); }

OutputFiles renderFiles(const std::vector<Entry>& entries) {
  std::string rni, rnc, rns, rnk;
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const Entry& e = entries[i];
    int r = static_cast<int>(i) + 1;
    rni.append(e.record.bytes().data(), kord::kRecordLength);
    for (int parent : e.parents) rnc += linkLine(r, parent);
    if (!e.spouses.empty()) rns += linkLine(r, e.spouses.front());
  }
  for (const auto& caption : kord::DefaultFieldCaptions()) rnk += kord::QuotedLine(caption);
  return {{"rni", rni}, {"rnc", rnc}, {"rns", rns}, {"rnt", "0" + std::string(kord::kNewLine)}, {"rnk", rnk}};
}

bool writeFiles(const std::string& outDir, const std::string& base, const OutputFiles& files) {
  std::error_code ec;
  std::filesystem::create_directories(outDir, ec);
  kord::FileSet set = kord::FileSetFor(outDir + "/" + base + ".rni");
  const std::map<std::string, std::string> paths = {{"rni", set.IndividualsFile},
                                                    {"rnc", set.ChildrenFile},
                                                    {"rns", set.SpousesFile},
                                                    {"rnt", set.TypeFile},
                                                    {"rnk", set.CaptionsFile}};
  for (const auto& [ext, bytes] : files) {
    std::ofstream out(paths.at(ext), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out.flush()) {
      std::cerr << "kord-samplegen: cannot write " << paths.at(ext) << "\n";
      return false;
    }
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4 || !kord::IsPlainFileName(argv[3])) {
    std::cerr << "usage: kord-samplegen SOURCE OUTDIR BASENAME\n"
                 "  writes OUTDIR/BASENAME.rni .rnc .rns .rnt .rnk from the UTF-8 SOURCE\n";
    return 2;
  }
  std::string text;
  if (!kord::ReadWholeFile(argv[1], text)) {
    std::cerr << "kord-samplegen: cannot read " << argv[1] << "\n";
    return 2;
  }
  Errors errors(argv[1]);
  auto people = readSource(text, errors);
  std::vector<Entry> entries;
  if (errors.empty()) entries = buildEntries(people, errors);
  if (!errors.empty()) {
    errors.print();
    std::cerr << "kord-samplegen: errors in " << argv[1] << ", nothing written\n";
    return 1;
  }
  if (!writeFiles(argv[2], argv[3], renderFiles(entries))) return 2;
  std::cout << "kord-samplegen: " << entries.size() << " records written to " << argv[2] << "/" << argv[3] << ".rni\n";
  return 0;
}
