#pragma once
// A small database for the family book tests: names straight into the
// tables, full records in "db/fam.rni", and site templates that write only
// their own name ("[3a]" for kordht3a.htt), so a page shows which templates
// were copied and in which order.

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "db/file_set.h"
#include "test_support.h"
#include "trees/tree_walk.h"

namespace kord::test {

inline const std::vector<std::string> kSiteTemplates = {"0", "1",  "2",  "3",  "3a", "4",  "5",  "6", "7",
                                                        "8", "1b", "2b", "3b", "4b", "5b", "6b", "7b"};

struct BookFixture : TestSession {
  TempDir dir;
  std::vector<PersonRecord> records;

  /// Individuals 2, 3, ... in the order of `names`, without links.
  explicit BookFixture(const std::vector<std::string>& names) {
    std::filesystem::create_directories(dir.file("db"));
    session.DbFolder = dir.folder() + "db/";
    session.TemplateFolder = dir.folder();
    session.DbName = session.DbFolder + "fam.rni";
    session.files = FileSetFor(session.DbName);
    session.windowState = kStateIdle;
    session.NewRecordMode = false;
    Tables& t = session.tables;
    t.LastIndex = static_cast<int>(names.size()) + 1;
    for (std::size_t i = 0; i < names.size(); ++i) {
      t.Names[i + 2] = names[i];
      records.emplace_back();
      records.back().set(Num, std::to_string(i + 1));
      records.back().set(Name, names[i]);
    }
    writeRecords();
    writeTemplates();
    SetDetailLabels(session, true);
  }

  void writeTemplates() const {
    for (const auto& code : kSiteTemplates) dir.write("kordht" + code + ".htt", "[" + code + "]");
  }
  void parents(int child, int first, int second = kNone) {
    session.tables.Parent1[child] = first;
    session.tables.Parent2[child] = second;
  }
  /// The record of `index`; call writeRecords() after changing it.
  PersonRecord& person(int index) { return records[index - 2]; }
  void writeRecords() const {
    std::string bytes;
    for (const auto& r : records) bytes.append(r.bytes().begin(), r.bytes().end());
    dir.write("db/fam.rni", bytes);
  }
  /// Record `index` as it is on disk now.
  PersonRecord storedRecord(int index) const {
    std::string bytes = dir.read("db/fam.rni");
    PersonRecord r;
    std::copy_n(bytes.begin() + static_cast<std::ptrdiff_t>((index - 2) * kRecordLength), kRecordLength,
                r.bytes().begin());
    return r;
  }
  std::string dbFile(const std::string& name) const { return dir.read("db/" + name); }
  bool dbFileExists(const std::string& name) const { return std::filesystem::exists(dir.file("db/" + name)); }
  /// The lines of a CR LF text file of the database folder.
  std::vector<std::string> dbLines(const std::string& name) const {
    std::vector<std::string> lines;
    std::string text = dbFile(name);
    for (std::size_t start = 0; start < text.size();) {
      std::size_t end = text.find("\r\n", start);
      if (end == std::string::npos) end = text.size();
      lines.push_back(text.substr(start, end - start));
      start = end + 2;
    }
    return lines;
  }
  /// The switches of the whole book with its file and detail lines.
  void wholeBookSwitches() {
    session.NavigatorFocus = false;
    session.WalkAll = true;
    session.OutputToFile = true;
    session.DetailLines = true;
    session.SortKey = 0;
  }
};

// 2 Rossi Mario and 3 Bianchi Anna, parents of 4 Rossi Luigi; Luigi and
// 5 Neri Carla (spouses), parents of 6 Rossi Paolo.
struct LuigiFamily : BookFixture {
  LuigiFamily() : BookFixture({"Rossi Mario", "Bianchi Anna", "Rossi Luigi", "Neri Carla", "Rossi Paolo"}) {
    parents(4, 2, 3);
    parents(6, 4, 5);
    session.tables.Spouse[4] = 5;
    session.tables.Spouse[5] = 4;
    PersonRecord& luigi = person(4);
    luigi.set(BirthDate, "12/03/1850");
    luigi.set(BirthPlace, "Sacile");
    luigi.set(BaptismDate, "13/03/1850");
    luigi.set(BaptismPlace, "Duomo");
    luigi.set(MarriageDate, "1875");
    luigi.set(MarriagePlace, "Udine");
    luigi.set(DeathPlace, "Milano");
    luigi.set(Notes, "Sarto a Sacile.");
    writeRecords();
    session.NInd[0] = 2;
  }
  /// The lines of kord.rel from the header of `focus` on, `count` of them.
  std::vector<std::string> block(int focus, std::size_t count) const {
    auto lines = dbLines("kord.rel");
    auto at = std::find(lines.begin(), lines.end(), "_______ Indiv. N. " + std::to_string(focus) + "_________ ");
    if (lines.end() - at < static_cast<std::ptrdiff_t>(count)) return {};
    return {at, at + static_cast<std::ptrdiff_t>(count)};
  }
};

}  // namespace kord::test
