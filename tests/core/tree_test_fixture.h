#pragma once
// A small family for the tree tests: names and parent links straight into
// the tables, full records in an individuals file in "db/", and templates
// that write only their own name, so a page shows which ones were copied.

#include <filesystem>
#include <string>
#include <vector>

#include "db/codepage.h"
#include "db/file_set.h"
#include "test_support.h"

namespace kord::test {

struct TreeFixture : TestSession {
  TempDir dir;
  std::vector<PersonRecord> records;

  /// Individuals 2, 3, ... in the order of `names`, without links.
  explicit TreeFixture(const std::vector<std::string>& names) {
    std::filesystem::create_directories(dir.file("db"));
    session.DbFolder = dir.folder() + "db/";
    session.TemplateFolder = dir.folder();
    session.files = FileSetFor(session.DbFolder + "fam.rni");
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
    for (std::string code : {"01", "02", "02a", "03", "04", "05"}) dir.write("TrHtm" + code + ".hts", "[" + code + "]");
  }

  void parents(int child, int first, int second = kNone) {
    session.tables.Parent1[child] = first;
    session.tables.Parent2[child] = second;
  }
  /// The record of `index`; call writeRecords() after changing it.
  PersonRecord& person(int index) { return records[index - 2]; }
  void writeRecords() {
    std::string bytes;
    for (const auto& r : records) bytes.append(r.bytes().begin(), r.bytes().end());
    dir.write("db/fam.rni", bytes);
  }

  /// Albero's items as they would be shown: drawing and text in UTF-8.
  std::vector<std::string> albero() const {
    std::vector<std::string> lines;
    for (const auto& item : session.treeList.Lista) lines.push_back(TreeBytesToUtf8(item.drawing + item.text));
    return lines;
  }
  std::vector<int> alberoData() const {
    std::vector<int> data;
    for (const auto& item : session.treeList.Lista) data.push_back(item.data);
    return data;
  }
  /// A file of the database folder, decoded like a tree line.
  std::string dbFile(const std::string& name) const { return TreeBytesToUtf8(dir.read("db/" + name)); }
};

}  // namespace kord::test
