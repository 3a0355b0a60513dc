#include "stats/birth_walk.h"

#include "db/codepage.h"
#include "db/dates.h"
#include "records/birth_date_entry.h"

namespace kord {
namespace {

/// The record buffer's birth date, normalised as the date procedures do.
std::optional<std::string> usableBirthDate(Session& s) {
  s.dates.DateIn = PrepareDateIn(s.record.raw(BirthDate));
  s.dates.DateValid = false;
  if (!IsDate(s.dates.DateIn)) NormalizeBirthDate(s);
  if (!IsDate(s.dates.DateIn)) return std::nullopt;
  return s.dates.DateIn;
}

}  // namespace

void WalkBirths(Session& s, const std::function<void(const BirthFacts&)>& visit) {
  if (const Result opened = OpenIndividualsFile(s); !opened) {
    s.ui.message(Utf8ToCp1252(opened.reason()));
    return;
  }
  for (int k = 2; k <= s.tables.LastIndex; ++k) {
    s.NInd[0] = k;
    ReadRecord(s, k - 1);
    BirthFacts facts;
    facts.sex = UpperCp1252(s.record.trimmed(Sex));
    facts.birthDate = usableBirthDate(s);
    visit(facts);
  }
  // The buffer holds another record now, perhaps with a corrected birth
  // date that was never saved: the cards must read theirs afresh.
  s.cachedFocusRecord.reset();
  s.cachedSecondRecord.reset();
}

int WrittenYear(const std::string& birthDate) {
  auto parts = ParseDate(birthDate);
  return parts ? parts->year : 0;
}

}  // namespace kord
