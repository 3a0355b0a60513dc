#include "db/person_sex.h"

#include "db/tables.h"

namespace kord {

PersonSex SexOfRecord(const PersonRecord& record) {
  char c = record.raw(Sex)[0];
  if (c == 'M' || c == 'm') return PersonSex::Male;
  if (c == 'F' || c == 'f') return PersonSex::Female;
  return PersonSex::Unknown;
}

SexReader::SexReader(std::string individualsFile) : path_(std::move(individualsFile)), known_(kTableSize, -1) {}

PersonSex SexReader::operator()(int index) {
  if (!Tables::inTable(index) || index < 2) return PersonSex::Unknown;
  auto& known = known_[static_cast<std::size_t>(index)];
  if (known >= 0) return static_cast<PersonSex>(known);
  if (!opened_) {
    opened_ = true;
    file_.open(path_);
  }
  PersonRecord record;
  PersonSex sex = file_.isOpen() && file_.readRecord(index - 1, record) ? SexOfRecord(record) : PersonSex::Unknown;
  known = static_cast<signed char>(sex);
  return sex;
}

}  // namespace kord
