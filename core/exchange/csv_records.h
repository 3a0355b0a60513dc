#pragma once
/// Reading comma-separated text as spreadsheets write it (RFC 4180): a value
/// may be quoted, and a quoted value may hold the separator, doubled quotes
/// ("" is one quote) and line breaks; blanks around a value are dropped.

#include <string>
#include <string_view>
#include <vector>

namespace kord {

struct CsvRecord {
  int line = 0;  ///< the line it starts on, from 1
  std::vector<std::string> values;
  bool closed = true;  ///< false: a quoted value has no closing quote, or text follows one
};

/// The records of `text`, split at `separator`. A record that spans lines
/// only counts as one when it ends well (closed) with `expectedValues`
/// values; otherwise its first line alone is the record (so an unclosed
/// quote spoils one line, not the rest of the file) and reading goes on at
/// the next line. Empty lines give no record.
std::vector<CsvRecord> ReadCsvRecords(std::string_view text, char separator, std::size_t expectedValues);

/// The values of one line split at `separator` as above; false in `closed`
/// when a quoted value has no closing quote or text follows one.
std::vector<std::string> SplitCsvLine(std::string_view line, bool& closed, char separator = ',');

/// ';' when the first non-empty line splits into `expectedValues` values at
/// semicolons and not at commas (the Italian spreadsheet default), or has
/// more semicolons than commas outside quotes; else ','.
char DetectCsvSeparator(std::string_view text, std::size_t expectedValues);

}  // namespace kord
