#pragma once
/// The roots (ancestors) and branches (descendants) of the focus individual
/// as an indented tree with line-drawing connectors, drawn in one walk into
/// a window, the text file, the printer and the HTML page.

#include "session/session.h"

namespace kord {

/// The window a tree is drawn into: the list (TreeListWindow) or the
/// expandable outline (TreeOutlineWindow).
enum class TreeView { List, Outline };

/// The node marker of the two individuals a kinship tree points out.
inline const std::string kKinMarker = "    ****<>****";

/// Draws the tree of NInd(0) in the direction of AncestorMode.
///
/// The root line is the name and " (" index ")"; each relative's line is
/// its connector and name, a descendant's with the other parent in
/// parentheses first and with the marker when it is markedFocus or markedSecond. An
/// ancestor with an empty name gets no line (the walk still goes up through
/// it). With CardWithTree each individual's detail lines follow when the
/// next line is found (so a leaf's details carry the prefix of the level
/// the walk climbed back to); the last block has blanks for the bar, and a
/// tree of the root alone has none.
///
/// The lines are appended to the window's items (nothing is emptied), to
/// TreeFileBase + "txt" when OutputToFile, to the printer when
/// PrintImmediately (65 lines on the first page, 66 on the next ones), and
/// always to the page TreeFileBase + "html". Files and the printer get each
/// piece of a line cut to 80 characters; a window shows the last piece whole.
/// The files are written whole when the tree ends; one that cannot be
/// written is reported (ReportOutputFailure).
///
/// A tree that would run past kFullTreeLineLimit lines, detail lines
/// included (heavy pedigree collapse), prints each individual's branch once: a later appearance is a
/// single line that ends with RepeatNote, the number of the line where its
/// branch stands, and has no details. Shorter trees are printed whole.
///
/// A focus that is not an individual index (0 or less, or outside the
/// tables) gets "Individuo non Definito" / "Individual not Defined" and no
/// tree. The focus is restored at the end.
void DrawTree(Session& s, TreeView view);

}  // namespace kord
