// Adding and editing individuals: reserved indexes, the editing card, saving
// records and links in the loader's exact format, refusing cycles.

#include <gtest/gtest.h>

#include "db/load_tables.h"
#include "db_builder.h"
#include "lists/standard_lists.h"
#include "records/link_files.h"
#include "records/record_card.h"
#include "test_support.h"

namespace kord {
namespace {

struct CardFixture : test::TestSession {
  test::TempDir dir;
  // 2 Rossi Mario, 3 Bianchi Anna, 4 Rossi Luigi (child of 2 and 3), 5 Neri Ada.
  explicit CardFixture(std::string children = "3,1\r\n3,2\r\n", std::string spouses = "1,2\r\n2,1\r\n") {
    session.files = FileSetFor(
        test::DbBuilder({"Rossi Mario", "Bianchi Anna", "Rossi Luigi", "Neri Ada"}, children, spouses).write(dir));
    reload();
    session.windowState = kStateIdle;
    session.NInd = {2, 0};
  }
  /// Loads the files again, as the next program run would.
  LoadNotes reload() {
    LoadNotes notes;
    session.tables = Tables();
    LoadIndividuals(session.tables, session.files.IndividualsFile, nullptr, notes);
    LoadChildLinks(session.tables, session.files.ChildrenFile, nullptr, notes);
    LoadSpouseLinks(session.tables, session.files.SpousesFile, nullptr, notes);
    return notes;
  }
};

TEST(RecordCard, AddReservesTheNextIndexAndWritesNothingUntilSaved) {
  CardFixture f;
  std::string before = f.dir.read("fam.rni");
  StartNewIndividual(f.session);
  EXPECT_EQ(f.session.tables.LastIndex, 6);
  EXPECT_EQ(f.session.NInd[0], 6);
  EXPECT_EQ(f.dir.read("fam.rni"), before);
  EXPECT_TRUE(f.session.editCard.visible);
  EXPECT_EQ(f.session.editCard.Text1[Num], "5");
  EXPECT_EQ(f.session.editCard.Text1[Name], "");
  EXPECT_EQ(f.session.editCard.Text1[Sex], "") << "a new individual starts without a sex";
  EXPECT_FALSE(f.session.NewRecordMode);

  StartNewIndividual(f.session);
  EXPECT_EQ(f.session.tables.LastIndex, 6) << "an unsaved reservation is reused";

  f.session.editCard.Text1[Name] = "Rossi Carla";
  f.session.editCard.Text1[Sex] = "F";
  auto report = SaveEditCard(f.session);
  EXPECT_EQ(report.error, "");
  EXPECT_EQ(f.session.tables.Names[6], "Rossi Carla");
  PersonRecord expected;
  expected.set(Num, "5");
  expected.set(Name, "Rossi Carla");
  expected.set(Sex, "F");
  EXPECT_EQ(f.dir.read("fam.rni"), before + std::string(expected.bytes().begin(), expected.bytes().end()));
  StartNewIndividual(f.session);
  EXPECT_EQ(f.session.tables.LastIndex, 7);
}

TEST(RecordCard, EditingCardShowsTheRecordsOwnSex) {
  CardFixture f;
  f.session.NInd = {3, 0};
  PersonRecord r;
  r.set(Num, "2");
  r.set(Name, "Bianchi Anna");
  r.set(Sex, "F");
  f.session.record = r;
  ASSERT_TRUE(SaveFocusRecord(f.session).ok());
  f.session.RequestedRecordKind = 0;
  EditFocusCard(f.session);
  EXPECT_EQ(f.session.editCard.Text1[Sex], "F");
  EXPECT_EQ(f.session.NInd[0], 3) << "editing does not move the focus";
  EXPECT_EQ(f.session.editCard.parent1, kNone);
  EXPECT_EQ(f.session.editCard.spouse, 2);
}

TEST(RecordCard, ClosingTheCardEndsTheAddState) {
  CardFixture f;
  f.session.windowState = kStateNewRecord;
  StartNewIndividual(f.session);
  CloseEditCard(f.session);
  EXPECT_FALSE(f.session.editCard.visible);
  EXPECT_EQ(f.session.windowState, kStateIdle);
  f.session.windowState = kStateCensus;
  CloseEditCard(f.session);
  EXPECT_EQ(f.session.windowState, kStateCensus) << "only the add state ends with the card";
}

TEST(RecordCard, ACardClosedUnsavedGivesTheNewIndexBack) {
  CardFixture f;
  f.session.NInd = {3, 0};
  StartNewIndividual(f.session);
  ASSERT_EQ(f.session.NInd[0], 6);
  CloseEditCard(f.session);
  EXPECT_EQ(f.session.tables.LastIndex, 5) << "no phantom individual is left behind";
  EXPECT_EQ(f.session.NInd[0], 3) << "the focus is back where it was";
  ListIndividuals(f.session, ListMode::General);
  for (const ListItem& item : f.session.list.Liber) EXPECT_NE(item.itemData, 6) << item.text;

  StartNewIndividual(f.session);  // a list click turns the card to somebody who exists
  f.session.NInd[0] = 2;
  ShowRecordCard(f.session);
  EXPECT_EQ(f.session.tables.LastIndex, 5);
  EXPECT_EQ(f.session.editCard.index, 2);

  StartNewIndividual(f.session);  // a saved new individual stays
  f.session.editCard.Text1[Name] = "Rossi Carla";
  ASSERT_EQ(SaveEditCard(f.session).error, "");
  CloseEditCard(f.session);
  EXPECT_EQ(f.session.tables.LastIndex, 6);
  EXPECT_EQ(f.session.tables.Names[6], "Rossi Carla");
}

TEST(RecordCard, FullDatabaseRefusesANewIndividual) {
  CardFixture f;
  f.session.tables.LastIndex = 999;  // 998 individuals, all saved
  std::string bytes(998 * kRecordLength, ' ');
  f.dir.write("fam.rni", bytes);
  StartNewIndividual(f.session);
  EXPECT_EQ(f.session.tables.LastIndex, 999);
  EXPECT_EQ(f.ui.messages,
            std::vector<std::string>{"Il database contiene gia' 998 individui: non se ne possono aggiungere altri."});
  EXPECT_FALSE(f.session.editCard.visible);
}

TEST(RecordCard, AddingWithoutFocusWhileTheAssistantAsksSaysSo) {
  CardFixture f;
  f.session.NInd[0] = 0;
  f.session.RequestedRecordKind = 14;
  AddIndividual(f.session);
  EXPECT_EQ(f.ui.messages, std::vector<std::string>{"Individuo non selezionato"});
}

TEST(RecordCard, LongValuesAreCutAndReported) {
  CardFixture f;
  EditFocusCard(f.session);
  f.session.editCard.Text1[Name] = std::string(38, 'x') + "yyyy";
  auto report = SaveEditCard(f.session);
  EXPECT_EQ(report.error, "");
  EXPECT_EQ(report.cuts, std::vector<std::string>{"Nome: \"yy\" non entrava nel campo ed e' stato tagliato"});
  EXPECT_EQ(f.session.tables.Names[2], std::string(38, 'x') + "yy");
}

TEST(RecordCard, TypedTextMustFitTheCodePage) {
  std::string problem;
  EXPECT_EQ(RecordTextFromUtf8("Nicol\xC3\xB2", problem, false), "Nicol\xF2");
  EXPECT_EQ(problem, "");
  EXPECT_EQ(RecordTextFromUtf8("Zh\xC5\x8D"
                               "u",
                               problem, true),
            "");
  EXPECT_EQ(problem, "the character U+014D cannot be stored in a record");
  RecordTextFromUtf8(
      "Zh\xC5\x8D"
      "u",
      problem, false);
  EXPECT_EQ(problem, "il carattere U+014D non puo' essere registrato nella scheda");
}

TEST(RecordCard, LinksAreWrittenInTheLoadersFormatAndSurviveAReload) {
  CardFixture f;
  EditFocusCard(f.session);  // Rossi Mario, 2
  f.session.NInd[0] = 5;
  EditFocusCard(f.session);  // Neri Ada, 5
  f.session.editCard.parent1 = 3;
  f.session.editCard.parent2 = 2;
  f.session.editCard.spouse = 4;
  ASSERT_EQ(SaveEditCard(f.session).error, "");
  EXPECT_EQ(f.dir.read("fam.rnc"), "3,1\r\n3,2\r\n4,2\r\n4,1\r\n");
  EXPECT_EQ(f.dir.read("fam.rns"), "1,2\r\n2,1\r\n4,3\r\n3,4\r\n");
  Tables inMemory = f.session.tables;
  EXPECT_TRUE(f.reload().lines.empty());
  EXPECT_EQ(f.session.tables.Parent1, inMemory.Parent1);
  EXPECT_EQ(f.session.tables.Parent2, inMemory.Parent2);
  EXPECT_EQ(f.session.tables.Spouse, inMemory.Spouse);
  EXPECT_EQ(f.session.tables.ChildLinkCount, inMemory.ChildLinkCount);
  EXPECT_EQ(f.session.tables.SpouseLinkCount, inMemory.SpouseLinkCount);
}

TEST(RecordCard, ChangingLinksKeepsEveryOtherLineByteForByte) {
  CardFixture f("3,1\n 2 , 1 \r\n3,2\r\nbad line\r\n2,0", "1,2\r\n");
  ASSERT_TRUE(SetParents(f.session, 4, 5, kNone).ok());
  EXPECT_EQ(f.dir.read("fam.rnc"), " 2 , 1 \r\nbad line\r\n2,0\r\n3,4\r\n");
  ASSERT_TRUE(SetSpouse(f.session, 3, 5, true).ok());
  EXPECT_EQ(f.dir.read("fam.rns"), "1,2\r\n2,4\r\n4,2\r\n");
  ASSERT_TRUE(SetSpouse(f.session, 3, kNone, true).ok());
  EXPECT_EQ(f.dir.read("fam.rns"), "1,2\r\n");
  EXPECT_EQ(f.session.tables.Spouse[5], kNone);
  EXPECT_EQ(f.session.tables.Spouse[2], 3) << "the one-way link of 2 stays";
}

TEST(RecordCard, ALoneSecondParentBecomesTheFirst) {
  CardFixture f;
  ASSERT_TRUE(SetParents(f.session, 5, kNone, 3).ok());
  EXPECT_EQ(f.session.tables.Parent1[5], 3);
  EXPECT_EQ(f.session.tables.Parent2[5], kNone);
}

TEST(RecordCard, NobodyBecomesTheirOwnAncestor) {
  CardFixture f;                                         // 4 is a child of 2 and 3
  ASSERT_TRUE(SetParents(f.session, 5, 4, kNone).ok());  // 5 is a grandchild of 2
  std::string children = f.dir.read("fam.rnc");
  EXPECT_EQ(SetParents(f.session, 2, 5, kNone).reason(),
            "Neri Ada discende da Rossi Mario e non puo' esserne genitore");
  EXPECT_EQ(SetParents(f.session, 2, 2, kNone).reason(), "Rossi Mario non puo' essere genitore di se stesso");
  EXPECT_EQ(SetParents(f.session, 2, 40, kNone).reason(), "40 non e' un individuo di questo database");
  f.session.English = true;
  EXPECT_EQ(SetParents(f.session, 2, 5, kNone).reason(),
            "Neri Ada descends from Rossi Mario and cannot be a parent of it");
  EXPECT_EQ(SetParents(f.session, 2, 2, kNone).reason(), "Rossi Mario cannot be a parent of itself");
  EXPECT_EQ(SetParents(f.session, 2, 40, kNone).reason(), "40 is not an individual of this database");
  f.session.English = false;
  EXPECT_EQ(f.dir.read("fam.rnc"), children);
  EXPECT_EQ(f.session.tables.Parent1[2], kNone);

  EditFocusCard(f.session);
  f.session.editCard.Text1[Name] = "Rossi Mario Senior";
  f.session.editCard.parent1 = 4;
  std::string records = f.dir.read("fam.rni");
  EXPECT_EQ(SaveEditCard(f.session).error, "Rossi Luigi discende da Rossi Mario e non puo' esserne genitore");
  EXPECT_EQ(f.dir.read("fam.rni"), records) << "nothing is saved";
  EXPECT_EQ(f.session.tables.Names[2], "Rossi Mario");
}

TEST(RecordCard, CaptionsAreSavedAndUsed) {
  CardFixture f;
  std::array<std::string, 14> captions = DefaultFieldCaptions();
  captions[1] = "Cognome e Nome";
  EXPECT_EQ(SaveCaptions(f.session, captions), "");
  EXPECT_EQ(f.session.tables.FieldCaptions[1], "Cognome e Nome");
  EXPECT_EQ(f.dir.read("fam.rnk").substr(0, 24), "\"N.\"\r\n\"Cognome e Nome\"\r\n");
  f.session.files.CaptionsFile = f.dir.file("missing/fam.rnk");
  captions[1] = "Nominativo";
  EXPECT_EQ(SaveCaptions(f.session, captions),
            "Impossibile scrivere il file " + f.dir.file("missing/fam.rnk") + ": la cartella non esiste");
  EXPECT_EQ(f.session.tables.FieldCaptions[1], "Cognome e Nome") << "unsaved captions are not taken";
  f.session.files.CaptionsFile = f.dir.file("fam.rnk");
  captions[1] = "Nome \"detto\"";
  EXPECT_EQ(SaveCaptions(f.session, captions), "Una didascalia non puo' contenere le virgolette: Nome \"detto\"");
  EXPECT_EQ(f.dir.read("fam.rnk").substr(6, 18), "\"Cognome e Nome\"\r\n");
}

TEST(RecordCard, ReadCardSaysContinuareUnlessTheFileIsEmpty) {
  CardFixture f;
  ReadCard(f.session);
  EXPECT_EQ(f.ui.messages, std::vector<std::string>{"continuare"});
  f.dir.write("fam.rni", "");
  ReadCard(f.session);
  EXPECT_EQ(f.ui.messages.size(), 1u);
}

}  // namespace
}  // namespace kord
