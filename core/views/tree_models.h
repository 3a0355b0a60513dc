#pragma once
/// What the tree windows show: the list window "Albero", the outline window
/// "Ineractive Tree" (TreeOutlineWindow) and the generation limit box "Generazioni".

#include <string>
#include <vector>

namespace kord {

/// One line of Albero. The drawing prefix (code page 437 bytes B3, C3, C0,
/// C4 and blanks) is kept apart from the text (Windows-1252), so a display
/// can decode each with its own code page.
struct AlberoItem {
  std::string drawing;
  std::string text;
  int data = 0;  ///< the individual index behind the line
};

struct TreeListModel {
  bool visible = false;
  std::vector<AlberoItem> Lista;
};

/// One item of the TreeOutlineWindow outline: the text without any drawing (the outline
/// shows the levels itself).
struct NestItem {
  std::string text;
  int level = 0;  ///< indent level: 0 for the first line of a tree
  int data = 0;   ///< the individual index behind the item
};

struct TreeOutlineModel {
  bool visible = false;
  std::vector<NestItem> Lista;
  int style = 0;  ///< display style of the outline, 0..5
  int Text1 = 0;  ///< "Esaminati": LastIndex
  int Text2 = 0;  ///< "Inseriti": the number of items
  int Text3 = 0;  ///< "Livelli": the highest walk level at which an item was added
};

struct GenerationLimitModel {
  bool visible = false;
  std::string Gen_Valore;  ///< the generation limit as typed
};

}  // namespace kord
