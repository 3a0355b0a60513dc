#pragma once
/// Record cards: adding an individual, filling the editing card, saving an
/// edited record with its links, and the field captions.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "session/session.h"

namespace kord {

/// Reserves the next index for a new individual when NewRecordMode is on and
/// the requested record kind is below 2 (it becomes the focus; nothing is
/// written until the card is saved; an index reserved and never saved is
/// reused). With ShowCard raised, fills the editing card from the focus
/// record and shows it; a card turning to another individual gives an
/// unsaved reservation back, as CloseEditCard does. Refuses with a message when no focus is selected
/// while a record kind is requested, or when the database is full (998).
void AddIndividual(Session& s);

/// Fills and shows the editing card of the focus for a caller that only shows
/// an existing individual (lists, trees, navigators, name search): no index
/// is reserved and NewRecordMode is left as it was.
void ShowRecordCard(Session& s);

/// "Dati personali": a new individual on the editing card.
void StartNewIndividual(Session& s);
/// The editing card of the focus individual ("Edit data").
void EditFocusCard(Session& s);
/// The editing card closes: an index reserved for a new individual and not
/// saved is given back (LastIndex goes down again and the focus returns to
/// the individual it was on), a window state of 4 (an add in progress) goes
/// back to 3, so the commands that need the idle main window work again, and
/// the focus panel is refreshed.
void CloseEditCard(Session& s);

/// "legge scheda": reads the focus record and says "continuare".
void ReadCard(Session& s);

/// A typed UTF-8 text as record text. A character that Windows-1252 cannot
/// hold is refused: the result is empty and `problem` names it (in English
/// when `english`, else in Italian).
std::string RecordTextFromUtf8(const std::string& utf8, std::string& problem, bool english);

/// What saving the editing card did, for the person to read.
struct SaveReport {
  std::string error;              ///< nothing was saved when not empty
  std::vector<std::string> cuts;  ///< "Nome: ..." per value cut to its field
};

/// Saves the editing card (Text1, Windows-1252) as the record of its index,
/// sets the name table, and writes the links that changed. Line breaks in a
/// value become blanks. Values longer than their field are cut and listed.
/// A changed link that would make an individual its own ancestor, or that
/// names nobody, is refused before anything is written; the links the edit
/// keeps are not judged again.
SaveReport SaveEditCard(Session& s, bool spouseBothWays = true);

/// "Save edited Labels": writes captions 1..13 to the captions file and makes
/// them the session's captions. A caption holding a double quote or a line
/// break is refused (the file quotes each caption on a line of its own).
/// Returns an error text, empty on success.
std::string SaveCaptions(Session& s, const std::array<std::string, 14>& captions);

}  // namespace kord
