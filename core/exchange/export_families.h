#pragma once
/// The GEDCOM families of a loaded database. The database keeps two parent
/// links and one spouse link per individual and a marriage date and place in
/// each record; GEDCOM keeps families with a husband, a wife, children and
/// one marriage. This plans the families so that ImportGedcom, reading them
/// back, finds every individual's links and marriage as they were, and lists
/// what it would not find.

#include <optional>
#include <string>
#include <vector>

#include "db/person_record.h"
#include "db/tables.h"
#include "exchange/exchange_summary.h"

namespace kord {

struct ExportFamily {
  int husband = kNone;  ///< table index
  int wife = kNone;
  std::vector<int> children;  ///< table indexes, in index order
  bool hasMarriage = false;   ///< a MARR line is written
  std::string marriageDate;   ///< Windows-1252, trimmed
  std::string marriagePlace;
};

struct ExportPlan {
  std::vector<ExportFamily> families;
  std::vector<std::vector<int>> spouseIn;  ///< by table index: families in FAMS order
  std::vector<int> childIn;                ///< by table index: its family as a child, or -1
};

/// Records by table index; nothing where the file holds no record.
using RecordsByIndex = std::vector<std::optional<PersonRecord>>;

/// True for a record of blanks: a deleted record of the old program, which
/// the export leaves out and links to it count as links to no individual.
bool IsBlankRecord(const PersonRecord& record);

/// Plans the families:
/// - one family per parent pair (Parent1, Parent2) or lone parent, holding
///   the children in index order;
/// - one per spouse link (the same family when the couple has children);
/// - one with a lone spouse for a marriage date or place of an individual
///   without a spouse link;
/// - husband and wife by sex (M, F in any case); otherwise the first parent,
///   or the individual whose spouse link it is, is the husband;
/// - each spouse link's family carries that individual's marriage (a MARR
///   without date and place when it has none) and comes first among its
///   families; the first individual in index order wins a shared family.
/// Then it reads the plan back the way the import would and lists, in
/// `summary`, each individual whose spouse, marriage or parents would not
/// come back as they are, and each link to an index that holds no record or
/// a blank one.
ExportPlan PlanFamilies(const Tables& tables, const RecordsByIndex& records, ExchangeSummary& summary);

/// The name of the record at `index` for the lists: "Pavan Luigi (14)".
std::string IndexLabel(const RecordsByIndex& records, int index);

}  // namespace kord
