#include "records/record_card.h"

#include <utility>

#include "db/codepage.h"
#include "db/load_tables.h"
#include "records/focus_panel.h"
#include "records/link_files.h"

namespace kord {
namespace {

/// Records the individuals file holds (a reserved index is not one yet).
long savedRecords(Session& s) {
  IndividualsFile file;
  if (!file.open(s.files.IndividualsFile).empty()) return 0;
  return file.size() / static_cast<long>(kRecordLength);
}

void clearSlot(Tables& t, int k) {
  t.Names[k].clear();
  t.Parent1[k] = t.Parent2[k] = t.Spouse[k] = kNone;
}

/// The reservation is remembered so that a card closed unsaved can give it back.
void moveFocusToReserved(Session& s) {
  EditCardModel& card = s.editCard;
  if (card.reservedIndex != s.tables.LastIndex) card.focusBeforeReserve = s.NInd[0];
  card.reservedIndex = s.tables.LastIndex;
  s.NInd[0] = s.tables.LastIndex;
}

/// Gives back an index reserved and never saved: the next individual takes
/// it, and no list, book or site shows it meanwhile.
void releaseReservedIndex(Session& s) {
  EditCardModel& card = s.editCard;
  const int reserved = std::exchange(card.reservedIndex, 0);
  Tables& t = s.tables;
  if (reserved < 2 || reserved != t.LastIndex || t.LastIndex - 1 <= savedRecords(s)) return;
  clearSlot(t, reserved);
  --t.LastIndex;
  if (s.NInd[0] == reserved) s.NInd[0] = card.focusBeforeReserve;
  if (s.NInd[1] == reserved) s.NInd[1] = 0;
}

bool reserveIndex(Session& s) {
  Tables& t = s.tables;
  if (t.LastIndex - 1 > savedRecords(s)) {  // the last reservation was never saved
    moveFocusToReserved(s);
    return true;
  }
  if (t.individualCount() >= kMaxIndividuals) {
    s.ui.message(s.text("Il database contiene gia' 998 individui: non se ne possono aggiungere altri.",
                        "The database already holds 998 individuals: no more can be added."));
    return false;
  }
  ++t.LastIndex;
  clearSlot(t, t.LastIndex);
  moveFocusToReserved(s);
  return true;
}

void fillEditCard(Session& s) {
  EditCardModel& card = s.editCard;
  card.index = s.NInd[0];
  card.Text1[0] = std::to_string(s.NInd[0] - 1);
  for (int f = Name; f < kFieldCount; ++f) card.Text1[f] = TrimRight(s.record.raw(static_cast<Field>(f)));
  const Tables& t = s.tables;
  bool known = Tables::inTable(card.index);
  card.parent1 = known ? t.Parent1[card.index] : kNone;
  card.parent2 = known ? t.Parent2[card.index] : kNone;
  card.spouse = known ? t.Spouse[card.index] : kNone;
  card.visible = true;
  s.ui.showWindow(Window::EditCardWindow, true);
}

Result saveLinks(Session& s, const EditCardModel& card, bool bothWays) {
  const Tables& t = s.tables;
  if (card.parent1 != t.Parent1[card.index] || card.parent2 != t.Parent2[card.index])
    if (Result set = SetParents(s, card.index, card.parent1, card.parent2); !set) return set;
  if (card.spouse != t.Spouse[card.index]) return SetSpouse(s, card.index, card.spouse, bothWays);
  return {};
}

/// Judges only the links the edit changes: a record whose stored links are
/// already wrong can still get its other fields mended.
std::string checkLinks(const Session& s, const EditCardModel& card) {
  const Tables& t = s.tables;
  for (int p : {card.parent1, card.parent2})
    if (p >= 0 && !IsStoredParent(t, card.index, p))
      if (std::string problem = ParentLinkProblem(t, card.index, p, s.English); !problem.empty()) return problem;
  if (card.spouse == t.Spouse[card.index]) return {};
  if (card.spouse == card.index) return SelfSpouse(s, card.index);
  if (card.spouse >= 0 && !t.isIndividual(card.spouse)) return NotAnIndividual(card.spouse, s.English);
  return {};
}

}  // namespace

void AddIndividual(Session& s) {
  if (s.NInd[0] < 1 && s.RequestedRecordKind > 1) {
    s.ui.message(s.text("Individuo non selezionato", "Individual not selected"));
    return;
  }
  bool reserved = true;
  if (s.NewRecordMode && s.RequestedRecordKind < 2)
    reserved = reserveIndex(s);
  else if (s.ShowCard && s.NInd[0] != s.editCard.reservedIndex)
    releaseReservedIndex(s);  // the card turns to an individual who exists
  if (reserved && s.ShowCard) {
    OpenIndividualsFileForViews(s);
    ReadFocusRecord(s);
    fillEditCard(s);
  }
  s.individuals.close();
  s.NewRecordMode = false;
}

void ShowRecordCard(Session& s) {
  bool card = s.ShowCard, newRecord = s.NewRecordMode;
  s.ShowCard = true;
  s.NewRecordMode = false;
  AddIndividual(s);
  s.ShowCard = card;
  s.NewRecordMode = newRecord;
}

void StartNewIndividual(Session& s) {
  bool before = s.ShowCard;
  s.NewRecordMode = true;
  s.ShowCard = true;
  AddIndividual(s);
  s.ShowCard = before;
}

void EditFocusCard(Session& s) {
  if (!s.tables.isIndividual(s.NInd[0])) {
    s.ui.message(s.text("Individuo non selezionato", "Individual not selected"));
    return;
  }
  bool before = s.ShowCard;
  s.NewRecordMode = false;
  s.ShowCard = true;
  AddIndividual(s);
  s.ShowCard = before;
}

void CloseEditCard(Session& s) {
  s.editCard.visible = false;
  releaseReservedIndex(s);
  if (s.windowState == kStateNewRecord) s.windowState = kStateIdle;
  ShowFocusPanel(s);
}

void ReadCard(Session& s) {
  OpenIndividualsFileForViews(s);
  if (s.individuals.size() == 0) {
    s.individuals.close();
    return;
  }
  if (s.ShowCard) ReadFocusRecord(s);
  s.ui.message("continuare");
  s.individuals.close();
}

std::string RecordTextFromUtf8(const std::string& utf8, std::string& problem, bool english) {
  problem.clear();
  if (!IsValidUtf8(utf8)) {
    problem = english ? "the text is not valid UTF-8" : "il testo non e' UTF-8 valido";
    return {};
  }
  std::string unmappable;
  std::string text = Utf8ToCp1252(utf8, &unmappable);
  if (!unmappable.empty()) {
    problem = english ? "the character " + CodePointName(unmappable) + " cannot be stored in a record"
                      : "il carattere " + CodePointName(unmappable) + " non puo' essere registrato nella scheda";
    return {};
  }
  return text;
}

SaveReport SaveEditCard(Session& s, bool spouseBothWays) {
  SaveReport report;
  EditCardModel& card = s.editCard;
  if (!s.tables.isIndividual(card.index)) {
    report.error = NotAnIndividual(card.index, s.English);
    return report;
  }
  if (report.error = checkLinks(s, card); !report.error.empty()) return report;
  PersonRecord record;
  record.set(Num, std::to_string(card.index - 1));
  for (int f = Name; f < kFieldCount; ++f) {
    std::string cut = record.set(static_cast<Field>(f), FieldLineBreaks(static_cast<Field>(f), card.Text1[f]));
    if (!cut.empty())
      report.cuts.push_back(s.tables.FieldCaptions[f] + ": \"" + cut + "\"" +
                            s.text(" non entrava nel campo ed e' stato tagliato", " did not fit and was cut"));
  }
  int focus = s.NInd[0];
  s.NInd[0] = card.index;
  s.record = record;
  report.error = SaveFocusRecord(s).reason();
  s.NInd[0] = focus;
  if (!report.error.empty()) return report;
  s.bufferRecord = card.index - 1;
  s.tables.Names[card.index] = record.trimmed(Name);
  if (card.index == card.reservedIndex) card.reservedIndex = 0;
  // The cards show the saved text at their next refresh.
  if (s.cachedFocusRecord == card.index - 1) s.cachedFocusRecord.reset();
  if (s.cachedSecondRecord == card.index - 1) s.cachedSecondRecord.reset();
  report.error = saveLinks(s, card, spouseBothWays).reason();
  return report;
}

std::string SaveCaptions(Session& s, const std::array<std::string, 14>& captions) {
  // The file holds each caption in double quotes, one a line: a quote inside
  // would end it, a line break would shift every later caption.
  for (int i = 1; i < kFieldCount; ++i) {
    if (captions[i].find('"') != std::string::npos)
      return s.text("Una didascalia non puo' contenere le virgolette: ", "A caption cannot contain double quotes: ") +
             captions[i];
    if (captions[i].find_first_of("\r\n") != std::string::npos)
      return s.text("La didascalia ", "Caption ") + std::to_string(i) +
             s.text(" va a capo: una didascalia e' di una sola riga", " holds a line break: a caption is one line");
  }
  Captions updated = captions;
  updated[0] = "N.";
  if (Result locked = LockForWriting(s); !locked) return locked.reason();
  std::string error = WriteCaptions(updated, s.files.CaptionsFile, s.English);
  if (error.empty()) s.tables.FieldCaptions = updated;
  return error;
}

}  // namespace kord
