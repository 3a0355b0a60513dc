#include "exchange/gedcom_export.h"

#include <algorithm>
#include <array>
#include <filesystem>

#include "db/codepage.h"
#include "exchange/exchange_files.h"
#include "exchange/export_families.h"
#include "exchange/gedcom_dates.h"
#include "exchange/gedcom_people.h"

namespace kord {
namespace {

/// GEDCOM values stay well below the 255-character line limit.
constexpr std::size_t kPieceWidth = 80;

struct EventTags {
  const char* tag;
  Field date;
  Field place;
};

constexpr std::array<EventTags, 4> kEvents = {{
    {"BIRT", BirthDate, BirthPlace},
    {"BAPM", BaptismDate, BaptismPlace},
    {"DEAT", DeathDate, DeathPlace},
    {"BURI", BurialDate, BurialPlace},
}};

std::string escapeAts(const std::string& value) {
  std::string out;
  for (char c : value) out += c == '@' ? std::string("@@") : std::string(1, c);
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

/// Collects the lines in Windows-1252; the file is their UTF-8 form.
class GedcomWriter {
 public:
  void line(int level, const std::string& tag, const std::string& value = {}) {
    out_ += std::to_string(level) + " " + tag + (value.empty() ? "" : " " + escapeAts(value)) + "\r\n";
  }
  void record(const std::string& xref, const std::string& tag) { out_ += "0 " + xref + " " + tag + "\r\n"; }
  void pointer(int level, const std::string& tag, const std::string& xref) {
    out_ += std::to_string(level) + " " + tag + " " + xref + "\r\n";
  }
  /// A text of any length and any number of lines: CONT and CONC below it.
  void text(int level, const std::string& tag, const std::string& value) {
    bool first = true;
    for (const auto& textLine : textLines(value)) {
      auto pieces = concPieces(textLine);
      line(first ? level : level + 1, first ? tag : "CONT", pieces[0]);
      for (std::size_t p = 1; p < pieces.size(); ++p) line(level + 1, "CONC", pieces[p]);
      first = false;
    }
  }
  std::string utf8() const { return Cp1252ToUtf8(out_); }

 private:
  std::string out_;
};

std::string individualXref(int index) { return "@I" + std::to_string(index - 1) + "@"; }
std::string familyXref(int family) { return "@F" + std::to_string(family + 1) + "@"; }

void writeHeader(GedcomWriter& w) {
  w.line(0, "HEAD");
  w.line(1, "SOUR", "KORD");
  w.line(2, "NAME", "Kord");
  w.pointer(1, "SUBM", "@SUBM@");
  w.line(1, "GEDC");
  w.line(2, "VERS", "5.5.1");
  w.line(2, "FORM", "LINEAGE-LINKED");
  w.line(1, "CHAR", "UTF-8");
  w.record("@SUBM@", "SUBM");
  w.line(1, "NAME", "Kord");
}

bool isBlank(const PersonRecord& r) {
  return std::all_of(r.bytes().begin(), r.bytes().end(), [](char c) { return c == ' '; });
}

class IndividualWriter {
 public:
  IndividualWriter(GedcomWriter& w, const ExportPlan& plan, const RecordsByIndex& records, ExchangeSummary& s)
      : w_(w), plan_(plan), records_(records), s_(s) {}

  void write(int index) {
    const PersonRecord& r = *records_[index];
    w_.record(individualXref(index), "INDI");
    bool linked = plan_.childIn[index] >= 0 || !plan_.spouseIn[index].empty();
    if (isBlank(r) && !linked) return;  // an empty slot
    std::size_t before = lines_;
    checkNumber(index, r);
    writeName(index, r);
    writeSex(r);
    for (const auto& e : kEvents) writeEvent(r, e);
    if (plan_.childIn[index] >= 0) pointer("FAMC", familyXref(plan_.childIn[index]));
    for (int f : plan_.spouseIn[index]) pointer("FAMS", familyXref(f));
    if (std::string notes = r.trimmed(Notes); !notes.empty()) text("NOTE", notes);
    if (lines_ == before) line(1, "SEX", "U");  // keeps it apart from an empty slot
  }

 private:
  void line(int level, const std::string& tag, const std::string& value = {}) {
    w_.line(level, tag, value);
    ++lines_;
  }
  void pointer(const std::string& tag, const std::string& xref) {
    w_.pointer(1, tag, xref);
    ++lines_;
  }
  void text(const std::string& tag, const std::string& value) {
    w_.text(1, tag, value);
    ++lines_;
  }
  void note(int index, const std::string& text) {
    s_.notRepresented.push_back(IndexLabel(records_, index) + ": " + text);
  }

  void checkNumber(int index, const PersonRecord& r) {
    if (NumericValue(r.raw(Num)) == index - 1) return;
    note(index, s_.say("il campo numero \"", "the number field \"") + r.trimmed(Num) +
                    s_.say("\" diventa ", "\" becomes ") + std::to_string(index - 1));
  }

  void writeName(int index, const PersonRecord& r) {
    std::string name = r.trimmed(Name);
    if (name.empty()) return;
    std::string written = GedcomName(name);
    line(1, "NAME", written);
    if (std::string back = NameFromGedcom(written, true); back != name)
      note(index, s_.say("il nome torna come \"", "the name comes back as \"") + back + "\"");
  }

  void writeSex(const PersonRecord& r) {
    char stored = r.raw(Sex)[0];
    if (stored == ' ') return;
    char upper = stored == 'm' ? 'M' : stored == 'f' ? 'F' : stored;
    line(1, "SEX", upper == 'M' || upper == 'F' ? std::string(1, upper) : "U");
    if (stored != 'M' && stored != 'F') line(2, "_KORD", std::string(1, stored));
  }

  void writeEvent(const PersonRecord& r, const EventTags& e) {
    std::string date = GedcomDateOf(r.raw(e.date)), place = r.trimmed(e.place);
    if (date.empty() && place.empty()) return;
    line(1, e.tag);
    if (!date.empty()) line(2, "DATE", date);
    if (!place.empty()) line(2, "PLAC", place);
  }

  GedcomWriter& w_;
  const ExportPlan& plan_;
  const RecordsByIndex& records_;
  ExchangeSummary& s_;
  std::size_t lines_ = 0;
};

void writeFamily(GedcomWriter& w, const ExportFamily& f, int number) {
  w.record(familyXref(number), "FAM");
  if (f.husband != kNone) w.pointer(1, "HUSB", individualXref(f.husband));
  if (f.wife != kNone) w.pointer(1, "WIFE", individualXref(f.wife));
  if (f.hasMarriage) {
    bool details = !f.marriageDate.empty() || !f.marriagePlace.empty();
    w.line(1, "MARR", details ? "" : "Y");
    if (!f.marriageDate.empty()) w.line(2, "DATE", GedcomDateOf(f.marriageDate));
    if (!f.marriagePlace.empty()) w.line(2, "PLAC", f.marriagePlace);
  }
  for (int child : f.children) w.pointer(1, "CHIL", individualXref(child));
}

bool isDatabaseFile(const Session& s, const std::string& path) {
  std::error_code ec;
  if (!std::filesystem::exists(path, ec)) return false;
  for (const auto* file : {&s.files.IndividualsFile, &s.files.ChildrenFile, &s.files.SpousesFile, &s.files.TypeFile,
                           &s.files.CaptionsFile})
    if (!file->empty() && std::filesystem::equivalent(path, *file, ec)) return true;
  return false;
}

RecordsByIndex readRecords(Session& s, std::string& error) {
  RecordsByIndex records(kTableSize);
  IndividualsFile file;
  error = file.open(s.files.IndividualsFile);
  for (int index = 2; error.empty() && index <= s.tables.LastIndex; ++index) {
    PersonRecord r;
    if (file.readRecord(index - 1, r)) records[index] = r;
  }
  return records;
}

void count(const ExportPlan& plan, ExchangeSummary& s) {
  s.families = static_cast<int>(plan.families.size());
  for (const auto& f : plan.families) {
    int parents = (f.husband != kNone) + (f.wife != kNone);
    s.childLinks += parents * static_cast<int>(f.children.size());
    s.spouseLinks += parents == 2;
  }
}

}  // namespace

std::string GedcomName(const std::string& name) {
  std::string trimmed = Trim(name);
  auto blank = trimmed.find(' ');
  std::string surname = trimmed.substr(0, blank);
  std::string given = blank == std::string::npos ? "" : Trim(trimmed.substr(blank + 1));
  return given.empty() ? "/" + surname + "/" : given + " /" + surname + "/";
}

ExchangeSummary ExportGedcom(Session& s, const std::string& path, const ExchangeProgress& progress) {
  ExchangeSummary sum;
  sum.english = s.English;
  sum.exported = true;
  if (!s.DbLoaded || s.tables.RecordMode != "Kord")
    return sum.fail(sum.say("Nessun database di tipo Kord aperto", "No database of the Kord type is open"));
  if (isDatabaseFile(s, path))
    return sum.fail(Utf8ToCp1252(path) + sum.say(" e' un file del database", " is a file of the database"));
  std::string error;
  RecordsByIndex records = readRecords(s, error);
  if (!error.empty()) return sum.fail(error);

  ExportPlan plan = PlanFamilies(s.tables, records, sum);
  GedcomWriter w;
  writeHeader(w);
  IndividualWriter individuals(w, plan, records, sum);
  long total = s.tables.individualCount();
  for (int index = 2; index <= s.tables.LastIndex; ++index) {
    if (records[index]) {
      individuals.write(index);
      ++sum.individuals;
    }
    if (progress) progress(ExchangeStage::Individuals, index - 1, total);
  }
  for (std::size_t f = 0; f < plan.families.size(); ++f) writeFamily(w, plan.families[f], static_cast<int>(f));
  w.line(0, "TRLR");
  if (error = ReplaceFile(path, w.utf8(), s.English); !error.empty()) return sum.fail(error);
  if (progress) progress(ExchangeStage::Writing, 1, 1);
  count(plan, sum);
  sum.ok = true;
  return sum;
}

}  // namespace kord
