#pragma once
/// Which marriage of an imported individual its record holds. A record has
/// one spouse link and one marriage date and place; a GEDCOM individual may
/// be a spouse in several families. Both come from the same family.

#include <vector>

#include "exchange/gedcom_families.h"

namespace kord {

/// By person: the family that gives its spouse link and marriage fields, or
/// -1. It is the first family (FAMS order) whose other spouse is imported
/// (`recordOf` > 0), else the first one with a MARR. Persons left out get -1.
std::vector<int> MainFamilies(const FamilyGraph& graph, const std::vector<int>& recordOf);

struct OtherMarriage {
  int family = 0;
  int number = 0;   ///< the family's place among the person's families, from 1
  int spouse = -1;  ///< the other spouse, -1 for none
};

/// The families of `person` besides its main one that the database would
/// not show otherwise: a family whose other spouse is imported and has it as
/// main family is held by that spouse's record (its spouse link and marriage
/// fields), so it is left out; so is a family with neither another spouse
/// nor a MARR. In FAMS order.
std::vector<OtherMarriage> OtherMarriages(const FamilyGraph& graph, const std::vector<int>& mainFamily,
                                          const std::vector<int>& recordOf, int person);

}  // namespace kord
