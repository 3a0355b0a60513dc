#pragma once
// Imports a GEDCOM text or file into "new" in a scratch folder and reads
// back what was written, for the import tests.

#include <algorithm>
#include <string>
#include <vector>

#include "db/person_record.h"
#include "exchange/gedcom_import.h"
#include "test_support.h"

namespace kord::test {

struct ImportedDatabase {
  ExchangeSummary summary;
  std::vector<PersonRecord> records;
  std::string children, spouses;
};

/// Imports `gedcomPath` into `dir`/new.rni (English summary).
inline ImportedDatabase ImportInto(const TempDir& dir, const std::string& gedcomPath,
                                   GedcomImportOptions options = {}) {
  options.english = true;
  ImportedDatabase out;
  out.summary = ImportGedcom(gedcomPath, dir.file("new.rni"), options);
  std::string bytes = dir.read("new.rni");
  for (std::size_t at = 0; at + kRecordLength <= bytes.size(); at += kRecordLength) {
    out.records.emplace_back();
    std::copy_n(bytes.begin() + at, kRecordLength, out.records.back().bytes().begin());
  }
  out.children = dir.read("new.rnc");
  out.spouses = dir.read("new.rns");
  return out;
}

/// Writes `text` to `dir`/in.ged and imports it.
inline ImportedDatabase ImportText(const TempDir& dir, const std::string& text, GedcomImportOptions options = {}) {
  dir.write("in.ged", text);
  return ImportInto(dir, dir.file("in.ged"), options);
}

/// The path of a file of tests/data/gedcom.
inline std::string GedcomDataFile(const std::string& name) {
  return std::string(KORD_SAMPLE_DIR) + "/../../tests/data/gedcom/" + name;
}

}  // namespace kord::test
