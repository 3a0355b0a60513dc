#include "db/load_tables.h"

#include <cassert>

#include "db/codepage.h"
#include "db/csv_fields.h"
#include "db/individuals_file.h"
#include "db/output_files.h"

namespace kord {
namespace {

constexpr std::size_t kNotedLinesPerFile = 10;

std::string displayName(const std::string& path) { return Utf8ToCp1252(BaseNameOf(path)); }

/// "AAA_" + the index with its sign position, as the old number formatting did.
std::string placeholderName(int index) { return "AAA_ " + std::to_string(index); }

void clearSlot(Tables& t, int k, const std::string& name) {
  t.Names[k] = name;
  t.Parent1[k] = kNone;
  t.Parent2[k] = kNone;
  t.Spouse[k] = kNone;
}

struct LinkLine {
  int first = 0;   ///< table index
  int second = 0;  ///< table index
};

/// Parses "a,b" into table indexes; empty reason on success.
std::string parseLinkLine(const std::string& line, LinkLine& link, const LoadNotes& notes) {
  auto values = SplitCsvValues(line);
  if (values.size() != 2)
    return notes.say("servono due numeri separati da una virgola", "expected two numbers separated by a comma");
  long a = NumericValue(values[0]);
  long b = NumericValue(values[1]);
  for (long v : {a, b})
    if (v < 0 || v > 999)
      return notes.say("il numero di record ", "record number ") + std::to_string(v) +
             notes.say(" e' fuori da 0..999", " is outside 0..999");
  link = {static_cast<int>(a) + 1, static_cast<int>(b) + 1};
  return {};
}

/// Reads every non-blank line of a link file and hands the valid ones to
/// `apply`. Returns the number of links loaded.
int loadLinkFile(const std::string& path, const PhaseProgress& progress, LoadNotes& notes,
                 const std::function<void(const LinkLine&)>& apply) {
  std::string text;
  if (!ReadWholeFile(path, text)) {
    notes.add(displayName(path) + notes.say(": il file non si puo' leggere, nessun legame caricato",
                                            ": the file cannot be read, no links loaded from it"));
    return 0;
  }
  int loaded = 0;
  std::size_t skipped = 0;
  auto lines = SplitLines(text);
  for (std::size_t n = 0; n < lines.size(); ++n) {
    if (Trim(lines[n]).empty()) continue;
    if (progress) progress(loaded);
    LinkLine link;
    std::string reason = parseLinkLine(lines[n], link, notes);
    if (reason.empty()) {
      apply(link);
      ++loaded;
    } else if (++skipped <= kNotedLinesPerFile) {
      notes.add(displayName(path) + notes.say(": riga ", ": line ") + std::to_string(n + 1) + ": " + reason +
                notes.say(", riga ignorata", ", line skipped"));
    }
  }
  if (skipped > kNotedLinesPerFile)
    notes.add(displayName(path) + ": " + std::to_string(skipped - kNotedLinesPerFile) +
              notes.say(" altre righe ignorate", " more lines skipped"));
  return loaded;
}

}  // namespace

std::string ReadRecordMode(const std::string& typeFile) {
  std::string text;
  if (!ReadWholeFile(typeFile, text)) return "Kord";
  auto lines = SplitLines(text);
  if (lines.empty()) return "Kord";
  auto values = SplitCsvValues(lines.front());
  return Trim(values.front()) == "1" ? "Scout" : "Kord";
}

void LoadIndividuals(Tables& t, const std::string& individualsFile, const PhaseProgress& progress, LoadNotes& notes) {
  IndividualsFile file;
  std::string error = file.open(individualsFile);
  if (!error.empty()) notes.add(Utf8ToCp1252(error));
  const int cap = t.LastIndex;
  PersonRecord record;
  int i = 1;
  while (true) {
    bool read = file.readRecord(i, record);
    if (read) {
      int k = i + 1;
      bool own = NumericValue(record.raw(Num)) == i;
      clearSlot(t, k, own ? record.trimmed(Name) : placeholderName(k));
      if (progress) progress(i);
    }
    ++i;
    if (!read || i >= cap) break;
  }
  t.LastIndex = i - 1;
  assert(t.LastIndex < kTableSize);  // every walk indexes the tables up to it
  for (int k = t.LastIndex + 1; k < kTableSize; ++k) clearSlot(t, k, "");

  long size = file.size();
  long whole = size / static_cast<long>(kRecordLength);
  if (size % static_cast<long>(kRecordLength) != 0)
    notes.add(displayName(individualsFile) + notes.say(": gli ultimi ", ": the last ") +
              std::to_string(size % kRecordLength) +
              notes.say(" byte non formano una scheda intera e non sono stati letti",
                        " bytes are not a whole record and were not read"));
  if (whole > t.LastIndex - 1)
    notes.add(displayName(individualsFile) + notes.say(": contiene ", ": holds ") + std::to_string(whole) +
              notes.say(" schede; caricate solo le prime ", " records; only the first ") +
              std::to_string(t.individualCount()) + notes.say("", " were loaded"));
}

void LoadChildLinks(Tables& t, const std::string& childrenFile, const PhaseProgress& progress, LoadNotes& notes) {
  t.ChildLinkCount = loadLinkFile(childrenFile, progress, notes, [&t](const LinkLine& l) {
    if (t.Parent1[l.first] == kNone)
      t.Parent1[l.first] = l.second;
    else
      t.Parent2[l.first] = l.second;
  });
}

void LoadSpouseLinks(Tables& t, const std::string& spousesFile, const PhaseProgress& progress, LoadNotes& notes) {
  t.SpouseLinkCount = loadLinkFile(spousesFile, progress, notes, [&t](const LinkLine& l) {
    if (t.Spouse[l.first] == kNone) t.Spouse[l.first] = l.second;
  });
}

void ReadCaptions(Tables& t, const std::string& captionsFile, LoadNotes& notes) {
  std::string text;
  if (!ReadWholeFile(captionsFile, text)) return;
  std::size_t i = 0;
  for (const auto& line : SplitLines(text))
    for (auto& value : SplitCsvValues(line))
      if (i < t.FieldCaptions.size()) t.FieldCaptions[i++] = value;
  if (i < t.FieldCaptions.size())
    notes.add(displayName(captionsFile) + notes.say(": contiene ", ": holds ") + std::to_string(i) +
              notes.say(" delle 14 didascalie; le altre restano come erano",
                        " of the 14 field captions; the others keep their previous text"));
}

std::string WriteCaptions(const Captions& captions, const std::string& captionsFile, bool english) {
  std::string text = QuotedLine("N.");
  for (std::size_t i = 1; i < captions.size(); ++i) text += QuotedLine(captions[i]);
  OutputFailure failure = WriteFileAtomically(captionsFile, text, true);
  return failure ? OutputFailureText(failure, english) : std::string();
}

}  // namespace kord
