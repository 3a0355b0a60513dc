#pragma once
/// The configurable report: the field chooser "Selezione Campi" and the grid
/// of "Rapporto", one row per record, one column per ticked field.

#include <string>

#include "session/session.h"

namespace kord {

/// "Custom Report": with a focus and the main window idle, opens the field
/// chooser (windowState 10). Without a focus nothing happens; with another
/// window holding the state, "Chiudere le finestre secondarie prima di
/// generare il rapporto".
void CustomReportCommand(Session& s);

/// The buttons of the field chooser: "Esce" (no report) and "Report".
enum class ReportFieldsButton { Close, Report };

/// A click on a chooser button. Both restore the idle switches, the focus
/// and windowState 3; "Report" then builds it.
void PressReportFieldsButton(Session& s, ReportFieldsButton button);

/// Fills the grid from the ticked boxes: row 0 the captions, row r record r
/// with the fields exactly as stored (trailing blanks included), columns in
/// box order. With no box ticked the grid holds a one-line hint.
void BuildReport(Session& s);

/// Prints the grid as text lines, a column per field as wide as the field
/// (the cells are stored fixed width), and ends the printer document.
void PrintReport(Session& s);

/// The grid as comma-separated text: every cell in double quotes (a double
/// quote inside becomes two), CR LF after each row.
std::string ReportCsv(const ReportModel& report);

}  // namespace kord
