// kord assist: a phrase of the assistant double-clicked, then what the person
// would do in the window its command opens (the sort key, the report fields,
// the chart, the typed name), then that window printed exactly as the
// command's own subcommand prints it.

#include <charconv>
#include <string_view>

#include "app/assistant.h"
#include "app/commands.h"
#include "book/book_commands.h"
#include "cli_context.h"
#include "db/codepage.h"
#include "lists/name_search.h"
#include "lists/report.h"
#include "records/focus_panel.h"
#include "stats/statistics_command.h"

namespace kord::cli {
namespace {

/// The command a node runs; null for none.
const Command* commandOf(const AssistNode& node) {
  const std::optional<int> number = AssistNodeNumber(node.key);
  return number ? CommandForAssistNode(*number) : nullptr;
}

/// The window a node's command fills.
Shows windowOf(const AssistNode& node) {
  const Command* command = commandOf(node);
  return command ? command->shows : Shows::Nothing;
}

bool isSortedList(const AssistNode& node) {
  const Command* command = commandOf(node);
  return command && std::string_view(command->id) == "sortedListFromAssistant";
}

/// NODE: the place in the tree (1..37) or the caption.
const AssistNode* findNode(const std::string& word) {
  int position = 0;
  auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), position);
  if (ec == std::errc() && end == word.data() + word.size()) return AssistNodeAt(position);
  const std::string caption = Utf8ToCp1252(word);
  for (const AssistNode& node : AssistNodes())
    if (node.caption == caption) return &node;
  return nullptr;
}

/// Checks that the options the node's window needs are there. Returns an
/// exit status, kOk when the call can go on.
int checkOptions(CliContext& c, const AssistNode& node) {
  const auto& args = c.options.args;
  const std::string what = "node " + std::to_string(node.position) + " \"" + Cp1252ToUtf8(node.caption) + "\"";
  if (isSortedList(node) && (!c.options.key || *c.options.key > 14))
    return c.fail(what + " opens the sort-key window: give --key K (a field number from 1 to 14)", kUsage);
  if (windowOf(node) == Shows::Report && !c.options.fields)
    return c.fail(what + " opens the field chooser: give --fields with field numbers 1..13", kUsage);
  if (windowOf(node) == Shows::Statistic && (args.size() != 3 || (args[2] != "centuries" && args[2] != "decades")))
    return c.fail(what + " opens the chart chooser: add centuries or decades", kUsage);
  const bool typed = windowOf(node) == Shows::NameSearch;
  if (args.size() > (typed || windowOf(node) == Shows::Statistic ? 3u : 2u))
    return c.fail("assist takes a database file and a node" + std::string(typed ? " and a text to type" : ""), kUsage);
  return kOk;
}

using Fields = std::optional<std::array<bool, 13>>;

/// What the person does in the window the command left open.
int answerWindow(CliContext& c, const AssistNode& node, const Fields& fields) {
  Session& s = c.session;
  const auto& args = c.options.args;
  // The node's command turns the whole-walk switches on when it opens the key window.
  if (isSortedList(node) && s.WalkAll && !SortedBookRun(s, *c.options.key)) return kFailed;
  if (windowOf(node) == Shows::Report && s.windowState == kStateReportChooser) {
    s.report.Check1 = *fields;
    PressReportFieldsButton(s, ReportFieldsButton::Report);
  }
  if (windowOf(node) == Shows::Statistic && s.windowState == kStateIdle)
    RunChosenStatistic(s, ChartChooserButton::Run, args[2] == "centuries" ? kCenturyStatistic : kDecadeStatistic);
  if (windowOf(node) == Shows::NameSearch && args.size() == 3) NameSearchType(s, Utf8ToCp1252(args[2]));
  return kOk;
}

void printCards(CliContext& c) {
  c.printLine("Label3D2(1)=" + c.session.focusCard.values[Name]);
  c.printLine("Text2(1)=" + c.session.secondCard.values[Name]);
  c.printLine("NInd(0)=" + std::to_string(c.session.NInd[0]));
  c.printLine("NInd(1)=" + std::to_string(c.session.NInd[1]));
}

void printEditCard(CliContext& c) {
  if (!c.session.editCard.visible) return;
  for (int f = 0; f < kFieldCount; ++f) c.printLine("Text1(" + std::to_string(f) + ")=" + c.session.editCard.Text1[f]);
}

void printWindow(CliContext& c, const AssistNode& node) {
  switch (windowOf(node)) {
    case Shows::Lista: PrintLista(c); break;
    case Shows::Albero: PrintAlbero(c); break;
    case Shows::Nest: PrintNest(c); break;
    case Shows::Kinship: PrintKinship(c); break;
    case Shows::Book: PrintBookWindow(c); break;
    case Shows::Navigate: PrintNavigator(c, c.session.navigate.w1); break;
    case Shows::NameSearch: PrintNameSearch(c); break;
    case Shows::Report: PrintReportGrid(c); break;
    case Shows::Statistic: PrintStatistic(c, c.options.args[2] == "centuries"); break;
    case Shows::Cards: printCards(c); break;
    case Shows::EditCard: printEditCard(c); break;
    case Shows::Nothing: break;
  }
}

}  // namespace

int RunAssist(CliContext& c) {
  if (c.options.args.size() < 2)
    return c.fail("assist takes a database file and a node (1..37 or its caption)", kUsage);
  const AssistNode* node = findNode(c.options.args[1]);
  if (!node) return c.fail("no assistant node \"" + c.options.args[1] + "\": give 1..37 or a caption", kUsage);
  if (int status = checkOptions(c, *node); status != kOk) return status;
  Fields fields;
  if (windowOf(*node) == Shows::Report && !(fields = ReportFields(c))) return kUsage;
  if (!LoadDatabase(c, c.options.args[0])) return c.fail("no database was loaded");
  if (!ApplySelection(c, true)) return kUsage;
  // The cards show the chosen individuals before the person turns to the assistant.
  ShowFocusPanel(c.session);
  AssistDblClick(c.session, node->key);
  if (int status = answerWindow(c, *node, fields); status != kOk) return status;
  printWindow(c, *node);
  return kOk;
}

}  // namespace kord::cli
