#include "trees/draw_tree.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "db/codepage.h"
#include "trees/tree_html.h"
#include "trees/tree_lines.h"
#include "trees/tree_walk.h"

namespace kord {
namespace {

constexpr int kPageLines = 66;

/// Where the lines of one tree go, and what the drawing needs to remember.
struct TreeOutput {
  TreeOutput(Session& session, bool list) : s(session), listView(list) {}
  Session& s;
  bool listView;
  OutputFile textFile;
  int printerLine = 1;
  std::string lastPrefix;  ///< the most recent line prefix built
  bool firstItem = true;   ///< the next item is the tree's first
  bool anyFound = false;
  int lines = 0;  ///< lines of this tree so far
  /// A tree longer than kFullTreeLineLimit: each individual's branch is
  /// printed once; a repeat is one line that refers back to it.
  bool collapse = false;
  /// By index: the line of an individual's first appearance (-1 for one
  /// without a line of its own), 0 before it appeared.
  std::vector<int> firstLine;
  bool skipBranch = false;  ///< the individual just found is a repeat
};

void toPrinter(TreeOutput& out, const TreeLine& line) {
  if (++out.printerLine > kPageLines) {
    out.s.printer.newPage();
    out.printerLine = 1;
  }
  out.s.printer.printLine(CutPiece(line.prefix), CutText(line));
}

void toList(Session& s, const TreeLine& line) {
  // Items stay Windows-1252: the display decodes them, so the old list
  // font's letter substitution is not needed.
  s.treeList.Lista.push_back({CutPiece(line.prefix), WindowText(line), s.NInd[0]});
}

void toOutline(TreeOutput& out, const TreeLine& line) {
  Session& s = out.s;
  int depth = s.trees.walk.WalkDepth;
  s.treeOutline.Lista.push_back({LastPiece(line), out.firstItem ? 0 : depth + 1, s.NInd[0]});
  s.treeOutline.Text1 = s.tables.LastIndex;
  s.treeOutline.Text2 = static_cast<int>(s.treeOutline.Lista.size());
  s.treeOutline.Text3 = s.treeOutline.Lista.size() == 1 ? depth : std::max(s.treeOutline.Text3, depth);
}

void emitLine(TreeOutput& out, const TreeLine& line) {
  Session& s = out.s;
  if (out.textFile.is_open()) out.textFile << CutPiece(line.prefix) << CutText(line) << "\r\n";
  if (s.PrintImmediately) toPrinter(out, line);
  if (out.listView)
    toList(s, line);
  else
    toOutline(out, line);
  out.firstItem = false;
  ++out.lines;
}

/// A line with a prefix: the HTML writer's indentation follows it.
void emitPrefixedLine(TreeOutput& out, const TreeLine& line) {
  out.s.trees.LineIndent = static_cast<int>(line.prefix.size());
  out.lastPrefix = line.prefix;
  emitLine(out, line);
}

void emitDetails(TreeOutput& out, int v) {
  for (const TreeLine& line : DetailBlock(out.s, v)) emitPrefixedLine(out, line);
}

void openWindow(Session& s, bool listView) {
  (listView ? s.treeList.visible : s.treeOutline.visible) = true;
  s.ui.showWindow(listView ? Window::TreeListWindow : Window::TreeOutlineWindow, true);
}

void drawRoot(TreeOutput& out) {
  Session& s = out.s;
  int root = s.NInd[0];
  s.trees.HtmlPage.clear();
  std::string title = s.tables.Names[root] + " (" + std::to_string(root) + ")";
  EmitTreeHtml(s, TreePageStep::Start, title);
  emitLine(out, {"", {title}});
}

std::string nodeText(const Session& s, int x) {
  const std::string& name = s.tables.Names[x];
  if (s.trees.AncestorMode) return name;
  std::string text = s.trees.walk.CoParentLabel + name;
  if (x == s.markedFocus || x == s.markedSecond) text += kKinMarker;
  return text;
}

/// A repeat is drawn as a leaf: its line, then the walk climbs straight back.
void onFound(TreeOutput& out, int x) {
  Session& s = out.s;
  out.anyFound = true;
  if (s.CardWithTree) emitDetails(out, s.detailIndividual);
  std::string prefix = s.trees.DrawPrefix + s.trees.walk.Connector;
  s.trees.LineIndent = static_cast<int>(prefix.size());
  out.lastPrefix = prefix;
  const bool repeat = out.collapse && out.firstLine[x] != 0;
  if (out.collapse && !repeat) out.firstLine[x] = -1;
  if (!(s.trees.AncestorMode && s.tables.Names[x].empty())) {
    std::string text = nodeText(s, x);
    if (repeat) text += RepeatNote(s, out.firstLine[x]);
    emitLine(out, {prefix, {text}});
    EmitTreeHtml(s, TreePageStep::Line, text);
    if (out.collapse && !repeat) out.firstLine[x] = out.lines;
  }
  DescendWalk(s);
  s.detailIndividual = repeat ? 0 : x;  // a repeat's details stand at its first line
  out.skipBranch = repeat;
}

/// Leaving a level: a branch whose last line has only corners and blanks in
/// front of it closes its level on the page.
void onClimb(TreeOutput& out) {
  const std::string& p = out.lastPrefix;
  if (p.find(kBar) == std::string::npos && p.find(kTee) == std::string::npos)
    EmitTreeHtml(out.s, TreePageStep::ClimbOut, "");
  ClimbWalk(out.s);
}

void onEnd(TreeOutput& out) {
  Session& s = out.s;
  s.trees.DetailBar = "   ";
  if (out.anyFound && s.CardWithTree) emitDetails(out, s.detailIndividual);
  EmitTreeHtml(s, TreePageStep::End, "");
}

void walkTree(TreeOutput& out) {
  Session& s = out.s;
  const TreeWalk& w = s.trees.walk;
  while (true) {
    if (std::exchange(out.skipBranch, false))
      s.trees.walk.StepResult = kNone;
    else
      StepWalk(s);
    if (w.StepResult != kNone)
      onFound(out, w.StepResult);
    else if (w.WalkDepth == 0)
      break;
    else
      onClimb(out);
  }
  onEnd(out);
}

/// A tree page renamed so as not to overwrite a person's page is told.
void sayWhenRenamed(Session& s) {
  const std::string wanted = TreeFileName(s, s.NInd[0], s.trees.AncestorMode) + ".html";
  const std::string given = Utf8ToCp1252(TreePageStem(s, s.NInd[0], s.trees.AncestorMode)) + ".html";
  if (given == wanted) return;
  s.ui.message(s.text("\"" + wanted + "\" \xE8 la pagina di una persona: l'albero \xE8 scritto in \"" + given + "\"",
                      "\"" + wanted + "\" is the page of a person: the tree is written to \"" + given + "\""));
}

/// Past kFullTreeLineLimit lines, detail lines included, each branch is shown once.
void decideCollapse(TreeOutput& out) {
  Session& s = out.s;
  const std::vector<int> details = s.CardWithTree ? DetailLineCounts(s) : std::vector<int>();
  if (CountWalk(s, kFullTreeLineLimit, false, details) <= kFullTreeLineLimit) return;
  out.collapse = true;
  out.firstLine.assign(kTableSize, 0);
  out.firstLine[s.NInd[0]] = 1;  // the root's line
}

void startTree(Session& s) {
  SetDetailLabels(s, false);
  s.trees.DetailBar = std::string(1, kBar) + "  ";
  s.trees.LineIndent = 0;
  s.trees.PrevLineIndent = 0;
  StartWalk(s);
  s.trees.TreeFileBase = TreeFileBaseFor(s, s.NInd[0], s.trees.AncestorMode);
  sayWhenRenamed(s);
}

void writeFiles(TreeOutput& out) {
  Session& s = out.s;
  ReportOutputFailure(s, out.textFile.close());
  ReportOutputFailure(s, WriteFileAtomically(s.trees.TreeFileBase + "html", s.trees.HtmlPage));
  s.trees.HtmlPage.clear();
}

}  // namespace

void DrawTree(Session& s, TreeView view) {
  KeptFocus kept(s);
  if (s.NInd[0] <= 0 || !Tables::inTable(s.NInd[0])) {
    s.ui.message(s.text("Individuo non Definito", "Individual not Defined"));
    return;
  }
  startTree(s);
  TreeOutput out(s, view == TreeView::List);
  openWindow(s, out.listView);
  if (s.OutputToFile) out.textFile.open(s.trees.TreeFileBase + "txt");
  s.detailIndividual = s.NInd[0];
  decideCollapse(out);
  drawRoot(out);
  walkTree(out);
  writeFiles(out);
  kept.restore();
  s.ui.refresh(out.listView ? Window::TreeListWindow : Window::TreeOutlineWindow);
}

}  // namespace kord
