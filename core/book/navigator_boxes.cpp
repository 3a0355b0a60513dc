// The sixteen navigator boxes and the numbers behind them, for both
// navigator windows; the picture navigator also refreshes the pictures.

#include "book/book_run.h"
#include "book/visual_navigator.h"

namespace kord {
namespace {

/// A name in a single-person box: the picture navigator shows it trimmed.
std::string personText(const BookRun& run, const std::string& name) { return run.thumb() ? Trim(name) : name; }

void setPersonBox(BookRun& run, int k, const FamilyMember& m) {
  if (!m.present()) return;
  run.s.navigatorNumbers.box[k] = m.number;
  SetBoxText(run, k, personText(run, m.name));
}

/// A box of one person with that person's two parents in two more boxes.
void setPersonWithParents(BookRun& run, int k, const FamilyMember& m, int firstParentBox, int secondParentBox) {
  if (!m.present()) return;
  setPersonBox(run, k, m);
  auto [first, second] = ParentsOf(run.s.tables, m.number);
  setPersonBox(run, firstParentBox, first);
  setPersonBox(run, secondParentBox, second);
}

/// Box 1 holds one spouse a line. It is emptied only when a run starts, so
/// a whole-book run piles up every individual's spouses. The picture
/// navigator first shows spouse 1 alone, for the picture of the box.
void fillSpouseBox(BookRun& run) {
  Session& s = run.s;
  const auto& spouses = run.family.spouses;
  for (int k = 0; k < kMaxSpouses; ++k) {
    if (!spouses[k].present()) continue;
    s.navigatorNumbers.spouseLine[k] = spouses[k].number;
    if (k == 0 && run.thumb()) {
      SetBoxText(run, kBoxSpouses, spouses[0].name);
      run.w1[kBoxSpouses] = spouses[0].name + s.NewLine;
    } else {
      run.w1[kBoxSpouses] += spouses[k].name + s.NewLine;
    }
  }
}

}  // namespace

void ClearNavigatorBoxes(BookRun& run) {
  NavigatorNumbers& numbers = run.s.navigatorNumbers;
  const int keptBox = run.thumb() ? 0 : -1;  // Thumb keeps its focus box
  for (int k = 0; k < static_cast<int>(run.w1.size()); ++k)
    if (k != keptBox) SetBoxText(run, k, {});
  const int keptNumber = numbers.box[0];
  numbers = {};
  if (run.thumb()) numbers.box[0] = keptNumber;
}

void SetBoxText(BookRun& run, int k, const std::string& text) {
  run.w1[k] = text;
  if (run.thumb() && k < static_cast<int>(run.s.thumb.ImgThumbnail2.size())) RefreshThumbPicture(run.s, k);
}

void FillFocusBox(BookRun& run) {
  run.s.navigatorNumbers.box[0] = run.family.focus;
  SetBoxText(run, 0, personText(run, run.family.name));
}

void FillAncestryBoxes(BookRun& run) {
  const FamilyFacts& f = run.family;
  setPersonWithParents(run, 10, f.parentA, 2, 3);
  setPersonWithParents(run, 11, f.parentB, 4, 5);
  fillSpouseBox(run);
  if (!f.spouses[0].present()) return;
  auto [first, second] = ParentsOf(run.s.tables, f.spouses[0].number);
  setPersonWithParents(run, 12, first, 6, 7);
  setPersonWithParents(run, 13, second, 8, 9);
}

void FillChildrenBox(BookRun& run) {
  std::string text;
  const auto& children = run.family.children;
  for (std::size_t k = 0; k < children.size(); ++k) {
    run.s.navigatorNumbers.childLine[k] = children[k].number;
    if (k > 0) text += run.s.NewLine;
    text += children[k].name;
  }
  SetBoxText(run, kBoxChildren, text);
}

}  // namespace kord
