#pragma once
/// What each field of a record holds, judged by the database's captions. A
/// person may rename a caption to use the field for something else (field 4,
/// "Data Battesimo", renamed "Professione"); the export then writes the
/// field for what it holds instead of as a baptism date.

#include <array>

#include "db/tables.h"
#include "exchange/exchange_summary.h"

namespace kord {

enum class FieldUse {
  AsDesigned,   ///< what the record layout says (birth date, notes, ...)
  Occupation,   ///< OCCU
  Residence,    ///< RESI with the value as its place
  Title,        ///< TITL
  Religion,     ///< RELI
  Education,    ///< EDUC
  Nationality,  ///< NATI
  Other,        ///< an event (date fields) or fact (other fields) typed with the caption
};

using FieldUses = std::array<FieldUse, kFieldCount>;

/// The use of every field. The number, the name and the sex are always as
/// designed; another field is as designed while its caption is the default
/// one or still names the field's event or purpose in Italian or English
/// ("Nato il", "Luogo di nascita", "Birth place"); else the caption's words
/// choose an attribute ("Professione", "Mestiere", "Occupation": OCCU), or
/// Other. Each field not as designed is named in summary.warnings with what
/// it is written as.
FieldUses FieldUsesOf(const Captions& captions, ExchangeSummary& summary);

/// The GEDCOM tag of an attribute use ("OCCU"); "" for AsDesigned and Other.
const char* AttributeTag(FieldUse use);

}  // namespace kord
