#pragma once
/// Importing a GEDCOM 5.5.1 file into a new database ("Importa GEDCOM").

#include <string>

#include "exchange/exchange_summary.h"

namespace kord {

struct GedcomImportOptions {
  /// Names as "Given Surname", as GEDCOM writes them, instead of "Surname
  /// Given", the order this program keeps them in. A file written by this
  /// program (HEAD SOUR KORD) gives its names back exactly either way.
  bool givenFirst = false;
  /// The individual (xref, "@I12@" or "I12") to import around when the file
  /// holds more individuals than a database can.
  std::string around;
  /// An existing database of the new name may be replaced.
  bool replace = false;
  bool english = false;  ///< language of the summary
};

/// Reads `gedcomPath` (UTF-8 path) and writes it as the new database
/// `newDatabase` (its ".rni" name; the children, spouses and type files are
/// named from it, mode "Kord"). Individuals become records in file order;
/// see ImportPerson for the fields and BuildImportedLinks for the links.
/// An INDI with no line below it that no family names is kept as an empty
/// slot (a blank record), so record numbers after it stay as they were. A
/// file written by this program (HEAD SOUR KORD) puts each individual at the
/// record its xref numbers (@I12@ is record 12) and blank records in the
/// gaps and up to HEAD _KORD_RECORDS, so it comes back record for record.
///
/// Refused, with nothing written (summary.ok false, summary.error says why):
/// an existing database without options.replace, an unreadable file, a file
/// that does not begin with "0 HEAD" (a picture, say: nothing else of it is
/// read), an unknown options.around, and a file of more than 998
/// individuals without options.around. With
/// options.around the 998 individuals nearest that one by family links are
/// imported, in file order, and summary.leftOut counts the others.
/// Malformed lines are reported and skipped. The files are written only at
/// the end, all or none; the existing captions file of a replaced database
/// is left as it is.
ExchangeSummary ImportGedcom(const std::string& gedcomPath, const std::string& newDatabase,
                             const GedcomImportOptions& options, const ExchangeProgress& progress = {});

}  // namespace kord
