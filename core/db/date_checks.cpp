#include "db/date_checks.h"

#include <optional>

#include "db/family_links.h"
#include "db/person_record.h"

namespace kord {
namespace {

/// Days since 1970-01-01 of a calendar date (proleptic Gregorian).
long dayNumber(int year, int month, int day) {
  year -= month <= 2;
  const long era = (year >= 0 ? year : year - 399) / 400;
  const long yearOfEra = year - era * 400;
  const long dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  return era * 146097 + yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear - 719468;
}

long dayNumber(const DateParts& p) { return dayNumber(p.year, p.month, p.day); }

/// `months` later, the day cut to the length of the month (29 February and
/// a year later gives 28 February).
long monthsLater(const DateParts& p, int months) {
  const long total = static_cast<long>(p.year) * 12 + (p.month - 1) + months;
  const int year = static_cast<int>(total / 12), month = static_cast<int>(total % 12) + 1;
  const long monthStart = dayNumber(year, month, 1);
  const long monthLength = (month == 12 ? dayNumber(year + 1, 1, 1) : dayNumber(year, month + 1, 1)) - monthStart;
  return monthStart + std::min<long>(p.day, monthLength) - 1;
}

/// The days a stored date may mean.
struct DateSpan {
  DateParts first;
  DateParts last;
};

/// "0/13/" + year: its trailing zeros stand for unknown digits.
int approximateYears(int year) {
  int width = 1;
  for (int zeros = 0; zeros < 3 && year != 0 && year % 10 == 0; ++zeros, year /= 10) width *= 10;
  return width;
}

std::optional<DateSpan> spanOf(const std::string& text) {
  auto parts = ReadStoredDate(text);
  if (!parts) return std::nullopt;
  const int year = parts->year;
  if (parts->month == 0) return DateSpan{{1, 1, year}, {31, 12, year}};
  if (parts->month == 13) return DateSpan{{1, 1, year}, {31, 12, year + approximateYears(year) - 1}};
  return DateSpan{*parts, *parts};
}

/// Certainly before: the last day `a` may mean is before the first of `b`.
bool before(const DateSpan& a, const DateSpan& b) { return dayNumber(a.last) < dayNumber(b.first); }

using Spans = std::array<std::optional<DateSpan>, kLifeEventCount>;

class Checker {
 public:
  Checker(const Tables& t, const std::vector<DatedPerson>& people, const DateCheckSettings& settings,
          const DateParts& today)
      : t_(t), people_(people), settings_(settings), today_(dayNumber(today)), spans_(kTableSize) {}

  std::vector<DateFinding> run() {
    for (int i = 2; i <= t_.LastIndex && i < static_cast<int>(people_.size()); ++i) {
      readDates(i);
      checkOwnDates(i);
      for (int parent : DistinctParents(t_, i))
        if (parent != kNone) checkParent(i, parent);
      checkAge(i);
      checkSpouse(i);
    }
    return std::move(findings_);
  }

 private:
  const std::string& text(int i, LifeEvent e) const {
    return people_[static_cast<std::size_t>(i)].dates[static_cast<std::size_t>(e)];
  }

  const std::optional<DateSpan>& span(int i, LifeEvent e) {
    auto& spans = spans_[static_cast<std::size_t>(i)];
    if (!spans) {
      spans.emplace();
      for (int k = 0; k < kLifeEventCount; ++k)
        (*spans)[static_cast<std::size_t>(k)] = spanOf(text(i, static_cast<LifeEvent>(k)));
    }
    return (*spans)[static_cast<std::size_t>(e)];
  }

  /// Adds a finding on `i` about its own dates `own` and the dates `others`
  /// of `other`.
  void add(int i, DateProblem problem, std::initializer_list<LifeEvent> own, int other = kNone,
           std::initializer_list<LifeEvent> others = {}) {
    DateFinding f{i, problem, people_[static_cast<std::size_t>(i)].sex, other, PersonSex::Unknown, {}};
    for (LifeEvent e : own) f.dates.push_back({e, false, Trim(text(i, e))});
    if (other != kNone) {
      f.otherSex = people_[static_cast<std::size_t>(other)].sex;
      for (LifeEvent e : others) f.dates.push_back({e, true, Trim(text(other, e))});
    }
    findings_.push_back(std::move(f));
  }

  void readDates(int i) {
    for (int k = 0; k < kLifeEventCount; ++k) {
      auto e = static_cast<LifeEvent>(k);
      if (!span(i, e) && !Trim(text(i, e)).empty()) add(i, DateProblem::UnreadableDate, {e});
    }
  }

  void checkOwnDates(int i) {
    using enum LifeEvent;
    const auto& birth = span(i, Birth);
    const auto& death = span(i, Death);
    const auto& marriage = span(i, Marriage);
    const auto& burial = span(i, Burial);
    if (birth) {
      if (death && before(*death, *birth)) add(i, DateProblem::DeathBeforeBirth, {Birth, Death});
      if (const auto& baptism = span(i, Baptism); baptism && before(*baptism, *birth))
        add(i, DateProblem::BaptismBeforeBirth, {Birth, Baptism});
      if (marriage && before(*marriage, *birth))
        add(i, DateProblem::MarriageBeforeBirth, {Birth, Marriage});
      else if (marriage && dayNumber(marriage->last) < monthsLater(birth->first, 12 * settings_.minimumMarriageAge))
        add(i, DateProblem::MarriedTooYoung, {Birth, Marriage});
      if (burial && before(*burial, *birth)) add(i, DateProblem::BurialBeforeBirth, {Birth, Burial});
    }
    if (burial && death && before(*burial, *death)) add(i, DateProblem::BurialBeforeDeath, {Death, Burial});
  }

  void checkParent(int i, int parent) {
    using enum LifeEvent;
    const auto& birth = span(i, Birth);
    if (!birth) return;
    const auto& parentBirth = span(parent, Birth);
    const auto& parentDeath = span(parent, Death);
    if (parentBirth && dayNumber(birth->last) < monthsLater(parentBirth->first, 12 * settings_.minimumParentAge))
      add(i, DateProblem::ParentTooYoung, {Birth}, parent, {Birth});
    if (people_[static_cast<std::size_t>(parent)].sex == PersonSex::Female) {
      if (parentBirth && dayNumber(birth->first) >= monthsLater(parentBirth->last, 12 * settings_.maximumMotherAge))
        add(i, DateProblem::MotherTooOld, {Birth}, parent, {Birth});
      if (parentDeath && before(*parentDeath, *birth))
        add(i, DateProblem::BornAfterMotherDeath, {Birth}, parent, {Death});
    } else if (parentDeath &&
               dayNumber(birth->first) > monthsLater(parentDeath->last, settings_.maximumMonthsAfterFatherDeath)) {
      add(i, DateProblem::BornLongAfterFatherDeath, {Birth}, parent, {Death});
    }
  }

  /// A burial date also tells that the individual is dead.
  void checkAge(int i) {
    using enum LifeEvent;
    const auto& birth = span(i, Birth);
    if (!birth || !Trim(text(i, Death)).empty() || !Trim(text(i, Burial)).empty()) return;
    if (today_ > monthsLater(birth->last, 12 * settings_.maximumAgeWithoutDeath))
      add(i, DateProblem::OldWithoutDeath, {Birth});
  }

  void checkSpouse(int i) {
    const int spouse = t_.Spouse[static_cast<std::size_t>(i)];
    if (!t_.isIndividual(spouse) || spouse == i) return;
    const bool mutual = t_.Spouse[static_cast<std::size_t>(spouse)] == i;
    if (mutual && spouse < i) return;  // reported on the spouse
    if (IsParentOf(t_, spouse, i))
      add(i, DateProblem::SpouseIsParent, {}, spouse);
    else if (IsParentOf(t_, i, spouse))
      add(i, DateProblem::SpouseIsChild, {}, spouse);
    else if (AreSiblings(t_, i, spouse))
      add(i, DateProblem::SpouseIsSibling, {}, spouse);
    if (!mutual) return;
    const auto& mine = span(i, LifeEvent::Marriage);
    const auto& theirs = span(spouse, LifeEvent::Marriage);
    if (mine && theirs && (before(*mine, *theirs) || before(*theirs, *mine)))
      add(i, DateProblem::MarriageDatesDiffer, {LifeEvent::Marriage}, spouse, {LifeEvent::Marriage});
  }

  const Tables& t_;
  const std::vector<DatedPerson>& people_;
  const DateCheckSettings& settings_;
  const long today_;
  std::vector<std::optional<Spans>> spans_;
  std::vector<DateFinding> findings_;
};

}  // namespace

std::vector<DateFinding> CheckDates(const Tables& tables, const std::vector<DatedPerson>& people,
                                    const DateCheckSettings& settings, const DateParts& today) {
  return Checker(tables, people, settings, today).run();
}

}  // namespace kord
