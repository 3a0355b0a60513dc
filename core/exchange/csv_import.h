#pragma once
/// Adding individuals from a CSV file to the loaded database (the main
/// window's Add button, "Aggiunge record da file CSV").

#include <string>
#include <string_view>
#include <vector>

#include "exchange/exchange_summary.h"
#include "shell/session.h"

namespace kord {

/// Appends one record per line of `path` to the session's database. A line
/// holds the thirteen fields Name .. Sex in record order, apart by commas; a
/// value may be quoted ("" inside quotes is one quote) and blanks around an
/// unquoted value are dropped. The file is read as UTF-8 when it is valid
/// UTF-8 holding other than ASCII (a byte-order mark is skipped), else as
/// Windows-1252; characters Windows-1252 lacks are listed.
/// - The first non-empty line is a header, and skipped, when its first value
///   is a caption of the name field (the database's, "Nome" or "Name") or its
///   thirteenth one of the sex field ("Sesso", "Sex").
/// - A line without exactly thirteen values, with unclosed quotes, without a
///   name, or with a sex other than M, F (any case) or empty is reported by
///   its number and skipped; empty lines are skipped silently.
/// - Values longer than their field are cut and listed; the sex is stored in
///   upper case; dates are stored as written.
/// - Records go after the last saved record (an index reserved for a new
///   individual and not saved yet is taken by the first of them), up to 998
///   individuals; lines beyond are reported as not imported.
/// The individuals file is replaced whole, so a failure changes nothing;
/// then the name table and LastIndex take the new individuals (no links).
/// Refused when no "Kord" database is loaded or its individuals file ends
/// in a partial record.
ExchangeSummary ImportCsv(Session& s, const std::string& path, const ExchangeProgress& progress = {});

/// The values of one CSV line as described above; false in `closed` when a
/// quoted value has no closing quote or text follows one.
std::vector<std::string> SplitCsvLine(std::string_view line, bool& closed);

}  // namespace kord
