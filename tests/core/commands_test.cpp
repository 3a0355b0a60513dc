// The command table: every menu entry, button and assistant phrase has
// exactly one row, the menu bar takes the entry a row places, and a row runs
// only when its precondition holds, keeping the focus when it says so.

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "app/assistant.h"
#include "app/commands.h"
#include "app/main_menu.h"
#include "test_support.h"

namespace kord {
namespace {

/// The entries a person can choose: the menus' leaves, not their headings.
void collectEntries(const std::vector<MenuDef>& menus, std::vector<std::string>& names) {
  for (const MenuDef& menu : menus) {
    if (menu.entries.empty())
      names.push_back(menu.name);
    else
      collectEntries(menu.entries, names);
  }
}

template <typename T>
int rowsHolding(T Command::*field, const typename T::value_type& value) {
  const auto& rows = Commands();
  return static_cast<int>(std::count_if(rows.begin(), rows.end(), [&](const Command& c) {
    return std::find((c.*field).begin(), (c.*field).end(), value) != (c.*field).end();
  }));
}

TEST(CommandTable, EveryEntryButtonAndPhraseHasExactlyOneRow) {
  std::vector<std::string> controls;
  collectEntries(MainMenuBar(), controls);
  for (const ButtonDef& button : MainButtons()) controls.push_back(button.name);
  for (const std::string& control : controls) EXPECT_EQ(rowsHolding(&Command::controls, control), 1) << control;

  for (const AssistNode& node : AssistNodes()) {
    const int number = *AssistNodeNumber(node.key);
    EXPECT_EQ(rowsHolding(&Command::assistNodes, number), 1) << node.caption;
    // The assistant runs in the core: its rows cannot wait for a window.
    const Command* command = CommandForAssistNode(number);
    ASSERT_NE(command, nullptr) << node.caption;
    EXPECT_TRUE(command->handler || command->inactive()) << node.caption;
  }

  std::set<std::string> ids;
  for (const Command& command : Commands()) {
    EXPECT_TRUE(ids.insert(command.id).second) << "id twice: " << command.id;
    EXPECT_FALSE(command.controls.empty() && command.assistNodes.empty()) << "answers to nothing: " << command.id;
    EXPECT_FALSE(command.inactive() && command.handler) << "inactive with a handler: " << command.id;
    for (const std::string& control : command.controls)
      EXPECT_NE(std::find(controls.begin(), controls.end(), control), controls.end())
          << command.id << " answers to " << control << ", which no menu or button has";
  }
}

TEST(CommandTable, TheMenuBarPlacesTheDateCheckAfterTheDatabaseCheck) {
  std::vector<std::string> entries;
  collectEntries(MainMenuBar(), entries);
  const auto check = std::find(entries.begin(), entries.end(), "Controlla_archivio");
  ASSERT_GE(entries.end() - check, 3);
  EXPECT_EQ(*(check + 1), "Verifica_dati");
  EXPECT_EQ(*(check + 2), "Export_DB");
  test::TestSession t;
  EXPECT_EQ(MenuCaption(t.session, "Verifica_dati"), "Verifica dati");
  SetLanguage(t.session, true);
  EXPECT_EQ(MenuCaption(t.session, "Verifica_dati"), "Check dates");
}

TEST(CommandTable, ARowRunsOnlyWhenItsPreconditionHolds) {
  struct Case {
    Command command;
    bool loaded;
    int focus;
    bool walkAll;
    bool runs;
    const char* message;  ///< what the person is told; empty for nothing
  };
  using P = Precondition;
  const Case cases[] = {
      {{.id = "none"}, false, 0, false, true, ""},
      {{.id = "database", .precondition = P::DatabaseLoaded}, false, 2, false, false, "Nessun database aperto"},
      {{.id = "database", .precondition = P::DatabaseLoaded}, true, 2, false, true, ""},
      {{.id = "focus", .precondition = P::FocusOrWholeWalk}, true, 0, false, false, ""},
      {{.id = "focus", .precondition = P::FocusOrWholeWalk}, true, 0, true, true, ""},
      {{.id = "focus", .precondition = P::FocusOrWholeWalk}, true, 5, false, true, ""},
      {{.id = "inactive", .inactiveReason = {"perche'", "why"}}, true, 5, false, false, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.command.id) + (c.loaded ? " loaded" : "") + " focus " + std::to_string(c.focus));
    test::TestSession t;
    t.session.DbLoaded = c.loaded;
    t.session.NInd[0] = c.focus;
    t.session.WalkAll = c.walkAll;
    bool ran = false;
    EXPECT_EQ(RunCommand(t.session, c.command, [&] { ran = true; }), c.runs);
    EXPECT_EQ(ran, c.runs);
    EXPECT_EQ(t.ui.messages, *c.message ? std::vector<std::string>{c.message} : std::vector<std::string>{});
  }
  test::TestSession t;
  EXPECT_FALSE(RunCommand(t.session, *CommandById("importGedcom"))) << "a window's row with no window to run it";
}

TEST(CommandTable, TheFocusComesBackOnlyWhenTheRowKeepsIt) {
  for (bool keeps : {true, false}) {
    test::TestSession t;
    t.session.NInd[0] = 4;
    const Command command{.id = "walk", .keepsFocus = keeps};
    RunCommand(t.session, command, [&] { t.session.NInd[0] = 9; });
    EXPECT_EQ(t.session.NInd[0], keeps ? 4 : 9);
  }
}

}  // namespace
}  // namespace kord
