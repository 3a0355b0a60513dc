// kord card: the focus record, one "caption=value" line per field.

#include "cli_context.h"
#include "db/person_record.h"

namespace kord::cli {

int RunCard(CliContext& c) {
  if (c.options.args.size() != 1) return c.fail("card takes one database file", kUsage);
  if (!c.options.focus) return c.fail("card needs --focus N", kUsage);
  if (!LoadDatabase(c, c.options.args[0])) return c.fail("no database was loaded");
  if (!ApplySelection(c)) return kUsage;
  if (const Result opened = OpenIndividualsFile(c.session); !opened) return c.fail(opened.reason());
  ReadFocusRecord(c.session);
  c.session.individuals.close();
  for (int f = 0; f < kFieldCount; ++f)
    c.printLine(c.session.tables.FieldCaptions[f] + "=" + c.session.record.trimmed(static_cast<Field>(f)));
  return kOk;
}

}  // namespace kord::cli
