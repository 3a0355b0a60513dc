#pragma once
/// The order of the family book: everybody with a name, in the order of the
/// self-sorting lists.

#include <vector>

#include "db/tables.h"

namespace kord {

/// True for an individual the book visits: one whose name is not blank. A
/// nameless individual (a blank record) has no page and no book entry.
bool HasBookName(const Tables& t, int index);

/// Every individual 2..LastIndex with HasBookName, once each, by the list
/// order of the names (Windows-1252 upper case, then character codes); of
/// equal names the lower index first. Names that start with a blank, a
/// digit or an accented capital come where that order puts them.
std::vector<int> AlphabeticalOrder(const Tables& t);

}  // namespace kord
