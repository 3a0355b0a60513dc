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

/// Inserts `text` after every entry that does not sort after it; returns its
/// position.
std::size_t InsertSorted(std::vector<std::string>& list, std::string text);

}  // namespace kord
