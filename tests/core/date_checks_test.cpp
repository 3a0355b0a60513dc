// The date checks: one finding per problem of the test database, none for
// its look-alikes, the limits moving the result, the lines in both
// languages, the sample's own findings and a finding made the focus.

#include <gtest/gtest.h>

#include <functional>

#include "checks/verify_dates.h"
#include "database_copy.h"

namespace kord {
namespace {

using Found = std::vector<std::pair<int, DateProblem>>;

Found found(test::DatabaseCopy& db, const DateCheckSettings& settings = {}) {
  std::string error;
  Found list;
  for (const auto& f : VerifyDates(db.session, settings, error)) list.emplace_back(f.individual, f.problem);
  EXPECT_EQ(error, "");
  return list;
}

struct DateProblems : test::DatabaseCopy {
  DateProblems() : DatabaseCopy(KORD_RELATIONS_DIR, "date-problems") {}
};

// Indexes of tests/data/relations/date-problems.txt.
const Found kEveryProblem = {
    {2, DateProblem::UnreadableDate},
    {3, DateProblem::DeathBeforeBirth},
    {4, DateProblem::BaptismBeforeBirth},
    {5, DateProblem::MarriageBeforeBirth},
    {6, DateProblem::BurialBeforeBirth},
    {7, DateProblem::BurialBeforeDeath},
    {8, DateProblem::MarriedTooYoung},
    {10, DateProblem::ParentTooYoung},
    {12, DateProblem::MotherTooOld},
    {14, DateProblem::BornAfterMotherDeath},
    {16, DateProblem::BornLongAfterFatherDeath},
    {17, DateProblem::OldWithoutDeath},
    {18, DateProblem::SpouseIsParent},
    {20, DateProblem::SpouseIsChild},
    {23, DateProblem::SpouseIsSibling},
    {25, DateProblem::MarriageDatesDiffer},
};

TEST(DateChecks, OneFindingPerProblemAndNoneForTheLookAlikes) {
  DateProblems db;
  ASSERT_TRUE(db.loaded);
  EXPECT_EQ(found(db), kEveryProblem);
}

TEST(DateChecks, TheLimitsChangeTheResult) {
  struct Case {
    const char* what;
    std::function<void(DateCheckSettings&)> change;
    int individual;  ///< whose finding goes (or, with `appears`, comes)
    DateProblem problem;
    bool appears;
  };
  const Case cases[] = {
      {"married at 10", [](auto& s) { s.minimumMarriageAge = 10; }, 8, DateProblem::MarriedTooYoung, false},
      {"father at 10", [](auto& s) { s.minimumParentAge = 9; }, 10, DateProblem::ParentTooYoung, false},
      {"mother at 60", [](auto& s) { s.maximumMotherAge = 61; }, 12, DateProblem::MotherTooOld, false},
      {"mother at 32", [](auto& s) { s.maximumMotherAge = 30; }, 14, DateProblem::MotherTooOld, true},
      {"11 months", [](auto& s) { s.maximumMonthsAfterFatherDeath = 11; }, 16, DateProblem::BornLongAfterFatherDeath,
       false},
      {"146 years", [](auto& s) { s.maximumAgeWithoutDeath = 146; }, 17, DateProblem::OldWithoutDeath, false},
  };
  DateProblems db;
  for (const Case& c : cases) {
    DateCheckSettings settings;
    c.change(settings);
    Found expected = kEveryProblem;
    std::pair<int, DateProblem> finding{c.individual, c.problem};
    if (c.appears)
      expected.insert(std::upper_bound(expected.begin(), expected.end(), finding), finding);
    else
      std::erase(expected, finding);
    EXPECT_EQ(found(db, settings), expected) << c.what;
  }
}

TEST(DateChecks, EachFindingIsOneLineWithTheDatesInvolved) {
  DateProblems db;
  std::string error;
  auto findings = VerifyDates(db.session, {}, error);
  ASSERT_EQ(findings.size(), kEveryProblem.size());
  const Tables& t = db.session.tables;
  EXPECT_EQ(FindingLine(findings[8], t, {}, false),
            "12 Problema Figlia Di Madre Anziana: nata dopo i 55 anni della madre Madre Anziana (11) "
            "(nascita 1910, nascita della madre 1850)");
  EXPECT_EQ(FindingLine(findings[10], t, {}, true),
            "16 Problema Nata Tardi: born more than 10 months after the death of father Padre Morto (15) "
            "(birth 01/12/1900, father's death 01/01/1900)");
  EXPECT_EQ(FindingLine(findings[14], t, {}, false),
            "23 Problema Sposato Alla Sorella: il coniuge Sorella Sposa (24) \xE8 anche fratello o sorella");
}

TEST(DateChecks, TheSampleHasOnlyItsTwoUndatedDeathsAndTheTestFamilyNone) {
  // Pavan Girolamo (1776) is known from one deed, Pavan Caterina (1883) was
  // lost from sight after 1920: their records rightly lack a death date.
  test::SampleCopy sample;
  EXPECT_EQ(found(sample), (Found{{6, DateProblem::OldWithoutDeath}, {23, DateProblem::OldWithoutDeath}}));
  test::DatabaseCopy family(KORD_RELATIONS_DIR, "parentela");
  EXPECT_EQ(found(family), Found{});
}

TEST(DateChecks, AFindingClickedBecomesTheFocus) {
  DateProblems db;
  std::string error;
  auto findings = VerifyDates(db.session, {}, error);
  FocusFinding(db.session, findings[2]);
  EXPECT_EQ(db.session.NInd[0], 4);
  EXPECT_EQ(db.session.focusCard.values[Name], "Problema Battesimo Prima");
}

}  // namespace
}  // namespace kord
