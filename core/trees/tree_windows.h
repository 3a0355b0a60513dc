#pragma once
/// The events of the tree windows (Albero, TreeOutlineWindow, GenerationLimitWindow) and the main
/// window's tree commands. Items are addressed by their position in the
/// window's list; a position without an item is no selection and does
/// nothing.

#include <string>

#include "session/session.h"
#include "trees/draw_tree.h"

namespace kord {

/// The main-window controls that draw a tree.
enum class TreeCaller {
  Albero_Radici,    ///< menu: "Albero delle radici " / "Radici espandibile "
  Albero_rami,      ///< menu: "Albero dei rami" / "Rami espandibile"
  BtnAlberoRadici,  ///< button: "Ancestors Tree" / "Ancestors expandable tree"
  AlberoRami,       ///< button: "Family Tree" / "Expandable tree"
};

/// A tree command, drawn in the window of `view`. Sets the printer
/// font "Terminal" (the buttons also size 8, not bold; a refused font says
/// "Font not present, install 'MS LineDraw' font" and the tree is still
/// drawn), draws the ancestors (Radici) or descendants (rami) of the focus,
/// ends the printer document named after the tree, and logs
/// "Prodotto pagina appartenenze di: " / "Prodotto pagina albero da: " +
/// the focus name + CR LF (the AlberoRami button logs nothing).
void TreeCommand(Session& s, TreeCaller caller, TreeView view);

/// Albero Lista click: the item's individual becomes the focus and the focus
/// panel shows it, with windowState at 3 for the moment; when a record card
/// was open (windowState above 3) it shows the new focus too.
void TreeListClick(Session& s, int item);
/// Albero Lista double click: the list is emptied and shows the descendant
/// tree of the item's individual, which becomes the focus.
void TreeListDoubleClick(Session& s, int item);
/// Albero Command1: the descendant tree of the first parent of the first
/// item's individual replaces the list (one generation up). Without a first
/// parent the focus becomes -1 and the tree is refused.
void TreeListUpOneGeneration(Session& s);
/// Albero Chiudi: empties the list and hides the window.
void CloseTreeList(Session& s);

/// TreeOutlineWindow item click: the item's individual becomes the focus; an open record
/// card (windowState above 3) shows it.
void TreeOutlineClick(Session& s, int item);
/// TreeOutlineWindow "Chiudi": empties the outline and its counters and hides the window.
void CloseTreeOutline(Session& s);
/// TreeOutlineWindow "Stile": the next of the outline's six display styles.
void NextTreeOutlineStyle(Session& s);

/// Menu Profondita_albero: shows GenerationLimitWindow with the current limit.
void ShowGenerationLimit(Session& s);
/// The largest generation limit: no walk goes deeper than level 30.
inline constexpr int kMaxGenerationLimit = kMaxWalkLevel;

/// Gen_Valore changed: a whole number from 0 to 30 (blanks around it
/// allowed) becomes MaxGenerations at once; any other text is kept in the box
/// but leaves the limit as it was, and the result is false.
bool GenValoreChange(Session& s, const std::string& text);

}  // namespace kord
