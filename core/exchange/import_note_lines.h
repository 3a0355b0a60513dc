#pragma once
/// Short readable lines that the import adds to an individual's notes for
/// what the record has no field for ("Professione: mugnaio (1850, Sacile)").
/// Texts are UTF-8, Italian or English as the summary.

#include <string>

#include "exchange/gedcom_reader.h"

namespace kord {

struct NoteLine {
  std::string kind;  ///< how the summary counts it ("Professione", "Occupation")
  std::string text;
  bool listed = false;  ///< the summary also names it (another marriage: the record shows one spouse)
};

/// TITL, OCCU or RESI: the value (for RESI the value, PLAC and ADDR), then
/// DATE and PLAC in parentheses: "Professione: mugnaio (1850, Sacile)".
NoteLine FactLine(const GedcomNode& fact, bool english);

/// NPFX or NICK below NAME: "Prefisso: Dott.", "Soprannome: Bepi".
NoteLine NamePartLine(const GedcomNode& part, bool english);

/// CAUS below an event: "Causa di morte: tifo", "Causa (Nascita): ...".
NoteLine CauseLine(const GedcomNode& cause, const std::string& eventTag, bool english);

/// A date whose field lost part of it: "Nascita: ABT 1850".
NoteLine DateLine(const std::string& eventLabel, const std::string& gedcomDate, bool english);

/// A marriage the record's fields do not hold: "Matrimonio 2: 30 JUN 1878
/// Vienna con Rossi Anna" (`spouse` empty: without "con").
NoteLine MarriageLine(int number, const GedcomNode* marriage, const std::string& spouse, bool english);

/// DIV of a family: "Divorzio da Rossi Anna: 1890 Sacile".
NoteLine DivorceLine(const GedcomNode& divorce, const std::string& spouse, bool english);

/// True for a note that only reports lines of this program's own custom
/// tags ("_KORD...") that another program could not read: Gramps keeps such
/// a report as a note of the individual or family. It says nothing of the
/// person and is not imported.
bool IsCustomLineReport(const std::string& text);

}  // namespace kord
