#include "lists/list_order.h"

#include "db/codepage.h"

namespace kord {

std::string ListKey(std::string_view text) { return UpperCp1252(text); }

bool ListLess(std::string_view a, std::string_view b) { return ListKey(a) < ListKey(b); }

void SortTexts(std::vector<std::string>& texts) {
  std::vector<std::string> keys;
  keys.reserve(texts.size());
  for (const auto& text : texts) keys.push_back(ListKey(text));
  SortByKeys(texts, keys);
}

}  // namespace kord
