#pragma once
/// The procedures the command table names that no feature folder holds:
/// a feature's command with the arguments one control gives it, and the
/// steps of the assistant's own phrases.

#include "session/session.h"

namespace kord {

/// "Seleziona", "Per nome": the focus chosen by name.
void SelectFocusByName(Session& s);
/// "Parentela", "Per nome selezione Secondaria": the second selection by name.
void SelectSecondByName(Session& s);

/// The toolbar's lists (and the assistant's): only with a focus or the whole walk.
void ListEveryone(Session& s);
void ListRoots(Session& s);
void ListLeaves(Session& s);
/// The menu's lists: always.
void ListEveryoneFromMenu(Session& s);
void ListRootsFromMenu(Session& s);
void ListLeavesFromMenu(Session& s);

/// The menu's tree entries (the assistant's tree phrases run these too):
/// lines or outline, each logged in the history.
void RootsTreeFromMenu(Session& s);
void RootsOutlineFromMenu(Session& s);
void BranchesTreeFromMenu(Session& s);
void BranchesOutlineFromMenu(Session& s);
/// The toolbar's tree buttons.
void RootsTreeFromButton(Session& s);
void RootsOutlineFromButton(Session& s);
void BranchesTreeFromButton(Session& s);
void BranchesOutlineFromButton(Session& s);

void CommonAncestors(Session& s);
void CommonDescendants(Session& s);

/// The menu entries of the three output switches: each inverts its switch.
void ToggleOutputToFile(Session& s);
void ToggleCardWithTree(Session& s);
void TogglePrintImmediately(Session& s);

/// "legge scheda": the card is read with ShowCard raised for this call only.
void ReadCardShown(Session& s);
/// "Visualizza dati": the focus record card, shown again if it was closed.
void ShowFocusCardAgain(Session& s);
/// "Ass.": the assistant window.
void ShowAssistant(Session& s);

/// "da lista ordinata", "Lista Ordinata": opens the sort-key window with the
/// whole-walk switches on; its run button produces the list and puts the
/// switches and the focus back.
void OpenSortKeyWindow(Session& s);
/// "Aggiunge persona", "Aggiunge Struttura": a new record of that kind,
/// guarded by the window state.
void AddIndividualFromAssistant(Session& s);
void AddStructureFromAssistant(Session& s);
/// "Passaggi": the name search with its selection emptied.
void ShowNameSearchEmptied(Session& s);
/// "Configurabile dall'utente": the report with the whole-walk switches on
/// before the field chooser shows (the chooser may hold the call until the
/// report is built and the switches are idle again).
void CustomReportWithWholeWalk(Session& s);

}  // namespace kord
