#include "trees/common_kin.h"

#include <algorithm>
#include <fstream>

#include "shell/focus_panel.h"
#include "shell/printing.h"
#include "trees/draw_tree.h"
#include "trees/relationship_text.h"
#include "trees/tree_lines.h"
#include "trees/tree_walk.h"

namespace kord {
namespace {

enum class KinPhase { Collect, Compare };

struct KinOutput {
  explicit KinOutput(Session& session) : s(session) {}
  Session& s;
  std::ofstream file;
  KinPhase phase = KinPhase::Collect;
  int firstLevel = -1;  ///< the level at which FirstCommon was found
};

const std::string& nameOf(const Session& s, int x) {
  static const std::string none;
  return Tables::inTable(x) ? s.tables.Names[x] : none;
}

/// An Albero item; the file gets `fileText` alone, cut to 80.
void emit(KinOutput& out, const std::string& drawing, const std::string& text, const std::string& fileText) {
  out.s.albero.Lista.push_back({drawing, text, out.s.NInd[0]});
  if (out.file.is_open()) out.file << CutPiece(fileText) << "\r\n";
}

void emitText(KinOutput& out, const std::string& drawing, const std::string& text) {
  emit(out, drawing, text, text);
}

void emitDetails(KinOutput& out, int v) {
  for (const TreeLine& line : DetailBlock(out.s, v)) {
    std::string text;
    for (const auto& piece : line.pieces) text += piece;
    emitText(out, line.prefix, text);
  }
}

bool detailsWanted(const Session& s) { return s.CardWithTree && s.ShowCard; }

void compare(KinOutput& out, int x, std::string& text) {
  Session& s = out.s;
  int depth = s.trees.walk.WalkDepth;
  const std::string& marker = s.trees.AncestorMode ? kCommonAncestorMarker : kCommonDescendantMarker;
  for (int collected : s.trees.KinSet) {
    if (collected != x) continue;
    text += marker;
    if (out.firstLevel == depth && s.FirstCommon > 0 && x != s.FirstCommon) s.SecondCommon = x;
    if (s.FirstCommon == kNone) {
      s.FirstCommon = x;
      out.firstLevel = depth;
    }
  }
}

void handle(KinOutput& out, int x, std::string& text) {
  if (out.phase == KinPhase::Collect)
    out.s.trees.KinSet.push_back(x);
  else
    compare(out, x, text);
}

void onFound(KinOutput& out, int x) {
  Session& s = out.s;
  if (detailsWanted(s)) emitDetails(out, s.VNind);
  std::string prefix = s.trees.DrawPrefix + s.trees.walk.Connector;
  const std::string& name = nameOf(s, x);
  if (name.empty()) return;
  std::string text = s.trees.AncestorMode ? name : s.trees.walk.CoParentLabel + name;
  handle(out, x, text);
  emitText(out, prefix, text);
}

bool counts(const Session& s, int x) { return s.trees.AncestorMode ? x > 0 : x > -1; }

/// One tree from NInd(0). Past MaxGenerations an ancestor walk stays on its
/// level; a run there longer than the tables can only be a loop in the
/// links, and ends the level.
void kinWalk(KinOutput& out) {
  Session& s = out.s;
  const TreeWalk& w = s.trees.walk;
  int root = s.NInd[0];
  StartWalk(s);
  s.VNind = root;
  std::string ignored;
  handle(out, root, ignored);
  emitText(out, "", nameOf(s, root) + " (" + std::to_string(root) + ")");
  int sameLevelRun = 0;
  while (true) {
    StepWalk(s);
    int x = w.StepResult;
    if (counts(s, x) && sameLevelRun < kTableSize) {
      onFound(out, x);
      bool deepen = w.WalkDepth < std::max(s.MaxGenerations, 0);
      sameLevelRun = deepen ? 0 : sameLevelRun + 1;
      DescendWalk(s, deepen);
      s.VNind = x;
    } else if (w.WalkDepth == 0) {
      break;
    } else {
      ClimbWalk(s);
      sameLevelRun = 0;
    }
  }
  if (!detailsWanted(s)) return;
  s.trees.DetailBar = "   ";
  emitDetails(out, s.VNind);
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
  std::string number = Trim(s.skeda.values[Num]);
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
  s.albero.visible = true;
  s.ui.showWindow(Window::Albero, true);
  KinOutput out(s);
  if (s.OutputToFile) out.file.open(s.DbFolder + s.KinListFile, std::ios::binary | std::ios::trunc);
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
  s.NInd[0] = focus;
  // The window alone: kord.kor keeps its layout.
  std::string relationship = FocusRelationshipLine(s);
  if (!relationship.empty()) s.albero.Lista.push_back({"", relationship, focus});
  s.ui.refresh(Window::Albero);
  ShowFocusPanel(s);
}

void Parentele(Session& s, int index) {
  s.NInd[0] = cardIndividual(s);
  if (s.NInd[1] <= 0 || s.NInd[0] <= 1) {
    s.ui.message(kSelectTwo);
    return;
  }
  s.CommonKind = index == 1;
  s.trees.AncestorMode = !s.CommonKind;
  CommonKin(s);
}

void SkedaParentele(Session& s) {
  if (s.NInd[1] <= 0 || s.NInd[0] <= 0) {
    s.ui.message(kSelectTwo);
    return;
  }
  int focus = s.NInd[0];
  s.SavInd0 = focus;
  s.SavInd1 = s.NInd[1];
  s.NInd[0] = s.FirstCommon;
  s.trees.AncestorMode = false;
  DrawTree(s, kOutlineView);
  s.NInd[0] = focus;
  EndPrinterDocument(s, TreeFileName(s, s.FirstCommon, false));
}

}  // namespace kord
