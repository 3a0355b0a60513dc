#pragma once
/// "Update DB" and `kord sort-copy`: a new database beside the old one that
/// holds the same individuals in alphabetical order. Every record keeps its
/// bytes but its number, every parent and spouse line is renumbered to the
/// new record numbers (lines of one individual keep their order, so the
/// loader picks the same first parent, second parent and spouse), and the
/// type and captions files are copied as they are. The source is only read.

#include <string>
#include <vector>

namespace kord {

struct SortedCopy {
  /// Why no copy was made (Windows-1252); no file of the copy is left then.
  std::string error;
  /// The copy's record number of each record of the source, by the source's
  /// record number (entry 0 unused).
  std::vector<int> newRecord;
  int individuals = 0;
  /// Link lines that name no record of the source (or are not two numbers):
  /// renumbering cannot say whom they mean, so they are left out.
  int droppedLinks = 0;
};

/// Writes the copy of the database whose individuals file is `source` as
/// the individuals file `target` (".rni") and its siblings. Names sort as
/// every list does (upper-cased Windows-1252, equal names in record order);
/// records with a blank name come last. A record's number field that holds
/// its own number becomes the new one; any other stays not its own. Refused when `target` is not a ".rni" name, is the
/// source itself, or any file of its set already exists.
SortedCopy WriteSortedCopy(const std::string& source, const std::string& target, bool english);

}  // namespace kord
