// The two cards: when they read, what they show, which photograph, and the
// swap of the two selections.

#include <gtest/gtest.h>

#include "db/codepage.h"
#include "db_builder.h"
#include "records/focus_panel.h"
#include "test_support.h"

namespace kord {
namespace {

struct PanelFixture : test::TestSession {
  test::TempDir dir;
  PanelFixture() {
    session.files = FileSetFor(test::DbBuilder({"Rossi Mario", "Bianchi Anna", "Gio\xE8 Luca"}).write(dir));
    session.DbFolder = dir.folder();
    session.tables.LastIndex = 4;
    session.tables.Names = {"", "", "Rossi Mario", "Bianchi Anna", "Gio\xE8 Luca"};
    session.tables.Names.resize(kTableSize);
    session.windowState = kStateIdle;
  }
};

TEST(FocusPanel, FillsBothCardsWithTrimmedFields) {
  PanelFixture f;
  f.session.NInd = {2, 3};
  ShowFocusPanel(f.session);
  EXPECT_TRUE(f.session.focusCard.visible);
  EXPECT_EQ(f.session.focusCard.values[Num], "1");
  EXPECT_EQ(f.session.focusCard.values[Name], "Rossi Mario");
  EXPECT_EQ(f.session.secondCard.values[Name], "Bianchi Anna");
  EXPECT_EQ(f.session.focusCard.PrimoParNome, (std::array<std::string, 3>{"", "", "Primi ascendenti comuni"}));
}

TEST(FocusPanel, ReadsARecordOnlyWhenTheCardShowsAnotherOne) {
  PanelFixture f;
  f.session.NInd = {2, 0};
  ShowFocusPanel(f.session);
  f.dir.write("fam.rni", "");  // a second read would now find nothing
  ShowFocusPanel(f.session);
  EXPECT_EQ(f.session.focusCard.values[Name], "Rossi Mario");
  f.session.NInd[0] = 3;
  ShowFocusPanel(f.session);
  EXPECT_EQ(f.session.focusCard.values[Name], "") << "another focus is read afresh";
}

TEST(FocusPanel, LeavesTheCardsAloneWhileAnotherWindowHoldsTheState) {
  for (int state : {4, 5, 7, 10}) {
    PanelFixture f;
    f.session.windowState = static_cast<kord::WindowState>(state);
    f.session.NInd = {2, 3};
    ShowFocusPanel(f.session);
    EXPECT_FALSE(f.session.focusCard.visible) << state;
    EXPECT_EQ(f.session.focusCard.values[Name], "") << state;
  }
  PanelFixture f;
  f.session.windowState = kStateStart;
  f.session.NInd = {2, 0};
  ShowFocusPanel(f.session);
  EXPECT_EQ(f.session.windowState, kStateIdle);
  EXPECT_EQ(f.session.focusCard.values[Name], "Rossi Mario");
}

TEST(FocusPanel, FocusOfOneIsCorrectedToTheFirstIndividual) {
  PanelFixture f;
  f.session.NInd = {1, 0};
  ShowFocusPanel(f.session);
  EXPECT_EQ(f.session.NInd[0], 2);
  EXPECT_EQ(f.session.focusCard.values[Name], "Rossi Mario");
}

TEST(FocusPanel, CommonRelativesAndTheirHeading) {
  PanelFixture f;
  f.session.NInd = {2, 0};
  f.session.FirstCommon = 3;
  f.session.SecondCommon = -1;
  f.session.CommonKind = true;
  ShowFocusPanel(f.session);
  EXPECT_EQ(f.session.focusCard.PrimoParNome,
            (std::array<std::string, 3>{"Bianchi Anna", "", "Primi discendenti comuni"}));
}

TEST(FocusPanel, PhotographByNameElseThePlaceholderElseUnchanged) {
  PanelFixture f;
  f.session.NInd = {2, 4};
  ShowFocusPanel(f.session);
  EXPECT_EQ(f.session.focusCard.picturePath, "") << "no picture at all: the box keeps what it had";
  f.dir.write("initial.jpg", "x");
  f.dir.write(Cp1252ToUtf8("Gio\xE8 Luca.jpg"), "x");
  ShowFocusPanel(f.session);
  EXPECT_EQ(f.session.focusCard.picturePath, f.dir.file("initial.jpg"));
  EXPECT_EQ(f.session.secondCard.picturePath, f.dir.file("Gio\xC3\xA8 Luca.jpg"));
  EXPECT_EQ(PicturePathFor(f.dir.folder(), "../../etc/passwd"), f.dir.file("initial.jpg"));
}

TEST(FocusPanel, ScambiaExchangesOrCopiesTheFocus) {
  PanelFixture f;
  f.session.NInd = {2, 4};
  SwapSelections(f.session);
  EXPECT_EQ(f.session.NInd, (std::array<int, 2>{4, 2}));
  EXPECT_EQ(f.session.focusCard.values[Name], "Gio\xE8 Luca");
  EXPECT_EQ(f.session.secondCard.values[Name], "Rossi Mario");
  f.session.NInd = {3, 0};
  SwapSelections(f.session);
  EXPECT_EQ(f.session.NInd, (std::array<int, 2>{3, 3})) << "no second selection: both hold the focus";
  f.session.NInd = {3, 1};
  SwapSelections(f.session);
  EXPECT_EQ(f.session.NInd, (std::array<int, 2>{3, 3}));
}

}  // namespace
}  // namespace kord
