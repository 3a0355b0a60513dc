#include "exchange/csv_records.h"

#include <algorithm>

#include "db/person_record.h"

namespace kord {
namespace {

bool isLineEnd(char c) { return c == '\r' || c == '\n'; }

std::size_t skipBlanks(std::string_view text, std::size_t i) {
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  return i;
}

std::size_t lineEndFrom(std::string_view text, std::size_t i) {
  return std::min(text.find_first_of("\r\n", i), text.size());
}

/// Where the next line starts after the line end (CR LF, LF or CR) at `i`.
std::size_t afterLineEnd(std::string_view text, std::size_t i) {
  if (i >= text.size()) return text.size();
  return text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n' ? i + 2 : i + 1;
}

struct Reading {
  std::vector<std::string> values;
  bool closed = true;
  std::size_t next = 0;  ///< after the record's line end
  int lineBreaks = 0;    ///< inside quoted values
};

/// A quoted value from its opening quote at `i` to after its closing quote;
/// false when the text ends first.
bool readQuoted(std::string_view text, std::size_t& i, std::string& value, int& lineBreaks) {
  for (++i; i < text.size(); ++i) {
    char c = text[i];
    if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
      value += '"';
      ++i;
    } else if (c == '"') {
      ++i;
      return true;
    } else {
      lineBreaks += c == '\n' || (c == '\r' && (i + 1 == text.size() || text[i + 1] != '\n'));
      value += c;
    }
  }
  return false;
}

Reading readRecord(std::string_view text, std::size_t start, char separator) {
  Reading r;
  std::size_t i = start;
  while (true) {
    i = skipBlanks(text, i);
    std::string value;
    if (i < text.size() && text[i] == '"') {
      if (!readQuoted(text, i, value, r.lineBreaks)) {
        r.closed = false;
      } else if ((i = skipBlanks(text, i)) < text.size() && text[i] != separator && !isLineEnd(text[i])) {
        r.closed = false;  // text after the closing quote
        i = lineEndFrom(text, i);
      }
    } else {
      std::size_t end = i;
      while (end < text.size() && text[end] != separator && !isLineEnd(text[end])) ++end;
      value = TrimRight(text.substr(i, end - i));
      i = end;
    }
    r.values.push_back(std::move(value));
    if (i >= text.size() || isLineEnd(text[i])) break;
    ++i;  // the separator
  }
  r.next = afterLineEnd(text, i);
  return r;
}

bool isEmptyRecord(const Reading& r) { return r.closed && r.values.size() == 1 && r.values[0].empty(); }

std::size_t count(std::string_view line, char c) {
  bool quoted = false;
  std::size_t n = 0;
  for (char ch : line) {
    quoted = ch == '"' ? !quoted : quoted;
    n += !quoted && ch == c;
  }
  return n;
}

}  // namespace

std::vector<CsvRecord> ReadCsvRecords(std::string_view text, char separator, std::size_t expectedValues) {
  std::vector<CsvRecord> records;
  std::size_t at = 0;
  int line = 1;
  while (at < text.size()) {
    Reading r = readRecord(text, at, separator);
    if (r.lineBreaks > 0 && (!r.closed || r.values.size() != expectedValues)) {
      std::size_t end = lineEndFrom(text, at);
      r = readRecord(text.substr(at, end - at), 0, separator);
      r.next = afterLineEnd(text, end);
    }
    if (!isEmptyRecord(r)) records.push_back({line, std::move(r.values), r.closed});
    line += 1 + r.lineBreaks;
    at = r.next;
  }
  return records;
}

std::vector<std::string> SplitCsvLine(std::string_view line, bool& closed, char separator) {
  Reading r = readRecord(line, 0, separator);
  closed = r.closed;
  return r.values;
}

char DetectCsvSeparator(std::string_view text, std::size_t expectedValues) {
  std::size_t start = 0;
  while (start < text.size() && (isLineEnd(text[start]) || text[start] == ' ' || text[start] == '\t')) ++start;
  std::string_view line = text.substr(start, lineEndFrom(text, start) - start);
  bool closed = true;
  bool commas = SplitCsvLine(line, closed, ',').size() == expectedValues;
  bool semicolons = SplitCsvLine(line, closed, ';').size() == expectedValues;
  if (commas != semicolons) return semicolons ? ';' : ',';
  return count(line, ';') > count(line, ',') ? ';' : ',';
}

}  // namespace kord
