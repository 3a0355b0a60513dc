#pragma once
/// The family facts the book gathers for one individual from the in-memory
/// tables: its two parents, up to fifty children and up to three spouses.

#include <array>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "db/tables.h"
#include "views/book_models.h"

namespace kord {

/// A relative: a name and an individual index, -1 and no name when absent.
struct FamilyMember {
  std::string name;
  int number = kNone;
  bool present() const { return number >= 0; }
};

struct FamilyFacts {
  int focus = kNone;
  std::string name;                               ///< Names of the focus
  FamilyMember parentA;                           ///< from Parent1
  FamilyMember parentB;                           ///< from Parent2
  std::vector<FamilyMember> children;             ///< ascending index, at most kMaxChildren
  std::array<FamilyMember, kMaxSpouses> spouses;  ///< filled from the first slot on
};

/// The individual at `index` when it is a link (0 or more, inside the
/// tables), else an absent member.
FamilyMember MemberAt(const Tables& t, int index);

/// The two parents of `index` (absent members for unknown links).
std::pair<FamilyMember, FamilyMember> ParentsOf(const Tables& t, int index);

/// The focus name and its parents only (what the sorted list needs).
FamilyFacts FocusFacts(const Tables& t, int focus);

/// Who names whom, indexed once per run so that gathering a family does
/// not scan the whole table.
class FamilyLinks {
 public:
  explicit FamilyLinks(const Tables& t);
  /// The indexes 0..LastIndex that name `index` as a parent, ascending.
  std::span<const int> childrenOf(int index) const { return children_.of(index); }
  /// The indexes 0..LastIndex whose Spouse names `index`, ascending.
  std::span<const int> spouseLinksTo(int index) const { return spouseLinks_.of(index); }

 private:
  /// For each index of the tables, a run of the indexes that name it.
  struct Runs {
    std::vector<int> start = std::vector<int>(kTableSize + 1, 0);
    std::vector<int> namers;
    std::span<const int> of(int index) const;

    /// The runs of every index i of 0..last, ascending, under each index
    /// that named(i) lists: counted first, then placed.
    template <typename Named>
    static Runs build(int last, Named named) {
      Runs runs;
      for (int i = 0; i <= last; ++i)
        for (int k : named(i))
          if (Tables::inTable(k)) ++runs.start[k + 1];
      for (int k = 1; k <= kTableSize; ++k) runs.start[k] += runs.start[k - 1];
      runs.namers.resize(static_cast<std::size_t>(runs.start[kTableSize]));
      std::vector<int> next(runs.start.begin(), runs.start.end() - 1);
      for (int i = 0; i <= last; ++i)
        for (int k : named(i))
          if (Tables::inTable(k)) runs.namers[static_cast<std::size_t>(next[k]++)] = i;
      return runs;
    }
  };
  Runs children_;
  Runs spouseLinks_;
};

/// Adds the children of the focus (every index 0..LastIndex naming it as a
/// parent, ascending; a 51st and later child is not listed) and, from each
/// child, its parents as spouses: a co-parent goes into the first empty slot
/// when its name differs from the focus name and from the names in the three
/// slots (so a nameless one never goes in).
void GatherChildren(const Tables& t, const FamilyLinks& links, FamilyFacts& f);

/// Adds the spouse links: first every index whose Spouse names the focus
/// (except the focus's own spouse and numbers already in a slot), then the
/// focus's own spouse unless it is already in. A fourth spouse is dropped.
void GatherSpouseLinks(const Tables& t, const FamilyLinks& links, FamilyFacts& f);

}  // namespace kord
