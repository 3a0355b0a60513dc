// Replacing a whole database: the switch itself, the lock that follows the
// individuals file, a switch left half done by a stopped program, and a
// reader that loads while a switch happens.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <unistd.h>

#include <filesystem>

#include "app/file_dialog.h"
#include "app/open_database.h"
#include "db/file_set_switch.h"
#include "db_builder.h"
#include "test_support.h"

namespace kord {
namespace {

namespace fs = std::filesystem;

/// The individuals file bytes of `names`, as DbBuilder writes them.
std::string recordsOf(const std::vector<std::string>& names) {
  test::TempDir scratch;
  test::DbBuilder(names).write(scratch);
  return scratch.read("fam.rni");
}

std::vector<NewFileContent> newSet(const test::TempDir& dir) {
  return {{dir.file("fam.rni"), recordsOf({"Nuovo Uno", "Nuovo Due"})},
          {dir.file("fam.rnc"), "1,0\r\n"},
          {dir.file("fam.rns"), ""},
          {dir.file("fam.rnt"), "0\r\n"}};
}

/// A session whose file dialog picks "fam.rni" in `dir`.
struct Opener : test::TestSession {
  explicit Opener(const test::TempDir& dir) {
    session.dialog.folder = dir.folder();
    ui.onFileDialog = [this] {
      DialogClickFile(session, "fam.rni");
      DialogOpen(session);
    };
    session.windowState = kStateOpening;
  }
};

bool lockedElsewhere(const std::string& path) {
  int fd = ::open(path.c_str(), O_RDONLY);
  bool locked = ::flock(fd, LOCK_EX | LOCK_NB) != 0;
  ::close(fd);
  return locked;
}

TEST(FileSetSwitch, ReplacesTheSetLeavesNothingBehindAndTheLockFollows) {
  test::TempDir dir;
  test::DbBuilder({"Vecchio"}, "", "0,0\r\n").write(dir);
  Opener o(dir);
  ASSERT_EQ(OpenDatabase(o.session), OpenOutcome::Loaded);
  ASSERT_EQ(SwitchDatabaseFiles(o.session.files, newSet(dir), o.session.lock, false), "");
  EXPECT_EQ(dir.read("fam.rni"), recordsOf({"Nuovo Uno", "Nuovo Due"}));
  EXPECT_EQ(dir.read("fam.rnc"), "1,0\r\n");
  EXPECT_EQ(dir.read("fam.rns"), "");
  std::size_t files = 0;
  for (const auto& e : fs::directory_iterator(dir.folder())) files += e.path().filename().string()[0] != '.';
  EXPECT_EQ(files, 5u) << "four files and the history, no journal";
  EXPECT_FALSE(SwitchPending(o.session.files));
  EXPECT_TRUE(o.session.lock.holds(dir.file("fam.rni")));
  EXPECT_TRUE(lockedElsewhere(dir.file("fam.rni"))) << "the new individuals file is the locked one";
}

TEST(FileSetSwitch, ASwitchLeftHalfDoneIsSettledAtTheNextOpen) {
  struct Case {
    const char* name;
    bool committed;
    bool childrenAlreadyMoved;
    std::vector<std::string> expectedNames;
  };
  const Case cases[] = {
      {"stopped while writing", false, false, {"Vecchio"}},
      {"stopped between renames", true, true, {"Nuovo Uno", "Nuovo Due"}},
      {"stopped before the first rename", true, false, {"Nuovo Uno", "Nuovo Due"}},
  };
  for (const Case& c : cases) {
    test::TempDir dir;
    test::DbBuilder({"Vecchio"}, "", "0,0\r\n").write(dir);
    std::string journal = std::string("KORD SWITCH\n") + (c.committed ? "commit\n" : "prepare\n");
    for (const auto& f : newSet(dir)) {
      std::string temporary = "." + BaseNameOf(f.path) + ".99-1.tmp";
      journal += BaseNameOf(f.path) + "\t" + temporary + "\n";
      dir.write(c.childrenAlreadyMoved && f.path.ends_with(".rnc") ? BaseNameOf(f.path) : temporary, f.bytes);
    }
    dir.write("fam.rnj", journal);
    Opener o(dir);
    ASSERT_EQ(OpenDatabase(o.session), OpenOutcome::Loaded) << c.name;
    const Tables& t = o.session.tables;
    ASSERT_EQ(t.individualCount(), static_cast<int>(c.expectedNames.size())) << c.name;
    for (std::size_t i = 0; i < c.expectedNames.size(); ++i) EXPECT_EQ(t.Names[i + 2], c.expectedNames[i]) << c.name;
    EXPECT_EQ(t.ChildLinkCount, c.committed ? 1 : 0) << c.name;
    EXPECT_EQ(t.SpouseLinkCount, c.committed ? 0 : 1) << c.name;
    for (const auto& e : fs::directory_iterator(dir.folder()))
      EXPECT_NE(e.path().filename().string()[0], '.') << c.name << ": " << e.path();
    EXPECT_FALSE(fs::exists(dir.file("fam.rnj"))) << c.name;
  }
}

TEST(FileSetSwitch, AJournalNotWrittenByTheProgramIsLeftAloneAndStopsTheOpen) {
  test::TempDir dir;
  test::DbBuilder({"Vecchio"}).write(dir);
  dir.write(".x.tmp", "moved?");
  for (const char* entry : {"../fam.rni\t.x.tmp", "fam.rni\tfam.rnc", "other.txt\t.x.tmp"}) {
    dir.write("fam.rnj", std::string("KORD SWITCH\ncommit\n") + entry + "\n");
    Opener o(dir);
    EXPECT_EQ(OpenDatabase(o.session), OpenOutcome::Failed) << entry;
    ASSERT_FALSE(o.ui.messages.empty());
    EXPECT_EQ(o.ui.messages.back().rfind(dir.file("fam.rnj") + ": una sostituzione interrotta", 0), 0u)
        << o.ui.messages.back();
    EXPECT_EQ(dir.read("fam.rni"), recordsOf({"Vecchio"})) << entry;
    EXPECT_EQ(dir.read(".x.tmp"), "moved?") << entry;
  }
}

/// A reader whose progress display lets a writer switch the set once while
/// the individuals are being read.
class SwitchingUi : public test::FakeUi {
 public:
  std::function<void()> duringLoad;
  void refresh(Window w) override {
    if (w == Window::LoadProgressWindow && duringLoad) std::exchange(duringLoad, nullptr)();
    FakeUi::refresh(w);
  }
};

TEST(FileSetSwitch, AReaderLoadingDuringASwitchEndsWithTheWholeNewSet) {
  test::TempDir dir;
  test::DbBuilder({"Vecchio"}, "", "0,0\r\n").write(dir);
  SwitchingUi ui;
  test::FixedClock clock;
  test::FakePrinter printer;
  Session s(ui, clock, printer);
  s.holdLockWhileOpen = false;  // a reader
  s.dialog.folder = dir.folder();
  ui.onFileDialog = [&] {
    DialogClickFile(s, "fam.rni");
    DialogOpen(s);
  };
  ui.duringLoad = [&] {
    DatabaseLock writer;
    EXPECT_EQ(SwitchDatabaseFiles(FileSetFor(dir.file("fam.rni")), newSet(dir), writer, false), "");
  };
  s.windowState = kStateOpening;
  ASSERT_EQ(OpenDatabase(s), OpenOutcome::Loaded);
  EXPECT_EQ(s.tables.individualCount(), 2);
  EXPECT_EQ(s.tables.Names[2], "Nuovo Uno");
  EXPECT_EQ(s.tables.ChildLinkCount, 1);
  EXPECT_EQ(s.tables.SpouseLinkCount, 0) << "no link of the old set is kept";
  EXPECT_EQ(s.tables.Spouse[2], kNone);
}

}  // namespace
}  // namespace kord
