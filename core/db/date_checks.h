#pragma once
/// Dates that cannot be right: a death before the birth, a child born after
/// its mother's death, a man of 140 with no death date. A pure check of the
/// five date fields of every individual against each other and against the
/// parents and the spouse of the loaded tables.
///
/// A date text counts when it passes the date test as stored or as the
/// birth-date normaliser reads it without asking (a bare year, "19??").
/// Year-only dates stand for every day they may mean ("0/0/1850" the whole
/// year, "0/13/1900" the years 1900-1999), and a problem is reported only
/// when it holds on every one of those days.

#include <array>
#include <string>
#include <vector>

#include "db/dates.h"
#include "db/person_sex.h"
#include "db/tables.h"

namespace kord {

/// The limits of the checks. The defaults are the usual ones.
struct DateCheckSettings {
  int minimumMarriageAge = 12;
  int minimumParentAge = 12;
  int maximumMotherAge = 55;  ///< a child born when its mother was this old or older
  int maximumMonthsAfterFatherDeath = 10;
  int maximumAgeWithoutDeath = 110;  ///< older than this with no death (or burial) date
};

enum class LifeEvent { Birth, Baptism, Marriage, Death, Burial };
inline constexpr int kLifeEventCount = 5;

/// The date texts of one individual as stored, by LifeEvent, and its sex.
struct DatedPerson {
  std::array<std::string, kLifeEventCount> dates;
  PersonSex sex = PersonSex::Unknown;
};

enum class DateProblem {
  UnreadableDate,
  DeathBeforeBirth,
  BaptismBeforeBirth,
  MarriageBeforeBirth,
  BurialBeforeBirth,
  BurialBeforeDeath,
  MarriedTooYoung,
  ParentTooYoung,
  MotherTooOld,
  BornAfterMotherDeath,
  BornLongAfterFatherDeath,  ///< also for a parent of unknown sex
  OldWithoutDeath,
  SpouseIsParent,
  SpouseIsChild,
  SpouseIsSibling,
  MarriageDatesDiffer,
};

/// A date a finding is about, as stored.
struct InvolvedDate {
  LifeEvent event;
  bool ofOther = false;  ///< the date of the parent or spouse, not the individual's own
  std::string text;
  bool operator==(const InvolvedDate&) const = default;
};

struct DateFinding {
  int individual = kNone;
  DateProblem problem = DateProblem::UnreadableDate;
  PersonSex sex = PersonSex::Unknown;  ///< of the individual
  int other = kNone;                   ///< the parent or spouse the problem is about
  PersonSex otherSex = PersonSex::Unknown;
  std::vector<InvolvedDate> dates;
  bool operator==(const DateFinding&) const = default;
};

/// Checks every individual 2..LastIndex; `people` is indexed like the
/// tables and covers every index up to LastIndex. Findings come in index order, at most one per problem: a pair of
/// spouses linked both ways is reported once, on the lower index.
std::vector<DateFinding> CheckDates(const Tables& tables, const std::vector<DatedPerson>& people,
                                    const DateCheckSettings& settings, const DateParts& today);

}  // namespace kord
