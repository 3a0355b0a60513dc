#include "lists/sorted_copy.h"

#include <algorithm>
#include <filesystem>
#include <numeric>
#include <utility>

#include "db/codepage.h"
#include "db/csv_fields.h"
#include "db/file_set.h"
#include "db/individuals_file.h"
#include "db/output_files.h"
#include "lists/list_order.h"

namespace kord {
namespace {

namespace fs = std::filesystem;

std::string say(bool english, const char* italian, const char* englishText) { return english ? englishText : italian; }

std::string shown(const std::string& path) { return Utf8ToCp1252(path); }

/// Why `target` cannot receive the copy of `source`; empty when it can.
std::string targetProblem(const std::string& source, const std::string& target, bool english) {
  if (!IsDatabaseFileName(BaseNameOf(target)))
    return shown(target) + say(english, ": il nome deve finire in .rni", ": the name must end in .rni");
  std::error_code ec;
  if (fs::equivalent(source, target, ec) || fs::absolute(source, ec) == fs::absolute(target, ec))
    return say(english, "Il nuovo database deve avere un nome diverso da quello aperto",
               "The new database needs a name other than the open one's");
  const FileSet files = FileSetFor(target);
  for (const std::string* file :
       {&files.IndividualsFile, &files.ChildrenFile, &files.SpousesFile, &files.TypeFile, &files.CaptionsFile})
    if (fs::exists(*file, ec) || fs::is_symlink(*file, ec))
      return shown(*file) +
             say(english, ": esiste gia', scegliere un altro nome", ": already exists, choose another name");
  return {};
}

bool readRecords(const std::string& path, std::vector<PersonRecord>& records, std::string& error, bool english) {
  IndividualsFile file;
  if (std::string e = file.open(path); !e.empty()) {
    error = Utf8ToCp1252(e);
    return false;
  }
  PersonRecord record;
  for (long r = 1; file.readRecord(r, record); ++r) records.push_back(record);
  if (records.empty()) error = shown(path) + say(english, ": nessuna scheda da copiare", ": no record to copy");
  return !records.empty();
}

/// The source's record numbers in the order of the copy.
std::vector<int> alphabeticalOrder(const std::vector<PersonRecord>& records) {
  std::vector<int> order(records.size());
  std::iota(order.begin(), order.end(), 1);
  std::vector<std::pair<bool, std::string>> keys;
  for (const PersonRecord& r : records) keys.emplace_back(r.trimmed(Name).empty(), ListKey(r.trimmed(Name)));
  SortByKeys(order, keys);
  return order;
}

/// A record that carries its own number gets the new one; one that does not
/// (the loader shows it as a placeholder) must not come to carry it.
void renumber(PersonRecord& record, int oldNumber, int newNumber) {
  const long stored = NumericValue(record.raw(Num));
  if (stored == oldNumber)
    record.set(Num, std::to_string(newNumber));
  else if (stored == newNumber)
    record.set(Num, "");
}

/// The link file `path` renumbered by `newRecord`, lines ordered by their
/// first individual; lines of one individual keep their order.
std::string renumberedLinks(const std::string& path, const std::vector<int>& newRecord, int& dropped) {
  std::string text;
  if (!ReadWholeFile(path, text)) return {};
  std::vector<std::pair<int, int>> links;
  const long last = static_cast<long>(newRecord.size()) - 1;
  for (const std::string& line : SplitLines(text)) {
    if (Trim(line).empty()) continue;
    const auto values = SplitCsvValues(line);
    const long a = values.size() == 2 ? NumericValue(values[0]) : 0;
    const long b = values.size() == 2 ? NumericValue(values[1]) : 0;
    if (a < 1 || a > last || b < 1 || b > last) {
      ++dropped;
      continue;
    }
    links.emplace_back(newRecord[static_cast<std::size_t>(a)], newRecord[static_cast<std::size_t>(b)]);
  }
  std::stable_sort(links.begin(), links.end(), [](const auto& x, const auto& y) { return x.first < y.first; });
  std::string out;
  for (const auto& [a, b] : links) out += std::to_string(a) + "," + std::to_string(b) + "\r\n";
  return out;
}

std::string copyBytes(const std::string& path) {
  std::string text;
  return ReadRegularFile(path, text) ? text : std::string();
}

/// Writes the files of the copy, the individuals file last; on a failure
/// the files already written are removed again.
std::string writeFiles(const std::vector<std::pair<std::string, std::string>>& files, bool english) {
  std::vector<std::string> written;
  for (const auto& [path, bytes] : files) {
    if (OutputFailure failure = WriteFileAtomically(path, bytes, true)) {
      std::error_code ec;
      for (const std::string& done : written) fs::remove(done, ec);
      return OutputFailureText(failure, english);
    }
    written.push_back(path);
  }
  return {};
}

}  // namespace

SortedCopy WriteSortedCopy(const std::string& source, const std::string& target, bool english) {
  SortedCopy copy;
  if (copy.error = targetProblem(source, target, english); !copy.error.empty()) return copy;
  std::vector<PersonRecord> records;
  if (!readRecords(source, records, copy.error, english)) return copy;
  const std::vector<int> order = alphabeticalOrder(records);
  copy.newRecord.assign(records.size() + 1, 0);
  std::string individuals;
  for (std::size_t n = 0; n < order.size(); ++n) {
    const int newNumber = static_cast<int>(n) + 1;
    copy.newRecord[static_cast<std::size_t>(order[n])] = newNumber;
    PersonRecord record = records[static_cast<std::size_t>(order[n]) - 1];
    renumber(record, order[n], newNumber);
    individuals.append(record.bytes().data(), record.bytes().size());
  }
  const FileSet from = FileSetFor(source);
  const FileSet to = FileSetFor(target);
  std::vector<std::pair<std::string, std::string>> files = {
      {to.ChildrenFile, renumberedLinks(from.ChildrenFile, copy.newRecord, copy.droppedLinks)},
      {to.SpousesFile, renumberedLinks(from.SpousesFile, copy.newRecord, copy.droppedLinks)}};
  std::error_code ec;
  for (const auto& [in, out] : {std::pair{from.TypeFile, to.TypeFile}, std::pair{from.CaptionsFile, to.CaptionsFile}})
    if (fs::is_regular_file(in, ec)) files.emplace_back(out, copyBytes(in));
  files.emplace_back(to.IndividualsFile, individuals);
  copy.error = writeFiles(files, english);
  copy.individuals = copy.error.empty() ? static_cast<int>(records.size()) : 0;
  return copy;
}

}  // namespace kord
