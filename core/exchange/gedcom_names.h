#pragma once
/// Names between GEDCOM and the name field. The database keeps a name as
/// "Surname Given" without marking where the surname ends; GEDCOM marks the
/// surname with slashes ("Caterina /Da Ros/").

#include <string>
#include <string_view>

namespace kord {

/// A stored name split for GEDCOM (Windows-1252).
struct StoredNameParts {
  std::string surname;
  std::string given;
  /// Empty, or why the split is a guess ("one word only", ...), for the summary.
  std::string doubt;
};

/// Splits a stored "Surname Given" name. The surname is the first word
/// together with the particles before it ("Da Ros", "Dal Bò", "De Marchi",
/// "Della Libera", "D' Amico", "Van der Berg", "De la Cruz", "Mac Lean"),
/// and a particle group after it with its word ("Pavan Dalla Torre", a double
/// surname); the given names are the rest. Particles compare in any case.
/// A doubt is given for one word only, a name that is all surname, and a
/// double surname. `english` chooses the language of the doubt.
StoredNameParts SplitStoredName(std::string_view name, bool english);

/// The NAME value of the parts: "Given /Surname/", or "/Surname/" without
/// given names. A slash inside the name, which GEDCOM cannot hold there,
/// becomes a blank.
std::string GedcomNameValue(const StoredNameParts& parts);

/// The name a NAME value gives: its given names, surname (between slashes)
/// and suffix (after them), each trimmed, joined by one blank, surname first
/// or, with `givenFirst`, as written. A value without slashes is kept as
/// written.
std::string NameFromGedcom(const std::string& value, bool givenFirst);

}  // namespace kord
