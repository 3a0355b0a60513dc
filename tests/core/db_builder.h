#pragma once
// Writes small databases for tests: records by name, link lines as given.

#include <string>
#include <vector>

#include "db/person_record.h"
#include "test_support.h"

namespace kord::test {

/// A database "fam" in `dir`: one record per name (record number in Num), and
/// the link and type files exactly as given.
struct DbBuilder {
  DbBuilder(std::vector<std::string> names = {}, std::string children = {}, std::string spouses = {})
      : names(std::move(names)), children(std::move(children)), spouses(std::move(spouses)) {}

  std::vector<std::string> names;
  std::string children;
  std::string spouses;
  std::string type = "0\r\n";

  /// Writes the files; returns the path of the individuals file.
  std::string write(const TempDir& dir, const std::string& base = "fam") const {
    std::string bytes;
    for (std::size_t i = 0; i < names.size(); ++i) {
      PersonRecord r;
      r.set(Num, std::to_string(i + 1));
      r.set(Name, names[i]);
      bytes.append(r.bytes().begin(), r.bytes().end());
    }
    dir.write(base + ".rni", bytes);
    dir.write(base + ".rnc", children);
    dir.write(base + ".rns", spouses);
    dir.write(base + ".rnt", type);
    return dir.file(base + ".rni");
  }
};

}  // namespace kord::test
