#pragma once
/// The order of the family book: repeated scans of the name table for the
/// next name in alphabetical order.

#include <string>
#include <vector>

#include "db/tables.h"

namespace kord {

/// Each pass scans every index 0..LastIndex and takes the smallest upper-cased
/// name N with L < N < "ZZZ" (by character code; of equal names the lowest
/// index), where L is the previous name, starting at "A". So a name equal,
/// after upper-casing, to one already taken is never visited, nor a name
/// below "A" (empty, a digit or a blank first) or from "ZZZ" on (an accented
/// capital first). At most LastIndex passes. Each name is upper-cased once,
/// when the walk is made, so a pass is a plain scan.
class AlphabeticalWalk {
 public:
  explicit AlphabeticalWalk(const Tables& t);

  /// The next individual, or -1 when the walk has ended.
  int next();

 private:
  std::vector<std::string> upper_;
  std::string lower_ = "A";
  int passesLeft_;
};

}  // namespace kord
