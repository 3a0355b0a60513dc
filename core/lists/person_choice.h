#pragma once
/// Telling namesakes apart where a person is chosen from a list on screen:
/// the years of birth and death beside a name, never part of it. The texts
/// of printouts and of the command line do not use these.

#include <string>
#include <vector>

#include "db/person_record.h"
#include "session/session.h"

namespace kord {

/// "1850-1920", "n. 1850" / "b. 1850" (no death date), "m. 1920" / "d. 1920"
/// (no birth date), empty when neither date can be read. The baptism stands
/// in for a missing birth, the burial for a missing death.
std::string LifeYears(const PersonRecord& record, bool english);

/// LifeYears of every individual, by table index (empty for the slots that
/// hold none). Reads the individuals file on its own: the record buffer and
/// its cache are left alone. A file that cannot be read gives empty years.
std::vector<std::string> LifeYearsByIndex(const Session& s);

/// `name` with its years in parentheses after it, when there are any.
std::string NameWithYears(const std::string& name, const std::string& years);

struct PersonChoice {
  int index = kNone;
  std::string name;  ///< as in the name table
};

/// The individuals whose name begins with `typed` (letter case ignored; an
/// empty text gives everybody), in the order of every list, namesakes by index.
std::vector<PersonChoice> PeopleStartingWith(const Tables& t, const std::string& typed);

}  // namespace kord
