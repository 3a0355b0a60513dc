#pragma once
/// The walk both statistics make over the individuals: each one's sex and a
/// birth date they can take a year from.

#include <functional>
#include <optional>
#include <string>

#include "session/session.h"

namespace kord {

/// What one individual brings to a statistic.
struct BirthFacts {
  /// Sex, trimmed and in upper case: "M", "F" or anything else.
  std::string sex;
  /// The birth date as the date test accepts it: the stored text, trimmed and
  /// in upper case, normalised when it failed the test. Nothing when even the
  /// normalised text fails (an empty date among them).
  std::optional<std::string> birthDate;
};

/// Visits every index 2..LastIndex in ascending order: the index becomes the
/// working focus NInd(0), its record is read into the buffer and `visit`
/// receives its facts. A birth date the normaliser cannot read brings up the
/// correction box; the answer counts for this walk only and never reaches
/// the individuals file. When the individuals file cannot be opened the
/// reason is shown and nobody is visited.
void WalkBirths(Session& s, const std::function<void(const BirthFacts&)>& visit);

/// The year of a usable birth date as written ("0/0/" and "0/13/" forms
/// included), without moving a future year back.
int WrittenYear(const std::string& birthDate);

}  // namespace kord
