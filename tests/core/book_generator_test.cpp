// The family book generator: its entry check, the text book "kord.rel", the
// book window, the record layouts, the birth-date repair and the sorted list.

#include <gtest/gtest.h>

#include <filesystem>

#include "book/book_commands.h"
#include "book/book_sink.h"
#include "book/book_texts.h"
#include "book/family_book.h"
#include "book_fixture.h"
#include "lists/sorted_book.h"

namespace kord {
namespace {

const std::string kLuigiEvents =
    "Data Nascita 12/03/1850  a Sacile -  Data Battesimo 13/03/1850  a Duomo -  "
    "Data matrimonio 1875  a Udine :Neri Carla   -  Data Morte  a Milano - ";

TEST(FamilyBook, TextBookBlockOfAnIndividual) {
  test::LuigiFamily f;
  WholeFamilyBook(f.session);
  EXPECT_EQ(f.block(4, 11),
            (std::vector<std::string>{"_______ Indiv. N. 4_________ ", "Rossi Luigi", "Fil.: Rossi Paolo (6)",
                                      " Gen.: Rossi Mario (2)", " Gen.: Bianchi Anna (3)", "-& Neri Carla (5)",
                                      kLuigiEvents, "", "Note Sarto a Sacile.", "", "_______ Indiv. N. 2_________ "}));
}

TEST(FamilyBook, WholeBookIsAlphabeticalAndEndsAsItWasCalled) {
  test::LuigiFamily f;
  f.session.NInd[0] = 6;
  WholeFamilyBook(f.session);
  std::vector<std::string> headers;
  for (const auto& line : f.dbLines("kord.rel"))
    if (line.rfind("_______", 0) == 0) headers.push_back(line.substr(18, 1));
  EXPECT_EQ(headers, (std::vector<std::string>{"3", "5", "4", "2", "6"}));
  EXPECT_EQ(f.session.NInd[0], 6) << "the focus is restored";
  EXPECT_FALSE(f.session.WalkAll);
  EXPECT_FALSE(f.session.OutputToFile);
  EXPECT_TRUE(f.session.NavigatorFocus);
  EXPECT_EQ(f.session.historyText, "Aggiornato Libro da file: " + f.session.DbName + "\r\n");
}

TEST(FamilyBook, EachEventDateCarriesItsOwnCaption) {
  BookCaptions labels;
  for (int i = 0; i < 14; ++i) labels[i] = "C" + std::to_string(i);
  struct Case {
    std::size_t event;
    std::string line;
  };
  const Case cases[] = {
      {0, "C2 d  C1 p - "},       // birth: its caption 2, never the record number's caption 0
      {1, " C4 d  C3 p - "},      // baptism: 4, never "Data Nascita" (2)
      {2, " C6 d  C5 p :   - "},  // marriage, with no spouses
      {3, " C8 d  C7 p - "},     {4, " C10 d  C9 p - "},
  };
  for (const auto& c : cases) {
    BookEvents events = EventsOf(PersonRecord(), {"", "", ""});
    events[2] = {"", ""};  // no marriage place (and so no spouse text) unless asked
    events[c.event] = {"d", c.event == 2 ? "p :  " : "p"};
    EXPECT_EQ(EventsLine(labels, events, true, false), c.line) << "event " << c.event;
  }
  EXPECT_EQ(NotesText(labels, "Nota", true), "C12 Nota") << "a blank between a caption and its value";
}

TEST(FamilyBook, WithoutFileOutputEveryLaterEventShowsItsDateCaption) {
  BookCaptions labels;
  for (int i = 0; i < 14; ++i) labels[i] = "C" + std::to_string(i);
  BookEvents none;
  EXPECT_EQ(EventsLine(labels, none, false, false), " C4  C6  C8  C10 ");
  EXPECT_EQ(EventsLine(labels, none, true, false), "");
  EXPECT_EQ(NotesText(labels, "", false), "C12");
  EXPECT_EQ(NotesText(labels, "", true), "");
}

TEST(FamilyBook, NotesAreFiveTrimmedPiecesOfTwentyEightCharacters) {
  BookCaptions labels;
  labels[12] = "Note";
  const std::string notes = std::string(27, 'a') + " " + "b" + std::string(27, ' ') + std::string(28, 'c') +
                            std::string(28, 'd') + std::string(28, 'e') + "past the fifth piece";
  EXPECT_EQ(NotesText(labels, notes, true),
            "Note " + std::string(27, 'a') + "b" + std::string(28, 'c') + std::string(28, 'd') + std::string(28, 'e'));
}

TEST(FamilyBook, CensusLayoutHasEveryEventWithCommas) {
  test::LuigiFamily f;
  CensusCommand(f.session);
  auto lines = f.dbLines("kord.rel");
  auto at = std::find(lines.begin(), lines.end(), "_______ Indiv. N. 4_________");
  ASSERT_LE(3, lines.end() - at);
  EXPECT_EQ(at[1], "Rossi Luigi");
  EXPECT_EQ(at[2],
            "Data Nascita 12/03/1850,  a Sacile,  -  Data Battesimo 13/03/1850,  a Duomo,  -  "
            "Data matrimonio 1875,  a Udine :Neri Carla  ,  -  Data Morte,  a Milano,  -  Data Sepoltur.,  a ,  - ");
  EXPECT_EQ(at[3], "_______ Indiv. N. 2_________") << "no children, parents, spouses or notes in the census";
  EXPECT_FALSE(f.dbFileExists("index.html"));
  EXPECT_EQ(f.session.windowState, kStateIdle);
}

TEST(FamilyBook, CensusNeedsTheMainWindowIdle) {
  test::LuigiFamily f;
  f.session.windowState = kStateNewRecord;
  CensusCommand(f.session);
  ShortReportCommand(f.session);
  EXPECT_EQ(f.ui.messages,
            std::vector<std::string>(2, "Chiudere le finestre secondarie prima di generare il censimento"));
  EXPECT_FALSE(f.dbFileExists("kord.rel"));
  EXPECT_EQ(f.session.windowState, kStateNewRecord);
}

TEST(FamilyBook, TheShortReportLeavesTheNavigatorAsItWas) {
  test::LuigiFamily f;
  f.session.NInd[0] = 4;
  FamilyNavigatorCommand(f.session);
  const NavigateModel navigator = f.session.navigate;
  const NavigatorNumbers numbers = f.session.navigatorNumbers;
  f.ui.shown.clear();
  for (bool outputToFile : {false, true}) {
    f.session.NInd[0] = 6;  // Rossi Paolo: his name above Luigi's relatives would be wrong
    f.session.OutputToFile = outputToFile;
    ShortReportCommand(f.session);
    EXPECT_EQ(f.session.navigate.w1, navigator.w1);
    EXPECT_EQ(f.session.navigatorNumbers.box, numbers.box);
    EXPECT_EQ(f.session.navigatorNumbers.childLine, numbers.childLine);
    EXPECT_EQ(f.session.NInd[0], 6);
    EXPECT_EQ(f.session.windowState, kStateIdle);
  }
  EXPECT_EQ(std::count(f.ui.shown.begin(), f.ui.shown.end(), std::make_pair(Window::FamilyNavigatorWindow, true)), 0);
  EXPECT_EQ(f.session.book.Liber.back(), "Rossi Paolo") << "the report itself goes to the book window";
}

TEST(FamilyBook, BirthDateRepairIsStoredBack) {
  test::LuigiFamily f;
  f.person(4).set(BirthDate, "0/0/1850");
  f.writeRecords();
  WholeFamilyBook(f.session);
  EXPECT_EQ(f.storedRecord(4).trimmed(BirthDate), "1850");
  EXPECT_EQ(f.storedRecord(4).trimmed(Name), "Rossi Luigi") << "the rest of the record is kept";
  EXPECT_EQ(f.block(4, 7).back().substr(0, 19), "Data Nascita 1850  ");
}

TEST(FamilyBook, WithoutFileOutputOnlyTheNavigatorIsFilled) {
  test::LuigiFamily f;
  f.session.NInd[0] = 4;
  FamilyNavigatorCommand(f.session);
  EXPECT_FALSE(f.dbFileExists("kord.rel"));
  EXPECT_FALSE(f.dbFileExists("index.html"));
  EXPECT_TRUE(f.session.book.Liber.empty());
  EXPECT_EQ(f.session.navigate.w1[0], "Rossi Luigi");
  EXPECT_EQ(f.session.navigate.w1[15], "4-3\r\n" + kLuigiEvents + " Data Sepoltur. " + "Note Sarto a Sacile.");
  EXPECT_EQ(f.session.historyText, "Focus navigazione su: Rossi Luigi\r\n");
  EXPECT_FALSE(f.session.NavigationRun);
}

TEST(FamilyBook, AnInvalidFocusIsRefusedWithItsMessage) {
  struct Case {
    int focus;
    bool english;
    std::string message;
  };
  const Case cases[] = {
      {0, false, "fare Click sull'individuo prescelto"},
      {-1, false, "Individuo non definito o DB non caricato"},
      {5000, false, "Individuo non definito o DB non caricato"},
      {0, true, "Individual not Defined or DB not Loaded"},
      {-1, true, "Individual not Defined or DB not Loaded"},
  };
  for (const auto& c : cases) {
    test::LuigiFamily f;
    f.session.English = c.english;
    f.session.NInd[0] = c.focus;
    f.session.OutputToFile = true;
    BuildFamilyBook(f.session);
    EXPECT_EQ(f.ui.messages, std::vector<std::string>{c.message});
    EXPECT_FALSE(f.dbFileExists("kord.rel"));
    EXPECT_TRUE(f.session.historyText.empty());
  }
  test::LuigiFamily f;
  f.session.DbFolder.clear();  // no database: nowhere to write
  WholeFamilyBook(f.session);
  EXPECT_EQ(f.ui.messages, std::vector<std::string>{"Individuo non definito o DB non caricato"});
  EXPECT_FALSE(std::filesystem::exists("kord.rel"));
}

TEST(BookWindow, LinesOfEightyCharactersOrMoreAreCutAtTheirLastBlank) {
  const std::string word40(40, 'x');
  struct Case {
    std::string line;
    std::vector<std::string> pieces;
  };
  const std::vector<Case> cases = {
      {word40 + " " + std::string(39, 'y'), {word40, " " + std::string(39, 'y')}},   // exactly 80
      {word40 + " " + std::string(38, 'y'), {word40 + " " + std::string(38, 'y')}},  // 79: whole
      {std::string(79, 'z') + " tail", {std::string(79, 'z'), " tail"}},             // blank at 80
      {std::string(80, 'z') + " tail", {std::string(80, 'z') + " tail"}},            // first blank at 81
      {" " + std::string(90, 'z'), {" " + std::string(90, 'z')}},                    // blank at 1 only
  };
  for (const auto& c : cases) EXPECT_EQ(BookWindowPieces(c.line, false), c.pieces) << c.line.size();
  EXPECT_EQ(BookWindowPieces(std::string(120, 'c'), true).size(), 1u);
  EXPECT_EQ(BookWindowPieces(std::string(121, 'c'), true), (std::vector<std::string>{std::string(120, 'c'), "c"}));
}

TEST(BookWindow, TheFileGetsTheWholeLineTheWindowItsPieces) {
  const std::string eighty = std::string(40, 'x') + " " + std::string(39, 'y');
  const std::string seventyNine = std::string(40, 'v') + " " + std::string(38, 'w');
  test::BookFixture f({"A" + eighty.substr(1), "B" + seventyNine.substr(1)});
  f.wholeBookSwitches();
  BuildFamilyBook(f.session);
  auto lines = f.dbLines("kord.rel");
  EXPECT_EQ(lines[1], "A" + eighty.substr(1));
  const auto& liber = f.session.book.Liber;
  ASSERT_GE(liber.size(), 10u);
  EXPECT_EQ(liber[1], "A" + std::string(39, 'x'));
  EXPECT_EQ(liber[2], " " + std::string(39, 'y'));
  EXPECT_EQ(std::count(liber.begin(), liber.end(), "B" + seventyNine.substr(1)), 1);
}

TEST(BookWindow, KeepsTheLast35LinesOr30InTheCensus) {
  std::vector<std::string> names;
  for (char c = 'A'; c < 'A' + 12; ++c) names.push_back(std::string(1, c) + " Nome");
  {
    // Five book lines each (header, name, events, empty, notes): 60 lines.
    test::BookFixture f(names);
    f.wholeBookSwitches();
    BuildFamilyBook(f.session);
    EXPECT_EQ(f.dbLines("kord.rel").size(), 72u) << "plus the empty line written to the file alone";
    ASSERT_EQ(f.session.book.Liber.size(), 35u);
    EXPECT_EQ(f.session.book.Liber[0], "_______ Indiv. N. 7_________ ") << "line 26 of 60";
  }
  {
    // Three lines each, the events line of about 130 characters cut in two.
    test::BookFixture f(names);
    f.wholeBookSwitches();
    f.session.windowState = kStateCensus;
    BuildFamilyBook(f.session);
    EXPECT_EQ(f.dbLines("kord.rel").size(), 36u);
    EXPECT_EQ(f.session.book.Liber.size(), 48u - 6u) << "one item dropped for each line after the 30th";
  }
}

TEST(SortedBook, EntriesHoldTheValueTabsAndTheName) {
  struct Case {
    std::string value;
    std::string entry;
  };
  const Case cases[] = {
      {"", "\t\tNome"},
      {"123456789", "123456789\t\tNome"},
      {"1234567890", "1234567890\t\tNome"},
      {"1234567890123456789", "1234567890123456789\t\tNome"},
      {"12345678901234567890", "12345678901234567890\tNome"},
  };
  for (const auto& c : cases) EXPECT_EQ(SortEntry(c.value, "Nome"), c.entry) << c.value.size();
}

TEST(SortedBook, ADateFieldSortsChronologicallyAndLeavesTheTextBookAlone) {
  test::BookFixture f({"Uno", "Due", "Tre", "Quattro", "Cinque", "Sei", "Sette", "Otto", "Nove", ""});
  const char* deaths[] = {"15/01/1800", "02/11/1900", "",           "15/01/1750", "1850",
                          "19??",       "0/0/1800",   "circa 1700", "1850 3 12",  "01/01/1700"};
  for (int i = 2; i <= 11; ++i) f.person(i).set(DeathDate, deaths[i - 2]);
  f.writeRecords();
  f.dir.write("db/kord.rel", "the book of an earlier run");
  f.session.NInd[0] = 3;
  EXPECT_TRUE(SortedBookRun(f.session, 10));
  // A year alone comes before the exact dates of its year; no date, last.
  std::vector<ListItem> expected = {
      {"15/01/1750\t\tQuattro", 5}, {"0/0/1800\t\tSette", 8}, {"15/01/1800\t\tUno", 2}, {"1850\t\tCinque", 6},
      {"1850 3 12\t\tNove", 10},    {"19??\t\tSei", 7},       {"02/11/1900\t\tDue", 3}, {"\t\tTre", 4},
      {"circa 1700\t\tOtto", 9}};
  EXPECT_EQ(f.session.list.Liber, expected) << "the nameless 11 is not in the book";
  EXPECT_EQ(f.dbFile("kord.rel"), "the book of an earlier run");
  EXPECT_EQ(f.session.NInd[0], 3);
  EXPECT_EQ(f.session.SortKey, 0);
  EXPECT_FALSE(f.session.WalkAll);
  EXPECT_FALSE(f.dbFileExists("index.html"));
  EXPECT_TRUE(f.session.historyText.empty()) << "a sorted run leaves no history line";
}

TEST(SortedBook, OtherFieldsSortByTheTextAndNamesLineUp) {
  test::BookFixture f({"Uno", "Due", "Tre"});
  const char* places[] = {"sacile", "Aviano", "Sacile"};
  for (int i = 2; i <= 4; ++i) f.person(i).set(BirthPlace, places[i - 2]);
  f.writeRecords();
  EXPECT_TRUE(SortedBookRun(f.session, 5));
  std::vector<ListItem> expected = {{"Aviano\t\tDue", 3}, {"Sacile\t\tTre", 4}, {"sacile\t\tUno", 2}};
  EXPECT_EQ(f.session.list.Liber, expected);
  for (std::size_t width : {0, 9, 10, 19, 20, 39}) {
    const std::string shown = ListLineText(SortEntry(std::string(width, 'x'), "Nome"));
    EXPECT_EQ(shown.find("Nome"), 40u) << width;
  }
}

TEST(SortedBook, KeysTakeTheirFieldsAndNoKeyAsksForOne) {
  test::BookFixture f({"Uno"});
  PersonRecord& r = f.person(2);
  for (int field = BirthDate; field <= Sex; ++field) r.set(static_cast<Field>(field), "v" + std::to_string(field));
  f.writeRecords();
  const std::pair<int, std::string> keys[] = {{1, ""},   {2, "v12"},  {3, ""},   {4, "v2"},
                                              {9, "v7"}, {13, "v11"}, {14, "v"}, {15, ""}};
  for (const auto& [key, value] : keys) {
    ASSERT_TRUE(SortedBookRun(f.session, key));
    ASSERT_EQ(f.session.list.Liber.size(), 1u);
    EXPECT_EQ(f.session.list.Liber[0].text, SortEntry(value, "Uno")) << "key " << key;
  }
  f.session.list.Liber.clear();
  EXPECT_FALSE(SortedBookRun(f.session, 0));
  EXPECT_EQ(f.ui.messages, std::vector<std::string>{"Selezionare un campo"});
  EXPECT_TRUE(f.session.list.Liber.empty());
}

}  // namespace
}  // namespace kord
