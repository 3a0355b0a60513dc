#include "book/family_book.h"

#include <algorithm>

#include "book/alphabetical_walk.h"
#include "book/book_run.h"
#include "db/codepage.h"
#include "lists/sorted_book.h"
#include "session/history.h"

namespace kord {
namespace {

/// Without a database there is no folder to write in: that counts as "DB
/// non caricato".
bool entryCheck(Session& s) {
  const int focus = s.NInd[0];
  const bool loaded = !s.DbFolder.empty();
  if (loaded && (s.WalkAll || (focus > 0 && Tables::inTable(focus)))) return true;
  if (s.English)
    s.ui.message("Individual not Defined or DB not Loaded");
  else if (loaded && focus == 0)
    s.ui.message("fare Click sull'individuo prescelto");
  else
    s.ui.message("Individuo non definito o DB non caricato");
  s.individuals.close();
  return false;
}

void showWindow(Session& s, Window w, bool& visible) {
  visible = true;
  s.ui.showWindow(w, true);
}

/// The windows of the run and its history line.
void openWindows(BookRun& run) {
  Session& s = run.s;
  if (run.thumb()) {
    showWindow(s, Window::PictureNavigatorWindow, s.thumb.visible);
  } else if (s.WalkAll && s.SortKey == 0) {
    showWindow(s, Window::BookWindow, s.book.visible);
    LogHistory(s, "Aggiornato Libro da file: " + Utf8ToCp1252(s.DbName) + s.NewLine);
    s.book.Liber.clear();
  } else if (s.WalkAll) {
    showWindow(s, Window::ListWindow, s.list.visible);
    s.list.Liber.clear();
  } else {
    LogHistory(s, "Focus navigazione su: " + s.tables.Names[s.NInd[0]] + s.NewLine);
    if (!run.leavesNavigator()) showWindow(s, Window::FamilyNavigatorWindow, s.navigate.visible);
  }
  if (s.SortKey == 0 && !run.census()) ClearNavigatorBoxes(run);
}

/// A sorted run writes no text book, so it leaves "kord.rel" as it is.
void openBookFile(BookRun& run) {
  Session& s = run.s;
  if (!s.OutputToFile || s.SortKey > 0) return;
  const std::string path = s.DbFolder + s.RelationsFile;
  run.rel.open(path);
}

std::string headerLine(const BookRun& run) {
  const std::string start = "_______ Indiv. N. " + std::to_string(run.family.focus);
  if (!run.thumb()) return start + (run.census() ? "_________" : "_________ ");
  if (!run.census()) return start + "_____________ ";
  return run.s.tables.RecordMode == "Scout" ? std::string() : start + "____________ ";
}

void writeHeader(BookRun& run) {
  const std::string header = headerLine(run);
  if (header.empty()) return;
  if (!run.thumb() && !run.census() && HasBookName(run.s.tables, run.family.focus)) {
    run.htmlOn = true;
    SendToHtml(run, 1, header);
  }
  WriteBookLine(run, header);
  SendToHtml(run, 2, run.family.name, run.family.focus);
  WriteBookLine(run, run.family.name);
}

std::string numbered(const std::string& prefix, const FamilyMember& m) {
  return prefix + m.name + " (" + std::to_string(m.number) + ")";
}

void writeChildren(BookRun& run) {
  FillChildrenBox(run);
  const auto& children = run.family.children;
  if (children.empty()) SendToHtml(run, 3, "null");
  if (!run.s.OutputToFile) return;
  for (std::size_t k = 0; k < children.size(); ++k) {
    SendToHtml(run, k == 0 ? 3 : 4, children[k].name, children[k].number);
    WriteBookLine(run, numbered("Fil.: ", children[k]));
  }
}

/// Parent A opens the parents block; parent B alone is written as a further
/// link of the block before it.
void writeParents(BookRun& run) {
  if (!run.s.OutputToFile) return;
  const FamilyMember& a = run.family.parentA;
  const FamilyMember& b = run.family.parentB;
  if (a.present()) {
    SendToHtml(run, 5, a.name, a.number);
    WriteBookLine(run, numbered(" Gen.: ", a));
  }
  if (!a.present() && !b.present()) SendToHtml(run, 5, "null");
  if (b.present()) {
    SendToHtml(run, 4, b.name, b.number);
    WriteBookLine(run, numbered(" Gen.: ", b));
  }
}

void writeSpouseLines(BookRun& run) {
  for (const auto& spouse : run.family.spouses)
    if (spouse.present()) WriteBookLine(run, numbered("-& ", spouse));
}

void writeBody(BookRun& run) {
  writeChildren(run);
  FillAncestryBoxes(run);
  writeParents(run);
  writeSpouseLines(run);
}

/// The spouse blocks end the person page: spouse 1 (or the "---" stand-in),
/// then spouses 2 and 3 when present, then the events and the page end.
void finishPersonPage(BookRun& run) {
  const auto& spouses = run.family.spouses;
  SendToHtml(run, 6, spouses[0].name, spouses[0].number);
  for (int k = 1; k < kMaxSpouses; ++k)
    if (spouses[k].present()) SendToHtml(run, 4, spouses[k].name, spouses[k].number);
  SendToHtml(run, 7, "");
}

void processIndividual(BookRun& run) {
  Session& s = run.s;
  run.family = FocusFacts(s.tables, s.NInd[0]);
  s.previousIndividual = s.NInd[0];
  run.firstLineOfIndividual = true;
  if (s.NavigatorFocus && !run.leavesNavigator()) FillFocusBox(run);
  if (s.OutputToFile && s.SortKey == 0) writeHeader(run);
  if (s.SortKey == 0) {
    GatherChildren(s.tables, run.links, run.family);
    GatherSpouseLinks(s.tables, run.links, run.family);
  }
  if (s.SortKey == 0 && !run.census()) writeBody(run);
  if (!s.OutputToFile && !s.NavigationRun) return;
  WriteRecordSection(run);
  finishPersonPage(run);
}

void walkAll(BookRun& run) {
  Session& s = run.s;
  if (s.SortKey > 0) {
    for (int i = 2; i <= std::min(s.tables.LastIndex, kTableSize - 1); ++i) {
      if (!HasBookName(s.tables, i)) continue;
      s.NInd[0] = i;
      processIndividual(run);
    }
    OrderSortedBook(s.list.Liber, run.sortValues, s.SortKey);
    return;
  }
  for (int i : AlphabeticalOrder(s.tables)) {
    s.NInd[0] = i;
    processIndividual(run);
  }
  if (run.htmlOn) run.html.CloseIndex();
}

void closeRun(BookRun& run) {
  Session& s = run.s;
  run.html.CloseAll();
  ReportOutputFailure(s, run.rel.close());
  s.individuals.close();
  if (run.thumb())
    s.ui.refresh(Window::PictureNavigatorWindow);
  else if (run.leavesNavigator())
    s.ui.refresh(Window::BookWindow);
  else if (!s.WalkAll)
    s.ui.refresh(Window::FamilyNavigatorWindow);
  else
    s.ui.refresh(s.SortKey > 0 ? Window::ListWindow : Window::BookWindow);
}

}  // namespace

BookRun::BookRun(Session& session, NavigatorKind navigator)
    : s(session),
      kind(navigator),
      w1(navigator == NavigatorKind::Thumb ? session.thumb.w1 : session.navigate.w1),
      html(session),
      links(session.tables) {}

void SendToHtml(BookRun& run, int step, const std::string& text, int individual) {
  if (!run.htmlOn) return;
  run.html.step = step;
  run.html.WriteHtmlLine(text, individual);
}

void RunFamilyBook(Session& s, NavigatorKind kind) {
  if (!entryCheck(s)) return;
  if (!(s.WalkAll && s.OutputToFile)) s.NavigatorFocus = true;
  BookRun run(s, kind);
  openWindows(run);
  openBookFile(run);
  if (run.singleMode()) {
    const int saved = s.NInd[0];
    processIndividual(run);
    s.NInd[0] = saved;
  } else {
    walkAll(run);
  }
  closeRun(run);
}

void BuildFamilyBook(Session& s) { RunFamilyBook(s, NavigatorKind::Navigate); }

}  // namespace kord
