#pragma once
/// Ending a printed document, and telling the person where it went when the
/// system had no printer.

#include <string>

#include "session/session.h"

namespace kord {

/// Ends the printer document named `documentName` (Windows-1252). When it
/// went to a file instead of a printer, says so:
/// "Stampa salvata nel file <path>" / "Printout saved to the file <path>";
/// a file that could not be written is reported instead.
void EndPrinterDocument(Session& s, const std::string& documentName);

}  // namespace kord
