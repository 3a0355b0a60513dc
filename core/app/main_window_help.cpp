#include "app/main_window_help.h"

#include <map>

#include "app/main_menu.h"

namespace kord {

const std::string& MainWindowHelp(int k, bool english) {
  static const std::map<int, std::string> translated = {
      {0, "Selects the Focus individual: type the first letters of the individual or structure to work on."},
      {1, "Walks the tree of the structure; lets you choose the Focus."},
      {2, "Tree of the branches; lets you choose the Focus."},
      {3, "Tree of the roots of the Focus individual."},
      {4, "Builds the interactive tree of the structure from the Focus individual."},
      {5, "Builds the interactive tree of the roots of the Focus individual."},
      {6, "Selects the Focus individual: type the first letters of the individual or structure to work on."},
      {7, "Finds what the two selections have in common."},
      {8, "Makes the complete list; the list lets you choose the Focus individual."},
      {9, "Swaps the Focus individual and the second selection."},
      {11, "List of the individuals and structures without branches; lets you choose the Focus."},
      {12, "List with the complete data of each individual."},
      {13, "List sorted by the chosen field."},
      {14, "Makes the file and the list of the official census."},
      {15, "Configurable report."},
      {16, "Adds records from a CSV file."},
      {17, "Edits the card of the Focus individual or structure."},
      {18, "Adds the card of a new individual to the database."},
      {19, "Selects the second individual: type the first letters of the secondary individual or structure."},
      {20, "List of the roots: individuals and structures without parents; lets you choose the Focus."},
      {21, "Adds the card of a new structure to the database."},
      {22, "Saves the lists and reports it makes to files."},
      {23, "Shows the personal data in the lists."},
      {24, "Prints lists and reports at once on the default printer."},
      {25, "Makes statistical charts of the group."},
      {26, "Creates a new database sorted in alphabetical order."},
  };
  const std::string& own = HelpLabelText(k, english);
  if (!english || own != HelpLabelText(k, false)) return own;
  const auto found = translated.find(k);
  return found == translated.end() ? own : found->second;
}

}  // namespace kord
