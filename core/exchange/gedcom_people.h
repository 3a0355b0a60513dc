#pragma once
/// One GEDCOM individual as a record of the database.

#include <string>
#include <vector>

#include "db/person_record.h"
#include "exchange/exchange_summary.h"
#include "exchange/gedcom_families.h"

namespace kord {

/// What the import of every individual shares.
struct PeopleContext {
  const GedcomIndex& index;
  const FamilyGraph& graph;
  bool givenFirst = false;          ///< names as written instead of surname first
  std::vector<int> recordOf;        ///< by person: its record number, 0 when left out
  std::vector<int> mainFamily;      ///< by person: see MainFamilies
  std::vector<std::string> names;   ///< by person: ImportedName (UTF-8), for the notes
  std::vector<bool> marriageTaken;  ///< by family: its MARR went into a record's fields or notes
};

/// The name of an INDI as the import writes it (UTF-8): the value of a
/// _KORD_NAME line below its first NAME (this program's own name, exact);
/// else the NAME (see NameFromGedcom); a NAME without slashes takes its
/// surname from SURN when it has one; an empty NAME is made of GIVN and SURN.
std::string ImportedName(const GedcomNode& indi, bool givenFirst);

/// The record of `person` as record number `record`:
/// - Name: ImportedName; a name whose surname is not marked is warned about;
/// - Sex: M or F from SEX; U, X or anything else leaves it blank. The letter
///   of a _KORD_SEX line (below NAME or SEX; _KORD below SEX in older
///   files) is the letter exactly as this program stored it and wins;
/// - birth from BIRT, baptism from the first CHR or BAPM, death from DEAT,
///   burial from BURI: DATE (a _KORD_DATE line beside it wins, else see
///   DateFromGedcom) and PLAC each;
/// - the marriage date and place from the MARR of its main family (the
///   family of its spouse link), which is marked in context.marriageTaken;
/// - Notes: the NOTE texts, inline or by reference, in order (a note that
///   only reports lines of this program's custom tags is left out), lines
///   apart by CR LF; then, as long as they fit, one short line each
///   (import_note_lines.h) for NPFX and NICK, each date whose field lost
///   part of it, CAUS, TITL, OCCU and RESI, the marriages of OtherMarriages
///   and DIV. summary.toNotes counts those written by kind, and
///   summary.lostByKind those without room, which are also listed.
/// Values are converted with ToRecordText and cut to their fields; every
/// lost character, every cut, every second event of a kind and every
/// structure below INDI that has no place is reported in `summary`.
PersonRecord ImportPerson(PeopleContext& context, int person, int record, ExchangeSummary& summary);

}  // namespace kord
