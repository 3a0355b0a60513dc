#pragma once
/// The assistant "Assist": every main command as a tree of short Italian
/// phrases under four verbs (select, explore, modify, produce). A double
/// click on a phrase runs the command the matching main-window control runs,
/// with the same preconditions and the same save and restore of the focus.
/// The tree itself, the key of each node and the texts the window shows are
/// computed here, so every front end builds and dispatches the same tree.

#include <optional>
#include <string>
#include <vector>

#include "session/session.h"

namespace kord {

/// One phrase of the tree.
struct AssistNode {
  int position = 0;     ///< 1..37: the place in insertion order
  int parent = 0;       ///< the parent's position; 0 for the four roots
  std::string caption;  ///< Windows-1252
  std::string key;      ///< "a 0" for the first node, "a" + " N" for node N
};

/// The 37 nodes in insertion order (a parent always before its children).
const std::vector<AssistNode>& AssistNodes();

/// The node at `position` (1..37); null for any other position.
const AssistNode* AssistNodeAt(int position);

/// "a" followed by `number` written with one leading blank: "a 5".
std::string AssistKey(int number);

/// The number a key stands for: the integer from the key's third character
/// on. Nothing when the key is shorter or that part is not a whole number
/// (blanks around it allowed).
std::optional<int> AssistNodeNumber(const std::string& key);

/// Runs the command of node number `number` as the dispatcher reads it from
/// a key (the first node, "Seleziona", is number 0): the row of the command
/// table (app/commands.h) that lists the number. Group nodes and numbers
/// outside the table do nothing. The list, census, report, sorted
/// book, navigator and members' book nodes run only with a focus (NInd(0)
/// above 0) or WalkAll on, and otherwise say nothing.
void RunAssistCommand(Session& s, int number);

/// The double click on the node with `key`: a key that cannot be read does
/// nothing; an error while the command runs ends it quietly, leaving the
/// tree usable.
void AssistDblClick(Session& s, const std::string& key);

/// The description the window click shows for the node at `position`: one
/// line each ("\n" between them) "Text: ", "Key: ", "Parent: ",
/// "FirstSibling: ", "LastSibling: ", "Next: " with the text of that node;
/// a relation that does not exist is left out. Empty for no node.
std::string AssistDescription(int position);

/// What a drop of node `dragged` on node `target` prints on the window:
/// the dragged text, " dropped on ", the target text. Empty when there is
/// no target (0) or the target is the dragged node itself.
std::string AssistDropText(int dragged, int target);

}  // namespace kord
