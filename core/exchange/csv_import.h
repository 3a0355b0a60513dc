#pragma once
/// Adding individuals from a CSV file to the loaded database (the main
/// window's Add button, "Aggiunge record da file CSV").

#include <string>
#include <string_view>
#include <vector>

#include "exchange/exchange_summary.h"
#include "session/session.h"

namespace kord {

/// Appends one record per CSV record of `path` to the session's database
/// (see ReadCsvRecords: quoted values may hold separators, doubled quotes
/// and line breaks, so the report's CSV output comes back whole). A record
/// holds the thirteen fields Name .. Sex in record order, apart by commas,
/// or by semicolons when the first line says so (DetectCsvSeparator). The
/// file is read as UTF-8 when it is valid UTF-8 holding other than ASCII (a
/// byte-order mark is skipped), else as Windows-1252; characters
/// Windows-1252 lacks are listed.
/// - The first non-empty record is a header, and skipped, when its first
///   value is a caption of the name field (the database's, "Nome" or
///   "Name") or its thirteenth one of the sex field ("Sesso", "Sex").
/// - A record without exactly thirteen values, with unclosed quotes, without
///   a name, or with a sex other than M, F (any case) or empty is reported by
///   its line number and skipped; empty lines and records of blanks are
///   skipped silently.
/// - A line break inside a value becomes CR LF in the notes and a blank in
///   any other field. Values longer than their field are cut and listed; the
///   sex is stored in upper case; dates are stored as written.
/// - Records go after the last saved record (an index reserved for a new
///   individual and not saved yet is taken by the first of them), up to 998
///   individuals; the records beyond are reported once and counted in
///   summary.linesNotImported.
/// The individuals file is replaced whole, so a failure changes nothing;
/// then the name table and LastIndex take the new individuals (no links).
/// Refused when no "Kord" database is loaded or its individuals file ends
/// in a partial record.
ExchangeSummary ImportCsv(Session& s, const std::string& path, const ExchangeProgress& progress = {});

}  // namespace kord
