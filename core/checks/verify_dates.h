#pragma once
/// "Verifica dati" over the loaded database: the date checks run on every
/// record, one line per finding, and a finding's individual made the focus.

#include <string>
#include <vector>

#include "db/date_checks.h"
#include "session/session.h"

namespace kord {

/// Reads every record of the individuals file (the record buffer is left
/// alone) and checks the dates, today being the session clock's date.
/// A file that cannot be read gives `error` and no finding.
std::vector<DateFinding> VerifyDates(Session& s, const DateCheckSettings& settings, std::string& error);

/// One finding as a line: individual number (its table index), name, what
/// is wrong, the dates involved:
/// "12 Pavan Mario: morte prima della nascita (nascita 12/03/1950, morte 1940)".
/// Italian, or English with `english`. Windows-1252.
std::string FindingLine(const DateFinding& f, const Tables& tables, const DateCheckSettings& settings, bool english);

/// A click on a finding: its individual becomes the focus and the focus
/// panel is refreshed.
void FocusFinding(Session& s, const DateFinding& f);

}  // namespace kord
