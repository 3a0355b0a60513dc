// kord-bench-book: times the family book on a full database. Generates 998
// individuals in a scratch folder (with the sample site templates in its
// parent), then times, in one run: loading, the whole book with its HTML
// site ("Libro di Famiglia"; twice: creating its 999 pages, then replacing
// them), the navigator and the picture navigator filled
// for every individual, and the sorted book by birth date. Prints each
// figure in milliseconds.
//
// usage: kord-bench-book [--keep]   (--keep leaves the scratch folder)

#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <iostream>

#include "book/book_commands.h"
#include "db/file_dialog.h"
#include "db/open_database.h"
#include "bench_support.h"
#include "family_generator.h"
#include "shell/session.h"

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
  fs::create_directories(root / "db");
  for (const auto& e : fs::directory_iterator(KORD_DATA_DIR))
    if (e.path().extension() == ".htt") fs::copy(e.path(), root / e.path().filename());
  return root;
}

}  // namespace

int main(int argc, char** argv) {
  const bool keep = argc > 1 && std::string(argv[1]) == "--keep";
  const fs::path root = makeScratchFolder();
  const fs::path db = root / "db";
  bench::GeneratedDatabase made = bench::GenerateFamilyDatabase((db / "bench").string(), 998);
  std::cout << "database: " << made.individuals << " individuals, " << made.generations << " generations, "
            << made.childLinks << " child links, " << made.spouseLinks << " spouse links, in " << db << "\n";

  BenchUi ui;
  SystemClock clock;
  NullPrinter printer;
  Session s(ui, clock, printer);
  ui.session = &s;
  s.dialog.folder = db.string() + "/";
  s.StatoWindows = kStateOpening;
  OpenOutcome outcome = OpenOutcome::NotLoaded;
  report("load", timeMs([&] { outcome = OpenDatabase(s); }));
  if (outcome != OpenOutcome::Loaded) {
    std::cerr << "kord-bench-book: the database was not loaded: " << ui.lastMessage << "\n";
    return 1;
  }
  const int messagesAfterLoad = ui.messages;
  report("book with HTML site (Libro di Famiglia)", timeMs([&] { LibroFamiglia(s); }));
  std::cout << "  pages written: " << countPages(db) << " (index.html included)\n";
  report("the book again, replacing its pages", timeMs([&] { LibroFamiglia(s); }));
  report("navigator, every individual (Naviga)", timeMs([&] { eachIndividual(s, Naviga); }));
  report("picture navigator, every individual (Thumb)", timeMs([&] { eachIndividual(s, ThumbCommand); }));
  report("sorted book by birth date", timeMs([&] { SortedBookRun(s, 4); }));
  if (ui.messages != messagesAfterLoad) std::cerr << "messages during the runs, the last: " << ui.lastMessage << "\n";
  if (!keep) fs::remove_all(root);
  return 0;
}
