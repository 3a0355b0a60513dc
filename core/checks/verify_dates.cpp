#include "checks/verify_dates.h"

#include <array>

#include "db/individuals_file.h"
#include "records/focus_panel.h"

namespace kord {
namespace {

constexpr std::array<Field, kLifeEventCount> kEventFields = {BirthDate, BaptismDate, MarriageDate, DeathDate,
                                                             BurialDate};

DatedPerson datedPerson(const PersonRecord& record) {
  DatedPerson person;
  for (int k = 0; k < kLifeEventCount; ++k)
    person.dates[static_cast<std::size_t>(k)] = std::string(record.raw(kEventFields[static_cast<std::size_t>(k)]));
  person.sex = SexOfRecord(record);
  return person;
}

const char* sexed(PersonSex sex, const char* male, const char* female, const char* neutral) {
  return sex == PersonSex::Male ? male : sex == PersonSex::Female ? female : neutral;
}

/// The words of one finding's line in one language.
struct FindingWords {
  const DateFinding& f;
  const Tables& tables;
  const DateCheckSettings& settings;
  bool english;

  std::string other() const {
    return tables.Names[static_cast<std::size_t>(f.other)] + " (" + std::to_string(f.other) + ")";
  }
  bool aboutSpouse() const {
    using enum DateProblem;
    return f.problem == SpouseIsParent || f.problem == SpouseIsChild || f.problem == SpouseIsSibling ||
           f.problem == MarriageDatesDiffer;
  }
  /// "padre", "moglie"... for the other individual.
  std::string role() const {
    if (aboutSpouse())
      return english ? sexed(f.otherSex, "husband", "wife", "spouse")
                     : sexed(f.otherSex, "marito", "moglie", "coniuge");
    return english ? sexed(f.otherSex, "father", "mother", "parent") : sexed(f.otherSex, "padre", "madre", "genitore");
  }
  std::string ofRole() const { return (f.otherSex == PersonSex::Female ? "della " : "del ") + role(); }
  std::string born() const { return english ? "born" : sexed(f.sex, "nato", "nata", "nato/a"); }

  std::string what() const;
  std::string dates() const;
};

std::string FindingWords::what() const {
  const DateCheckSettings& n = settings;
  using std::to_string;
  switch (f.problem) {
    case DateProblem::UnreadableDate: return english ? "date not recognised" : "data non riconosciuta";
    case DateProblem::DeathBeforeBirth: return english ? "death before birth" : "morte prima della nascita";
    case DateProblem::BaptismBeforeBirth: return english ? "baptism before birth" : "battesimo prima della nascita";
    case DateProblem::MarriageBeforeBirth: return english ? "marriage before birth" : "matrimonio prima della nascita";
    case DateProblem::BurialBeforeBirth: return english ? "burial before birth" : "sepoltura prima della nascita";
    case DateProblem::BurialBeforeDeath: return english ? "burial before death" : "sepoltura prima della morte";
    case DateProblem::MarriedTooYoung:
      return english ? "married before the age of " + to_string(n.minimumMarriageAge)
                     : "matrimonio prima dei " + to_string(n.minimumMarriageAge) + " anni";
    case DateProblem::ParentTooYoung:
      return english ? "born before " + role() + " " + other() + " was " + to_string(n.minimumParentAge)
                     : born() + " prima che " + sexed(f.otherSex, "il ", "la ", "il ") + role() + " " + other() +
                           " avesse " + to_string(n.minimumParentAge) + " anni";
    case DateProblem::MotherTooOld:
      return english ? "born after mother " + other() + " turned " + to_string(n.maximumMotherAge)
                     : born() + " dopo i " + to_string(n.maximumMotherAge) + " anni della madre " + other();
    case DateProblem::BornAfterMotherDeath:
      return english ? "born after the death of mother " + other() : born() + " dopo la morte della madre " + other();
    case DateProblem::BornLongAfterFatherDeath:
      return english ? "born more than " + to_string(n.maximumMonthsAfterFatherDeath) + " months after the death of " +
                           role() + " " + other()
                     : born() + " oltre " + to_string(n.maximumMonthsAfterFatherDeath) + " mesi dopo la morte " +
                           ofRole() + " " + other();
    case DateProblem::OldWithoutDeath:
      return english ? "over " + to_string(n.maximumAgeWithoutDeath) + " with no death date"
                     : "oltre " + to_string(n.maximumAgeWithoutDeath) + " anni e nessuna data di morte";
    case DateProblem::SpouseIsParent:
      return english ? "spouse " + other() + " is also a parent" : "il coniuge " + other() + " \xE8 anche un genitore";
    case DateProblem::SpouseIsChild:
      return english ? "spouse " + other() + " is also a child" : "il coniuge " + other() + " \xE8 anche un figlio";
    case DateProblem::SpouseIsSibling:
      return english ? "spouse " + other() + " is also a sibling"
                     : "il coniuge " + other() + " \xE8 anche fratello o sorella";
    case DateProblem::MarriageDatesDiffer:
      return english ? "marriage date differs from that of spouse " + other()
                     : "data di matrimonio diversa da quella del coniuge " + other();
  }
  return {};
}

std::string FindingWords::dates() const {
  static constexpr std::array<const char*, kLifeEventCount> kItalian = {"nascita", "battesimo", "matrimonio", "morte",
                                                                        "sepoltura"};
  static constexpr std::array<const char*, kLifeEventCount> kEnglish = {"birth", "baptism", "marriage", "death",
                                                                        "burial"};
  std::string text;
  for (const InvolvedDate& d : f.dates) {
    std::string event = (english ? kEnglish : kItalian)[static_cast<std::size_t>(d.event)];
    if (d.ofOther) event = english ? role() + "'s " + event : event + " " + ofRole();
    text += (text.empty() ? "" : ", ") + event + " " + d.text;
  }
  return text;
}

}  // namespace

std::vector<DateFinding> VerifyDates(Session& s, const DateCheckSettings& settings, std::string& error) {
  IndividualsFile file;
  error = file.open(s.files.IndividualsFile);
  if (!error.empty()) return {};
  std::vector<DatedPerson> people(kTableSize);
  PersonRecord record;
  for (int i = 2; i <= s.tables.LastIndex && i < kTableSize; ++i)
    if (file.readRecord(i - 1, record)) people[static_cast<std::size_t>(i)] = datedPerson(record);
  const LocalTime now = s.clock.now();
  return CheckDates(s.tables, people, settings, DateParts{now.day, now.month, now.year});
}

std::string FindingLine(const DateFinding& f, const Tables& tables, const DateCheckSettings& settings, bool english) {
  FindingWords words{f, tables, settings, english};
  std::string line =
      std::to_string(f.individual) + " " + tables.Names[static_cast<std::size_t>(f.individual)] + ": " + words.what();
  std::string dates = words.dates();
  if (!dates.empty()) line += " (" + dates + ")";
  return line;
}

void FocusFinding(Session& s, const DateFinding& f) {
  if (!s.tables.isIndividual(f.individual)) return;
  s.NInd[0] = f.individual;
  ShowFocusPanel(s);
}

}  // namespace kord
