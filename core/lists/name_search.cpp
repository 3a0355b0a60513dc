#include "lists/name_search.h"

#include "db/codepage.h"
#include "lists/list_order.h"
#include "records/focus_panel.h"
#include "records/record_card.h"

namespace kord {
namespace {

bool isLink(int link) { return link >= 0 && Tables::inTable(link); }

std::string parentsText(const Tables& t, int s) {
  std::string text = "Non definiti";
  std::string lines;
  if (isLink(t.Parent1[s])) text = lines = t.Names[t.Parent1[s]] + "\r\n";
  if (isLink(t.Parent2[s])) text = lines += t.Names[t.Parent2[s]];
  return text;
}

std::string childrenText(const Tables& t, int s) {
  std::string text;
  for (int j = 0; j <= t.LastIndex && j < kTableSize; ++j)
    if (t.Parent1[j] == s || t.Parent2[j] == s) text += t.Names[j] + "\r\n";
  return text;
}

/// The chosen individual with its parents, spouse and children.
void showChoice(NameSearchModel& m, const Tables& t, int slot) {
  m.Individuo = t.Names[slot];
  m.Genitori = parentsText(t, slot);
  m.Coniugi = isLink(t.Spouse[slot]) ? t.Names[t.Spouse[slot]] : " - ";
  m.Figli = childrenText(t, slot);
}

}  // namespace

void ShowNameSearch(Session& s) {
  s.nameSearch.visible = true;
  s.ui.showWindow(Window::NameSearchWindow, true);
}

void RefreshNameSearch(Session& s) {
  NameSearchModel& m = s.nameSearch;
  const Tables& t = s.tables;
  m.selezionati.clear();
  m.Individuo = m.Coniugi = m.Figli = m.Genitori = "";
  std::string key = UpperCp1252(m.InputNome);
  if (key.empty()) {
    m.selezionati.push_back(s.text("Battere il nome dell'Individuo", "Enter the individual name"));
    s.ui.refresh(Window::NameSearchWindow);
    return;
  }
  if (key == "*") key.clear();
  int& slot = s.NInd[s.Toggle == 1 ? 1 : 0];
  for (int k = 0; k <= t.LastIndex && k < kTableSize; ++k) {
    if (t.Names[k].size() < key.size() || UpperCp1252(t.Names[k].substr(0, key.size())) != key) continue;
    m.selezionati.push_back(t.Names[k]);
    slot = k;
  }
  SortTexts(m.selezionati);
  if (Tables::inTable(slot)) showChoice(m, t, slot);
  s.ui.refresh(Window::NameSearchWindow);
}

void NameSearchType(Session& s, const std::string& text) {
  s.nameSearch.InputNome = text;
  RefreshNameSearch(s);
}

void NameSearchClick(Session& s, const std::string& entry, int individual) {
  NameSearchType(s, entry);
  RefreshNameSearch(s);
  if (!s.tables.isIndividual(individual) || s.tables.Names[individual] != entry) return;
  s.NInd[s.Toggle == 1 ? 1 : 0] = individual;
  showChoice(s.nameSearch, s.tables, individual);
  s.ui.refresh(Window::NameSearchWindow);
}

void NameSearchDoubleClick(Session& s) {
  RefreshNameSearch(s);
  ShowFocusPanel(s);
  if (!s.NewRecordMode) ShowRecordCard(s);
}

void NameSearchConfirm(Session& s) {
  s.nameSearch.visible = false;
  s.ui.showWindow(Window::NameSearchWindow, false);
  s.cachedFocusRecord = 0;
  s.cachedSecondRecord = 0;
  ShowFocusPanel(s);
  if (s.windowState > kStateIdle) ShowRecordCard(s);
}

void ShowNameSearchForFocus(Session& s) { ShowNameSearch(s); }

void SelectBySlot(Session& s, int slot) {
  s.Toggle = slot;
  s.nameSearch.caption = slot == 1 ? "Seleziona parente da localizzare" : "Lista Nomi Individui";
  ShowNameSearch(s);
}

}  // namespace kord
