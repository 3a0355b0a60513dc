// kord book, census, navigate and sorted: the family book generator run as
// the menu, the census, the navigator buttons and the sort-key window run
// it, then the window it fills printed.

#include <ostream>

#include "book/book_commands.h"
#include "book/family_book.h"
#include "cli_context.h"
#include "db/file_set.h"
#include "lists/standard_lists.h"
#include "trees/tree_walk.h"

namespace kord::cli {
namespace {

/// A value on one output line: every line break becomes the two characters \n.
std::string oneLine(const std::string& text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    if (text[i] == '\r' || text[i] == '\n')
      out += "\\n";
    else
      out += text[i];
  }
  return out;
}

int loadOnly(CliContext& c, const char* command) {
  if (c.options.args.size() != 1) return c.fail(std::string(command) + " takes one database file", kUsage);
  if (!LoadDatabase(c, c.options.args[0])) return c.fail("no database was loaded");
  return kOk;
}

/// The whole book with the switches of the members' book, except where the
/// options say otherwise.
void runWholeBook(CliContext& c) {
  Session& s = c.session;
  SetDetailLabels(s, true);
  KeptFocus kept(s);
  s.SortKey = 0;
  s.NavigatorFocus = false;
  s.WalkAll = true;
  s.OutputToFile = c.options.outToFile;
  s.DetailLines = !c.options.noDetails;
  if (c.options.compact) s.windowState = kStateCensus;
  BuildFamilyBook(s);
  SetIdleSwitches(s);
  kept.restore();
  s.windowState = kStateIdle;
}

template <std::size_t N>
void printNumbers(CliContext& c, const char* table, const std::array<int, N>& numbers) {
  for (std::size_t k = 0; k < N; ++k)
    if (numbers[k] > 0) c.out << table << '(' << k << ")=" << numbers[k] << '\n';
}

}  // namespace

void PrintBookWindow(CliContext& c) {
  for (const auto& line : c.session.book.Liber) c.printLine(line);
}

void PrintNavigator(CliContext& c, const NavigatorBoxes& w1) {
  for (std::size_t k = 0; k < w1.size(); ++k) c.printLine("w1(" + std::to_string(k) + ")=" + oneLine(w1[k]));
  if (c.options.pictures) {
    const auto& pictures = c.session.thumb.ImgThumbnail2;
    for (std::size_t k = 0; k < pictures.size(); ++k)
      if (!pictures[k].file.empty()) c.out << "ImgThumbnail2(" << k << ")=" << BaseNameOf(pictures[k].file) << '\n';
  }
  const NavigatorNumbers& n = c.session.navigatorNumbers;
  printNumbers(c, "box", n.box);
  printNumbers(c, "child", n.childLine);
  printNumbers(c, "spouse", n.spouseLine);
}

int RunBook(CliContext& c) {
  if (int status = loadOnly(c, "book"); status != kOk) return status;
  runWholeBook(c);
  PrintBookWindow(c);
  return kOk;
}

int RunCensus(CliContext& c) {
  if (int status = loadOnly(c, "census"); status != kOk) return status;
  CensusCommand(c.session);
  PrintBookWindow(c);
  return kOk;
}

int RunNavigate(CliContext& c) {
  if (!c.options.focus) return c.fail("navigate needs --focus N", kUsage);
  if (int status = loadOnly(c, "navigate"); status != kOk) return status;
  if (!ApplySelection(c)) return kUsage;
  if (c.options.pictures) {
    PictureNavigatorCommand(c.session);
    PrintNavigator(c, c.session.thumb.w1);
  } else {
    FamilyNavigatorCommand(c.session);
    PrintNavigator(c, c.session.navigate.w1);
  }
  return kOk;
}

int RunSorted(CliContext& c) {
  if (!c.options.key) return c.fail("sorted needs --key K (a field number from 1 to 14)", kUsage);
  if (*c.options.key > 14) return c.fail("--key takes a field number from 1 to 14", kUsage);
  if (int status = loadOnly(c, "sorted"); status != kOk) return status;
  if (!SortedBookRun(c.session, *c.options.key)) return kFailed;
  PrintLista(c);
  return kOk;
}

}  // namespace kord::cli
