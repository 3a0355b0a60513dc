#pragma once
/// The words for a relationship, in Italian or English, chosen by the sex of
/// the records: "cugina di secondo grado", "first cousin once removed",
/// "nipote (figlio del fratello)", "suocero". An unknown sex gives the
/// neutral form ("genitore", "figlio/a", "cugino/a"). Texts are
/// Windows-1252.

#include <functional>
#include <string>

#include "db/person_sex.h"
#include "relations/relationship_finder.h"

namespace kord {

using SexLookup = std::function<PersonSex(int index)>;

/// What the second individual (the end of `r.path`) is to the focus.
std::string RelationshipName(const Relationship& r, const SexLookup& sexOf, bool english);

/// What the end of `line` is to its start (the sexes of the end and of the
/// individuals in between choose the words).
std::string BloodLineName(const BloodLine& line, const SexLookup& sexOf, bool english);

/// The word of one step of a path for the individual it reaches: "padre",
/// "figlia", "moglie"; "father", "daughter", "wife".
std::string StepWord(const RelationStep& step, PersonSex sex, bool english);

}  // namespace kord
