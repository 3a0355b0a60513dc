#pragma once
/// The commands that run the family book generator: the report buttons
/// Libro(1) and Libro(2), the menu entry "Libro di Famiglia", the census, the
/// sorted book's run, the navigator buttons and the clicks on navigator
/// boxes. Each sets the generator's switches, runs it, and puts the switches,
/// the focus and the window state back. Each prepares the book caption table
/// with place words ("a ", English "Place") first.

#include "session/session.h"

namespace kord {

/// Libro(1) "Family book": with a focus (or WalkAll on), the generator with
/// the switches as they stand (idle: the focus alone), SortKey 0; then the
/// idle switches and the focus back.
void FamilyBookCommand(Session& s);

/// Libro(2) "Short Report": as Libro(1) in window state 7 (the census
/// layout), then state 3 again. Outside state 3 it only says "Chiudere le
/// finestre secondarie prima di generare il censimento".
void ShortReportCommand(Session& s);

/// The menu entry "Libro di Famiglia" (and the assistant's "Libro dei
/// soci"): the whole book with file output and detail lines, NavigatorFocus
/// off, SortKey 0; then the idle switches and the focus back.
void WholeFamilyBook(Session& s);

/// The assistant's "Censimento": with a focus (or WalkAll on) and the main
/// window idle, the whole book in the census layout (state 7, SortKey 0,
/// the switches of WholeFamilyBook); then the idle switches, the focus and
/// state 3 back. Outside state 3 only the census message.
void CensusCommand(Session& s);

/// Libro(0) "Sorted Book": with a focus (or WalkAll on), saves the focus in
/// savedFocus, sets the switches of the whole walk and shows the sort-key window.
void SortedBookStart(Session& s);
/// The sort-key window's close button: nothing runs; the switches go back to
/// idle and the focus to savedFocus, so no later command walks every individual.
void SortedBookClose(Session& s);

/// The sort-key window's run button. A key below 1 says "Selezionare un
/// campo" and returns false. Otherwise the sorted-book entries of every
/// individual go to Lista (WalkAll, OutputToFile and DetailLines on,
/// NavigatorFocus off, SortKey = `sortKey`); afterwards the idle switches,
/// the focus and SortKey 0.
bool SortedBookRun(Session& s, int sortKey);

/// The button FamilyNavigatorCommand: with a focus (or WalkAll on), fills Navigate with file
/// output off while NavigationRun is on.
void FamilyNavigatorCommand(Session& s);
/// The menu entry NavigatorFromMenu: file output off, then the generator.
void NavigatorFromMenu(Session& s);
/// The button Thumb: as FamilyNavigatorCommand, filling the picture navigator.
void PictureNavigatorCommand(Session& s);

/// A click on box `box` of Navigate, the caret `caretPos` characters into
/// its text. NavigationRun goes on (and stays on). Boxes 1 (spouses) and 14
/// (children) hold one individual a line: the line is the number of CR
/// characters before the caret; a click at or after the end of the text, or
/// on a line beyond the number tables (spouse line 6, child line 51), keeps
/// the focus. Box 15 and a box with no individual behind it keep the focus
/// too. Any other box moves the focus to its individual. Then, always: the
/// window is refilled with file output off, the focus card reads the record
/// afresh (ShowFocusPanel) and, when NewRecordMode is off, the editing card
/// shows the focus (ShowRecordCard).
void NavigatorBoxClick(Session& s, int box, int caretPos);
/// The same on the picture navigator Thumb.
void PictureNavigatorBoxClick(Session& s, int box, int caretPos);

}  // namespace kord
