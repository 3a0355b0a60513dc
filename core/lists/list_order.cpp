#include "lists/list_order.h"

#include <algorithm>

#include "db/codepage.h"

namespace kord {

bool ListLess(std::string_view a, std::string_view b) {
  std::string ua = UpperCp1252(a), ub = UpperCp1252(b);
  return std::lexicographical_compare(ua.begin(), ua.end(), ub.begin(), ub.end(), [](char x, char y) {
    return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
  });
}

std::size_t InsertSorted(std::vector<std::string>& list, std::string text) {
  auto at = std::upper_bound(list.begin(), list.end(), text,
                             [](const std::string& t, const std::string& e) { return ListLess(t, e); });
  auto pos = static_cast<std::size_t>(at - list.begin());
  list.insert(at, std::move(text));
  return pos;
}

}  // namespace kord
