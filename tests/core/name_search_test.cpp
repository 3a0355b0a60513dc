// Choosing by the first letters of a name: matches, order, details of the
// choice, the slot written, and the window's events.

#include <gtest/gtest.h>

#include "db_builder.h"
#include "lists/list_order.h"
#include "lists/name_search.h"
#include "test_support.h"

namespace kord {
namespace {

struct SearchFixture : test::TestSession {
  test::TempDir dir;
  // 2 Rossi Mario, 3 Bianchi Anna (wife), 4 rossi luigi and 5 Rosa Neri (children
  // of 2 and 3), 6 Verdi Ugo (only a second parent: 2), 7 Rossi Mario (same name).
  SearchFixture() {
    session.files = FileSetFor(
        test::DbBuilder({"Rossi Mario", "Bianchi Anna", "rossi luigi", "Rosa Neri", "Verdi Ugo", "Rossi Mario"})
            .write(dir));
    Tables& t = session.tables;
    t.LastIndex = 7;
    t.Names = {"", "", "Rossi Mario", "Bianchi Anna", "rossi luigi", "Rosa Neri", "Verdi Ugo", "Rossi Mario"};
    t.Names.resize(kTableSize);
    t.Parent1[4] = 2, t.Parent2[4] = 3;
    t.Parent1[5] = 3, t.Parent2[5] = 2;
    t.Parent2[6] = 2;
    t.Spouse[2] = 3;
    session.windowState = kStateIdle;
    session.NewRecordMode = false;
  }
  const NameSearchModel& m() const { return session.nameSearch; }
};

TEST(NameSearch, MatchesThePrefixInAnyCaseSortedAndChoosesTheHighestIndex) {
  for (const char* typed : {"ro", "RO", "Ro"}) {
    SearchFixture f;
    NameSearchType(f.session, typed);
    EXPECT_EQ(f.m().selezionati, (std::vector<std::string>{"Rosa Neri", "rossi luigi", "Rossi Mario", "Rossi Mario"}))
        << typed;
    EXPECT_EQ(f.session.NInd[0], 7) << typed;
    EXPECT_EQ(f.m().Individuo, "Rossi Mario");
  }
}

TEST(NameSearch, DetailsOfTheChoice) {
  SearchFixture f;
  NameSearchType(f.session, "rossi l");
  EXPECT_EQ(f.session.NInd[0], 4);
  EXPECT_EQ(f.m().Genitori, "Rossi Mario\r\nBianchi Anna") << "first parent link on top";
  EXPECT_EQ(f.m().Coniugi, " - ");
  EXPECT_EQ(f.m().Figli, "") << "no children: an empty box";

  NameSearchType(f.session, "bianchi");
  EXPECT_EQ(f.m().Genitori, "Non definiti");
  EXPECT_EQ(f.m().Figli, "rossi luigi\r\nRosa Neri\r\n");

  NameSearchType(f.session, "Rossi Mario");
  EXPECT_EQ(f.session.NInd[0], 7);
  EXPECT_EQ(f.m().Figli, "") << "the homonym with the higher index is chosen";

  NameSearchType(f.session, "verdi");
  EXPECT_EQ(f.m().Genitori, "Rossi Mario") << "only the second parent link: one line, no line end";
}

TEST(NameSearch, EmptyTextShowsThePromptAndKeepsTheSelection) {
  SearchFixture f;
  NameSearchType(f.session, "bia");
  NameSearchType(f.session, "");
  EXPECT_EQ(f.m().selezionati, std::vector<std::string>{"Battere il nome dell'Individuo"});
  EXPECT_EQ(f.m().Individuo, "");
  EXPECT_EQ(f.m().Genitori, "");
  EXPECT_EQ(f.session.NInd[0], 3);
  f.session.English = true;
  NameSearchType(f.session, "");
  EXPECT_EQ(f.m().selezionati, std::vector<std::string>{"Enter the individual name"});
}

TEST(NameSearch, StarListsEverySlotAndNoMatchKeepsThePreviousDetails) {
  SearchFixture f;
  NameSearchType(f.session, "*");
  EXPECT_EQ(f.m().selezionati.size(), 8u) << "slots 0 and 1 included";
  EXPECT_EQ(f.session.NInd[0], 7);
  NameSearchType(f.session, "bia");
  NameSearchType(f.session, "zzz");
  EXPECT_TRUE(f.m().selezionati.empty());
  EXPECT_EQ(f.m().Individuo, "Bianchi Anna");
  NameSearchType(f.session, "Rossi Mario Giuseppe");
  EXPECT_TRUE(f.m().selezionati.empty()) << "a name shorter than the text never matches";
}

TEST(NameSearch, ToggleOneFillsTheSecondSelection) {
  SearchFixture f;
  f.session.NInd = {2, 0};
  SelectBySlot(f.session, 1);
  EXPECT_EQ(f.m().caption, "Seleziona parente da localizzare");
  NameSearchType(f.session, "verdi");
  EXPECT_EQ(f.session.NInd, (std::array<int, 2>{2, 6}));
  SelectBySlot(f.session, 0);
  EXPECT_EQ(f.m().caption, "Lista Nomi Individui");
  EXPECT_EQ(f.m().InputNome, "verdi") << "the window shows what it showed when closed";
}

TEST(NameSearch, ConfirmRefreshesTheCardsAndDoubleClickOpensTheEditingCard) {
  SearchFixture f;
  NameSearchClick(f.session, "Bianchi Anna");
  EXPECT_EQ(f.m().InputNome, "Bianchi Anna");
  NameSearchConfirm(f.session);
  EXPECT_FALSE(f.m().visible);
  EXPECT_EQ(f.session.focusCard.values[Name], "Bianchi Anna");
  EXPECT_FALSE(f.session.editCard.visible) << "the main window is idle: no editing card";

  NameSearchClick(f.session, "Verdi Ugo");
  NameSearchDoubleClick(f.session);
  EXPECT_EQ(f.session.NInd[0], 6) << "showing a card does not reserve a new index";
  EXPECT_EQ(f.session.tables.LastIndex, 7);
  EXPECT_TRUE(f.session.editCard.visible);
  EXPECT_EQ(f.session.editCard.Text1[Name], "Verdi Ugo");
  EXPECT_EQ(f.session.editCard.parent2, 2);
}

TEST(ListOrder, ComparesUpperCasedCodesAndKeepsEqualKeysInOrder) {
  std::vector<std::string> list = {"b", "\xE0nna", "A", "a", "Z", "             title", "zeta"};
  SortTexts(list);
  EXPECT_EQ(list, (std::vector<std::string>{"             title", "A", "a", "b", "Z", "zeta", "\xE0nna"}));
  EXPECT_TRUE(ListLess("abc", "ABD"));
  EXPECT_FALSE(ListLess("ABC", "abc"));
  EXPECT_TRUE(ListLess("Rossi\tx", "Rossi x")) << "a tab sorts before a blank";
}

}  // namespace
}  // namespace kord
