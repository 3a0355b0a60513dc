#pragma once
/// How two individuals are related: the first common ancestors (or
/// descendants) of the focus and the second selection, shown in the list
/// window Albero and kept in FirstCommon and SecondCommon.

#include <string>

#include "session/session.h"

namespace kord {

/// Appended to a node of the second tree that the first tree also holds.
inline const std::string kCommonAncestorMarker = "  <----<< Asc.C.";
inline const std::string kCommonDescendantMarker = "  >>----> Disc.C.";

/// The message of every kinship command without two individuals.
inline const std::string kSelectTwo = "Selezionare due individui";

/// Walks the tree of the focus in the direction of AncestorMode, collecting
/// every named individual (the root too) into KinSet (each once, with the
/// number of times it was met), then the tree of the second selection,
/// marking each individual found in KinSet once per time it was collected,
/// at most four times. A walk longer than kFullTreeLineLimit lines shows
/// each branch once, as DrawTree does. FirstCommon is the first marked individual of the
/// second walk, SecondCommon the last other marked individual at the same
/// level; both are -1 when none. The lines go to Albero (appended), the
/// text after each drawing also to DbFolder + KinListFile when OutputToFile
/// (cut to 80). Ends with two empty lines and the answer "Primi Antenati
/// comuni: " / "Primi Discendenti comuni: " + the names, or the fallback
/// " Non trovati Ascendenti comuni" / " Non trovati Discendenti comuni";
/// the window alone then gets the relationship line of the focus card.
/// The walks deepen only below MaxGenerations: past it an ancestor walk
/// follows first parents on the same level. Restores the focus, then
/// refreshes the focus panel. A focus that is not an individual index gets
/// "Individuo non Definito" / "Individual not Defined".
void CommonKin(Session& s);

/// Which common relatives a kinship search looks for.
enum class KinDirection { Ancestors, Descendants };

/// The main window's "Parentele" buttons: the common relatives in
/// `direction`, between the individual the focus card shows (its record
/// number + 1; NInd(0) when the card shows none) and the second selection.
/// "Selezionare due individui" when either is missing.
void FindCommonKin(Session& s, KinDirection direction);

/// The focus card's kinship button: the descendant outline of FirstCommon
/// with the focus and the second selection marked (markedFocus, markedSecond). The
/// focus stays where it was. "Selezionare due individui" without both.
void ShowKinshipOutline(Session& s);

}  // namespace kord
