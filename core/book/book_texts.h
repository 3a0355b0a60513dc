#pragma once
/// The texts the family book makes of one record: the events line of the
/// text book (full and census layout), the HTML events and notes strings,
/// the notes text, the birth-date repair and the sorted-list entry.

#include <array>
#include <string>
#include <string_view>

#include "db/person_record.h"

namespace kord {

/// The caption table the book labels its lines with (DetailLabels).
using BookCaptions = std::array<std::string, 14>;

/// Which caption labels each event: the date its own field caption (2, 4,
/// 6, 8, 10), the place the place word (1, 3, 5, 7, 9).
struct EventCaptions {
  int date;
  int place;
};
inline constexpr std::array<EventCaptions, 5> kEventCaptions = {{{2, 1}, {4, 3}, {6, 5}, {8, 7}, {10, 9}}};
inline constexpr int kNotesCaption = 12;

struct BookEvent {
  std::string date;
  std::string place;
};
/// Birth, baptism, marriage, death and burial.
using BookEvents = std::array<BookEvent, 5>;

/// The trimmed events of `r`; the marriage place is MarriagePlace + " :" +
/// the three spouse names, each after a blank but the first.
BookEvents EventsOf(const PersonRecord& r, const std::array<std::string, 3>& spouseNames);

/// The events line of the text book. Birth: when it has a date or place,
/// caption + " " + date + " " then " " + place word + place + " - ". Every
/// other event: " " + caption + date + " " when it has a date or place, or
/// always when `outputToFile` is off; then " " + place word + place + " - "
/// when it has a date or place. A caption and a value that follows it are
/// kept apart by a blank ("Data Battesimo 13/03/1850", "Place Sacile").
/// `census`: every date gets "," and every place ", " (so all five events
/// are present).
std::string EventsLine(const BookCaptions& labels, const BookEvents& events, bool outputToFile, bool census);

/// "<BR> Nato il: " + date + " a: " + place and the same for the other four
/// events ("<BR> Battesimo il: ", "<BR> Matrim. il: ", "<BR> Morte il: ",
/// "<BR> Sepolto il: "), dates and places HTML-escaped, empty or not.
std::string HtmlEvents(const BookEvents& events);

/// The notes line: the notes caption (when `outputToFile` is off or there
/// are notes) and a blank, then the trimmed 28-character pieces of the first
/// 140 characters, joined without separator.
std::string NotesText(const BookCaptions& labels, std::string_view notes, bool outputToFile);

/// "<BR> Note: " + the notes, HTML-escaped.
std::string HtmlNotes(std::string_view notes);

/// A birth date that is exactly "0/0/" and a year of one to four digits
/// loses its "0/0/" ("0/0/1850" becomes "1850"). Any other text is left as
/// it is ("10/0/1850", "dopo il 0/0/1850"): the repair is written back to the
/// record, so it must never cut what the person typed. False when nothing
/// changed.
bool RepairBirthDate(std::string& birthDate);

/// The value a sort key takes from the record, trimmed: 2 Notes, 4..13 the
/// dates and places from BirthDate to BurialPlace, 14 Sex; 1, 3 and any
/// other key give the empty text.
std::string SortValue(const PersonRecord& r, int sortKey);

/// The sorted-list entry: the value, a tab when it has 0..9 characters,
/// another when it has 10..19, one more in every case, then the name.
std::string SortEntry(std::string_view value, std::string_view name);

}  // namespace kord
