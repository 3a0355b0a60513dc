#pragma once
/// Every way two individuals are related: by blood through their nearest
/// common ancestors, as spouses, and by marriage one step away (the spouse
/// of a blood relative, a blood relative of the spouse). A pure computation
/// over the parent and spouse links of the loaded tables.

#include <vector>

#include "db/tables.h"

namespace kord {

/// How far up a trace of ancestors goes. Also what keeps a loop of parent
/// links in bad data from running forever.
inline constexpr int kMaxRelationGenerations = 30;
/// How many relationships a search keeps, the nearest ones.
inline constexpr int kMaxRelationships = 5;

enum class StepKind { ToParent, ToChild, ToSpouse };

/// One step of a path: the person reached and how.
struct RelationStep {
  StepKind kind;
  int person;
  bool operator==(const RelationStep&) const = default;
};

/// A blood relationship between a start and an end individual: `up`
/// generations from the start to the common ancestors, `down` from them to
/// the end. up 0: the end descends from the start; down 0: the end is an
/// ancestor. `commonAncestors` holds the shared parents of the two children
/// the lines come down through (one: a half relationship; two: the couple),
/// and is empty for a direct line. `steps` leads from the start to the end
/// through the first common ancestor.
struct BloodLine {
  int up = 0;
  int down = 0;
  bool half = false;
  std::vector<int> commonAncestors;
  std::vector<RelationStep> steps;
  bool operator==(const BloodLine&) const = default;
};

enum class RelationKind {
  Spouse,            ///< the second is a spouse of the focus
  Blood,             ///< `blood` leads from the focus to the second
  SpouseOfRelative,  ///< `blood` leads from the focus to `link`, whose spouse is the second
  RelativeOfSpouse,  ///< `link` is a spouse of the focus; `blood` leads from it to the second
};

struct Relationship {
  RelationKind kind = RelationKind::Blood;
  BloodLine blood;
  int link = kNone;                ///< the spouse; the relative or spouse a marriage relationship goes through
  std::vector<RelationStep> path;  ///< the whole path from the focus to the second individual

  /// Civil-law degree: generations up plus down; spouses 0; a marriage
  /// relationship has the degree of its blood part.
  int degree() const { return blood.up + blood.down; }
  bool operator==(const Relationship&) const = default;
};

/// Searches the links of `tables`, which must outlive the finder and not
/// change while it is used (the spouse index is built once).
class RelationshipFinder {
 public:
  explicit RelationshipFinder(const Tables& tables);

  /// How `second` is related to `focus`: at most kMaxRelationships ways,
  /// nearest first (by degree; at the same degree spouses, then blood, then
  /// marriage). Empty when either is not an individual or both are the same.
  /// Bad data (a parent loop, an individual married to itself) gives bounded,
  /// possibly odd, answers and never a hang.
  std::vector<Relationship> find(int focus, int second) const;

  /// Everybody married to `person` by either side's spouse link.
  const std::vector<int>& spousesOf(int person) const { return spouses_[static_cast<std::size_t>(person)]; }

 private:
  const Tables& tables_;
  std::vector<std::vector<int>> spouses_;
};

}  // namespace kord
