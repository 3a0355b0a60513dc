#pragma once
/// The individuals and families of a GEDCOM file with their cross-references
/// resolved, as the import works on them. Individuals and families are
/// numbered from 0 in file order ("person" and "family" numbers below).

#include <map>
#include <string>
#include <vector>

#include "exchange/exchange_summary.h"
#include "exchange/gedcom_reader.h"

namespace kord {

struct GedcomIndex {
  std::vector<const GedcomNode*> people;           ///< INDI records
  std::vector<const GedcomNode*> families;         ///< FAM records
  std::map<std::string, int> personOf;             ///< xref to person
  std::map<std::string, int> familyOf;             ///< xref to family
  std::map<std::string, const GedcomNode*> notes;  ///< NOTE records by xref
};

/// Indexes the records. A second record with an xref already used is
/// reported and left out; records other than HEAD, TRLR, SUBM, SUBN, INDI,
/// FAM and NOTE are counted in summary.skippedTags.
GedcomIndex IndexGedcom(const std::vector<GedcomNode>& records, ExchangeSummary& summary);

struct ImportFamily {
  int husband = -1;  ///< person, -1 for none
  int wife = -1;
  std::vector<int> children;
  const GedcomNode* node = nullptr;
};

struct ChildLink {
  int family = 0;
  std::string pedigree;  ///< PEDI in upper case; "" or "BIRTH" for a birth link
  bool isBirth() const { return pedigree.empty() || pedigree == "BIRTH"; }
};

struct PersonFamilies {
  std::vector<int> spouseIn;       ///< the INDI's FAMS order, then other families naming it
  std::vector<ChildLink> childIn;  ///< the INDI's FAMC order, then other families naming it
};

struct FamilyGraph {
  std::vector<ImportFamily> families;
  std::vector<PersonFamilies> of;  ///< by person
};

/// Resolves HUSB, WIFE and CHIL of the families and FAMS and FAMC of the
/// individuals; a link given on one side only counts as given on both (a
/// FAMS into a family whose husband and wife are both someone else is
/// reported and ignored). Pointers to missing records are reported with
/// their line; a second HUSB or WIFE is listed as not represented.
FamilyGraph BuildFamilyGraph(const GedcomIndex& index, ExchangeSummary& summary);

/// Counts the structures of a FAM record the database cannot hold: all but
/// HUSB, WIFE, CHIL, and MARR and DIV with their DATE and PLAC (the import
/// keeps a DIV in the spouses' notes). A note that only reports lines of
/// this program's custom tags is counted apart ("FAM.NOTE _KORD").
void CountFamilyTags(const GedcomNode& fam, const GedcomIndex& index, ExchangeSummary& summary);

/// The `limit` individuals nearest to `start` by family links, found breadth
/// first over parents, then spouses and children family by family; each
/// individual at most once. In visiting order, `start` first.
std::vector<int> NearestPeople(const FamilyGraph& graph, int start, int limit);

/// True for an INDI with no line below it that no family names: an empty
/// slot of the database it came from.
bool IsEmptySlot(const GedcomNode& indi, const PersonFamilies& families);

/// "@I1@" for "I1" or "@I1@".
std::string XrefOf(const std::string& typed);

/// Adds `path` once to the skipped structures of `summary`.
void CountSkipped(ExchangeSummary& summary, const std::string& path);

}  // namespace kord
