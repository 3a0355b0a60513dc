#include "trees/common_kin.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "records/focus_panel.h"
#include "relations/relationship_text.h"
#include "session/printing.h"
#include "trees/draw_tree.h"
#include "trees/tree_lines.h"
#include "trees/tree_walk.h"

namespace kord {
namespace {

enum class KinPhase { Collect, Compare };

/// An individual collected more often than this is marked this many times:
/// with heavy pedigree collapse one line could carry thousands of markers.
constexpr int kMaxMarkers = 4;

struct KinOutput {
  explicit KinOutput(Session& session) : s(session), timesCollected(kTableSize, 0) {}
  Session& s;
  OutputFile file;
  KinPhase phase = KinPhase::Collect;
  int firstLevel = -1;  ///< the level at which FirstCommon was found
  /// By index: how often the first walk collected the individual, so that
  /// the second walk matches each individual once.
  std::vector<int> timesCollected;
  int lines = 0;  ///< lines of the walk so far
  /// A walk longer than kFullTreeLineLimit: each branch once (see DrawTree).
  bool collapse = false;
  std::vector<int> firstLine;
  bool skipBranch = false;
};

const std::string& nameOf(const Session& s, int x) {
  static const std::string none;
  return Tables::inTable(x) ? s.tables.Names[x] : none;
}

/// An Albero item; the file gets `fileText` alone, cut to 80.
void emit(KinOutput& out, const std::string& drawing, const std::string& text, const std::string& fileText) {
  out.s.treeList.Lista.push_back({drawing, text, out.s.NInd[0]});
  if (out.file.is_open()) out.file << CutPiece(fileText) << "\r\n";
  ++out.lines;
}

void emitText(KinOutput& out, const std::string& drawing, const std::string& text) { emit(out, drawing, text, text); }

void emitDetails(KinOutput& out, int v) {
  for (const TreeLine& line : DetailBlock(out.s, v)) {
    std::string text;
    for (const auto& piece : line.pieces) text += piece;
    emitText(out, line.prefix, text);
  }
}

bool detailsWanted(const Session& s) { return s.CardWithTree && s.ShowCard; }

/// One marker per time x was collected (up to kMaxMarkers).
void compare(KinOutput& out, int x, std::string& text) {
  Session& s = out.s;
  const int times = out.timesCollected[x];
  if (times == 0) return;
  const std::string& marker = s.trees.AncestorMode ? kCommonAncestorMarker : kCommonDescendantMarker;
  for (int i = 0; i < std::min(times, kMaxMarkers); ++i) text += marker;
  const int depth = s.trees.walk.WalkDepth;
  if (out.firstLevel == depth && s.FirstCommon > 0 && x != s.FirstCommon) s.SecondCommon = x;
  if (s.FirstCommon == kNone) {
    s.FirstCommon = x;
    out.firstLevel = depth;
  }
}

void handle(KinOutput& out, int x, std::string& text) {
  if (out.phase == KinPhase::Compare) {
    compare(out, x, text);
    return;
  }
  if (out.timesCollected[x]++ == 0) out.s.trees.KinSet.push_back(x);
}

/// True when x is a repeat whose branch was shown already.
bool onFound(KinOutput& out, int x) {
  Session& s = out.s;
  if (detailsWanted(s)) emitDetails(out, s.detailIndividual);
  std::string prefix = s.trees.DrawPrefix + s.trees.walk.Connector;
  const bool repeat = out.collapse && out.firstLine[x] != 0;
  if (out.collapse && !repeat) out.firstLine[x] = -1;
  const std::string& name = nameOf(s, x);
  if (name.empty()) return repeat;
  std::string text = s.trees.AncestorMode ? name : s.trees.walk.CoParentLabel + name;
  handle(out, x, text);
  if (repeat) text += RepeatNote(s, out.firstLine[x]);
  emitText(out, prefix, text);
  if (out.collapse && !repeat) out.firstLine[x] = out.lines;
  return repeat;
}

bool counts(const Session& s, int x) { return s.trees.AncestorMode ? x > 0 : x > -1; }

/// The root's line; a walk too long to show whole shows each branch once.
void startKinWalk(KinOutput& out, int root) {
  Session& s = out.s;
  out.lines = 0;
  const std::vector<int> details = detailsWanted(s) ? DetailLineCounts(s) : std::vector<int>();
  out.collapse = CountWalk(s, kFullTreeLineLimit, true, details) > kFullTreeLineLimit;
  out.firstLine.assign(out.collapse ? kTableSize : 0, 0);
  StartWalk(s);
  s.detailIndividual = root;
  std::string ignored;
  handle(out, root, ignored);
  emitText(out, "", nameOf(s, root) + " (" + std::to_string(root) + ")");
  if (out.collapse) out.firstLine[root] = 1;
}

/// One tree from NInd(0). Past MaxGenerations an ancestor walk stays on its
/// level; a run there longer than the tables can only be a loop in the
/// links, and ends the level.
void kinWalk(KinOutput& out) {
  Session& s = out.s;
  const TreeWalk& w = s.trees.walk;
  startKinWalk(out, s.NInd[0]);
  int sameLevelRun = 0;
  while (true) {
    if (std::exchange(out.skipBranch, false))
      s.trees.walk.StepResult = kNone;
    else
      StepWalk(s);
    int x = w.StepResult;
    if (counts(s, x) && sameLevelRun < kTableSize) {
      const bool repeat = onFound(out, x);
      bool deepen = w.WalkDepth < std::max(s.MaxGenerations, 0);
      sameLevelRun = deepen ? 0 : sameLevelRun + 1;
      DescendWalk(s, deepen);
      s.detailIndividual = repeat ? 0 : x;
      // Past the generation limit the walk stays on its level: only a chain
      // of first parents, nothing to cut short.
      out.skipBranch = repeat && deepen;
    } else if (w.WalkDepth == 0) {
      break;
    } else {
      ClimbWalk(s);
      sameLevelRun = 0;
    }
  }
  if (!detailsWanted(s)) return;
  s.trees.DetailBar = "   ";
  emitDetails(out, s.detailIndividual);
}

void emitAnswer(KinOutput& out) {
  Session& s = out.s;
  bool ancestors = s.trees.AncestorMode;
  std::string prefix = ancestors ? "Primi Antenati comuni: " : "Primi Discendenti comuni: ";
  std::string rest = ancestors ? " Non trovati Ascendenti comuni" : " Non trovati Discendenti comuni";
  if (s.FirstCommon > 0) rest = nameOf(s, s.FirstCommon);
  if (s.SecondCommon > 0) rest += ", " + nameOf(s, s.SecondCommon);
  emit(out, "", prefix + rest, rest);
}

void startKin(Session& s) {
  s.trees.KinSet.clear();
  s.FirstCommon = kNone;
  s.SecondCommon = kNone;
  SetDetailLabels(s, false);
}

/// The record number the focus card shows, as an index; NInd(0) when the
/// card shows none.
int cardIndividual(const Session& s) {
  std::string number = Trim(s.focusCard.values[Num]);
  return number.empty() ? s.NInd[0] : static_cast<int>(NumericValue(number)) + 1;
}

}  // namespace

void CommonKin(Session& s) {
  startKin(s);
  if (s.NInd[0] <= 0 || !Tables::inTable(s.NInd[0])) {
    s.ui.message(s.text("Individuo non Definito", "Individual not Defined"));
    return;
  }
  s.trees.DetailBar = std::string(1, kBar) + "  ";
  s.treeList.visible = true;
  s.ui.showWindow(Window::TreeListWindow, true);
  KinOutput out(s);
  if (s.OutputToFile) out.file.open(s.DbFolder + s.KinListFile);
  // Saved before the walk: past the generation limit a walk can end away from its root.
  int focus = s.NInd[0];
  kinWalk(out);
  s.NInd[0] = s.NInd[1];
  out.phase = KinPhase::Compare;
  emitText(out, "", "");
  kinWalk(out);
  emitText(out, "", "");
  emitText(out, "", "");
  emitAnswer(out);
  ReportOutputFailure(s, out.file.close());
  s.NInd[0] = focus;
  // The window alone: kord.kor keeps its layout.
  std::string relationship = FocusRelationshipLine(s);
  if (!relationship.empty()) s.treeList.Lista.push_back({"", relationship, focus});
  s.ui.refresh(Window::TreeListWindow);
  ShowFocusPanel(s);
}

void FindCommonKin(Session& s, KinDirection direction) {
  s.NInd[0] = cardIndividual(s);
  if (s.NInd[1] <= 0 || s.NInd[0] <= 1) {
    s.ui.message(kSelectTwo);
    return;
  }
  s.CommonKind = direction == KinDirection::Descendants;
  s.trees.AncestorMode = !s.CommonKind;
  CommonKin(s);
}

void ShowKinshipOutline(Session& s) {
  if (s.NInd[1] <= 0 || s.NInd[0] <= 0) {
    s.ui.message(kSelectTwo);
    return;
  }
  int focus = s.NInd[0];
  s.markedFocus = focus;
  s.markedSecond = s.NInd[1];
  s.NInd[0] = s.FirstCommon;
  s.trees.AncestorMode = false;
  DrawTree(s, TreeView::Outline);
  s.NInd[0] = focus;
  EndPrinterDocument(s, TreeFileName(s, s.FirstCommon, false));
}

}  // namespace kord
