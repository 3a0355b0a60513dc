#include "lists/standard_lists.h"

#include "db/person_record.h"
#include "lists/list_order.h"
#include "records/focus_panel.h"
#include "records/record_card.h"

namespace kord {
namespace {

const char* titleOf(ListMode mode, bool english) {
  switch (mode) {
    case ListMode::Roots: return english ? "             Family Heads List" : "             Lista Ceppi";
    case ListMode::Leaves: return english ? "             Individuals whitout Sons" : "             Lista Foglie";
    case ListMode::General: break;
  }
  return english ? "             General List" : "             Lista Generale";
}

/// Which indexes some slot 0..LastIndex names as a parent: one scan for the
/// whole list instead of one per candidate.
std::vector<bool> hasChildTable(const Tables& t) {
  std::vector<bool> hasChild(kTableSize, false);
  for (int j = 0; j <= t.LastIndex && j < kTableSize; ++j)
    for (int parent : {t.Parent1[j], t.Parent2[j]})
      if (Tables::inTable(parent)) hasChild[parent] = true;
  return hasChild;
}

bool hasNoParent(const Tables& t, int k) { return t.Parent1[k] < 0 && t.Parent2[k] < 0; }

/// The line of k in `mode`: false when k is not listed; `mark` gets the mark.
bool listed(const Tables& t, const std::vector<bool>& hasChild, ListMode mode, int k, std::string& mark) {
  mark.clear();
  switch (mode) {
    case ListMode::General: return true;
    case ListMode::Roots:
      if (!hasNoParent(t, k)) return false;
      if (!hasChild[k]) mark = "   - Individuo Isolato";
      return true;
    case ListMode::Leaves:
      if (hasChild[k]) return false;
      if (hasNoParent(t, k)) mark = " - Individuo isolato";
      return true;
  }
  return false;
}

}  // namespace

void ListIndividuals(Session& s, ListMode mode) {
  Tables& t = s.tables;
  ListModel& lista = s.list;
  lista.Liber.clear();
  lista.visible = true;
  s.ui.showWindow(Window::ListWindow, true);
  lista.Liber.push_back(ListItem{titleOf(mode, s.English), 0});
  const std::vector<bool> hasChild = hasChildTable(t);
  for (int k = 1; k <= t.LastIndex && k < kTableSize; ++k) {
    if (k > 1 && Trim(t.Names[k]).empty()) t.Names[k] = "a_ " + std::to_string(k);
    s.NInd[0] = k;
    std::string mark;
    if (k > 1 && listed(t, hasChild, mode, k, mark)) lista.Liber.push_back(ListItem{t.Names[k] + mark, k});
  }
  SortListItems(lista.Liber);
  s.ui.refresh(Window::ListWindow);
}

void ListCommand(Session& s, ListMode mode, bool fromToolbar) {
  if (fromToolbar && s.NInd[0] <= 0 && !s.WalkAll) return;
  KeptFocus kept(s);
  ListIndividuals(s, mode);
}

void RefreshList(Session& s) { ListCommand(s, ListMode::General, false); }

void ListClick(Session& s, std::size_t row) {
  if (row >= s.list.Liber.size()) return;
  s.NInd[0] = s.list.Liber[row].itemData;
  ShowFocusPanel(s);
  if (s.windowState <= kStateIdle) return;
  s.Toggle = 0;
  ShowRecordCard(s);
}

}  // namespace kord
