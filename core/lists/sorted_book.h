#pragma once
/// The order of the sorted book's entries in the list window.

#include <string>
#include <string_view>
#include <vector>

#include "views/list_model.h"

namespace kord {

/// True for the sort keys of the date fields: 4 birth, 6 baptism, 8
/// marriage, 10 death, 12 burial.
bool IsDateSortKey(int sortKey);

/// Puts the sorted book's `entries` in order, once; `values` holds the field
/// value of each entry, in the same order. By a date field the order is
/// chronological: by the date ReadStoredDate reads from the value, a
/// year-only or approximate date ("0/0/1850", "1850", "0/13/1900", "19??")
/// by its year alone, before the exact dates of that year; entries with no
/// readable date come last. By any other field, and among equal dates, the
/// entries follow the list order of their text. The texts are not changed.
void OrderSortedBook(std::vector<ListItem>& entries, const std::vector<std::string>& values, int sortKey);

/// What a line of the list window shows: every tab as blanks up to the next
/// multiple of 20 columns. The tabs of a sorted-book entry (two after a value
/// of up to 19 characters, one after a longer one) so put every name in one
/// column, the 41st, after any value of fewer than 40 characters.
std::string ListLineText(std::string_view text);

}  // namespace kord
