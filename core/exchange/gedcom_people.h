#pragma once
/// One GEDCOM individual as a record of the database.

#include <vector>

#include "db/person_record.h"
#include "exchange/exchange_summary.h"
#include "exchange/gedcom_families.h"

namespace kord {

/// What the import of every individual shares.
struct PeopleContext {
  PeopleContext(const GedcomIndex& index, const FamilyGraph& graph, bool surnameFirst)
      : index(index), graph(graph), surnameFirst(surnameFirst), marriageTaken(graph.families.size(), false) {}

  const GedcomIndex& index;
  const FamilyGraph& graph;
  bool surnameFirst;
  std::vector<bool> marriageTaken;  ///< by family: its MARR went into a record
};

/// The record of `person` as record number `record`:
/// - Name: the first NAME without its slashes, "Given Surname" as written,
///   or "Surname Given" with surnameFirst (a suffix after the surname stays
///   last); GIVN and SURN stand in for an empty NAME;
/// - Sex: M or F from SEX; U, X or anything else leaves it blank. A _KORD
///   line below SEX holds the letter exactly as this program stored it
///   (a lower-case "m", for one) and wins;
/// - birth from BIRT, baptism from the first CHR or BAPM, death from DEAT,
///   burial from BURI: DATE (see DateFromGedcom) and PLAC each;
/// - the marriage from the first family of the individual (FAMS order) that
///   has a MARR; that family is marked in context.marriageTaken;
/// - Notes: the NOTE texts, inline or by reference, in order, then one
///   "<event>: <GEDCOM date>" line for each date whose field lost detail;
///   lines apart by CR LF.
/// Values are converted with ToRecordText and cut to their fields; every
/// lost character, every cut, every second event of a kind and every
/// structure below INDI that has no field is reported in `summary`.
PersonRecord ImportPerson(PeopleContext& context, int person, int record, ExchangeSummary& summary);

/// The name a NAME value gives: its given names, surname (between slashes)
/// and suffix (after them), each trimmed, joined by one blank as written or
/// surname first.
std::string NameFromGedcom(const std::string& value, bool surnameFirst);

}  // namespace kord
