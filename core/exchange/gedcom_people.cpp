#include "exchange/gedcom_people.h"

#include <array>
#include <set>

#include "db/codepage.h"
#include "db/tables.h"
#include "exchange/gedcom_dates.h"
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

const std::set<std::string> kHandledTags = {"NAME", "SEX",  "BIRT", "CHR",  "BAPM",
                                            "DEAT", "BURI", "NOTE", "FAMC", "FAMS"};
const std::set<std::string> kNameParts = {"GIVN", "SURN", "NPFX", "NSFX", "SPFX", "NICK"};

std::string trimmed(const std::string& text) {
  auto first = text.find_first_not_of(" \t\n");
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t\n") - first + 1);
}

std::string joined(const std::vector<std::string>& parts, const char* separator) {
  std::string out;
  for (const auto& p : parts)
    if (!p.empty()) out += (out.empty() ? "" : separator) + p;
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
    readMarriage();
    readNotes();
    storeNotes();
    return record_;
  }

 private:
  std::string caption(Field f) const { return s_.english ? kEnglishCaptions[f] : DefaultFieldCaptions()[f]; }

  void setText(Field f, const std::string& utf8) {
    RecordText text = ToRecordText(utf8);
    if (!text.lost.empty())
      s_.notRepresented.push_back(
          who_ + ", " + caption(f) + ": " + LostCharacterNames(text.lost) +
          s_.say(" non esistono in Windows-1252, scritto \"", " not in Windows-1252, written \"") + text.text + "\"");
    if (std::string cut = StoreField(record_, f, text.text, who_, caption(f), s_.english); !cut.empty()) {
      s_.notRepresented.push_back(cut);
      cutDate_ = true;
    }
  }

  void setDate(Field f, const std::string& value, const char* italian, const char* english) {
    ImportedDate date = DateFromGedcom(value);
    cutDate_ = false;
    setText(f, date.text);
    if (date.lostDetail || cutDate_) details_.push_back(s_.say(italian, english) + ": " + trimmed(value));
  }

  void readName() {
    std::string xref = indi_.xref.empty() ? s_.say("riga ", "line ") + std::to_string(indi_.line) : indi_.xref;
    who_ = xref;
    const GedcomNode* name = indi_.child("NAME");
    if (name) setText(Name, personName(*name));
    who_ = PersonLabel(xref, record_.trimmed(Name));
    bool first = true;
    for (const auto& c : indi_.children) {
      if (c.tag != "NAME") continue;
      if (!first)
        s_.notRepresented.push_back(who_ + s_.say(": altro nome \"", ": other name \"") + ToRecordText(c.value).text +
                                    s_.say("\" non importato", "\" not imported"));
      first = false;
      for (const auto& part : c.children)
        if (!kNameParts.count(part.tag)) CountSkipped(s_, "INDI.NAME." + part.tag);
    }
  }

  std::string personName(const GedcomNode& name) const {
    if (!trimmed(name.value).empty()) return NameFromGedcom(name.value, c_.surnameFirst);
    const GedcomNode* given = name.child("GIVN");
    const GedcomNode* surname = name.child("SURN");
    return NameFromGedcom((given ? given->value : "") + " /" + (surname ? surname->value : "") + "/", c_.surnameFirst);
  }

  void readSex() {
    const GedcomNode* sex = indi_.child("SEX");
    if (!sex) return;
    std::string letter = UpperCp1252(ToRecordText(trimmed(sex->value)).text);
    if (letter == "M" || letter == "F")
      record_.set(Sex, letter);
    else if (!letter.empty() && letter != "U")
      s_.notRepresented.push_back(
          who_ + s_.say(": sesso \"", ": sex \"") + letter +
          s_.say("\" non rappresentabile (solo M o F)", "\" cannot be represented (only M or F)"));
    for (const auto& c : sex->children) {
      std::string stored = ToRecordText(c.value).text;
      if (c.tag == "_KORD" && stored.size() == 1)
        record_.set(Sex, stored);
      else
        CountSkipped(s_, "INDI.SEX." + c.tag);
    }
  }

  void readEvents() {
    std::array<bool, kEvents.size()> done{};
    for (const auto& node : indi_.children) {
      if (!kHandledTags.count(node.tag)) CountSkipped(s_, "INDI." + node.tag);
      if (node.tag == "FAMS")
        for (const auto& below : node.children) CountSkipped(s_, "INDI.FAMS." + below.tag);
      for (std::size_t e = 0; e < kEvents.size(); ++e) {
        if (node.tag != kEvents[e].tags[0] && node.tag != kEvents[e].tags[1]) continue;
        if (done[e])
          s_.notRepresented.push_back(who_ + s_.say(": altro ", ": another ") + node.tag +
                                      s_.say(" non importato", " not imported"));
        else
          readEvent(node, kEvents[e], "INDI." + node.tag);
        done[e] = true;
      }
    }
  }

  void readEvent(const GedcomNode& event, const EventFields& fields, const std::string& path) {
    for (const auto& c : event.children) {
      if (c.tag != "DATE" && c.tag != "PLAC") {
        CountSkipped(s_, path + "." + c.tag);
        continue;
      }
      if (c.tag == "DATE")
        setDate(fields.date, c.value, fields.italian, fields.english);
      else
        setText(fields.place, trimmed(c.value));
      for (const auto& below : c.children) CountSkipped(s_, path + "." + c.tag + "." + below.tag);
    }
  }

  void readMarriage() {
    for (int family : c_.graph.of[person_].spouseIn) {
      const GedcomNode* marriage = c_.graph.families[family].node->child("MARR");
      if (!marriage) continue;
      c_.marriageTaken[family] = true;
      if (const GedcomNode* date = marriage->child("DATE"))
        setDate(MarriageDate, date->value, "Matrimonio", "Marriage");
      if (const GedcomNode* place = marriage->child("PLAC")) setText(MarriagePlace, trimmed(place->value));
      return;
    }
  }

  void readNotes() {
    for (const auto& c : indi_.children) {
      if (c.tag != "NOTE") continue;
      for (const auto& below : c.children) CountSkipped(s_, "INDI.NOTE." + below.tag);
      if (!c.isPointer()) {
        notes_.push_back(trimmed(c.value));
        continue;
      }
      auto found = c_.index.notes.find(c.value);
      if (found != c_.index.notes.end())
        notes_.push_back(trimmed(found->second->value));
      else
        s_.problems.push_back(s_.say("riga ", "line ") + std::to_string(c.line) + ": NOTE " + c.value +
                              s_.say(" non trovata", " not found"));
    }
  }

  void storeNotes() {
    std::vector<std::string> all = notes_;
    all.insert(all.end(), details_.begin(), details_.end());
    std::string text = joined(all, "\n"), crlf;
    for (char ch : text) crlf += ch == '\n' ? std::string("\r\n") : std::string(1, ch);
    setText(Notes, crlf);
  }

  PeopleContext& c_;
  ExchangeSummary& s_;
  const GedcomNode& indi_;
  int person_;
  PersonRecord record_;
  std::string who_;
  std::vector<std::string> notes_;
  std::vector<std::string> details_;  ///< dates whose field lost detail
  bool cutDate_ = false;
};

}  // namespace

std::string NameFromGedcom(const std::string& value, bool surnameFirst) {
  auto open = value.find('/');
  auto close = open == std::string::npos ? std::string::npos : value.find('/', open + 1);
  std::string given = trimmed(value.substr(0, open));
  std::string surname = open == std::string::npos ? "" : trimmed(value.substr(open + 1, close - open - 1));
  std::string suffix = close == std::string::npos ? "" : trimmed(value.substr(close + 1));
  return surnameFirst ? joined({surname, given, suffix}, " ") : joined({given, surname, suffix}, " ");
}

PersonRecord ImportPerson(PeopleContext& context, int person, int record, ExchangeSummary& summary) {
  return PersonImport(context, person, summary).run(record);
}

}  // namespace kord
