#pragma once
/// The in-memory tables a database is loaded into. Indexes 0..1000; an
/// individual's index is its record number plus 1, so individuals live at
/// 2..LastIndex and -1 means "none".

#include <array>
#include <string>
#include <vector>

#include "person_record.h"

namespace kord {

inline constexpr int kTableSize = 1001;
/// The loader reads at most this many records (indexes 2..999).
inline constexpr int kMaxIndividuals = 998;
inline constexpr int kNone = -1;

using Captions = std::array<std::string, kFieldCount>;

/// The captions used when a database has no captions file.
const Captions& DefaultFieldCaptions();

struct Tables {
  std::vector<std::string> Names = std::vector<std::string>(kTableSize);
  std::vector<int> Parent1 = std::vector<int>(kTableSize, kNone);
  std::vector<int> Parent2 = std::vector<int>(kTableSize, kNone);
  std::vector<int> Spouse = std::vector<int>(kTableSize, kNone);
  /// Before the first load this is the reading cap of the individuals phase.
  int LastIndex = 1000;
  int ChildLinkCount = 920;
  int SpouseLinkCount = 0;
  Captions FieldCaptions = DefaultFieldCaptions();
  std::string RecordMode = "Kord";

  /// True for an index that names a loaded individual.
  bool isIndividual(int index) const { return index >= 2 && index <= LastIndex; }
  /// True for an index inside the tables.
  static bool inTable(int index) { return index >= 0 && index < kTableSize; }
  int individualCount() const { return LastIndex > 1 ? LastIndex - 1 : 0; }
};

}  // namespace kord
