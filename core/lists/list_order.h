#pragma once
/// The order of every self-sorting list: texts compared by their character
/// codes after upper-casing the Windows-1252 letters; equal keys keep the
/// order in which they were added.

#include <string>
#include <string_view>
#include <vector>

namespace kord {

/// True when `a` sorts before `b`.
bool ListLess(std::string_view a, std::string_view b);

/// Inserts `item` after every item whose text does not sort after its text;
/// returns its position.
template <typename Item>
std::size_t InsertSortedItem(std::vector<Item>& list, Item item) {
  std::size_t pos = list.size();
  while (pos > 0 && ListLess(item.text, list[pos - 1].text)) --pos;
  list.insert(list.begin() + static_cast<std::ptrdiff_t>(pos), std::move(item));
  return pos;
}

/// Inserts `text` after every entry that does not sort after it; returns its
/// position.
std::size_t InsertSorted(std::vector<std::string>& list, std::string text);

}  // namespace kord
