#include "person_record.h"

#include <cassert>
#include <limits>

#include "db/codepage.h"

namespace kord {

PersonRecord::PersonRecord() { bytes_.fill(' '); }

std::string_view PersonRecord::raw(Field f) const {
  assert(f >= 0 && f < kFieldCount);
  const auto& l = kFieldLayout[f];
  return std::string_view(bytes_.data() + l.offset, l.width);
}

std::string PersonRecord::set(Field f, std::string_view value) {
  assert(f >= 0 && f < kFieldCount);
  const auto& l = kFieldLayout[f];
  std::size_t n = value.size() < l.width ? value.size() : l.width;
  for (std::size_t i = 0; i < l.width; ++i) bytes_[l.offset + i] = i < n ? value[i] : ' ';
  return std::string(value.substr(n));
}

long NumericValue(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  long value = 0;
  const long cap = std::numeric_limits<int>::max() / 10;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
    value = value < cap ? value * 10 + (text[i] - '0') : value;
  return negative ? -value : value;
}

std::string FieldLineBreaks(Field f, std::string_view text) {
  return f == Notes ? LineBreaksToCrLf(text) : LineBreaksToBlanks(text);
}

}  // namespace kord
