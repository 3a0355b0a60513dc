#include "exchange/export_individual.h"

#include <array>
#include <filesystem>

#include "db/codepage.h"
#include "db/file_set.h"
#include "exchange/gedcom_dates.h"
#include "exchange/gedcom_names.h"

namespace kord {
namespace {

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

bool isDateField(Field f) {
  return f == BirthDate || f == BaptismDate || f == MarriageDate || f == DeathDate || f == BurialDate;
}

/// The portrait's path as the GEDCOM file names it, or "" when there is none.
std::string portraitPath(const IndividualContext& c, const std::string& name) {
  namespace fs = std::filesystem;
  std::string file = Cp1252ToUtf8(name) + ".jpg";
  if (name.empty() || !c.pictures.count(file) || !IsPlainFileName(file)) return {};
  std::error_code ec;
  fs::path picture = fs::absolute(c.databaseFolder + file, ec).lexically_normal();
  fs::path relative = picture.lexically_relative(fs::absolute(c.gedcomFolder, ec).lexically_normal());
  bool inside = !relative.empty() && *relative.begin() != "..";
  return (inside ? relative : picture).generic_string();
}

class IndividualWriter {
 public:
  IndividualWriter(GedcomWriter& w, const IndividualContext& c, int index, ExchangeSummary& s)
      : w_(w), c_(c), r_(*c.records[index]), index_(index), s_(s) {}

  void write() {
    w_.record(IndividualXref(index_), "INDI");
    checkNumber();
    writeName();
    writeSex();
    for (const auto& e : kEvents) writeEvent(e);
    writeRenamedFields();
    if (c_.plan.childIn[index_] >= 0) pointer("FAMC", FamilyXref(c_.plan.childIn[index_]));
    for (int f : c_.plan.spouseIn[index_]) pointer("FAMS", FamilyXref(f));
    if (c_.uses[Notes] == FieldUse::AsDesigned) text(1, "NOTE", r_.trimmed(Notes));
    writePortrait();
    if (lines_ == 0) line(1, "SEX", "U");  // keeps it apart from an empty slot of old exports
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
  void text(int level, const std::string& tag, const std::string& value) {
    if (value.empty()) return;
    w_.text(level, tag, value);
    ++lines_;
  }
  std::string label() const { return IndexLabel(c_.records, index_); }
  char storedSex() const { return r_.raw(Sex)[0]; }
  bool oddSex() const { return storedSex() != ' ' && storedSex() != 'M' && storedSex() != 'F'; }

  void checkNumber() {
    if (NumericValue(r_.raw(Num)) == index_ - 1) return;
    s_.notRepresented.push_back(label() + ": " + s_.say("il campo numero \"", "the number field \"") + r_.trimmed(Num) +
                                s_.say("\" diventa ", "\" becomes ") + std::to_string(index_ - 1));
  }

  void writeName() {
    std::string name = r_.trimmed(Name);
    if (name.empty()) return;
    StoredNameParts parts = SplitStoredName(name, s_.english);
    std::string value = GedcomNameValue(parts);
    line(1, "NAME", value);
    if (!parts.given.empty()) line(2, "GIVN", parts.given);
    line(2, "SURN", parts.surname);
    if (NameFromGedcom(value, false) != name) line(2, "_KORD_NAME", name);
    if (oddSex()) line(2, "_KORD_SEX", std::string(1, storedSex()));
    if (!parts.doubt.empty()) s_.warnings.push_back(label() + ": " + parts.doubt);
  }

  void writeSex() {
    char stored = storedSex();
    if (stored == ' ') return;
    char upper = stored == 'm' ? 'M' : stored == 'f' ? 'F' : stored;
    line(1, "SEX", upper == 'M' || upper == 'F' ? std::string(1, upper) : "U");
    if (oddSex() && r_.trimmed(Name).empty()) line(2, "_KORD_SEX", std::string(1, stored));
  }

  void writeDate(Field f) {
    ExportedDate date = GedcomDateOf(r_.raw(f));
    if (date.value.empty()) return;
    line(2, "DATE", date.value);
    if (!date.exactText.empty()) line(2, "_KORD_DATE", date.exactText);
  }

  void writeEvent(const EventTags& e) {
    bool date = c_.uses[e.date] == FieldUse::AsDesigned && !r_.trimmed(e.date).empty();
    bool place = c_.uses[e.place] == FieldUse::AsDesigned && !r_.trimmed(e.place).empty();
    if (!date && !place) return;
    line(1, e.tag);
    if (date) writeDate(e.date);
    if (place) line(2, "PLAC", r_.trimmed(e.place));
  }

  /// Fields 2..12 whose caption gives them another use, in field order.
  void writeRenamedFields() {
    for (int f = BirthDate; f <= Notes; ++f) {
      auto field = static_cast<Field>(f);
      FieldUse use = c_.uses[f];
      if (use == FieldUse::AsDesigned || r_.trimmed(field).empty()) continue;
      if (use == FieldUse::Other && isDateField(field)) {
        f += writeOtherEvent(field);
      } else if (use == FieldUse::Residence) {
        line(1, "RESI");
        line(2, "PLAC", r_.trimmed(field));
      } else if (use == FieldUse::Other) {
        text(1, "FACT", r_.trimmed(field));
        line(2, "TYPE", Trim(c_.captions[f]));
      } else {
        text(1, AttributeTag(use), r_.trimmed(field));
      }
    }
  }

  /// An EVEN typed with the caption; the place field after the date joins
  /// it when it is renamed too. Returns 1 when it took the place field.
  int writeOtherEvent(Field date) {
    auto place = static_cast<Field>(date + 1);
    bool withPlace = c_.uses[place] == FieldUse::Other;
    line(1, "EVEN");
    line(2, "TYPE", Trim(c_.captions[date]));
    writeDate(date);
    if (withPlace && !r_.trimmed(place).empty()) line(2, "PLAC", r_.trimmed(place));
    return withPlace ? 1 : 0;
  }

  void writePortrait() {
    std::string path = portraitPath(c_, r_.trimmed(Name));
    if (path.empty()) return;
    std::string unmappable;
    std::string stored = Utf8ToCp1252(path, &unmappable);
    if (!unmappable.empty()) {
      s_.notRepresented.push_back(label() +
                                  s_.say(": ritratto non esportato, il percorso ha caratteri fuori da "
                                         "Windows-1252: ",
                                         ": portrait not exported, its path has characters outside "
                                         "Windows-1252: ") +
                                  stored);
      return;
    }
    line(1, "OBJE");
    line(2, "FILE", stored);
    line(3, "FORM", "jpg");
  }

  GedcomWriter& w_;
  const IndividualContext& c_;
  const PersonRecord& r_;
  int index_;
  ExchangeSummary& s_;
  int lines_ = 0;
};

}  // namespace

std::set<std::string> PicturesIn(const std::string& folder) {
  namespace fs = std::filesystem;
  std::set<std::string> names;
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    std::string name = it->path().filename().string();
    if (name.size() > 4 && name.compare(name.size() - 4, 4, ".jpg") == 0 && it->is_regular_file(ec)) names.insert(name);
  }
  return names;
}

std::string IndividualXref(int index) { return "@I" + std::to_string(index - 1) + "@"; }
std::string FamilyXref(int family) { return "@F" + std::to_string(family + 1) + "@"; }

bool WriteIndividual(GedcomWriter& w, const IndividualContext& context, int index, ExchangeSummary& summary) {
  if (IsBlankRecord(*context.records[index])) return false;
  IndividualWriter(w, context, index, summary).write();
  return true;
}

}  // namespace kord
