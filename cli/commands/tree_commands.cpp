// kord roots, branches and kin: a tree or a kinship search drawn by the
// same commands as the main window, then the window printed item by item.

#include <ostream>

#include "cli_context.h"
#include "db/codepage.h"
#include "records/focus_panel.h"
#include "trees/common_kin.h"
#include "trees/tree_windows.h"

namespace kord::cli {

void PrintAlbero(CliContext& c) {
  for (const AlberoItem& item : c.session.treeList.Lista) {
    if (c.options.data) c.out << item.data << '\t';
    c.out << TreeBytesToUtf8(item.drawing) << Cp1252ToUtf8(item.text) << '\n';
  }
}

void PrintNest(CliContext& c) {
  for (const NestItem& item : c.session.treeOutline.Lista) {
    if (c.options.data) c.out << item.data << '\t' << item.level << '\t';
    c.out << std::string(2 * static_cast<std::size_t>(item.level), ' ') << Cp1252ToUtf8(item.text) << '\n';
  }
}

void PrintKinship(CliContext& c) {
  PrintAlbero(c);
  c.out << "FirstCommon=" << c.session.FirstCommon << '\n';
  c.out << "SecondCommon=" << c.session.SecondCommon << '\n';
}

namespace {

/// Loads the database and applies the selections and the generation limit.
/// Returns an exit status, kOk when the command can go on.
int prepare(CliContext& c, const char* command, bool second) {
  if (c.options.args.size() != 1) return c.fail(std::string(command) + " takes one database file", kUsage);
  if (!c.options.focus) return c.fail(std::string(command) + " needs --focus N", kUsage);
  if (second && !c.options.second) return c.fail(std::string(command) + " needs --second M", kUsage);
  if (c.options.marks.size() > 2) return c.fail("--mark is given at most twice", kUsage);
  if (!LoadDatabase(c, c.options.args[0])) return c.fail("no database was loaded");
  if (!ApplySelection(c, second)) return kUsage;
  if (c.options.generations) GenValoreChange(c.session, std::to_string(*c.options.generations));
  return kOk;
}

int runTree(CliContext& c, const char* command, TreeCaller caller) {
  if (int status = prepare(c, command, false); status != kOk) return status;
  const auto& marks = c.options.marks;
  if (!marks.empty()) c.session.markedFocus = marks[0];
  if (marks.size() > 1) c.session.markedSecond = marks[1];
  TreeCommand(c.session, caller, c.options.outline ? TreeView::Outline : TreeView::List);
  if (c.options.outline)
    PrintNest(c);
  else
    PrintAlbero(c);
  return kOk;
}

}  // namespace

int RunRoots(CliContext& c) { return runTree(c, "roots", TreeCaller::Albero_Radici); }

int RunBranches(CliContext& c) { return runTree(c, "branches", TreeCaller::Albero_rami); }

int RunKin(CliContext& c) {
  if (int status = prepare(c, "kin", true); status != kOk) return status;
  // The search starts from the individual the focus card shows.
  ShowFocusPanel(c.session);
  FindCommonKin(c.session, c.options.descendants ? KinDirection::Descendants : KinDirection::Ancestors);
  PrintKinship(c);
  return kOk;
}

}  // namespace kord::cli
