#pragma once
/// The family book generator: turns the tables and the individuals file into
/// family pages, for the focus alone or for everybody.

#include "session/session.h"

namespace kord {

/// Runs the generator with the switches the caller has set (WalkAll,
/// OutputToFile, SortKey, DetailLines, NavigatorFocus, NavigationRun) and
/// windowState (7: the census layout). Outputs, by the switches:
/// - the navigator Navigate: boxes w1(0..15) and the numbers behind them;
/// - the book window Book (the last 35 lines; 30 in the census layout);
/// - "kord.rel" in the database folder (OutputToFile; emptied first);
/// - the HTML site (OutputToFile, SortKey 0, not the census layout);
/// - the sorted-book entries in Lista's Liber (SortKey > 0).
///
/// Without WalkAll only the focus is processed, the focus is unchanged
/// afterwards and the index page gets no closing template. With WalkAll and
/// SortKey 0 the individuals come in alphabetical order (AlphabeticalOrder);
/// with SortKey > 0, the same people in index order, their entries then put
/// in order once (OrderSortedBook). After a walk the focus is the last
/// individual processed: callers restore it. A sorted run leaves "kord.rel"
/// untouched; the site has one page per individual with a name (SitePages).
///
/// Events are labelled from the book caption table (Session::trees
/// .DetailLabels, see SetDetailLabels): each date with its own field caption
/// (birth 2, baptism 4, marriage 6, death 8, burial 10), each place with the
/// place word (1, 3, 5, 7, 9), the notes with caption 12.
///
/// A birth date holding "0/0/" is stored back without it (full layout).
/// NavigatorFocus is forced on unless WalkAll and OutputToFile both are. A
/// focus of 0 or less without WalkAll shows "fare Click sull'individuo
/// prescelto" (0) or "Individuo non definito o DB non caricato" (English:
/// "Individual not Defined or DB not Loaded") and nothing is written; so does
/// a focus outside the tables, and any run without a database folder. The history gets one line per run, except a
/// sorted-list run.
void BuildFamilyBook(Session& s);

}  // namespace kord
