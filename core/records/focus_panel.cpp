#include "records/focus_panel.h"

#include <filesystem>

#include "db/codepage.h"
#include "relations/relationship_text.h"

namespace kord {
namespace {

void fillCard(CardModel& card, const PersonRecord& record) {
  for (int f = 0; f < kFieldCount; ++f) card.values[f] = TrimRight(record.raw(static_cast<Field>(f)));
}

bool isFile(const std::string& path) {
  std::error_code ec;
  return std::filesystem::is_regular_file(path, ec);
}

void refreshCommonRelatives(Session& s) {
  auto& names = s.focusCard.PrimoParNome;
  names[2] = s.CommonKind ? "Primi discendenti comuni" : "Primi ascendenti comuni";
  names[0].clear();
  names[1].clear();
  if (Tables::inTable(s.FirstCommon) && s.FirstCommon > 0) names[0] = s.tables.Names[s.FirstCommon];
  if (Tables::inTable(s.SecondCommon) && s.SecondCommon > 0) names[1] = s.tables.Names[s.SecondCommon];
  s.focusCard.relationshipLine = FocusRelationshipLine(s);
}

void refreshFocusCard(Session& s) {
  if (s.NInd[0] <= 0 || s.cachedFocusRecord == s.NInd[0] - 1) return;
  OpenIndividualsFileForViews(s);
  if (s.NInd[0] < 2) s.NInd[0] = 2;
  ReadFocusRecord(s);
  FillFocusCard(s);
  s.focusCard.visible = true;
  s.ui.showWindow(Window::FocusCard, true);
  s.individuals.close();
}

void refreshSecondCard(Session& s) {
  if (s.NInd[1] <= 0 || s.cachedSecondRecord == s.NInd[1] - 1) return;
  OpenIndividualsFileForViews(s);
  ReadSecondRecord(s);
  FillSecondCard(s);
  s.secondCard.visible = true;
  s.ui.showWindow(Window::SecondCard, true);
  s.individuals.close();
}

}  // namespace

void ShowFocusPanel(Session& s) {
  if (s.windowState == kStateStart) s.windowState = kStateIdle;
  if (s.windowState != kStateIdle) return;
  refreshFocusCard(s);
  refreshSecondCard(s);
  refreshCommonRelatives(s);
  if (s.NInd[0] > 0) {
    std::string picture = PicturePathFor(s.DbFolder, s.focusCard.values[Name]);
    if (!picture.empty()) s.focusCard.picturePath = picture;
    s.ui.refresh(Window::FocusCard);
  }
  if (s.NInd[1] > 0) {
    std::string picture = PicturePathFor(s.DbFolder, s.secondCard.values[Name]);
    if (!picture.empty()) s.secondCard.picturePath = picture;
    s.ui.refresh(Window::SecondCard);
  }
}

void FillFocusCard(Session& s) { fillCard(s.focusCard, s.record); }
void FillSecondCard(Session& s) { fillCard(s.secondCard, s.record); }

std::string PicturePathFor(const std::string& folder, const std::string& cp1252Name) {
  std::string name = Cp1252ToUtf8(Trim(cp1252Name)) + ".jpg";
  if (IsPlainFileName(name) && isFile(folder + name)) return folder + name;
  if (isFile(folder + "initial.jpg")) return folder + "initial.jpg";
  return {};
}

void CloseRecordCard(Session& s, Selection selection) {
  const bool focus = selection == Selection::Focus;
  (focus ? s.focusCard : s.secondCard).visible = false;
  (focus ? s.cachedFocusRecord : s.cachedSecondRecord).reset();
}

void SwapSelections(Session& s) {
  int second = s.NInd[1];
  s.NInd[1] = s.NInd[0];
  if (second > 1) s.NInd[0] = second;
  ShowFocusPanel(s);
}

}  // namespace kord
