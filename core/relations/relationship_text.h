#pragma once
/// How the relationships of the focus and the second selection are shown:
/// the line of the focus card and of the kinship window ("Parentela:
/// cugina di secondo grado (tramite Pavan Giuseppe e Zanin Elena)"), and
/// each relationship with its path for the command line. Sexes are read
/// from the records; texts are Windows-1252.

#include <string>
#include <vector>

#include "relations/relationship_names.h"
#include "session/session.h"

namespace kord {

/// One step of a shown path: the word for the individual reached ("padre")
/// and that individual.
struct ShownStep {
  std::string word;
  int person = 0;
};

/// A relationship as shown: its title (name and the individuals it goes
/// through) and its path, which starts at the focus.
struct ShownRelationship {
  std::string title;
  std::vector<ShownStep> path;
};

/// "cugina di secondo grado (tramite Pavan Giuseppe e Zanin Elena)": the
/// name, then the common ancestors (blood) or the relative or spouse in
/// between (marriage); a direct line or the spouse itself names nobody.
std::string RelationshipTitle(const Relationship& r, const Tables& tables, const SexLookup& sexOf, bool english);

/// "Parentela: " (or "Relationship: ") and the titles of `found` joined by
/// "; ", each text once; "nessuna trovata" / "none found" when empty.
std::string RelationshipLine(const std::vector<Relationship>& found, const Tables& tables, const SexLookup& sexOf,
                             bool english);

/// The line for the focus and the second selection of the session; empty
/// when the second selection is missing or is the focus.
std::string FocusRelationshipLine(Session& s);

/// The relationships of the focus and the second selection, nearest first,
/// each with its path.
std::vector<ShownRelationship> ShowRelationships(Session& s);

}  // namespace kord
