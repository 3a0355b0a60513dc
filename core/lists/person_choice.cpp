#include "lists/person_choice.h"

#include "db/codepage.h"
#include "db/dates.h"
#include "db/individuals_file.h"
#include "lists/list_order.h"

namespace kord {
namespace {

/// The year of the first of `fields` that holds a readable date; 0 for none.
int firstYear(const PersonRecord& record, std::initializer_list<Field> fields) {
  for (Field f : fields)
    if (auto date = ReadStoredDate(record.trimmed(f)); date && date->year > 0) return date->year;
  return 0;
}

}  // namespace

std::string LifeYears(const PersonRecord& record, bool english) {
  const int born = firstYear(record, {BirthDate, BaptismDate});
  const int died = firstYear(record, {DeathDate, BurialDate});
  if (born && died) return std::to_string(born) + "-" + std::to_string(died);
  if (born) return (english ? "b. " : "n. ") + std::to_string(born);
  if (died) return (english ? "d. " : "m. ") + std::to_string(died);
  return {};
}

std::vector<std::string> LifeYearsByIndex(const Session& s) {
  std::vector<std::string> years(kTableSize);
  IndividualsFile file;
  if (!file.open(s.files.IndividualsFile).empty()) return years;
  PersonRecord record;
  for (int k = 2; k <= s.tables.LastIndex && file.readRecord(k - 1, record); ++k)
    years[static_cast<std::size_t>(k)] = LifeYears(record, s.English);
  return years;
}

std::string NameWithYears(const std::string& name, const std::string& years) {
  return years.empty() ? name : name + " (" + years + ")";
}

std::vector<PersonChoice> PeopleStartingWith(const Tables& t, const std::string& typed) {
  const std::string key = UpperCp1252(typed);
  std::vector<PersonChoice> people;
  std::vector<std::string> keys;
  for (int k = 2; k <= t.LastIndex; ++k) {
    const std::string& name = t.Names[static_cast<std::size_t>(k)];
    if (name.size() < key.size() || UpperCp1252(name.substr(0, key.size())) != key) continue;
    people.push_back({k, name});
    keys.push_back(ListKey(name));
  }
  SortByKeys(people, keys);
  return people;
}

}  // namespace kord
