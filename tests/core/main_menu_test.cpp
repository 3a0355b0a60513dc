// The main window's switches, captions and exit, as the core computes them.

#include <gtest/gtest.h>

#include <set>

#include "app/main_menu.h"
#include "session/history.h"
#include "test_support.h"

namespace kord {
namespace {

TEST(MainMenu, SwitchesStartOffWithTheirDesignCaptions) {
  test::TestSession t;
  for (const auto& sw : Switches()) EXPECT_FALSE(SwitchValue(t.session, sw.id));
  EXPECT_EQ(MenuCaption(t.session, "stampa_su_file"), "stampa su file");
  EXPECT_EQ(MenuCaption(t.session, "scheda_anagrafica"), "scheda anagrafica Albero");
  EXPECT_EQ(MenuCaption(t.session, "Stampa_Immediata_Albero"), "Stampa Immediata Albero");
}

TEST(MainMenu, SwitchCaptionsFollowTheControlThatChangedThem) {
  struct Case {
    SwitchId id;
    const char* menu;
    const char* on;
    const char* offByOption;
    const char* offByMenu;
  };
  const Case cases[] = {
      {SwitchId::OutputToFile, "stampa_su_file", "Disabil. Stampa su File", "Abilita Stampa su File", "Stampa su File"},
      {SwitchId::CardWithTree, "scheda_anagrafica", "No scheda anagr. Albero", "Scheda anagr. Albero",
       "Scheda anagrafica Albero"},
      {SwitchId::PrintImmediately, "Stampa_Immediata_Albero", "Disabil. Stampa direttta", "Stampa Immediata Albero",
       "Stampa Immediata Albero"},
  };
  for (const auto& c : cases) {
    test::TestSession t;
    ToggleSwitchByMenu(t.session, c.id);
    EXPECT_TRUE(SwitchValue(t.session, c.id));
    EXPECT_EQ(MenuCaption(t.session, c.menu), c.on);
    ToggleSwitchByMenu(t.session, c.id);
    EXPECT_FALSE(SwitchValue(t.session, c.id));
    EXPECT_EQ(MenuCaption(t.session, c.menu), c.offByMenu);
    SetSwitchByOption(t.session, c.id, true);
    EXPECT_EQ(MenuCaption(t.session, c.menu), c.on);
    SetSwitchByOption(t.session, c.id, false);
    EXPECT_EQ(MenuCaption(t.session, c.menu), c.offByOption);
  }
  test::TestSession t;
  ToggleSwitchByMenu(t.session, SwitchId::CardWithTree);
  EXPECT_TRUE(t.session.CardWithTree);
  EXPECT_FALSE(t.session.OutputToFile) << "switches are independent";
  EXPECT_FALSE(t.session.PrintImmediately);
}

TEST(MainMenu, CaptionsFollowTheLanguageFlag) {
  test::TestSession t;
  const std::pair<const char*, const char*> both[] = {
      {"Alberi", "Alberi"},
      {"Albero_Radici(0)", "Albero delle radici "},
      {"Profondita_albero", "Profondita' albero "},
      {"INFO_Kord", "INFO riguardo a Kord "},
      {"Legge_genealogia", "Legge Genealogia"},
  };
  for (const auto& [name, italian] : both) EXPECT_EQ(MenuCaption(t.session, name), italian);
  SetLanguage(t.session, true);
  EXPECT_EQ(MenuCaption(t.session, "Alberi"), "Tree");
  EXPECT_EQ(MenuCaption(t.session, "Albero_Radici(0)"), "Root's tree");
  EXPECT_EQ(MenuCaption(t.session, "INFO_Kord"), "About Vesk");
  EXPECT_EQ(MenuCaption(t.session, "stampa_su_file"), "Print on File");
  EXPECT_EQ(MenuCaption(t.session, "Legge_genealogia"), "Legge Genealogia") << "no English caption";
  SetLanguage(t.session, false);
  EXPECT_EQ(MenuCaption(t.session, "Alberi"), "Alberi");
}

TEST(MainMenu, EveryEntryAndButtonHasAUniqueNameAndEveryButtonAHelpText) {
  std::set<std::string> names;
  std::function<void(const std::vector<MenuDef>&)> collect = [&](const std::vector<MenuDef>& menus) {
    for (const auto& m : menus) {
      EXPECT_TRUE(names.insert(m.name).second) << m.name;
      collect(m.entries);
    }
  };
  collect(MainMenuBar());
  EXPECT_GE(names.size(), 40u);
  for (const auto& b : MainButtons()) {
    EXPECT_TRUE(names.insert(b.name).second) << b.name;
    EXPECT_FALSE(HelpLabelText(b.helpLabel).empty()) << b.name;
  }
  EXPECT_EQ(HelpLabelText(kBackgroundHelp), "Ricerca delle appartenenze comuni alle due selezioni.");
  EXPECT_EQ(HelpLabelText(10), "");
}

TEST(MainMenu, ExitLogsTheEndOfSessionLast) {
  test::TestSession t;
  test::TempDir dir;
  t.session.DbName = dir.file("fam.rni");
  LogHistory(t.session, "prima\r\n");
  ExitProgram(t.session);
  EXPECT_TRUE(t.ui.quitCalled);
  EXPECT_EQ(dir.read("fam.His"), "\"prima\r\n\"\r\n\"Fine sessione\r\n\"\r\n");
}

TEST(MainMenu, ExitBeforeAnyDatabaseOnlyUpdatesTheWindow) {
  test::TestSession t;
  ExitProgram(t.session);
  EXPECT_EQ(t.session.historyText, "Fine sessione\r\n");
  EXPECT_TRUE(t.ui.messages.empty());
}

TEST(MainMenu, PanelElementTwoSetsKordMode) {
  test::TestSession t;
  t.session.tables.RecordMode = "Scout";
  RecordModePanelClick(t.session, 1);
  EXPECT_EQ(t.session.tables.RecordMode, "Scout");
  RecordModePanelClick(t.session, 2);
  EXPECT_EQ(t.session.tables.RecordMode, "Kord");
}

TEST(Session, InitialiseRunsOnceAndChecksThePrinterFont) {
  test::TestSession t;
  t.printer.hasFont = false;
  InitialiseSession(t.session);
  EXPECT_EQ(t.ui.messages, std::vector<std::string>{"Font not present, install 'MS LineDraw' font"});
  EXPECT_EQ(t.session.tables.LastIndex, 1000);
  EXPECT_EQ(t.session.tables.ChildLinkCount, 920);
  t.session.OutputToFile = true;
  t.session.tables.FieldCaptions[1] = "Cognome";
  InitialiseSession(t.session);
  EXPECT_TRUE(t.session.OutputToFile);
  EXPECT_EQ(t.session.tables.FieldCaptions[1], "Cognome");
  EXPECT_EQ(t.ui.messages.size(), 1u);

  test::TestSession withFont;
  InitialiseSession(withFont.session);
  EXPECT_TRUE(withFont.ui.messages.empty());
  EXPECT_EQ(withFont.printer.fontName, "Terminal");
}

}  // namespace
}  // namespace kord
