#include "exchange/gedcom_people.h"

#include <algorithm>
#include <array>
#include <set>

#include "db/codepage.h"
#include "db/csv_fields.h"
#include "db/tables.h"
#include "exchange/gedcom_dates.h"
#include "exchange/gedcom_marriages.h"
#include "exchange/gedcom_names.h"
#include "exchange/import_note_lines.h"
#include "exchange/record_text.h"

namespace kord {
namespace {

constexpr std::array<const char*, kFieldCount> kEnglishCaptions = {
    "Number",         "Name",       "Birth date",  "Birth place", "Baptism date", "Baptism place", "Marriage date",
    "Marriage place", "Death date", "Death place", "Burial date", "Burial place", "Notes",         "Sex"};

struct EventFields {
  std::array<const char*, 2> tags;
  Field date;
  Field place;
  const char* italian;
  const char* english;
};

constexpr std::array<EventFields, 4> kEvents = {{
    {{"BIRT", "BIRT"}, BirthDate, BirthPlace, "Nascita", "Birth"},
    {{"CHR", "BAPM"}, BaptismDate, BaptismPlace, "Battesimo", "Baptism"},
    {{"DEAT", "DEAT"}, DeathDate, DeathPlace, "Morte", "Death"},
    {{"BURI", "BURI"}, BurialDate, BurialPlace, "Sepoltura", "Burial"},
}};

const std::set<std::string> kHandledTags = {"NAME", "SEX",  "BIRT", "CHR",  "BAPM", "DEAT", "BURI",
                                            "NOTE", "FAMC", "FAMS", "TITL", "OCCU", "RESI"};
const std::set<std::string> kFacts = {"TITL", "OCCU", "RESI"};
const std::set<std::string> kNameParts = {"GIVN", "SURN", "NSFX", "SPFX", "_KORD_NAME", "_KORD_SEX"};

std::string valueBelow(const GedcomNode& node, const char* tag) {
  const GedcomNode* below = node.child(tag);
  return below ? Trim(below->value, kWhitespace) : std::string();
}

/// "Luigi Pavan" with SURN Pavan: the given names are what is left.
std::string withoutWords(const std::string& text, const std::string& words) {
  auto at = words.empty() ? std::string::npos : text.find(words);
  return at == std::string::npos ? text : Trim(text.substr(0, at) + " " + text.substr(at + words.size()), kWhitespace);
}

std::string withCrLf(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (char ch : text) {
    if (ch == '\n') out += '\r';
    out += ch;
  }
  return out;
}

class PersonImport {
 public:
  PersonImport(PeopleContext& c, int person, ExchangeSummary& s)
      : c_(c), s_(s), indi_(*c.index.people[person]), person_(person) {}

  PersonRecord run(int record) {
    record_.set(Num, std::to_string(record));
    readName();
    readSex();
    readEvents();
    readMarriages();
    readNotes();
    storeNotes();
    return record_;
  }

 private:
  std::string caption(Field f) const { return s_.english ? kEnglishCaptions[f] : DefaultFieldCaptions()[f]; }

  void setText(Field f, const std::string& utf8) {
    RecordText text = ToRecordText(utf8);
    text.text = FieldLineBreaks(f, text.text);
    reportLost(text, caption(f));
    if (std::string cut = StoreField(record_, f, text.text, who_, caption(f), s_.english); !cut.empty()) {
      s_.notRepresented.push_back(cut);
      cutDate_ = true;
    }
  }

  void reportLost(const RecordText& text, const std::string& where) {
    if (text.lost.empty()) return;
    s_.notRepresented.push_back(
        who_ + ", " + where + ": " + LostCharacterNames(text.lost) +
        s_.say(" non esistono in Windows-1252, scritto \"", " not in Windows-1252, written \"") +
        ShortExcerpt(text.text) + "\"");
  }

  void addLine(const NoteLine& line) {
    if (!line.text.empty()) lines_.push_back(line);
  }

  /// The DATE of `event` into `f`; the exact text of a _KORD_DATE line wins.
  void setDate(Field f, const GedcomNode& event, const std::string& label) {
    if (const GedcomNode* exact = event.child("_KORD_DATE")) return setText(f, exact->value);
    const GedcomNode* date = event.child("DATE");
    if (!date) return;
    ImportedDate imported = DateFromGedcom(date->value);
    cutDate_ = false;
    setText(f, imported.text);
    if (imported.lostDetail || cutDate_) addLine(DateLine(label, date->value, s_.english));
  }

  void readName() {
    std::string xref = indi_.xref.empty() ? s_.say("riga ", "line ") + std::to_string(indi_.line) : indi_.xref;
    who_ = xref;
    const GedcomNode* name = indi_.child("NAME");
    if (name) setText(Name, c_.names[person_]);
    who_ = PersonLabel(xref, record_.trimmed(Name));
    if (name) checkSurnameMarked(*name);
    bool first = true;
    for (const auto& c : indi_.children) {
      if (c.tag != "NAME") continue;
      if (!first)
        s_.notRepresented.push_back(who_ + s_.say(": altro nome \"", ": other name \"") +
                                    ShortExcerpt(ToRecordText(c.value).text) +
                                    s_.say("\" non importato", "\" not imported"));
      for (const auto& part : c.children) readNamePart(part, first);
      first = false;
    }
  }

  /// The parts of another name go with it, which is listed as not imported.
  void readNamePart(const GedcomNode& part, bool firstName) {
    bool toNotes = part.tag == "NPFX" || part.tag == "NICK";
    if (!toNotes && !kNameParts.count(part.tag))
      CountSkipped(s_, "INDI.NAME." + part.tag);
    else if (toNotes && firstName)
      addLine(NamePartLine(part, s_.english));
  }

  void checkSurnameMarked(const GedcomNode& name) {
    bool marked = name.value.find('/') != std::string::npos || name.child("SURN") || name.child("_KORD_NAME");
    if (marked || c_.givenFirst || Trim(name.value, kWhitespace).find(' ') == std::string::npos) return;
    s_.warnings.push_back(who_ + s_.say(": il NAME non segna il cognome tra barre, nome tenuto come scritto",
                                        ": the NAME marks no surname between slashes, name kept as written"));
  }

  /// This program's own letter for the sex ("m"), or "".
  std::string storedSexLetter() const {
    std::vector<const GedcomNode*> places = {indi_.child("NAME"), indi_.child("SEX")};
    for (const GedcomNode* place : places)
      for (const char* tag : {"_KORD_SEX", "_KORD"})
        if (const GedcomNode* line = place ? place->child(tag) : nullptr; line && line->value.size() == 1)
          return line->value;
    return {};
  }

  void readSex() {
    if (std::string exact = storedSexLetter(); !exact.empty()) {
      record_.set(Sex, ToRecordText(exact).text);
      return;
    }
    const GedcomNode* sex = indi_.child("SEX");
    if (!sex) return;
    std::string letter = UpperCp1252(ToRecordText(Trim(sex->value, kWhitespace)).text);
    if (letter == "M" || letter == "F")
      record_.set(Sex, letter);
    else if (!letter.empty() && letter != "U")
      s_.notRepresented.push_back(
          who_ + s_.say(": sesso \"", ": sex \"") + ShortExcerpt(letter) +
          s_.say("\" non rappresentabile (solo M o F)", "\" cannot be represented (only M or F)"));
    for (const auto& c : sex->children)
      if (c.tag != "_KORD_SEX" && c.tag != "_KORD") CountSkipped(s_, "INDI.SEX." + c.tag);
  }

  void readEvents() {
    std::array<bool, kEvents.size()> done{};
    for (const auto& node : indi_.children) {
      if (!kHandledTags.count(node.tag)) CountSkipped(s_, "INDI." + node.tag);
      if (kFacts.count(node.tag)) readFact(node);
      if (node.tag == "FAMS")
        for (const auto& below : node.children) CountSkipped(s_, "INDI.FAMS." + below.tag);
      for (std::size_t e = 0; e < kEvents.size(); ++e) {
        if (node.tag != kEvents[e].tags[0] && node.tag != kEvents[e].tags[1]) continue;
        if (done[e])
          s_.notRepresented.push_back(who_ + s_.say(": altro ", ": another ") + node.tag +
                                      s_.say(" non importato", " not imported"));
        else
          readEvent(node, kEvents[e]);
        done[e] = true;
      }
    }
  }

  void readFact(const GedcomNode& fact) {
    addLine(FactLine(fact, s_.english));
    for (const auto& c : fact.children)
      if (c.tag != "DATE" && c.tag != "PLAC" && c.tag != "ADDR") CountSkipped(s_, "INDI." + fact.tag + "." + c.tag);
  }

  void readEvent(const GedcomNode& event, const EventFields& fields) {
    std::string path = "INDI." + event.tag;
    setDate(fields.date, event, s_.say(fields.italian, fields.english));
    for (const auto& c : event.children) {
      if (c.tag == "PLAC")
        setText(fields.place, Trim(c.value, kWhitespace));
      else if (c.tag == "CAUS")
        addLine(CauseLine(c, event.tag, s_.english));
      else if (c.tag != "DATE" && c.tag != "_KORD_DATE")
        CountSkipped(s_, path + "." + c.tag);
      for (const auto& below : c.children) CountSkipped(s_, path + "." + c.tag + "." + below.tag);
    }
  }

  void readMarriages() {
    int main = c_.mainFamily[person_];
    if (main >= 0) {
      if (const GedcomNode* marriage = c_.graph.families[main].node->child("MARR")) {
        c_.marriageTaken[main] = true;
        setDate(MarriageDate, *marriage, s_.say("Matrimonio", "Marriage"));
        if (std::string place = valueBelow(*marriage, "PLAC"); !place.empty()) setText(MarriagePlace, place);
      }
    }
    for (const OtherMarriage& other : OtherMarriages(c_.graph, c_.mainFamily, c_.recordOf, person_)) {
      const GedcomNode* marriage = c_.graph.families[other.family].node->child("MARR");
      if (marriage) c_.marriageTaken[other.family] = true;
      addLine(MarriageLine(other.number, marriage, other.spouse >= 0 ? c_.names[other.spouse] : "", s_.english));
    }
    for (int family : c_.graph.of[person_].spouseIn) readDivorce(family);
  }

  void readDivorce(int family) {
    const ImportFamily& f = c_.graph.families[family];
    const GedcomNode* divorce = f.node->child("DIV");
    if (!divorce) return;
    int other = f.husband == person_ ? f.wife : f.husband;
    addLine(DivorceLine(*divorce, other >= 0 ? c_.names[other] : "", s_.english));
  }

  void readNotes() {
    for (const auto& c : indi_.children) {
      if (c.tag != "NOTE") continue;
      for (const auto& below : c.children) CountSkipped(s_, "INDI.NOTE." + below.tag);
      const GedcomNode* note = &c;
      if (c.isPointer()) {
        auto found = c_.index.notes.find(c.value);
        if (found == c_.index.notes.end()) {
          s_.problems.push_back(s_.say("riga ", "line ") + std::to_string(c.line) + ": NOTE " + c.value +
                                s_.say(" non trovata", " not found"));
          continue;
        }
        note = found->second;
      }
      if (IsCustomLineReport(note->value))
        CountSkipped(s_, "INDI.NOTE _KORD");
      else
        notes_.push_back(Trim(note->value, kWhitespace));
    }
  }

  void storeNotes() {
    std::string text;
    for (const auto& note : notes_)
      if (!note.empty()) text += (text.empty() ? "" : "\n") + note;
    setText(Notes, withCrLf(text));
    for (const NoteLine& line : lines_) storeLine(line);
  }

  /// One more line of the notes when it fits; else it is listed as lost.
  void storeLine(const NoteLine& line) {
    RecordText text = ToRecordText(line.text);
    reportLost(text, caption(Notes));
    std::string notes = record_.trimmed(Notes);
    std::string longer = notes.empty() ? text.text : notes + std::string(kNewLine) + text.text;
    if (longer.size() <= kFieldLayout[Notes].width) {
      record_.set(Notes, longer);
      ++s_.toNotes[line.kind];
      if (line.listed) s_.warnings.push_back(who_ + s_.say(", nelle note: ", ", in the notes: ") + text.text);
      return;
    }
    ++s_.lostByKind[line.kind];
    s_.notRepresented.push_back(who_ + s_.say(": nessun posto nelle note per \"", ": no room in the notes for \"") +
                                ShortExcerpt(text.text) + "\"");
  }

  PeopleContext& c_;
  ExchangeSummary& s_;
  const GedcomNode& indi_;
  int person_;
  PersonRecord record_;
  std::string who_;
  std::vector<std::string> notes_;
  std::vector<NoteLine> lines_;  ///< short lines for the notes, in the order met
  bool cutDate_ = false;
};

}  // namespace

std::string ImportedName(const GedcomNode& indi, bool givenFirst) {
  const GedcomNode* name = indi.child("NAME");
  if (!name) return {};
  if (const GedcomNode* exact = name->child("_KORD_NAME")) return exact->value;
  std::string given = valueBelow(*name, "GIVN"), surname = valueBelow(*name, "SURN");
  std::string value = Trim(name->value, kWhitespace);
  if (!value.empty() && (value.find('/') != std::string::npos || surname.empty()))
    return NameFromGedcom(value, givenFirst);
  if (!value.empty() && given.empty()) given = withoutWords(value, surname);
  return NameFromGedcom(given + " /" + surname + "/", givenFirst);
}

PersonRecord ImportPerson(PeopleContext& context, int person, int record, ExchangeSummary& summary) {
  return PersonImport(context, person, summary).run(record);
}

}  // namespace kord
