#pragma once
/// How a book line shows in the book window "Book".

#include <string>
#include <vector>

namespace kord {

/// The items a book line becomes in the book window. Normal book: a line of
/// fewer than 80 characters stays whole; a longer one is cut before the last
/// blank at or before position 80 (the blank starts the second item), unless
/// that blank is the first character or there is none: then it stays whole.
/// Census layout (`census`): up to 120 characters whole, else the first 120
/// and the rest.
std::vector<std::string> BookWindowPieces(const std::string& line, bool census);

/// How many lines the book window keeps before it drops its first item:
/// 35, or 30 in the census layout.
int BookWindowTail(bool census);

}  // namespace kord
