// kord-bench-trees: times the tree and kinship commands on families with
// heavy pedigree collapse (one couple per generation, both children of the
// couple before). For each family: the roots of the youngest husband, the
// branches of the eldest, as list and as outline with the text file and the
// HTML page, and the common ancestors and descendants of a couple. Families:
// 40 people (a tree of 2^20 - 1 lines unless shortened), 28 people (the
// largest such tree still drawn whole, 16,383 lines) and 998 people. Prints each figure
// in milliseconds (wall and processor time), the lines each tree got, and
// the peak memory of the run.
//
// usage: kord-bench-trees [--keep]   (--keep leaves the scratch folder)

#include <sys/resource.h>
#include <unistd.h>

#include <ctime>
#include <filesystem>
#include <functional>
#include <iostream>

#include "bench_support.h"
#include "collapsed_pedigree.h"
#include "db/load_tables.h"
#include "session/session.h"
#include "trees/common_kin.h"
#include "trees/draw_tree.h"

namespace fs = std::filesystem;
using namespace kord;

namespace {

using bench::CountingUi;
using bench::report;
using bench::timeMs;

/// The wall time of `work` as report() prints it, then the processor time
/// it took, which a busy machine does not inflate.
void timeCommand(const char* what, const std::function<void()>& work) {
  const std::clock_t start = std::clock();
  report(what, timeMs(work));
  std::cout << "    processor time " << (std::clock() - start) * 1000 / CLOCKS_PER_SEC << " ms, ";
}

fs::path makeScratchFolder() {
  fs::path root = fs::temp_directory_path() / ("kord_bench_trees_" + std::to_string(::getpid()));
  fs::remove_all(root);
  fs::create_directories(root);
  for (const auto& e : fs::directory_iterator(KORD_DATA_DIR))
    if (e.path().extension() == ".hts") fs::copy(e.path(), root / e.path().filename());
  return root;
}

void loadDatabase(Session& s, const fs::path& folder) {
  LoadNotes notes;
  s.files = FileSetFor((folder / "fam.rni").string());
  LoadIndividuals(s.tables, s.files.IndividualsFile, nullptr, notes);
  LoadChildLinks(s.tables, s.files.ChildrenFile, nullptr, notes);
  LoadSpouseLinks(s.tables, s.files.SpousesFile, nullptr, notes);
  s.DbFolder = folder.string() + "/";
  s.TemplateFolder = folder.parent_path().string() + "/";
  s.DbLoaded = true;
  s.windowState = kStateIdle;
}

void timeTree(Session& s, const char* what, int focus, bool ancestors, TreeView view) {
  s.treeList.Lista.clear();
  s.treeOutline.Lista.clear();
  s.NInd[0] = focus;
  s.trees.AncestorMode = ancestors;
  timeCommand(what, [&] { DrawTree(s, view); });
  const std::size_t lines = view == TreeView::List ? s.treeList.Lista.size() : s.treeOutline.Lista.size();
  std::cout << lines << " lines\n";
}

void timeKin(Session& s, const char* what, int focus, int second, bool descendants) {
  s.treeList.Lista.clear();
  s.NInd = {focus, second};
  s.CommonKind = descendants;
  s.trees.AncestorMode = !descendants;
  timeCommand(what, [&] { CommonKin(s); });
  std::cout << s.treeList.Lista.size() << " lines, " << s.trees.KinSet.size() << " individuals collected\n";
}

void benchFamily(const fs::path& root, int people) {
  const fs::path folder = root / ("collapsed_" + std::to_string(people));
  fs::create_directories(folder);
  bench::GenerateCollapsedPedigree((folder / "fam").string(), people);
  const int last = people / 2 - 1;
  std::cout << "family of " << people << " people, " << people / 2 << " generations of one couple\n";

  CountingUi ui;
  SystemClock clock;
  bench::NullPrinter printer;
  Session s(ui, clock, printer);
  loadDatabase(s, folder);
  s.OutputToFile = true;
  timeTree(s, "  roots of the youngest husband (list)", bench::HusbandOf(last), true, TreeView::List);
  timeTree(s, "  roots of the youngest husband (outline)", bench::HusbandOf(last), true, TreeView::Outline);
  timeTree(s, "  branches of the eldest husband (list)", bench::HusbandOf(0), false, TreeView::List);
  timeTree(s, "  branches of the eldest husband (outline)", bench::HusbandOf(0), false, TreeView::Outline);
  s.CardWithTree = true;
  timeTree(s, "  roots with the personal data", bench::HusbandOf(last), true, TreeView::List);
  s.CardWithTree = false;
  timeKin(s, "  common ancestors of the youngest couple", bench::HusbandOf(last), bench::WifeOf(last), false);
  timeKin(s, "  common descendants of the eldest couple", bench::HusbandOf(0), bench::WifeOf(0), true);
  if (ui.messages > 0) std::cerr << "  " << ui.messages << " messages, the last: " << ui.last << "\n";
}

long peakMegabytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss / 1024;
}

}  // namespace

int main(int argc, char** argv) {
  const bool keep = argc > 1 && std::string(argv[1]) == "--keep";
  const fs::path root = makeScratchFolder();
  for (int people : {40, 28, 998}) benchFamily(root, people);
  std::cout << "peak memory: " << peakMegabytes() << " MB\n";
  if (keep)
    std::cout << "files in " << root << "\n";
  else
    fs::remove_all(root);
  return 0;
}
