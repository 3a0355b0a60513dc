#pragma once
/// What the list window "Lista" and the report windows show.

#include <array>
#include <string>
#include <vector>

namespace kord {

/// A line of a list with the individual number it carries.
struct ListItem {
  std::string text;
  int itemData = 0;
  bool operator==(const ListItem&) const = default;
};

/// The window "Lista": its self-sorting list Liber.
struct ListModel {
  bool visible = false;
  std::vector<ListItem> Liber;
};

/// The field chooser "Selezione Campi" and the grid of "Rapporto".
struct ReportModel {
  std::array<bool, 13> Check1{};              ///< box i stands for record field i + 1
  std::array<std::string, 13> checkCaptions;  ///< FieldCaptions(i + 1)
  bool requested = false;                     ///< "Report" (not "Esce") closed the chooser
  bool chooserVisible = false;
  bool gridVisible = false;
  std::vector<std::vector<std::string>> Grid1;  ///< row 0 the captions, row r record r
  std::vector<int> columnWidths;                ///< twips, by column
};

}  // namespace kord
