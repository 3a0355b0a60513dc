#pragma once
/// One run of the family book generator and its named steps. BuildFamilyBook
/// and FillVisualNavigator are the same run for two navigator windows: the
/// run knows which one it fills and where its text lines go.

#include <string>
#include <vector>

#include "book/family.h"
#include "book/html_site.h"
#include "session/session.h"

namespace kord {

enum class NavigatorKind { Navigate, Thumb };

struct BookRun {
  BookRun(Session& session, NavigatorKind navigator);

  Session& s;
  const NavigatorKind kind;
  NavigatorBoxes& w1;  ///< the boxes of the window being filled
  HtmlSiteWriter html;
  bool htmlOn = false;   ///< the HTML switch: person pages are being written
  OutputFile rel;        ///< "kord.rel" while OutputToFile is on
  int linesWritten = 0;  ///< book lines of this run
  bool firstLineOfIndividual = false;
  bool saveFailureReported = false;
  FamilyFacts family;                   ///< the individual being processed
  FamilyLinks links;                    ///< children and spouse links, indexed once per run
  std::vector<std::string> sortValues;  ///< the value of each sorted-book entry, in Liber's order

  bool thumb() const { return kind == NavigatorKind::Thumb; }
  /// Single mode: only the focus (the picture navigator always is).
  bool singleMode() const { return thumb() || !s.WalkAll; }
  bool census() const { return s.windowState == kStateCensus; }
  /// The short report of the focus alone: it fills no navigator box (the
  /// census layout has no relatives), so the navigator keeps what it shows
  /// rather than the focus's name above another individual's relatives.
  bool leavesNavigator() const { return !thumb() && singleMode() && census(); }
};

/// The whole run for `kind`: entry check, windows, walk, end of walk.
void RunFamilyBook(Session& s, NavigatorKind kind);

/// Hands `text` to the site writer at `step`, while the HTML switch is on;
/// `individual` is the one the text names (kNone: nobody).
void SendToHtml(BookRun& run, int step, const std::string& text, int individual = kNone);

/// The text sink: the line (and CR LF) to "kord.rel", and to the book
/// window or navigator box 0. Does nothing while OutputToFile is off.
void WriteBookLine(BookRun& run, const std::string& line);

// --- the navigator boxes (navigator_boxes.cpp)

/// Empties the boxes a run starts without, and the numbers behind them.
void ClearNavigatorBoxes(BookRun& run);
/// Sets box `k`; the picture navigator trims single-person boxes and
/// refreshes the picture of boxes 0..13.
void SetBoxText(BookRun& run, int k, const std::string& text);
/// The focus into box 0 with its number.
void FillFocusBox(BookRun& run);
/// Boxes 2..13 (parents, grandparents, spouse 1's parents and theirs) and the
/// spouse box 1 with the spouse-line numbers.
void FillAncestryBoxes(BookRun& run);
/// The children box 14 with the child-line numbers.
void FillChildrenBox(BookRun& run);

/// The record section of the current individual (record_section.cpp): the
/// sorted-list entry, or the events and notes in the full or census layout.
void WriteRecordSection(BookRun& run);

}  // namespace kord
