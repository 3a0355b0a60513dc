#include "book/alphabetical_walk.h"

#include <algorithm>

#include "lists/list_order.h"

namespace kord {

bool HasBookName(const Tables& t, int index) {
  return t.isIndividual(index) && Tables::inTable(index) && !Trim(t.Names[index]).empty();
}

std::vector<int> AlphabeticalOrder(const Tables& t) {
  std::vector<int> order;
  std::vector<std::string> keys;
  for (int i = 2; i <= std::min(t.LastIndex, kTableSize - 1); ++i) {
    if (!HasBookName(t, i)) continue;
    order.push_back(i);
    keys.push_back(ListKey(t.Names[i]));
  }
  SortByKeys(order, keys);
  return order;
}

}  // namespace kord
