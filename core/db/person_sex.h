#pragma once
/// The sex of an individual as its record stores it, and a reader that looks
/// it up record by record without touching the session's record buffer.

#include <string>
#include <vector>

#include "db/individuals_file.h"
#include "db/person_record.h"

namespace kord {

enum class PersonSex { Unknown, Male, Female };

/// "M" or "F" in either case; anything else is unknown.
PersonSex SexOfRecord(const PersonRecord& record);

/// Reads the Sex field of table indexes from an individuals file on demand
/// and remembers each answer. An index that cannot be read (no file, past
/// the end, outside the tables) is of unknown sex.
class SexReader {
 public:
  explicit SexReader(std::string individualsFile);
  PersonSex operator()(int index);

 private:
  std::string path_;
  IndividualsFile file_;
  bool opened_ = false;
  std::vector<signed char> known_;  ///< -1 not read yet, else a PersonSex
};

}  // namespace kord
