#pragma once
/// Exporting the loaded database as a GEDCOM 5.5.1 file ("Export_DB").
///
/// The file is UTF-8 (or ANSI, Windows-1252, for old programs) with CR LF
/// line ends: HEAD (SOUR KORD, GEDC VERS 5.5.1 FORM LINEAGE-LINKED, CHAR),
/// one SUBM, one INDI per record (@I<record number>@, see WriteIndividual;
/// blank records are left out, their numbers missing), the families of
/// PlanFamilies (@F1@ ...; the marriage date with its _KORD_DATE line like
/// the events) and TRLR. The import reads such a file, known by its SOUR,
/// back into the same records and links. The same database always gives the
/// same bytes.

#include <string>

#include "exchange/exchange_summary.h"
#include "session/session.h"

namespace kord {

struct GedcomExportOptions {
  bool ansi = false;  ///< Windows-1252 with CHAR ANSI instead of UTF-8
};

/// `path` with ".ged" added when its file name has no extension.
std::string WithGedcomExtension(const std::string& path);

/// Writes the session's database to `path` (UTF-8 path; ".ged" added when it
/// has no extension; replaced whole, never half-written). Refused when no
/// "Kord" database is loaded or the path is one of the database's own
/// files. Lists in the summary whatever an import of the file would not give
/// back exactly (see PlanFamilies), and warns of doubtful name splits and
/// renamed captions (FieldUsesOf). `progress` hears (Individuals, n, count)
/// and (Writing, 1, 1). Records only: the session's record buffer and focus
/// are left alone.
ExchangeSummary ExportGedcom(Session& s, const std::string& path, const GedcomExportOptions& options = {},
                             const ExchangeProgress& progress = {});

}  // namespace kord
