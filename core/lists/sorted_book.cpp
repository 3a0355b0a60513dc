#include "lists/sorted_book.h"

#include <tuple>

#include "db/dates.h"
#include "lists/list_order.h"

namespace kord {
namespace {

/// Undated last, then year, month and day (0 and 0 for a year alone), then
/// the text.
using EntryKey = std::tuple<bool, int, int, int, std::string>;

EntryKey chronologicalKey(const std::string& value, const std::string& text) {
  auto date = ReadStoredDate(value);
  if (!date) return {true, 0, 0, 0, ListKey(text)};
  const bool yearOnly = date->day == 0;
  return {false, date->year, yearOnly ? 0 : date->month, yearOnly ? 0 : date->day, ListKey(text)};
}

}  // namespace

bool IsDateSortKey(int sortKey) { return sortKey >= 4 && sortKey <= 12 && sortKey % 2 == 0; }

void OrderSortedBook(std::vector<ListItem>& entries, const std::vector<std::string>& values, int sortKey) {
  if (!IsDateSortKey(sortKey) || values.size() != entries.size()) {
    SortListItems(entries);
    return;
  }
  std::vector<EntryKey> keys;
  keys.reserve(entries.size());
  for (std::size_t i = 0; i < entries.size(); ++i) keys.push_back(chronologicalKey(values[i], entries[i].text));
  SortByKeys(entries, keys);
}

std::string ListLineText(std::string_view text) {
  constexpr std::size_t kTabStop = 20;
  std::string line;
  for (char c : text) {
    if (c != '\t') {
      line += c;
      continue;
    }
    do line += ' ';
    while (line.size() % kTabStop != 0);
  }
  return line;
}

}  // namespace kord
