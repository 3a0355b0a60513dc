#include "csv_fields.h"

#include "output_files.h"
#include "person_record.h"

namespace kord {

std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  std::string current;
  for (std::size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c == '\r' || c == '\n') {
      lines.push_back(current);
      current.clear();
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      current += c;
    }
  }
  if (!current.empty()) lines.push_back(current);
  return lines;
}

std::vector<std::string> SplitCsvValues(std::string_view line) {
  std::vector<std::string> values;
  std::size_t i = 0;
  while (true) {
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
    std::string value;
    if (i < line.size() && line[i] == '"') {
      auto close = line.find('"', i + 1);
      value = std::string(line.substr(i + 1, close == std::string_view::npos ? std::string_view::npos : close - i - 1));
      i = close == std::string_view::npos ? line.size() : close + 1;
      auto comma = line.find(',', i);
      i = comma == std::string_view::npos ? line.size() : comma;
    } else {
      auto comma = line.find(',', i);
      std::size_t end = comma == std::string_view::npos ? line.size() : comma;
      value = TrimRight(line.substr(i, end - i));
      i = end;
    }
    values.push_back(value);
    if (i >= line.size()) break;
    ++i;  // the comma
  }
  return values;
}

std::string QuotedLine(std::string_view text) {
  std::string line = "\"";
  line += text;
  line += "\"";
  line += kNewLine;
  return line;
}

bool ReadWholeFile(const std::string& path, std::string& out) { return ReadRegularFile(path, out); }

}  // namespace kord
