#include "exchange/csv_import.h"

#include <algorithm>

#include "db/codepage.h"
#include "db/csv_fields.h"
#include "db/file_set_switch.h"
#include "exchange/csv_records.h"
#include "exchange/exchange_files.h"
#include "exchange/record_text.h"

namespace kord {
namespace {

constexpr std::size_t kCsvFields = 13;  ///< Name .. Sex

bool sameText(const std::string& a, const std::string& b) { return UpperCp1252(Trim(a)) == UpperCp1252(Trim(b)); }

bool isHeader(const std::vector<std::string>& values, const Tables& t) {
  for (const std::string& name : {t.FieldCaptions[Name], DefaultFieldCaptions()[Name], std::string("Name")})
    if (sameText(values[0], name)) return true;
  if (values.size() < kCsvFields) return false;
  for (const std::string& sex : {t.FieldCaptions[Sex], DefaultFieldCaptions()[Sex], std::string("Sex")})
    if (sameText(values[kCsvFields - 1], sex)) return true;
  return false;
}

class CsvImport {
 public:
  CsvImport(Session& s, ExchangeSummary& sum, long saved) : s_(s), sum_(sum), saved_(saved) {}

  void record(const CsvRecord& r) {
    if (std::all_of(r.values.begin(), r.values.end(), [](const std::string& v) { return Trim(v).empty(); }))
      return;  // a blank record, as the report lists one
    bool first = first_;
    first_ = false;
    if (first && r.closed && isHeader(r.values, s_.tables)) return;
    if (saved_ + count() >= kMaxIndividuals) return full(r.line);
    std::string problem = !r.closed ? sum_.say("virgolette non chiuse", "quotes not closed") : check(r.values);
    if (!problem.empty()) return bad(r.line, problem);
    add(r.line, r.values);
  }

  const std::string& records() const { return records_; }
  const std::vector<std::string>& names() const { return names_; }
  int count() const { return static_cast<int>(names_.size()); }

 private:
  std::string check(const std::vector<std::string>& values) const {
    if (values.size() != kCsvFields)
      return sum_.say("attesi 13 campi, trovati ", "13 fields expected, found ") + std::to_string(values.size());
    if (Trim(values[0]).empty()) return sum_.say("manca il nome", "no name");
    std::string sex = UpperCp1252(Trim(values[kCsvFields - 1]));
    if (!sex.empty() && sex != "M" && sex != "F")
      return sum_.say("il sesso deve essere M, F o vuoto, non \"", "the sex must be M, F or empty, not \"") + sex +
             "\"";
    return {};
  }

  void full(int number) {
    if (sum_.linesNotImported++ == 0)
      bad(number, sum_.say("database pieno (998 individui): questa riga e le seguenti non importate",
                           "database full (998 individuals): this line and the following not imported"));
  }

  void bad(int number, const std::string& problem) {
    sum_.problems.push_back(sum_.say("riga ", "line ") + std::to_string(number) + ": " + problem);
  }

  void add(int number, const std::vector<std::string>& values) {
    PersonRecord r;
    r.set(Num, std::to_string(saved_ + count() + 1));
    std::string who = sum_.say("riga ", "line ") + std::to_string(number);
    for (std::size_t v = 0; v < kCsvFields; ++v) {
      auto f = static_cast<Field>(Name + v);
      std::string value = f == Sex ? UpperCp1252(Trim(values[v])) : FieldLineBreaks(f, values[v]);
      std::string cut = StoreField(r, f, value, who, s_.tables.FieldCaptions[f], sum_.english);
      if (!cut.empty()) sum_.notRepresented.push_back(cut);
    }
    records_.append(r.bytes().begin(), r.bytes().end());
    names_.push_back(r.trimmed(Name));
  }

  Session& s_;
  ExchangeSummary& sum_;
  long saved_;
  std::string records_;
  std::vector<std::string> names_;
  bool first_ = true;
};

/// The text as Windows-1252, with the decoding in summary.charset and its
/// lines apart by LF.
std::string decodedText(std::string text, ExchangeSummary& sum) {
  bool bom = text.rfind("\xEF\xBB\xBF", 0) == 0;
  if (bom) text.erase(0, 3);
  bool utf8 = IsValidUtf8(text) && (bom || !IsAscii(text));
  sum.charset = utf8 ? "UTF-8" : IsAscii(text) ? "ASCII" : "Windows-1252";
  if (!utf8) return text;
  std::vector<std::string> lines = SplitLines(text);
  std::string out;
  for (std::size_t n = 0; n < lines.size(); ++n) {
    RecordText converted = ToRecordText(lines[n]);
    if (!converted.lost.empty())
      sum.notRepresented.push_back(sum.say("riga ", "line ") + std::to_string(n + 1) + ": " +
                                   LostCharacterNames(converted.lost) +
                                   sum.say(" non esistono in Windows-1252", " not in Windows-1252"));
    out += converted.text + "\n";
  }
  return out;
}

/// Record r is at index r + 1; the new records follow the `saved` ones.
void takeIntoTables(Session& s, long saved, const std::vector<std::string>& names) {
  Tables& t = s.tables;
  int first = static_cast<int>(saved) + 2;
  for (std::size_t k = 0; k < names.size(); ++k) {
    int index = first + static_cast<int>(k);
    t.Names[index] = names[k];
    t.Parent1[index] = t.Parent2[index] = t.Spouse[index] = kNone;
  }
  t.LastIndex = std::max(t.LastIndex, first + static_cast<int>(names.size()) - 1);
  s.cachedFocusRecord.reset();
  s.cachedSecondRecord.reset();
  s.bufferRecord.reset();
}

}  // namespace

ExchangeSummary ImportCsv(Session& s, const std::string& path, const ExchangeProgress& progress) {
  ExchangeSummary sum;
  sum.english = s.English;
  if (!s.DbLoaded || s.tables.RecordMode != "Kord")
    return sum.fail(sum.say("Nessun database di tipo Kord aperto", "No database of the Kord type is open"));
  std::string text, existing;
  if (!ReadWholeFile(path, text))
    return sum.fail(Utf8ToCp1252(path) + sum.say(": impossibile leggere il file", ": cannot be read"));
  s.individuals.close();
  if (Result locked = LockForWriting(s); !locked) return sum.fail(locked.reason());
  ReadWholeFile(s.files.IndividualsFile, existing);
  if (existing.size() % kRecordLength != 0)
    return sum.fail(sum.say("Il file degli individui termina con un record incompleto: nessun record aggiunto",
                            "The individuals file ends in a partial record: no record added"));
  long saved = static_cast<long>(existing.size() / kRecordLength);
  CsvImport import(s, sum, saved);
  std::string decoded = decodedText(std::move(text), sum);
  char separator = DetectCsvSeparator(decoded, kCsvFields);
  if (separator != ',') sum.charset += sum.say(", separatore ", ", separator ") + separator;
  auto records = ReadCsvRecords(decoded, separator, kCsvFields);
  for (std::size_t n = 0; n < records.size(); ++n) {
    import.record(records[n]);
    if (progress) progress(ExchangeStage::Reading, static_cast<long>(n) + 1, static_cast<long>(records.size()));
  }
  if (import.count() > 0) {
    std::string error =
        SwitchDatabaseFiles(s.files, {{s.files.IndividualsFile, existing + import.records()}}, s.lock, s.English);
    if (!error.empty()) return sum.fail(error);
    takeIntoTables(s, saved, import.names());
  }
  if (progress) progress(ExchangeStage::Writing, 1, 1);
  sum.ok = true;
  sum.individuals = import.count();
  return sum;
}

}  // namespace kord
