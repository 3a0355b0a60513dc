// kord date: a typed birth date through the date test and the normaliser,
// as the statistics prepare it, and the year they would count.

#include "cli_context.h"
#include "db/codepage.h"
#include "db/dates.h"
#include "records/birth_date_entry.h"

namespace kord::cli {

int RunDate(CliContext& c) {
  if (c.options.args.size() != 1) return c.fail("date takes one date text", kUsage);
  Session& s = c.session;
  s.record.set(BirthDate, Utf8ToCp1252(c.options.args[0]));
  s.dates.DateIn = PrepareDateIn(s.record.raw(BirthDate));
  s.dates.DateValid = false;
  if (!IsDate(s.dates.DateIn)) NormalizeBirthDate(s);
  c.printLine(s.dates.DateIn);
  c.printLine(IsDate(s.dates.DateIn) ? std::to_string(YearOf(s.dates.DateIn, s.clock.now().year)) : "-");
  return kOk;
}

}  // namespace kord::cli
