#pragma once
/// The children and spouses files of an imported GEDCOM file, in the form
/// the loader reads ("record,record" and CR LF).

#include <string>
#include <vector>

#include "exchange/exchange_summary.h"
#include "exchange/gedcom_families.h"

namespace kord {

struct ImportedLinks {
  std::string children;  ///< the children file
  std::string spouses;   ///< the spouses file
  int childLines = 0;
  int spouseLines = 0;
};

/// Builds the link files. `recordOf` gives each person's record number (0:
/// left out), `labels` how the summary names each person.
/// - Children, by child in record order: of the child's birth families (no
///   PEDI, or PEDI birth) the first one with a parent gives the line
///   child,husband then child,wife. Adoptive, foster and sealing links and
///   further birth families are listed as not represented. A parent that
///   is the child itself or one of its descendants by the lines made so far
///   (a circle of family references) is left out and reported.
/// - Spouses, by individual in record order: one line to the spouse of its
///   first family (FAMS order) whose other spouse was imported; the loader
///   keeps only the first line of an individual anyway. A couple left with
///   neither spouse line nor a child in common is listed.
/// - Family links between an imported individual and one left out are
///   counted in one line of the list.
ImportedLinks BuildImportedLinks(const FamilyGraph& graph, const std::vector<int>& recordOf,
                                 const std::vector<std::string>& labels, ExchangeSummary& summary);

}  // namespace kord
