#include "book/book_texts.h"

#include "trees/tree_html.h"

namespace kord {
namespace {

constexpr std::array<Field, 5> kDateFields = {BirthDate, BaptismDate, MarriageDate, DeathDate, BurialDate};
constexpr std::array<Field, 5> kPlaceFields = {BirthPlace, BaptismPlace, MarriagePlace, DeathPlace, BurialPlace};
constexpr std::size_t kMarriage = 2;

constexpr std::size_t kNotesPieceWidth = 28;
constexpr std::size_t kNotesPieces = 5;

/// A caption followed by its value, a blank between them so that neither
/// runs into the other ("Data Battesimo 12/01/1856"); none when the value is
/// empty or the caption ends in a blank already ("a Sacile").
std::string captioned(const std::string& caption, const std::string& value) {
  if (value.empty() || caption.empty() || caption.back() == ' ') return caption + value;
  return caption + " " + value;
}

/// The birth has no date label of its own when absent and a blank after
/// its caption; the other events follow the switch. The census layout ends
/// every date with "," and every place with ", ".
void appendEvent(std::string& line, std::size_t i, const BookCaptions& labels, const BookEvent& e, bool outputToFile,
                 bool census) {
  const bool present = census || !e.date.empty() || !e.place.empty();
  const std::string dateEnd = census ? "," : "", placeEnd = census ? ", " : "";
  const std::string& dateLabel = labels[kEventCaptions[i].date];
  const std::string place = captioned(labels[kEventCaptions[i].place], e.place) + placeEnd;
  if (i == 0) {
    if (present) line += dateLabel + " " + e.date + dateEnd + " " + " " + place + " - ";
    return;
  }
  if (present || !outputToFile) line += " " + captioned(dateLabel, e.date) + dateEnd + " ";
  if (present) line += " " + place + " - ";
}

}  // namespace

BookEvents EventsOf(const PersonRecord& r, const std::array<std::string, 3>& spouseNames) {
  BookEvents events;
  for (std::size_t i = 0; i < events.size(); ++i) events[i] = {r.trimmed(kDateFields[i]), r.trimmed(kPlaceFields[i])};
  events[kMarriage].place += " :" + spouseNames[0] + " " + spouseNames[1] + " " + spouseNames[2];
  return events;
}

std::string EventsLine(const BookCaptions& labels, const BookEvents& events, bool outputToFile, bool census) {
  std::string line;
  for (std::size_t i = 0; i < events.size(); ++i) appendEvent(line, i, labels, events[i], outputToFile, census);
  return line;
}

std::string HtmlEvents(const BookEvents& events) {
  static const std::array<const char*, 5> prefixes = {
      "<BR> Nato il: ", "<BR> Battesimo il: ", "<BR> Matrim. il: ", "<BR> Morte il: ", "<BR> Sepolto il: "};
  std::string html;
  for (std::size_t i = 0; i < events.size(); ++i)
    html += prefixes[i] + HtmlEscape(events[i].date) + " a: " + HtmlEscape(events[i].place);
  return html;
}

std::string NotesText(const BookCaptions& labels, std::string_view notes, bool outputToFile) {
  std::string pieces;
  for (std::size_t p = 0; p < kNotesPieces && p * kNotesPieceWidth < notes.size(); ++p)
    pieces += Trim(notes.substr(p * kNotesPieceWidth, kNotesPieceWidth));
  if (outputToFile && notes.empty()) return pieces;
  return captioned(labels[kNotesCaption], pieces);
}

std::string HtmlNotes(std::string_view notes) { return "<BR> Note: " + HtmlEscape(std::string(notes)); }

bool RepairBirthDate(std::string& birthDate) {
  constexpr std::string_view kYearOnly = "0/0/";
  if (birthDate.size() <= kYearOnly.size() || birthDate.size() > kYearOnly.size() + 4) return false;
  if (birthDate.compare(0, kYearOnly.size(), kYearOnly) != 0) return false;
  if (birthDate.find_first_not_of("0123456789", kYearOnly.size()) != std::string::npos) return false;
  birthDate.erase(0, kYearOnly.size());
  return true;
}

std::string SortValue(const PersonRecord& r, int sortKey) {
  if (sortKey == 2) return r.trimmed(Notes);
  if (sortKey >= 4 && sortKey <= 13) return r.trimmed(static_cast<Field>(sortKey - 2));
  if (sortKey == 14) return r.trimmed(Sex);
  return {};
}

std::string SortEntry(std::string_view value, std::string_view name) {
  std::string entry(value);
  if (value.size() <= 9) entry += '\t';
  if (value.size() >= 10 && value.size() <= 19) entry += '\t';
  entry += '\t';
  return entry + std::string(name);
}

}  // namespace kord
