#pragma once
/// The general list, the roots and the leaves in the window "Lista", sorted
/// by name under a title line; a click on a line makes it the focus.

#include "session/session.h"

namespace kord {

enum class ListMode { General, Roots, Leaves };

/// Fills Lista for `mode`. Uses NInd(0) as its cursor (callers restore it)
/// and gives a blank name "a_" + its index, for good, in every mode.
void ListIndividuals(Session& s, ListMode mode);

/// The list commands: the toolbar buttons (`fromToolbar`) run only with a
/// focus or WalkAll on; the menu entries always. The focus is restored.
void ListCommand(Session& s, ListMode mode, bool fromToolbar);

/// "Refresh": the general list, whatever the window showed.
void RefreshList(Session& s);

/// A click on line `row` of Liber.
void ListClick(Session& s, std::size_t row);

}  // namespace kord
