#pragma once
/// What a record card ("Scheda Anagrafica" and its secondary twin) shows.

#include <array>
#include <string>

#include "db/person_record.h"

namespace kord {

struct CardModel {
  bool visible = false;
  /// The record's fields by field number, trailing blanks removed
  /// (Label3D2 and the notes box Text1).
  std::array<std::string, kFieldCount> values;
  /// PrimoParNome(0..2): the two first common relatives and their heading
  /// (main card only).
  std::array<std::string, 3> PrimoParNome;
  /// Under the common relatives (main card only): how the second selection
  /// is related to the focus, "Parentela: ..."; empty without a second one.
  std::string relationshipLine;
  /// The photograph to show (a path in the file system's encoding); empty
  /// keeps what the picture box shows.
  std::string picturePath;
};

/// The editing card: Text1(0..13), one text per record field, and the links
/// the person can set beside them.
struct EditCardModel {
  bool visible = false;
  int index = 0;  ///< the table index being edited
  std::array<std::string, kFieldCount> Text1;
  int parent1 = -1;
  int parent2 = -1;
  int spouse = -1;
  /// The index "Dati personali" reserved for a new individual, not saved yet
  /// (0: none), and the focus before the reservation moved it there.
  int reservedIndex = 0;
  int focusBeforeReserve = 0;
};

}  // namespace kord
