#include "book/book_commands.h"

#include <algorithm>
#include <optional>

#include "book/family_book.h"
#include "book/visual_navigator.h"
#include "lists/standard_lists.h"
#include "records/focus_panel.h"
#include "records/record_card.h"
#include "trees/tree_walk.h"

namespace kord {
namespace {

constexpr const char* kCloseWindowsFirst = "Chiudere le finestre secondarie prima di generare il censimento";

/// Runs the generator with the focus saved around it and the idle switches
/// afterwards.
void runAndRestore(Session& s) {
  SetDetailLabels(s, true);
  KeptFocus kept(s);
  BuildFamilyBook(s);
  SetIdleSwitches(s);
}

/// The run in the census state, for the two census commands.
void runInCensusState(Session& s, bool wholeBook) {
  if (s.windowState != kStateIdle) {
    s.ui.message(kCloseWindowsFirst);
    return;
  }
  s.windowState = kStateCensus;
  s.SortKey = 0;
  if (wholeBook) SetWholeWalkSwitches(s);
  runAndRestore(s);
  s.windowState = kStateIdle;
}

void navigatorButton(Session& s, void (*fill)(Session&)) {
  if (!HasFocusOrWalk(s)) return;
  SetDetailLabels(s, true);
  s.OutputToFile = false;
  s.NavigationRun = true;
  fill(s);
  s.NavigationRun = false;
}

/// The individual behind a line of the spouse or children box.
std::optional<int> lineIndividual(const std::string& text, int caretPos, const int* numbers, std::size_t count) {
  if (caretPos < 0 || static_cast<std::size_t>(caretPos) >= text.size()) return std::nullopt;
  const auto line = static_cast<std::size_t>(std::count(text.begin(), text.begin() + caretPos, '\r'));
  if (line >= count) return std::nullopt;
  return numbers[line];
}

std::optional<int> clickedIndividual(const Session& s, const NavigatorBoxes& w1, int box, int caretPos) {
  const NavigatorNumbers& n = s.navigatorNumbers;
  std::optional<int> found;
  if (box == kBoxSpouses)
    found = lineIndividual(w1[box], caretPos, n.spouseLine.data(), n.spouseLine.size());
  else if (box == kBoxChildren)
    found = lineIndividual(w1[box], caretPos, n.childLine.data(), n.childLine.size());
  else if (box >= 0 && box < static_cast<int>(n.box.size()))
    found = n.box[box];
  if (found && *found <= 0) return std::nullopt;
  return found;
}

void boxClick(Session& s, const NavigatorBoxes& w1, int box, int caretPos, void (*fill)(Session&)) {
  s.NavigationRun = true;
  if (auto target = clickedIndividual(s, w1, box, caretPos)) s.NInd[0] = *target;
  SetDetailLabels(s, true);
  s.OutputToFile = false;
  fill(s);
  s.cachedFocusRecord.reset();
  ShowFocusPanel(s);
  if (!s.NewRecordMode) ShowRecordCard(s);
}

}  // namespace

void FamilyBookCommand(Session& s) {
  if (!HasFocusOrWalk(s)) return;
  s.SortKey = 0;
  runAndRestore(s);
}

void ShortReportCommand(Session& s) {
  if (!HasFocusOrWalk(s)) return;
  runInCensusState(s, false);
}

void WholeFamilyBook(Session& s) {
  s.SortKey = 0;
  SetWholeWalkSwitches(s);
  runAndRestore(s);
}

void CensusCommand(Session& s) {
  if (!HasFocusOrWalk(s)) return;
  runInCensusState(s, true);
}

void SortedBookStart(Session& s) {
  if (!HasFocusOrWalk(s)) return;
  s.savedFocus = s.NInd[0];
  SetWholeWalkSwitches(s);
  s.ui.showWindow(Window::SortKeyDialog, true);
}

void SortedBookClose(Session& s) {
  s.ui.showWindow(Window::SortKeyDialog, false);
  SetIdleSwitches(s);
  s.NInd[0] = s.savedFocus;
  s.SortKey = 0;
}

bool SortedBookRun(Session& s, int sortKey) {
  if (sortKey < 1) {
    s.ui.message("Selezionare un campo");
    return false;
  }
  s.SortKey = sortKey;
  SetWholeWalkSwitches(s);
  runAndRestore(s);
  s.SortKey = 0;
  return true;
}

void FamilyNavigatorCommand(Session& s) { navigatorButton(s, BuildFamilyBook); }

void NavigatorFromMenu(Session& s) {
  SetDetailLabels(s, true);
  s.OutputToFile = false;
  BuildFamilyBook(s);
}

void PictureNavigatorCommand(Session& s) { navigatorButton(s, FillVisualNavigator); }

void NavigatorBoxClick(Session& s, int box, int caretPos) {
  boxClick(s, s.navigate.w1, box, caretPos, BuildFamilyBook);
}

void PictureNavigatorBoxClick(Session& s, int box, int caretPos) {
  boxClick(s, s.thumb.w1, box, caretPos, FillVisualNavigator);
}

}  // namespace kord
