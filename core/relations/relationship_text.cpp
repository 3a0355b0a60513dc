#include "relations/relationship_text.h"

#include <algorithm>

#include "db/person_sex.h"

namespace kord {
namespace {

std::vector<int> throughWhom(const Relationship& r) {
  switch (r.kind) {
    case RelationKind::Blood: return r.blood.commonAncestors;
    case RelationKind::SpouseOfRelative:
    case RelationKind::RelativeOfSpouse: return {r.link};
    case RelationKind::Spouse: break;
  }
  return {};
}

/// The name, or the index when the name is blank.
std::string shownName(const Tables& tables, int person) {
  const std::string& name = tables.Names[static_cast<std::size_t>(person)];
  return name.empty() ? std::to_string(person) : name;
}

bool hasPair(const Session& s) {
  return s.tables.isIndividual(s.NInd[0]) && s.tables.isIndividual(s.NInd[1]) && s.NInd[0] != s.NInd[1];
}

}  // namespace

std::string RelationshipTitle(const Relationship& r, const Tables& tables, const SexLookup& sexOf, bool english) {
  std::string title = RelationshipName(r, sexOf, english);
  const auto persons = throughWhom(r);
  for (std::size_t i = 0; i < persons.size(); ++i) {
    title += i == 0 ? (english ? " (via " : " (tramite ") : (english ? " and " : " e ");
    title += shownName(tables, persons[i]);
  }
  if (!persons.empty()) title += ")";
  return title;
}

std::string RelationshipLine(const std::vector<Relationship>& found, const Tables& tables, const SexLookup& sexOf,
                             bool english) {
  std::vector<std::string> titles;
  for (const Relationship& r : found) {
    std::string title = RelationshipTitle(r, tables, sexOf, english);
    if (std::find(titles.begin(), titles.end(), title) == titles.end()) titles.push_back(title);
  }
  std::string line = english ? "Relationship: " : "Parentela: ";
  if (titles.empty()) return line + (english ? "none found" : "nessuna trovata");
  for (std::size_t i = 0; i < titles.size(); ++i) line += (i ? "; " : "") + titles[i];
  return line;
}

std::string FocusRelationshipLine(Session& s) {
  if (!hasPair(s)) return {};
  SexReader sexOf(s.files.IndividualsFile);
  RelationshipFinder finder(s.tables);
  return RelationshipLine(finder.find(s.NInd[0], s.NInd[1]), s.tables, std::ref(sexOf), s.English);
}

std::vector<ShownRelationship> ShowRelationships(Session& s) {
  if (!hasPair(s)) return {};
  SexReader sexOf(s.files.IndividualsFile);
  RelationshipFinder finder(s.tables);
  std::vector<ShownRelationship> shown;
  for (const Relationship& r : finder.find(s.NInd[0], s.NInd[1])) {
    ShownRelationship item{RelationshipTitle(r, s.tables, std::ref(sexOf), s.English), {{"", s.NInd[0]}}};
    for (const RelationStep& step : r.path)
      item.path.push_back({StepWord(step, sexOf(step.person), s.English), step.person});
    shown.push_back(std::move(item));
  }
  return shown;
}

}  // namespace kord
