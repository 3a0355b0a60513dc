#include "app/assistant.h"

#include <algorithm>
#include <exception>

#include "book/book_commands.h"
#include "db/codepage.h"
#include "db/text.h"
#include "records/record_card.h"
#include "lists/name_search.h"
#include "lists/report.h"
#include "lists/standard_lists.h"
#include "records/focus_panel.h"
#include "stats/statistics_command.h"
#include "trees/common_kin.h"
#include "trees/tree_walk.h"
#include "trees/tree_windows.h"

namespace kord {
namespace {

constexpr int kAddIndividual = 14;
constexpr int kAddStructure = 15;

struct NodeRow {
  int parent;
  const char* caption;
};

constexpr NodeRow kNodeRows[] = {
    {0, "Seleziona"},
    {0, "Esplora"},
    {0, "Modifica"},
    {0, "Produci"},
    {1, "Per nome"},
    {1, "navigando"},
    {1, "da lista"},
    {1, "da lista ordinata"},
    {2, "Navigando"},
    {2, "su Albero"},
    {2, "su lista"},
    {2, "su immagini"},
    {3, "Dati personali"},
    {3, "Aggiunge persona"},
    {3, "Aggiunge Struttura"},
    {3, "Passaggi"},
    {4, "Lista"},
    {4, "Censimento"},
    {4, "Statistiche"},
    {4, "Rapporti"},
    {10, "Rami dell'albero"},
    {10, "Radici dell'albero"},
    {10, "Rami dell'albero (interattivo)"},
    {10, "Radici dell'albero (interattivo)"},
    {17, "Normale"},
    {17, "Lista Ordinata"},
    {17, "custom"},
    {20, "Censimento ufficiale"},
    {20, "Configurabile dall'utente"},
    {20, "Libro dei soci"},
    {2, "Ricerca punti di contatto"},
    {31, "Ricerca rami comuni"},
    {31, "Ricerca radici comuni"},
    {2, "Per nome selezione Secondaria"},
    {2, "Inverti selezione Primaria e Secondaria"},
    {4, "Lista delle radici"},
    {4, "Lista delle foglie"},
};

/// The keys follow the window's counter: it starts at 0 for the first node;
/// after each node it is raised and the next key takes the counter plus one.
std::vector<AssistNode> buildNodes() {
  std::vector<AssistNode> nodes;
  int counter = 0;
  std::string key = AssistKey(counter);
  for (const NodeRow& row : kNodeRows) {
    nodes.push_back({static_cast<int>(nodes.size()) + 1, row.parent, row.caption, key});
    ++counter;
    key = AssistKey(counter + 1);
  }
  return nodes;
}

bool hasFocusOrWalk(const Session& s) { return s.NInd[0] > 0 || s.WalkAll; }

void setWholeWalkSwitches(Session& s) {
  s.NavigatorFocus = false;
  s.WalkAll = true;
  s.OutputToFile = true;
  s.DetailLines = true;
}

void selectFocus(Session& s) { SelectBySlot(s, 0); }
void selectSecond(Session& s) { SelectBySlot(s, 1); }
void generalList(Session& s) { ListCommand(s, ListMode::General, true); }
void rootsList(Session& s) { ListCommand(s, ListMode::Roots, true); }
void leavesList(Session& s) { ListCommand(s, ListMode::Leaves, true); }

/// Opens the sort-key window; its run button produces the list and puts
/// the switches and the focus back.
void sortedList(Session& s) {
  s.savedFocus = s.NInd[0];
  setWholeWalkSwitches(s);
  s.ui.showWindow(Window::SortKeyDialog, true);
  SetDetailLabels(s, true);
}

void addRecord(Session& s, int kind) {
  s.RequestedRecordKind = kind;
  if (s.windowState == kStateIdle && !hasFocusOrWalk(s)) {
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

void addIndividual(Session& s) { addRecord(s, kAddIndividual); }
void addStructure(Session& s) { addRecord(s, kAddStructure); }

void passaggi(Session& s) {
  s.nameSearch.Individuo.clear();
  ShowNameSearch(s);
}

/// The whole-walk switches must be on before the field chooser shows: the
/// chooser may hold the call until the report is built and the switches are
/// idle again.
void customReport(Session& s) {
  if (s.NInd[0] > 0 && s.windowState == kStateIdle) setWholeWalkSwitches(s);
  CustomReportCommand(s);
}

void branchesTree(Session& s) { TreeCommand(s, TreeCaller::Albero_rami, 0); }
void rootsTree(Session& s) { TreeCommand(s, TreeCaller::Albero_Radici, 0); }
void branchesOutline(Session& s) { TreeCommand(s, TreeCaller::Albero_rami, 1); }
void rootsOutline(Session& s) { TreeCommand(s, TreeCaller::Albero_Radici, 1); }
void commonDescendants(Session& s) { FindCommonKin(s, 1); }
void commonAncestors(Session& s) { FindCommonKin(s, 0); }

using Command = void (*)(Session&);

struct CommandRow {
  std::vector<int> nodes;
  Command run;
  bool needsFocus;     ///< runs only with a focus or WalkAll on
  bool restoresFocus;  ///< the focus is kept and put back
};

const std::vector<CommandRow>& commandTable() {
  static const std::vector<CommandRow> rows = {
      {{5}, selectFocus, false, false},
      {{34}, selectSecond, false, false},
      {{6, 9}, Naviga, true, false},
      {{7, 11, 17, 25}, generalList, true, true},
      {{36}, rootsList, true, true},
      {{37}, leavesList, true, true},
      {{8, 26}, sortedList, true, false},
      {{14}, addIndividual, false, false},
      {{15}, addStructure, false, false},
      {{16}, passaggi, false, false},
      {{18}, CensusCommand, true, true},
      {{30}, LibroFamiglia, true, true},
      {{19}, StatisticsCommand, false, false},
      {{21}, branchesTree, false, false},
      {{22}, rootsTree, false, false},
      {{23}, branchesOutline, false, false},
      {{24}, rootsOutline, false, false},
      {{29}, customReport, true, true},
      {{32}, commonDescendants, false, false},
      {{33}, commonAncestors, false, false},
      {{35}, SwapSelections, false, false},
  };
  return rows;
}

const CommandRow* commandOf(int number) {
  for (const CommandRow& row : commandTable())
    if (std::find(row.nodes.begin(), row.nodes.end(), number) != row.nodes.end()) return &row;
  return nullptr;
}

/// The positions of the nodes that share `parent`, in insertion order.
std::vector<int> childrenOf(int parent) {
  std::vector<int> children;
  for (const AssistNode& node : AssistNodes())
    if (node.parent == parent) children.push_back(node.position);
  return children;
}

void addLine(std::string& text, const char* label, int position) {
  const AssistNode* node = AssistNodeAt(position);
  if (!node) return;
  if (!text.empty()) text += '\n';
  text += label + node->caption;
}

}  // namespace

const std::vector<AssistNode>& AssistNodes() {
  static const std::vector<AssistNode> nodes = buildNodes();
  return nodes;
}

const AssistNode* AssistNodeAt(int position) {
  const auto& nodes = AssistNodes();
  if (position < 1 || position > static_cast<int>(nodes.size())) return nullptr;
  return &nodes[static_cast<std::size_t>(position) - 1];
}

std::string AssistKey(int number) { return "a " + std::to_string(number); }

std::optional<int> AssistNodeNumber(const std::string& key) {
  if (key.size() < 3) return std::nullopt;
  return WholeNumber(Trim(key.substr(2)));
}

void RunAssistCommand(Session& s, int number) {
  const CommandRow* row = commandOf(number);
  if (!row) return;
  if (row->needsFocus && !hasFocusOrWalk(s)) return;
  if (!row->restoresFocus) {
    row->run(s);
    return;
  }
  KeptFocus kept(s);
  row->run(s);
}

void AssistDblClick(Session& s, const std::string& key) {
  const std::optional<int> number = AssistNodeNumber(key);
  if (!number) return;
  try {
    RunAssistCommand(s, *number);
  } catch (const std::exception& failure) {
    // A failing command must not take the assistant down with it, nor fail
    // without a word.
    s.ui.message(s.text("Il comando non e' riuscito: ", "The command failed: ") + Utf8ToCp1252(failure.what()));
  }
}

std::string AssistDescription(int position) {
  const AssistNode* node = AssistNodeAt(position);
  if (!node) return {};
  std::string text = "Text: " + node->caption + "\nKey: " + node->key;
  addLine(text, "Parent: ", node->parent);
  const std::vector<int> siblings = childrenOf(node->parent);
  addLine(text, "FirstSibling: ", siblings.front());
  addLine(text, "LastSibling: ", siblings.back());
  const auto at = std::find(siblings.begin(), siblings.end(), position);
  if (at + 1 != siblings.end()) addLine(text, "Next: ", *(at + 1));
  return text;
}

std::string AssistDropText(int dragged, int target) {
  const AssistNode* from = AssistNodeAt(dragged);
  const AssistNode* to = AssistNodeAt(target);
  if (!from || !to || dragged == target) return {};
  return from->caption + " dropped on " + to->caption;
}

}  // namespace kord
