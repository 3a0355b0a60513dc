#pragma once
/// The two record cards that always show who the program works on: the focus
/// NInd(0) on "Scheda Anagrafica", the second selection NInd(1) on "Scheda
/// Anagrafica secondaria", each with its photograph.

#include "session/session.h"

namespace kord {

/// Refreshes both cards. Only while windowState is 3 (0 becomes 3 first);
/// a record is read only when its card shows another one. A focus of 0 or 1
/// is corrected to 2. The photographs are looked up on every call.
void ShowFocusPanel(Session& s);

/// Which of the two selections a card shows.
enum class Selection { Focus = 0, Second = 1 };

/// The card of `selection` was closed: it is hidden and its record is read
/// again when it next shows, so an edit made meanwhile is seen.
void CloseRecordCard(Session& s, Selection selection);

/// Copies the record buffer into the focus card / the second card.
void FillFocusCard(Session& s);
void FillSecondCard(Session& s);

/// The photograph of `name` in `folder`: the trimmed name + ".jpg", else
/// "initial.jpg", else empty (keep the picture). A name that is not a plain
/// file name never leads outside the folder: it gets "initial.jpg".
std::string PicturePathFor(const std::string& folder, const std::string& cp1252Name);

/// "Scambia": the second selection becomes the focus and the focus the
/// second selection; with no valid second selection both hold the focus.
void SwapSelections(Session& s);

}  // namespace kord
