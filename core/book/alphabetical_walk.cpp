#include "book/alphabetical_walk.h"

#include <algorithm>
#include <string_view>

#include "db/codepage.h"

namespace kord {
namespace {

/// By character code: std::char_traits<char> compares as unsigned char, so
/// accented letters (C0..FF) sort above "Z".
bool byteLess(std::string_view a, std::string_view b) { return a < b; }

constexpr std::string_view kCeiling = "ZZZ";

}  // namespace

AlphabeticalWalk::AlphabeticalWalk(const Tables& t) : passesLeft_(t.LastIndex) {
  const int last = std::min(t.LastIndex, kTableSize - 1);
  for (int i = 0; i <= last; ++i) upper_.push_back(UpperCp1252(t.Names[i]));
}

int AlphabeticalWalk::next() {
  if (passesLeft_-- <= 0) return kNone;
  int found = kNone;
  for (int i = 0; i < static_cast<int>(upper_.size()); ++i) {
    const std::string& name = upper_[i];
    if (!byteLess(lower_, name) || !byteLess(name, kCeiling)) continue;
    if (found == kNone || byteLess(name, upper_[found])) found = i;
  }
  if (found != kNone) lower_ = upper_[found];
  return found;
}

}  // namespace kord
