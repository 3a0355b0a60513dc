// kord assist: a phrase of the assistant double-clicked, then what the person
// would do in the window its command opens (the sort key, the report fields,
// the chart, the typed name), then that window printed exactly as the
// command's own subcommand prints it.

#include <charconv>

#include "book/book_commands.h"
#include "cli_context.h"
#include "db/codepage.h"
#include "lists/name_search.h"
#include "lists/report.h"
#include "app/assistant.h"
#include "records/focus_panel.h"
#include "stats/statistics_command.h"

namespace kord::cli {
namespace {

/// The window a node's command fills, by the node's place in the tree.
enum class Shows { Nothing, Lista, Albero, Nest, Kinship, Book, Navigate, NameSearch, Report, Statistic, Cards, EditCard };

Shows windowOf(int position) {
  switch (position) {
    case 7: case 8: case 11: case 17: case 25: case 26: case 36: case 37: return Shows::Lista;
    case 21: case 22: return Shows::Albero;
    case 23: case 24: return Shows::Nest;
    case 32: case 33: return Shows::Kinship;
    case 18: case 30: return Shows::Book;
    case 6: case 9: return Shows::Navigate;
    case 5: case 16: case 34: return Shows::NameSearch;
    case 29: return Shows::Report;
    case 19: return Shows::Statistic;
    case 35: return Shows::Cards;
    case 14: case 15: return Shows::EditCard;
    default: return Shows::Nothing;
  }
}

bool isSortedList(int position) { return position == 8 || position == 26; }

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
  if (isSortedList(node.position) && (!c.options.key || *c.options.key > 14))
    return c.fail(what + " opens the sort-key window: give --key K (a field number from 1 to 14)", kUsage);
  if (node.position == 29 && !c.options.fields)
    return c.fail(what + " opens the field chooser: give --fields with field numbers 1..13", kUsage);
  if (node.position == 19 && (args.size() != 3 || (args[2] != "centuries" && args[2] != "decades")))
    return c.fail(what + " opens the chart chooser: add centuries or decades", kUsage);
  const bool typed = windowOf(node.position) == Shows::NameSearch;
  if (args.size() > (typed || node.position == 19 ? 3u : 2u))
    return c.fail("assist takes a database file and a node" + std::string(typed ? " and a text to type" : ""),
                  kUsage);
  return kOk;
}

using Fields = std::optional<std::array<bool, 13>>;

/// What the person does in the window the command left open.
int answerWindow(CliContext& c, int position, const Fields& fields) {
  Session& s = c.session;
  const auto& args = c.options.args;
  // The node's command turns the whole-walk switches on when it opens the key window.
  if (isSortedList(position) && s.WalkAll && !SortedBookRun(s, *c.options.key)) return kFailed;
  if (position == 29 && s.windowState == kStateReportChooser) {
    s.report.Check1 = *fields;
    CampiReportButton(s, 1);
  }
  if (position == 19 && s.windowState == kStateIdle) RunChosenStatistic(s, 0, args[2] == "centuries" ? 0 : 1);
  if (windowOf(position) == Shows::NameSearch && args.size() == 3) NameSearchType(s, Utf8ToCp1252(args[2]));
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

void printWindow(CliContext& c, int position) {
  switch (windowOf(position)) {
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
  if (c.options.args.size() < 2) return c.fail("assist takes a database file and a node (1..37 or its caption)", kUsage);
  const AssistNode* node = findNode(c.options.args[1]);
  if (!node) return c.fail("no assistant node \"" + c.options.args[1] + "\": give 1..37 or a caption", kUsage);
  if (int status = checkOptions(c, *node); status != kOk) return status;
  Fields fields;
  if (node->position == 29 && !(fields = ReportFields(c))) return kUsage;
  if (!LoadDatabase(c, c.options.args[0])) return c.fail("no database was loaded");
  if (!ApplySelection(c, true)) return kUsage;
  // The cards show the chosen individuals before the person turns to the assistant.
  ShowFocusPanel(c.session);
  AssistDblClick(c.session, node->key);
  if (int status = answerWindow(c, node->position, fields); status != kOk) return status;
  printWindow(c, node->position);
  return kOk;
}

}  // namespace kord::cli
