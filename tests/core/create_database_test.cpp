// Creating a database: the four files, the record type question, and never
// emptying an existing database without asking.

#include <gtest/gtest.h>

#include <filesystem>

#include "app/create_database.h"
#include "app/file_dialog.h"
#include "app/open_database.h"
#include "db_builder.h"
#include "test_support.h"

namespace kord {
namespace {

struct CreateFixture : test::TestSession {
  test::TempDir dir;
  CreateFixture() { session.dialog.folder = dir.folder(); }
  /// The dialog's "New" with `typed` in NomeFile.
  void typeNewOnDialog(const std::string& typed) {
    ui.onFileDialog = [this, typed] {
      session.dialog.NomeFile = typed;
      DialogNew(session);
    };
  }
};

TEST(CreateDatabase, KordAndScoutFileSets) {
  for (bool scout : {false, true}) {
    CreateFixture f;
    f.ui.yesNoAnswers = {scout};
    ASSERT_TRUE(CreateDatabase(f.session, FileSetFor(f.dir.file("fam.rni"))));
    EXPECT_EQ(f.dir.read("fam.rni"), "");
    EXPECT_EQ(f.dir.read("fam.rnc"), "");
    EXPECT_EQ(f.dir.read("fam.rns"), "");
    EXPECT_EQ(f.dir.read("fam.rnt"), scout ? "1\r\n" : "0\r\n");
    EXPECT_FALSE(std::filesystem::exists(f.dir.file("fam.rnk")));
    EXPECT_EQ(f.session.tables.RecordMode, scout ? "Scout" : "Kord");
    EXPECT_EQ(f.ui.prompts, std::vector<std::string>{
                                "Scegliere il tipo di Record Si = Record Agesci - No = Record anagrafico corto"});
    EXPECT_EQ(f.ui.messages, std::vector<std::string>{scout ? "Crea File con Dati per AGESCI"
                                                            : "Crea File con dati personali generici"});
  }
}

TEST(CreateDatabase, EnglishTexts) {
  CreateFixture f;
  f.session.English = true;
  f.ui.yesNoAnswers = {true};
  CreateDatabase(f.session, FileSetFor(f.dir.file("fam.rni")));
  EXPECT_EQ(f.ui.prompts.front(), "Choose the Record type Si = Record Agesci - No = Record anagrafico corto");
  EXPECT_EQ(f.ui.messages.front(), "Create Scout type record");
}

TEST(CreateDatabase, ExistingDatabaseIsKeptUnlessThePersonAgreesToReplaceIt) {
  CreateFixture f;
  test::DbBuilder db({"Rossi Mario"}, "0,0\r\n", "0,0\r\n");
  db.write(f.dir);
  f.ui.yesNoAnswers = {false};
  EXPECT_FALSE(CreateDatabase(f.session, FileSetFor(f.dir.file("fam.rni"))));
  EXPECT_EQ(f.dir.read("fam.rnc"), "0,0\r\n");
  EXPECT_EQ(f.dir.read("fam.rni").size(), kRecordLength);
  EXPECT_EQ(f.ui.prompts.front().find("esiste gia'"), 13 + f.dir.file("fam.rni").size());

  f.ui.yesNoAnswers = {true, false};
  EXPECT_TRUE(CreateDatabase(f.session, FileSetFor(f.dir.file("fam.rni"))));
  EXPECT_EQ(f.dir.read("fam.rni"), "");
  EXPECT_EQ(f.dir.read("fam.rnc"), "");
  EXPECT_EQ(f.dir.read("fam.rnt"), "0\r\n");
}

TEST(CreateDatabase, UnwritableFolderGivesAMessageAndNothingElse) {
  CreateFixture f;
  EXPECT_FALSE(CreateDatabase(f.session, FileSetFor(f.dir.file("missing/fam.rni"))));
  ASSERT_EQ(f.ui.messages.size(), 1u);
  EXPECT_EQ(f.ui.messages[0].rfind("Impossibile creare il database: ", 0), 0u);
  EXPECT_TRUE(f.ui.prompts.empty()) << "no record type is asked for";
  EXPECT_TRUE(std::filesystem::is_empty(f.dir.folder()));
}

TEST(CreateDatabase, DialogNewDropsTheExtensionCreatesAndLoads) {
  CreateFixture f;
  f.typeNewOnDialog("fam.dat");
  f.session.windowState = kStateCreating;
  EXPECT_EQ(OpenDatabase(f.session), OpenOutcome::Loaded);
  EXPECT_EQ(f.dir.read("fam.rnt"), "0\r\n");
  EXPECT_EQ(f.session.DbName, f.dir.file("fam.rni"));
  EXPECT_EQ(f.session.tables.LastIndex, 1);
  EXPECT_EQ(f.session.progress.FileText[0], "Caricati 0 Individui ");
  EXPECT_EQ(f.session.NInd[0], 2);
  EXPECT_EQ(f.session.windowState, kStateIdle);
  EXPECT_NE(f.dir.read("fam.His").find("Elaborazioni su: " + f.dir.file("fam.rni")), std::string::npos);
}

TEST(CreateDatabase, DialogAsksAgainUntilANameIsGiven) {
  CreateFixture f;
  int calls = 0;
  f.ui.onFileDialog = [&] {
    f.session.dialog.NomeFile = ++calls < 3 ? "../escape" : "fam";
    DialogNew(f.session);
  };
  f.session.windowState = kStateCreating;
  EXPECT_EQ(OpenDatabase(f.session), OpenOutcome::Loaded);
  EXPECT_EQ(calls, 3);
  EXPECT_EQ(f.ui.messages[0], "Nome del nuovo Database non valido: ../escape");
  EXPECT_EQ(f.ui.messages[1], "Battere il nome del nuovo Database");
  EXPECT_FALSE(std::filesystem::exists(f.dir.folder() + "../escape.rni"));
}

TEST(CreateDatabase, NewWithAFileSelectedCreatesNothing) {
  CreateFixture f;
  f.ui.onFileDialog = [&] {
    DialogClickFile(f.session, "old.rni");
    DialogNew(f.session);
  };
  ChooseDatabaseFile(f.session);
  EXPECT_TRUE(f.session.DbName.empty());
  EXPECT_EQ(f.ui.prompts,
            std::vector<std::string>{"Digit a new name to create a new Data Base. (max 7 characters allowed)"});
  EXPECT_TRUE(std::filesystem::is_empty(f.dir.folder()));
}

TEST(CreateDatabase, CreaDBWhileLoadedCreatesFilesButKeepsTheLoadedDatabase) {
  CreateFixture f;
  test::DbBuilder({"a", "b"}).write(f.dir);
  f.ui.onFileDialog = [&] {
    DialogClickFile(f.session, "fam.rni");
    DialogOpen(f.session);
  };
  f.session.windowState = kStateOpening;
  OpenDatabase(f.session);
  std::string loadedName = f.session.DbName;

  f.typeNewOnDialog("nuovo");
  f.ui.yesNoAnswers = {true};  // Scout
  CreateDatabaseFromMenu(f.session);
  EXPECT_EQ(f.dir.read("nuovo.rnt"), "1\r\n");
  EXPECT_EQ(f.session.DbName, loadedName);
  EXPECT_EQ(f.session.tables.RecordMode, "Kord");
  EXPECT_EQ(f.session.tables.LastIndex, 3);
  EXPECT_FALSE(f.session.dialog.openVisible);
}

}  // namespace
}  // namespace kord
