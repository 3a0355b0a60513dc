#pragma once
/// The INDI record of one individual in an exported GEDCOM file.

#include <set>
#include <string>

#include "exchange/export_families.h"
#include "exchange/export_fields.h"
#include "exchange/gedcom_writer.h"

namespace kord {

/// What every INDI record of one export shares.
struct IndividualContext {
  const ExportPlan& plan;
  const RecordsByIndex& records;
  FieldUses uses;
  Captions captions;
  std::string databaseFolder;      ///< with a trailing separator
  std::string gedcomFolder;        ///< portraits inside it are named relative to it
  std::set<std::string> pictures;  ///< names of the ".jpg" files in the database folder (PicturesIn)
};

/// The names (UTF-8) of the regular ".jpg" files in `folder`, read once so
/// that each individual's portrait costs no look at the disk.
std::set<std::string> PicturesIn(const std::string& folder);

/// "@I5@" for table index 6: record numbers, so a blank record left out
/// keeps the numbers of the records after it.
std::string IndividualXref(int index);
/// "@F1@" for family 0.
std::string FamilyXref(int family);

/// Writes the INDI record of `index`; nothing for a blank record.
/// - NAME "Given /Surname/" (see SplitStoredName) with GIVN and SURN; a
///   _KORD_NAME line below it holds the stored name when the NAME would not
///   read back as it (a double blank, a slash); a doubtful split is warned.
/// - SEX M, F or U; a stored letter other than "M" and "F" (a lower-case
///   "m") follows in a _KORD_SEX line below NAME (below SEX without a
///   name), where other programs make no event of it.
/// - BIRT, BAPM, DEAT, BURI with DATE (GedcomDateOf; the stored text in a
///   _KORD_DATE line beside it when the date reads back otherwise) and PLAC.
/// - Fields whose caption gives them another use (FieldUsesOf) as that
///   attribute, or as EVEN (dates, with the place field beside it when that
///   is renamed too) or FACT typed with the caption.
/// - FAMC, FAMS from the plan; NOTE with CONT and CONC.
/// - OBJE with FILE and FORM jpg for the portrait "<Name>.jpg" beside the
///   database, named relative to the GEDCOM file's folder when inside it.
/// Returns false for a blank record (nothing written). Lists what another
/// import would not read back as stored in `summary`.
bool WriteIndividual(GedcomWriter& w, const IndividualContext& context, int index, ExchangeSummary& summary);

}  // namespace kord
