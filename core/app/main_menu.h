#pragma once
/// The main window "Kord Win" as data: its menus with their captions in both
/// languages, its buttons, its hover-help labels and its three switches. The
/// GUI builds the window from these tables; the captions are computed here so
/// that every front end shows the same texts. What each entry and button
/// runs is the command table (app/commands.h).

#include <string>
#include <vector>

#include "session/session.h"

namespace kord {

struct MenuDef {
  std::string name;     ///< the control name, e.g. "Albero_Radici(0)"
  std::string italian;  ///< the Italian caption
  std::string english;  ///< empty when the entry has no English caption
  std::vector<MenuDef> entries;
};

/// The menu bar in display order; top-level entries hold their menus. The
/// entries the command table places (after the entry it names) are in it.
const std::vector<MenuDef>& MainMenuBar();

/// The toolbar groups of buttons.
enum class ButtonGroup { Select, Explore, Produce };

struct ButtonDef {
  std::string name;     ///< the control name, e.g. "Libro(3)"
  std::string caption;  ///< the button text
  int helpLabel;        ///< the hover-help label it shows (its command's)
  ButtonGroup group;
};

/// The main window's buttons, grouped by purpose, in display order.
const std::vector<ButtonDef>& MainButtons();

/// The text of hover-help label k, in English when `english` and the label
/// has an English text; empty for a label with no text.
const std::string& HelpLabelText(int k, bool english = false);
/// The label shown over the window background.
inline constexpr int kBackgroundHelp = 7;
/// The label of FindCommonKin(0), about the common ancestors. (Label 0, the one
/// the button used to show, repeats the help of "Seleziona".)
inline constexpr int kCommonAncestorsHelp = 27;

/// The three switches and their controls.
enum class SwitchId { OutputToFile = 0, CardWithTree = 1, PrintImmediately = 2 };

struct SwitchDef {
  SwitchId id;
  std::string menuName;    ///< "stampa_su_file", ...
  std::string onOption;    ///< "Option3D2"
  std::string onCaption;   ///< "Out su File ON"
  std::string offOption;   ///< "Option3D3"
  std::string offCaption;  ///< "Out su File Off"
  int helpLabel;
};

const std::vector<SwitchDef>& Switches();

bool SwitchValue(const Session& s, SwitchId id);
/// A click on one of the switch's option buttons.
void SetSwitchByOption(Session& s, SwitchId id, bool on);
/// Choosing the switch's menu entry: inverts the switch.
void ToggleSwitchByMenu(Session& s, SwitchId id);

/// The current caption of menu entry `name` (the switch entries follow their
/// switch; the others follow the language flag).
std::string MenuCaption(const Session& s, const std::string& name);

/// "Inglese" / "Italiano".
void SetLanguage(Session& s, bool english);

/// A click or double click on element `element` of Panel3D9.
void RecordModePanelClick(Session& s, int element);

/// The menu entry Exit: logs "Fine sessione" and ends the program.
void ExitProgram(Session& s);

}  // namespace kord
