// The record section of the book: the current individual's record read from
// the individuals file and written as the sorted-list entry, or as its
// events and notes in the full or the census layout.

#include "book/book_run.h"
#include "book/book_texts.h"
#include "db/codepage.h"

namespace kord {
namespace {

void readCurrentRecord(BookRun& run) {
  Session& s = run.s;
  if (!s.individuals.isOpen()) OpenIndividualsFileForViews(s);
  ReadRecord(s, s.NInd[0] - 1L);
}

void addSortedEntry(BookRun& run) {
  Session& s = run.s;
  std::string value = SortValue(s.record, s.SortKey);
  s.list.Liber.push_back(ListItem{SortEntry(value, s.record.trimmed(Name)), s.NInd[0]});
  run.sortValues.push_back(std::move(value));
}

/// "0/0/1850" is stored back as "1850": running the book mends the file.
void repairBirthDate(BookRun& run) {
  Session& s = run.s;
  std::string birth = s.record.trimmed(BirthDate);
  if (!RepairBirthDate(birth)) return;
  s.record.set(BirthDate, birth);
  const Result saved = SaveFocusRecord(s);
  if (saved || run.saveFailureReported) return;
  run.saveFailureReported = true;
  s.ui.message(s.text("Data di nascita corretta non salvata: ", "Repaired birth date not saved: ") +
               Utf8ToCp1252(saved.reason()));
}

BookEvents currentEvents(const BookRun& run) {
  const auto& spouses = run.family.spouses;
  return EventsOf(run.s.record, {spouses[0].name, spouses[1].name, spouses[2].name});
}

void writeFullLayout(BookRun& run) {
  Session& s = run.s;
  repairBirthDate(run);
  const BookCaptions& labels = s.trees.DetailLabels;
  const BookEvents events = currentEvents(run);
  std::string line = EventsLine(labels, events, s.OutputToFile, false);
  if (!s.OutputToFile) line = std::to_string(s.NInd[0]) + "-" + s.record.trimmed(Num) + s.NewLine + line;
  const std::string notes = s.record.trimmed(Notes);
  // The book's notes line is one line, whatever lines the notes hold.
  const std::string notesText = NotesText(labels, LineBreaksToBlanks(notes), s.OutputToFile);
  if (s.DetailLines) {
    SendToHtml(run, 10, HtmlEvents(events));
    WriteBookLine(run, line);
    SendToHtml(run, 10, "");
    WriteBookLine(run, "");
    SendToHtml(run, 10, HtmlNotes(notes));
    run.html.step = 5;
    WriteBookLine(run, notesText);
  } else {
    SetBoxText(run, kBoxDetails, line + notesText);
  }
  if (!s.OutputToFile) return;
  SetBoxText(run, 0, {});
  run.rel << s.NewLine;
}

void writeCensusLayout(BookRun& run) {
  Session& s = run.s;
  std::string line = EventsLine(s.trees.DetailLabels, currentEvents(run), s.OutputToFile, true);
  if (!s.OutputToFile) line = std::to_string(s.NInd[0]) + "-" + s.record.trimmed(Name) + s.NewLine + line;
  if (s.DetailLines) WriteBookLine(run, line);
}

}  // namespace

void WriteRecordSection(BookRun& run) {
  Session& s = run.s;
  readCurrentRecord(run);
  if (s.SortKey > 0) {
    addSortedEntry(run);
    return;
  }
  if (NumericValue(s.record.raw(Num)) <= 0) return;
  if (run.census())
    writeCensusLayout(run);
  else
    writeFullLayout(run);
}

}  // namespace kord
