#pragma once
/// The order of every self-sorting list: texts compared by their character
/// codes after upper-casing the Windows-1252 letters; equal keys keep the
/// order in which they were added. Lists are sorted once, on keys made once
/// per text, not kept sorted one insertion at a time.

#include <algorithm>
#include <cstddef>
#include <numeric>
#include <string>
#include <string_view>
#include <vector>

namespace kord {

/// What a text sorts by: its Windows-1252 upper case, compared byte by byte
/// as unsigned codes (std::string's own comparison).
std::string ListKey(std::string_view text);

/// True when `a` sorts before `b`.
bool ListLess(std::string_view a, std::string_view b);

/// Puts `items` in the order of `keys` (one per item); equal keys keep the
/// order the items had.
template <typename Item, typename Key>
void SortByKeys(std::vector<Item>& items, const std::vector<Key>& keys) {
  std::vector<std::size_t> order(items.size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return keys[a] < keys[b]; });
  std::vector<Item> sorted;
  sorted.reserve(items.size());
  for (std::size_t i : order) sorted.push_back(std::move(items[i]));
  items = std::move(sorted);
}

/// Sorts list items (anything with a `text`) into the list order.
template <typename Item>
void SortListItems(std::vector<Item>& items) {
  std::vector<std::string> keys;
  keys.reserve(items.size());
  for (const Item& item : items) keys.push_back(ListKey(item.text));
  SortByKeys(items, keys);
}

/// Sorts texts into the list order.
void SortTexts(std::vector<std::string>& texts);

}  // namespace kord
