#include "records/birth_date_entry.h"

#include "db/dates.h"

namespace kord {

void NormalizeBirthDate(Session& s) {
  BirthDateQuestion person;
  person.ask = [&s](const std::string& current) {
    std::string prompt(s.record.raw(Name));
    prompt += s.English ? " Type the right birthday." : " Digitare la data di Nascita corretta.";
    prompt += " (dd/mm/aaaa) ";
    return s.ui.inputBox(prompt, s.text("Data di nascita", "Birth date"), current);
  };
  person.store = [&s](const std::string& corrected) { s.record.set(BirthDate, corrected); };
  NormalizeBirthDate(s.dates, person);
}

}  // namespace kord
