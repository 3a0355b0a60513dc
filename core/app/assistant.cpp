#include "app/assistant.h"

#include <algorithm>
#include <exception>

#include "app/commands.h"
#include "db/codepage.h"
#include "db/text.h"

namespace kord {
namespace {

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
  if (const Command* command = CommandForAssistNode(number)) RunCommand(s, *command);
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
