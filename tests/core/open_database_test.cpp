// The open and create flows: the states, the messages, the texts of the
// progress window, the history line and the hand-over to the main window.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "app/create_database.h"
#include "app/file_dialog.h"
#include "app/load_progress.h"
#include "app/open_database.h"
#include "db_builder.h"
#include "session/history.h"
#include "test_support.h"

namespace kord {
namespace {

/// A session whose file dialog picks `file` in `folder` and presses Open.
struct OpenFixture : test::TestSession {
  test::TempDir dir;
  OpenFixture() { session.dialog.folder = dir.folder(); }
  void pickOnOpen(const std::string& file) {
    ui.onFileDialog = [this, file] {
      DialogClickFile(session, file);
      DialogOpen(session);
    };
  }
  OpenOutcome open() {
    session.windowState = kStateOpening;
    return OpenDatabase(session);
  }
  bool shown(Window w) const {
    for (auto it = ui.shown.rbegin(); it != ui.shown.rend(); ++it)
      if (it->first == w) return it->second;
    return false;
  }
};

TEST(OpenDatabase, LoadsTheChosenDatabaseAndHandsOverToTheMainWindow) {
  OpenFixture f;
  test::DbBuilder({"Rossi Mario", "Bianchi Anna", "Rossi Luigi"}, "3,1\r\n3,2\r\n", "1,2\r\n2,1\r\n").write(f.dir);
  f.pickOnOpen("fam.rni");
  EXPECT_EQ(f.open(), OpenOutcome::Loaded);
  Session& s = f.session;
  EXPECT_TRUE(s.DbLoaded);
  EXPECT_EQ(s.windowState, kStateIdle);
  EXPECT_EQ(s.NInd[0], 2);
  EXPECT_EQ(s.DbName, f.dir.file("fam.rni"));
  EXPECT_EQ(s.DbFolder, f.dir.folder());
  EXPECT_EQ(s.files.ChildrenFile, f.dir.file("fam.rnc"));
  EXPECT_EQ(s.files.TypeFile, f.dir.file("fam.rnt"));
  EXPECT_EQ(s.progress.FileText[0], "Caricati 3 Individui ");
  EXPECT_EQ(s.progress.FileText[1], "Caricati 2 discendenze    ");
  EXPECT_EQ(s.progress.FileText[2], "Caricati 2 coniugi    ");
  EXPECT_EQ(f.ui.messages, std::vector<std::string>{"Database OK. Creare o Selezionare un individuo!"});
  EXPECT_TRUE(f.shown(Window::MainWindow));
  EXPECT_FALSE(f.shown(Window::StartWindow));
  EXPECT_FALSE(f.shown(Window::LoadProgressWindow));
  EXPECT_EQ(s.historyText, "08/12/2026 - 14:03:22 - Elaborazioni su: " + f.dir.file("fam.rni") + "\r\n");
  EXPECT_EQ(f.dir.read("fam.His"), "\"" + s.historyText + "\"\r\n");
}

TEST(OpenDatabase, EnglishTextsAndAnEmptyDatabaseShowTrueCounts) {
  OpenFixture f;
  test::DbBuilder().write(f.dir);
  f.pickOnOpen("fam.rni");
  f.session.initialised = true;  // keep the language chosen before opening
  f.session.English = true;
  f.open();
  EXPECT_EQ(f.session.progress.FileText[0], "Loaded 0 Individuals ");
  EXPECT_EQ(f.session.progress.FileText[1], "Loaded 0 Childrens ");
  EXPECT_EQ(f.session.progress.FileText[2], "Loaded 0 Families ");
  EXPECT_EQ(f.ui.messages.back(), "Database OK. Create or Select a member!");
}

TEST(OpenDatabase, NotesAboutUnusableDataComeBeforeTheConfirmation) {
  OpenFixture f;
  test::DbBuilder({"a", "b"}, "1,5000\r\n").write(f.dir);
  f.pickOnOpen("fam.rni");
  f.open();
  ASSERT_EQ(f.ui.messages.size(), 2u);
  EXPECT_EQ(f.ui.messages[0], "fam.rnc: riga 1: il numero di record 5000 e' fuori da 0..999, riga ignorata");
  EXPECT_EQ(f.session.progress.FileText[1], "Caricati 0 discendenze    ");
}

TEST(OpenDatabase, SecondOpenSaysAlreadyLoadedAndKeepsTheTables) {
  OpenFixture f;
  test::DbBuilder({"a", "b"}).write(f.dir);
  f.pickOnOpen("fam.rni");
  f.open();
  f.session.OutputToFile = true;
  f.ui.messages.clear();
  EXPECT_EQ(f.open(), OpenOutcome::AlreadyLoaded);
  EXPECT_EQ(f.ui.messages,
            std::vector<std::string>{
                "Archivio gia letto. Chiudere l'applicazione e riavviare per passare ad un nuovo archivio!"});
  EXPECT_EQ(f.session.tables.LastIndex, 3);
  EXPECT_TRUE(f.session.OutputToFile) << "start-up does not run twice";
  EXPECT_EQ(f.ui.dialogRuns, 1);
}

TEST(OpenDatabase, ByPathWithoutTheDialog) {
  OpenFixture f;
  test::DbBuilder({"a", "b"}).write(f.dir);
  EXPECT_EQ(OpenDatabaseFile(f.session, f.dir.file("fam.rni")), OpenOutcome::Loaded);
  EXPECT_EQ(f.ui.dialogRuns, 0);
  EXPECT_EQ(f.session.tables.LastIndex, 3);
  EXPECT_EQ(f.session.windowState, kStateIdle);
  EXPECT_EQ(OpenDatabaseFile(f.session, f.dir.file("fam.rni")), OpenOutcome::AlreadyLoaded);
  OpenFixture missing;
  EXPECT_EQ(OpenDatabaseFile(missing.session, missing.dir.file("none.rni")), OpenOutcome::Failed);
  EXPECT_EQ(missing.ui.messages, std::vector<std::string>{"Nome File errato"});
}

TEST(OpenDatabase, AskedByThePersonKeepsTheStateWhenNothingOpens) {
  OpenFixture f;
  f.pickOnOpen("none.rni");
  f.session.windowState = kStateNewRecord;
  EXPECT_EQ(OpenDatabaseAsked(f.session), OpenOutcome::Failed);
  EXPECT_EQ(f.session.windowState, kStateNewRecord);
  test::DbBuilder({"a", "b"}).write(f.dir);
  f.pickOnOpen("fam.rni");
  EXPECT_EQ(OpenDatabaseAsked(f.session), OpenOutcome::Loaded);
  EXPECT_EQ(f.session.windowState, kStateIdle);
}

TEST(OpenDatabase, NoChoiceSaysNonSelezionatoAndStillShowsTheMainWindow) {
  OpenFixture f;
  EXPECT_EQ(f.open(), OpenOutcome::NotLoaded);
  EXPECT_EQ(f.ui.messages, std::vector<std::string>{"Non Selezionato"});
  EXPECT_FALSE(f.session.DbLoaded);
  EXPECT_EQ(f.session.windowState, kStateIdle);
  EXPECT_TRUE(f.shown(Window::MainWindow));
}

TEST(OpenDatabase, MissingFileSaysNomeFileErratoAndStopsBeforeTheHandOver) {
  OpenFixture f;
  f.pickOnOpen("none.rni");
  EXPECT_EQ(f.open(), OpenOutcome::Failed);
  EXPECT_EQ(f.ui.messages, std::vector<std::string>{"Nome File errato"});
  EXPECT_FALSE(f.shown(Window::MainWindow));
  EXPECT_NE(f.session.windowState, kStateIdle);
}

TEST(OpenDatabase, CsvNameLoadsNothingButLogsAndAllowsALaterOpen) {
  OpenFixture f;
  f.dir.write("list.csv", "1,2\r\n");
  f.pickOnOpen("list.csv");
  EXPECT_EQ(f.open(), OpenOutcome::Failed);
  EXPECT_FALSE(f.session.DbLoaded);
  EXPECT_TRUE(f.ui.messages.empty());
  EXPECT_NE(f.dir.read("list.His").find("Elaborazioni su: "), std::string::npos);
  test::DbBuilder({"a"}).write(f.dir);
  f.pickOnOpen("fam.rni");
  EXPECT_EQ(f.open(), OpenOutcome::Loaded);
}

TEST(OpenDatabase, HistoryFileGrowsAcrossRuns) {
  test::TempDir dir;
  test::DbBuilder({"a"}).write(dir);
  for (int run = 0; run < 2; ++run) {
    OpenFixture f;
    f.session.dialog.folder = dir.folder();
    f.pickOnOpen("fam.rni");
    f.open();
    EXPECT_EQ(std::count(f.session.historyText.begin(), f.session.historyText.end(), '\n'), 1)
        << "each run's window starts empty";
  }
  std::string history = dir.read("fam.His");
  EXPECT_EQ(history.substr(0, history.size() / 2), history.substr(history.size() / 2));
  EXPECT_EQ(std::count(history.begin(), history.end(), '"'), 4);
}

TEST(OpenDatabase, HistoryThatCannotBeWrittenIsReportedOnceAndTheLoadGoesOn) {
  OpenFixture f;
  test::DbBuilder({"a"}).write(f.dir);
  std::filesystem::create_directory(f.dir.file("fam.His"));  // unwritable even for root
  f.pickOnOpen("fam.rni");
  EXPECT_EQ(f.open(), OpenOutcome::Loaded);
  EXPECT_EQ(f.ui.messages.back(),
            "Impossibile scrivere la storia nel file " + f.dir.file("fam.His") + ": c'e' una cartella con questo nome");
  LogHistory(f.session, "Fine sessione\r\n");
  EXPECT_EQ(f.ui.messages.size(), 2u) << "reported once per run";
  EXPECT_NE(f.session.historyText.find("Fine sessione"), std::string::npos);
}

TEST(LoadProgress, RefreshesOnTheFirstCallAndEvery22ndWithPercentRoundedToEven) {
  test::TestSession t;
  LoadProgress progress(t.session);
  progress.startPhase(1);
  std::vector<std::string> shown;
  for (long n = 1; n <= 63; ++n) {
    std::string before = t.session.progress.FileText[0];
    progress.step(n);
    if (t.session.progress.FileText[0] != before) shown.push_back(t.session.progress.FileText[0]);
  }
  EXPECT_EQ(shown, (std::vector<std::string>{"Letti  1 Avanzamento:0% ", "Letti  23 Avanzamento:2% ",
                                             "Letti  45 Avanzamento:4% "}));
  EXPECT_EQ(t.ui.refreshes, 3);
  EXPECT_EQ(LoadProgress::StatusText(23, true), "Readed 23 Progress   :2% ");
  EXPECT_EQ(LoadProgress::Percent(15), 2) << "1.5 rounds to 2";
  EXPECT_EQ(LoadProgress::Percent(25), 2) << "2.5 rounds to 2";
  EXPECT_EQ(LoadProgress::Percent(998), 100);
}

TEST(LoadProgress, GaugeMovesWhenTheWholePositionPassesTheLastShown) {
  test::TestSession t;
  LoadProgress progress(t.session);
  progress.startPhase(2);
  std::vector<int> gauges;
  for (long n = 0; n < 400; ++n) {
    progress.step(n);
    if (gauges.empty() || gauges.back() != t.session.progress.Gauge1[1]) gauges.push_back(t.session.progress.Gauge1[1]);
  }
  // Refreshes at 0, 22, 44, 66, ...: position 20n/1000 passes 1 at n=66, 2 at n=110.
  EXPECT_EQ(gauges, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7}));
  EXPECT_EQ(t.session.progress.Gauge1[0], 0);
}

TEST(FileDialog, ClickThenOpenDoesNotAppendTheNameTwice) {
  test::TestSession t;
  test::TempDir dir;
  t.session.dialog.folder = dir.folder();
  DialogClickFile(t.session, "fam.rni");
  EXPECT_EQ(t.session.DbName, dir.file("fam.rni"));
  EXPECT_EQ(t.session.dialog.NomeFile, "fam.rni");
  EXPECT_EQ(t.session.DbBaseName, "fam.rni");
  DialogOpen(t.session);
  EXPECT_EQ(t.session.DbName, dir.file("fam.rni"));
  EXPECT_TRUE(t.session.dialog.closed);
}

TEST(FileDialog, TypedNameOpensFromTheShownFolder) {
  test::TestSession t;
  t.session.dialog.folder = "/data/gen/";
  t.session.dialog.NomeFile = "fam.rni";
  DialogOpen(t.session);
  EXPECT_EQ(t.session.DbName, "/data/gen/fam.rni");
  EXPECT_EQ(t.session.DbFolder, "/data/gen/");
  EXPECT_EQ(t.session.TemplateFolder, "/data/");
}

TEST(FileDialog, ListsFilesByPatternAndFolders) {
  test::TestSession t;
  test::TempDir dir;
  for (const char* name : {"b.rni", "A.RNI", "c.rnc", "notes.txt"}) dir.write(name, "");
  std::filesystem::create_directory(dir.file("sub"));
  t.session.dialog.folder = dir.folder();
  EXPECT_EQ(DialogFileList(t.session), (std::vector<std::string>{"A.RNI", "b.rni"}));
  t.session.dialog.NomeFile = "*.rn?";
  EXPECT_EQ(DialogFileList(t.session), (std::vector<std::string>{"A.RNI", "b.rni", "c.rnc"}));
  EXPECT_EQ(DialogFolderList(t.session), std::vector<std::string>{"sub"});
  EXPECT_FALSE(DialogChangeFolder(t.session, dir.file("missing")));
  EXPECT_EQ(t.ui.messages.back().find(" Device non disponibile"), t.ui.messages.back().size() - 23);
  EXPECT_EQ(t.session.dialog.folder, dir.folder()) << "keeps the previous folder";
}

TEST(FileDialog, ExitClearsTheNameAndEndsTheProgram) {
  OpenFixture f;
  f.ui.onFileDialog = [&f] { DialogExit(f.session); };
  EXPECT_EQ(f.open(), OpenOutcome::Failed);
  EXPECT_TRUE(f.ui.quitCalled);
  EXPECT_TRUE(f.session.DbName.empty());
  EXPECT_TRUE(f.ui.messages.empty());
}

}  // namespace
}  // namespace kord
