#pragma once
/// Choosing an individual by the first letters of its name: the window
/// "Lista Nomi Individui" and its events. The choice goes into NInd(Toggle).

#include "session/session.h"

namespace kord {

/// Shows the window as it was left; the typing goes to InputNome.
void ShowNameSearch(Session& s);

/// Runs the search on InputNome: every index 0..LastIndex whose name begins
/// with the text (letter case ignored) is listed, the highest one becomes the
/// selection, and its name, parents, spouse and children are shown. An empty
/// text lists only the prompt; "*" lists every slot.
void RefreshNameSearch(Session& s);

/// Typing: InputNome := text, then the search.
void NameSearchType(Session& s, const std::string& text);
/// A click on a list entry. `individual`, when given and named `entry`, is
/// the one chosen (one of several namesakes); otherwise the search picks
/// the highest index with that name, as typing it would.
void NameSearchClick(Session& s, const std::string& entry, int individual = kNone);
/// A double click on a list entry.
void NameSearchDoubleClick(Session& s);
/// "OK" (btnSelezioneOK).
void NameSearchConfirm(Session& s);

/// "Visualizza nomi": the window for the focus.
void ShowNameSearchForFocus(Session& s);

/// Seleziona / Parentela: the window for the focus (slot 0) or for the
/// second selection (slot 1, captioned "Seleziona parente da localizzare").
void SelectBySlot(Session& s, int slot);

}  // namespace kord
