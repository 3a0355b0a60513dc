#pragma once
/// Questions about the parent links of the loaded tables that the kinship
/// and the date checks share.

#include <array>

#include "db/tables.h"

namespace kord {

/// The distinct parents of `person` that are individuals other than the
/// person itself; kNone where a link is missing, repeated or bad.
std::array<int, 2> DistinctParents(const Tables& t, int person);

/// True when `parent` is a parent of `child`.
bool IsParentOf(const Tables& t, int parent, int child);

/// True when two different individuals share a parent.
bool AreSiblings(const Tables& t, int a, int b);

}  // namespace kord
