// kord-bench-book: times the family book, the general list and the sorted
// book on generated families of 250, 500 and 998 individuals, so that the
// growth with the size of the family shows; then, on the 998, replacing the
// site's pages and the navigator fills. Each database is written in a
// scratch folder (with the sample site templates in its parent). A figure of
// the growth table is the best of several runs in this process, in
// milliseconds.
//
// usage: kord-bench-book [--keep]   (--keep leaves the scratch folder)
// The scratch folder is made in TMPDIR: TMPDIR=/dev/shm leaves the disk's
// own cost of creating and truncating a thousand files out of the figures.

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <iomanip>
#include <iostream>
#include <memory>

#include "app/file_dialog.h"
#include "app/open_database.h"
#include "bench_support.h"
#include "book/book_commands.h"
#include "db/demo_family.h"
#include "lists/standard_lists.h"
#include "session/session.h"

namespace fs = std::filesystem;
using namespace kord;

namespace {

/// Picks the generated database in the file dialog and keeps quiet.
class BenchUi : public Ui {
 public:
  Session* session = nullptr;
  int messages = 0;
  std::string lastMessage;
  void message(const std::string& text, const std::string&) override {
    ++messages;
    lastMessage = text;
  }
  bool askYesNo(const std::string&, const std::string&, Icon, bool yes) override { return yes; }
  std::string inputBox(const std::string&, const std::string&, const std::string&) override { return {}; }
  void runFileDialog() override {
    DialogClickFile(*session, "bench.rni");
    DialogOpen(*session);
  }
  void showWindow(Window, bool) override {}
  void refresh(Window) override {}
  void quit() override {}
};

using bench::NullPrinter;
using bench::report;
using bench::timeMs;

/// A generated database loaded as the open flow loads it.
struct OpenedFamily {
  BenchUi ui;
  SystemClock clock;
  NullPrinter printer;
  Session s{ui, clock, printer};
  fs::path folder;
  double loadMs = 0;
  int messagesAfterLoad = 0;
};

int countPages(const fs::path& folder) {
  int pages = 0;
  for (const auto& e : fs::directory_iterator(folder))
    if (e.path().extension() == ".html") ++pages;
  return pages;
}

void eachIndividual(Session& s, void (*command)(Session&)) {
  for (int i = 2; i <= s.tables.LastIndex; ++i) {
    s.NInd[0] = i;
    command(s);
  }
}

fs::path makeScratchFolder() {
  fs::path root = fs::temp_directory_path() / ("kord_bench_" + std::to_string(::getpid()));
  fs::remove_all(root);
  fs::create_directories(root);
  for (const auto& e : fs::directory_iterator(KORD_DATA_DIR))
    if (e.path().extension() == ".htt") fs::copy(e.path(), root / e.path().filename());
  return root;
}

/// Generates `people` individuals in root/db<people> and opens them; null
/// (and the reason on standard error) when the load fails.
std::unique_ptr<OpenedFamily> openGenerated(const fs::path& root, int people) {
  auto f = std::make_unique<OpenedFamily>();
  f->folder = root / ("db" + std::to_string(people));
  fs::create_directories(f->folder);
  GenerateFamilyDatabase((f->folder / "bench").string(), people);
  f->ui.session = &f->s;
  f->s.dialog.folder = f->folder.string() + "/";
  f->s.windowState = kStateOpening;
  OpenOutcome outcome = OpenOutcome::NotLoaded;
  f->loadMs = timeMs([&] { outcome = OpenDatabase(f->s); });
  if (outcome != OpenOutcome::Loaded) {
    std::cerr << "kord-bench-book: the database of " << people << " was not loaded: " << f->ui.lastMessage << "\n";
    return nullptr;
  }
  f->messagesAfterLoad = f->ui.messages;
  return f;
}

/// The best of `runs` timings of `work`.
double bestOf(int runs, const std::function<void()>& work) {
  double best = timeMs(work);
  for (int k = 1; k < runs; ++k) best = std::min(best, timeMs(work));
  return best;
}

void printGrowthRow(OpenedFamily& f) {
  Session& s = f.s;
  const double book = bestOf(3, [&] { WholeFamilyBook(s); });
  const double list = bestOf(5, [&] { ListCommand(s, ListMode::General, false); });
  const double sorted = bestOf(5, [&] { SortedBookRun(s, 4); });
  std::cout << std::setw(7) << s.tables.individualCount() << std::fixed << std::setprecision(1) << std::setw(16) << book
            << std::setw(15) << list << std::setw(15) << sorted << std::setw(8) << countPages(f.folder) << "\n";
}

void warnOfMessages(const OpenedFamily& f) {
  if (f.ui.messages != f.messagesAfterLoad)
    std::cerr << "messages during the runs, the last: " << f.ui.lastMessage << "\n";
}

}  // namespace

int main(int argc, char** argv) {
  const bool keep = argc > 1 && std::string(argv[1]) == "--keep";
  const fs::path root = makeScratchFolder();
  std::cout << "growth (ms, best of 3 books and 5 lists; pages: .html files written, index.html included)\n"
            << " people  book with site   general list    sorted book   pages\n";
  std::unique_ptr<OpenedFamily> full;
  for (int people : {250, 500, 998}) {
    auto f = openGenerated(root, people);
    if (!f) return 1;
    printGrowthRow(*f);
    warnOfMessages(*f);
    full = std::move(f);
  }
  Session& s = full->s;
  std::cout << "\n998 individuals, in " << full->folder << "\n";
  report("load", full->loadMs);
  report("the book again, replacing its pages", timeMs([&] { WholeFamilyBook(s); }));
  report("navigator, every individual (Naviga)", timeMs([&] { eachIndividual(s, FamilyNavigatorCommand); }));
  report("picture navigator, every individual (Thumb)", timeMs([&] { eachIndividual(s, PictureNavigatorCommand); }));
  warnOfMessages(*full);
  if (!keep) fs::remove_all(root);
  return 0;
}
