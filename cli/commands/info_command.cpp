// kord info: what the progress window shows after loading, and the mode.

#include "cli_context.h"

namespace kord::cli {

int RunInfo(CliContext& c) {
  if (c.options.args.size() != 1) return c.fail("info takes one database file", kUsage);
  if (!LoadDatabase(c, c.options.args[0])) return c.fail("no database was loaded");
  for (const auto& text : c.session.progress.FileText) c.printLine(text);
  c.printLine(c.session.tables.RecordMode);
  return kOk;
}

}  // namespace kord::cli
