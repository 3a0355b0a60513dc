#include "trees/tree_windows.h"

#include "records/focus_panel.h"
#include "records/record_card.h"
#include "session/history.h"
#include "session/printing.h"
#include "trees/draw_tree.h"
#include "trees/tree_lines.h"

namespace kord {
namespace {

struct CallerRow {
  bool ancestors;
  bool buttonFont;      ///< the toolbar buttons also set size 8, not bold
  const char* history;  ///< nullptr: nothing is logged
};

const CallerRow& rowOf(TreeCaller caller) {
  static const CallerRow rows[] = {
      {true, false, "Prodotto pagina appartenenze di: "},
      {false, false, "Prodotto pagina albero da: "},
      {true, true, "Prodotto pagina appartenenze di: "},
      {false, true, nullptr},
  };
  return rows[static_cast<int>(caller)];
}

void setTreeFont(Session& s, bool buttonFont) {
  bool accepted = s.printer.setFontName("Terminal");
  if (buttonFont) {
    s.printer.setBold(false);
    s.printer.setFontSize(8);
  }
  if (!accepted) s.ui.message("Font not present, install 'MS LineDraw' font");
}

/// Draws the descendant list tree of `individual` into an emptied Albero.
void redrawBranches(Session& s, int individual) {
  s.NInd[0] = individual;
  s.treeList.Lista.clear();
  s.trees.AncestorMode = false;
  DrawTree(s, TreeView::List);
  EndPrinterDocument(s, TreeFileName(s, individual, false));
}

/// Shows the focus on the open record card, as every window that moves the
/// focus does (showing only: no new index is reserved).
void showOnCard(Session& s) {
  s.Toggle = 0;
  ShowRecordCard(s);
}

bool validItem(std::size_t count, int item) { return item >= 0 && static_cast<std::size_t>(item) < count; }

}  // namespace

void TreeCommand(Session& s, TreeCaller caller, TreeView view) {
  const CallerRow& row = rowOf(caller);
  setTreeFont(s, row.buttonFont);
  s.trees.AncestorMode = row.ancestors;
  DrawTree(s, view);
  EndPrinterDocument(s, TreeFileName(s, s.NInd[0], row.ancestors));
  if (!row.history) return;
  std::string name = Tables::inTable(s.NInd[0]) ? s.tables.Names[s.NInd[0]] : std::string();
  LogHistory(s, row.history + name + "\r\n");
}

void TreeListClick(Session& s, int item) {
  if (!validItem(s.treeList.Lista.size(), item)) return;
  s.NInd[0] = s.treeList.Lista[item].data;
  s.savedWindowState = s.windowState;
  // The panel refreshes only in state 3; the saved state tells whether a
  // record card was open.
  s.windowState = kStateIdle;
  ShowFocusPanel(s);
  if (s.savedWindowState > kStateIdle) showOnCard(s);
  s.windowState = s.savedWindowState;
}

void TreeListDoubleClick(Session& s, int item) {
  if (!validItem(s.treeList.Lista.size(), item)) return;
  redrawBranches(s, s.treeList.Lista[item].data);
}

void TreeListUpOneGeneration(Session& s) {
  if (s.treeList.Lista.empty()) return;
  int root = s.treeList.Lista.front().data;
  redrawBranches(s, Tables::inTable(root) ? s.tables.Parent1[root] : kNone);
}

void CloseTreeList(Session& s) {
  s.treeList.Lista.clear();
  s.treeList.visible = false;
  s.ui.showWindow(Window::TreeListWindow, false);
}

void TreeOutlineClick(Session& s, int item) {
  if (!validItem(s.treeOutline.Lista.size(), item)) return;
  s.NInd[0] = s.treeOutline.Lista[item].data;
  ShowFocusPanel(s);
  if (s.windowState > kStateIdle) showOnCard(s);
}

void CloseTreeOutline(Session& s) {
  s.treeOutline.Lista.clear();
  s.treeOutline.Text2 = 0;
  s.treeOutline.Text3 = 0;
  s.treeOutline.visible = false;
  s.ui.showWindow(Window::TreeOutlineWindow, false);
}

void NextTreeOutlineStyle(Session& s) {
  s.treeOutline.style = (s.treeOutline.style + 1) % 6;
  s.ui.refresh(Window::TreeOutlineWindow);
}

void ShowGenerationLimit(Session& s) {
  s.generationLimit.Gen_Valore = std::to_string(s.MaxGenerations);
  s.generationLimit.visible = true;
  s.ui.showWindow(Window::GenerationLimitWindow, true);
}

bool GenValoreChange(Session& s, const std::string& text) {
  s.generationLimit.Gen_Valore = text;
  const std::string digits = Trim(text);
  // "abc" or "-3" would otherwise count as 0 and cut every tree to its root.
  if (digits.empty() || digits.size() > 2 || digits.find_first_not_of("0123456789") != std::string::npos) return false;
  const int value = std::stoi(digits);
  if (value > kMaxGenerationLimit) return false;
  s.MaxGenerations = value;
  return true;
}

}  // namespace kord
