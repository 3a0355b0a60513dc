#pragma once
/// Every command of the program in one table: the menu entries and buttons
/// of the main window and the assistant's phrases that run it, what must
/// hold before it runs, whether the focus comes back afterwards, the core
/// procedure that carries it out and the window it fills. The main window's
/// dispatch, the assistant's lookup and the command line's printing all read
/// this table; the menu bar takes from it the entries it places.
///
/// A command that only a window can carry out (a file dialog, a window of
/// its own, the help) has no core handler: the GUI registers one under the
/// command's id. A row that is deliberately inactive says why.

#include <functional>
#include <string>
#include <vector>

#include "session/session.h"

namespace kord {

/// What must hold before a command runs.
enum class Precondition {
  None,
  /// An open database; otherwise the person is told "Nessun database aperto".
  DatabaseLoaded,
  /// A focus (NInd(0) above 0) or the whole walk (WalkAll) on; otherwise
  /// nothing happens and nothing is said.
  FocusOrWholeWalk,
};

/// The window a command fills, as the command line prints it.
enum class Shows {
  Nothing,
  Lista,
  Albero,
  Nest,
  Kinship,
  Book,
  Navigate,
  NameSearch,
  Report,
  Statistic,
  Cards,
  EditCard
};

/// A text in both languages; empty (null Italian) when the row has none.
struct CommandText {
  const char* italian = nullptr;
  const char* english = nullptr;
  bool empty() const { return italian == nullptr; }
};

using CommandHandler = void (*)(Session&);

/// The help label of a command that shows none.
inline constexpr int kNoHelpLabel = -1;

struct Command {
  const char* id = "";                  ///< plain English, unique: "checkDates"
  std::vector<std::string> controls{};  ///< the menu entries and buttons it answers to
  std::vector<int> assistNodes{};       ///< the assistant's node numbers, as its keys give them
  Precondition precondition = Precondition::None;
  bool keepsFocus = false;           ///< the focus is kept and put back
  CommandHandler handler = nullptr;  ///< null: a window carries it out (or it is inactive)
  Shows shows = Shows::Nothing;
  int helpLabel = kNoHelpLabel;     ///< the hover help of its button
  CommandText caption{};            ///< the menu caption of an entry the menu table lacks
  const char* menuAfter = nullptr;  ///< the menu entry that entry follows
  CommandText inactiveReason{};     ///< why a deliberately inactive row does nothing

  bool inactive() const { return !inactiveReason.empty(); }
};

/// The whole table.
const std::vector<Command>& Commands();

/// The command of menu entry or button `control`; null for a menu heading
/// or an unknown name.
const Command* CommandForControl(const std::string& control);
/// The command of the assistant's node number `number`; null for an
/// unknown number.
const Command* CommandForAssistNode(int number);
/// The command with `id`; null for an unknown id.
const Command* CommandById(const std::string& id);

/// Whether `command`'s precondition holds now; when it does not, the person
/// is told why where the precondition says so.
bool PreconditionHolds(Session& s, const Command& command);

/// Runs `command` when it is active and its precondition holds: its core
/// handler, or `carryOut` (what the window registered) when it has none;
/// the focus is kept and put back when the row says so. Returns whether
/// something ran.
bool RunCommand(Session& s, const Command& command, const std::function<void()>& carryOut = {});

}  // namespace kord
