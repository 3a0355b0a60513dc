#include "app/command_handlers.h"

#include "app/main_menu.h"
#include "lists/name_search.h"
#include "lists/report.h"
#include "lists/standard_lists.h"
#include "records/focus_panel.h"
#include "records/record_card.h"
#include "trees/common_kin.h"
#include "trees/tree_walk.h"
#include "trees/tree_windows.h"

namespace kord {
namespace {

constexpr int kAddIndividual = 14;
constexpr int kAddStructure = 15;

void addRecord(Session& s, int kind) {
  s.RequestedRecordKind = kind;
  if (s.windowState == kStateIdle && !HasFocusOrWalk(s)) {
    s.ui.message("Effettuare una selezione");
    return;
  }
  if (s.windowState == kStateNewRecord) {
    s.ui.message(kind == kAddIndividual ? "La finestra di modifica \xE8 gi\xE0 attiva"
                                        : " Chiudere le finestre di modifica prima di aggiungere nuovi record");
    return;
  }
  s.windowState = kStateNewRecord;
  s.NewRecordMode = true;
  // The card is raised for this call so that the person sees what to edit.
  const bool card = s.ShowCard;
  s.ShowCard = true;
  AddIndividual(s);
  s.ShowCard = card;
}

}  // namespace

void SelectFocusByName(Session& s) { SelectBySlot(s, 0); }
void SelectSecondByName(Session& s) { SelectBySlot(s, 1); }

void ListEveryone(Session& s) { ListCommand(s, ListMode::General, true); }
void ListRoots(Session& s) { ListCommand(s, ListMode::Roots, true); }
void ListLeaves(Session& s) { ListCommand(s, ListMode::Leaves, true); }
void ListEveryoneFromMenu(Session& s) { ListCommand(s, ListMode::General, false); }
void ListRootsFromMenu(Session& s) { ListCommand(s, ListMode::Roots, false); }
void ListLeavesFromMenu(Session& s) { ListCommand(s, ListMode::Leaves, false); }

void RootsTreeFromMenu(Session& s) { TreeCommand(s, TreeCaller::Albero_Radici, TreeView::List); }
void RootsOutlineFromMenu(Session& s) { TreeCommand(s, TreeCaller::Albero_Radici, TreeView::Outline); }
void BranchesTreeFromMenu(Session& s) { TreeCommand(s, TreeCaller::Albero_rami, TreeView::List); }
void BranchesOutlineFromMenu(Session& s) { TreeCommand(s, TreeCaller::Albero_rami, TreeView::Outline); }
void RootsTreeFromButton(Session& s) { TreeCommand(s, TreeCaller::BtnAlberoRadici, TreeView::List); }
void RootsOutlineFromButton(Session& s) { TreeCommand(s, TreeCaller::BtnAlberoRadici, TreeView::Outline); }
void BranchesTreeFromButton(Session& s) { TreeCommand(s, TreeCaller::AlberoRami, TreeView::List); }
void BranchesOutlineFromButton(Session& s) { TreeCommand(s, TreeCaller::AlberoRami, TreeView::Outline); }

void CommonAncestors(Session& s) { FindCommonKin(s, KinDirection::Ancestors); }
void CommonDescendants(Session& s) { FindCommonKin(s, KinDirection::Descendants); }

void ToggleOutputToFile(Session& s) { ToggleSwitchByMenu(s, SwitchId::OutputToFile); }
void ToggleCardWithTree(Session& s) { ToggleSwitchByMenu(s, SwitchId::CardWithTree); }
void TogglePrintImmediately(Session& s) { ToggleSwitchByMenu(s, SwitchId::PrintImmediately); }

void ReadCardShown(Session& s) {
  const bool before = s.ShowCard;
  s.ShowCard = true;
  ReadCard(s);
  s.ShowCard = before;
}

void ShowFocusCardAgain(Session& s) {
  s.focusCard.visible = true;
  ShowFocusPanel(s);
  s.ui.showWindow(Window::FocusCard, true);
}

void ShowAssistant(Session& s) { s.ui.showWindow(Window::AssistantWindow, true); }

void OpenSortKeyWindow(Session& s) {
  s.savedFocus = s.NInd[0];
  SetWholeWalkSwitches(s);
  s.ui.showWindow(Window::SortKeyDialog, true);
  SetDetailLabels(s, true);
}

void AddIndividualFromAssistant(Session& s) { addRecord(s, kAddIndividual); }
void AddStructureFromAssistant(Session& s) { addRecord(s, kAddStructure); }

void ShowNameSearchEmptied(Session& s) {
  s.nameSearch.Individuo.clear();
  ShowNameSearch(s);
}

void CustomReportWithWholeWalk(Session& s) {
  if (s.NInd[0] > 0 && s.windowState == kStateIdle) SetWholeWalkSwitches(s);
  CustomReportCommand(s);
}

}  // namespace kord
