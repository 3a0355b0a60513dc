#pragma once
/// Exporting the loaded database as a GEDCOM 5.5.1 file ("Export_DB").
///
/// The file is UTF-8 with CR LF line ends: HEAD (SOUR KORD, GEDC VERS 5.5.1
/// FORM LINEAGE-LINKED, CHAR UTF-8), one SUBM, one INDI per record
/// (@I<record number>@), the families of PlanFamilies (@F1@ ...) and TRLR.
/// - NAME: the name is read as "Surname Given", its first word being the
///   surname ("Da Ros Caterina" is written "Ros Caterina /Da/"), because the
///   database keeps names in that order without marking the surname; an
///   import with the surname-first option puts the words back in place.
/// - SEX: M, F or U. A stored letter that is not exactly "M" or "F" (a
///   lower-case "m", say) follows on a "_KORD" line below SEX, which other
///   programs skip and ImportGedcom restores.
/// - BIRT, BAPM, DEAT, BURI with DATE (GedcomDateOf) and PLAC.
/// - NOTE with CONT for its line breaks and CONC for long lines.
/// - A blank record, a slot the database keeps empty, is an INDI with
///   nothing below it, which the import keeps as an empty slot.
/// The same database always gives the same bytes.

#include <string>

#include "exchange/exchange_summary.h"
#include "shell/session.h"

namespace kord {

/// Writes the session's database to `path` (UTF-8; replaced whole, never
/// half-written). Refused when no "Kord" database is loaded or `path` is
/// one of the database's own files. Lists in the summary whatever an import
/// of the file would not give back exactly (see PlanFamilies, and names
/// whose words would not come back in place). `progress` hears
/// (Individuals, n, count) and (Writing, 1, 1). Records only: the session's
/// record buffer and focus are left alone.
ExchangeSummary ExportGedcom(Session& s, const std::string& path, const ExchangeProgress& progress = {});

/// "Given /Surname/" for a name kept as "Surname Given" (Windows-1252).
std::string GedcomName(const std::string& name);

}  // namespace kord
