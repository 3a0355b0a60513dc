// kord search: the name search window after typing a text.

#include "cli_context.h"
#include "db/codepage.h"
#include "lists/name_search.h"

namespace kord::cli {
namespace {

std::string oneLine(std::string text) {
  for (std::size_t at; (at = text.find("\r\n")) != std::string::npos;) text.replace(at, 2, "\\n");
  return text;
}

}  // namespace

void PrintNameSearch(CliContext& c) {
  const NameSearchModel& m = c.session.nameSearch;
  for (const auto& entry : m.selezionati) c.printLine("selezionati=" + entry);
  c.printLine("Individuo=" + oneLine(m.Individuo));
  c.printLine("Genitori=" + oneLine(m.Genitori));
  c.printLine("Coniugi=" + oneLine(m.Coniugi));
  c.printLine("Figli=" + oneLine(m.Figli));
  c.printLine("NInd(0)=" + std::to_string(c.session.NInd[0]));
  c.printLine("NInd(1)=" + std::to_string(c.session.NInd[1]));
}

int RunSearch(CliContext& c) {
  if (c.options.args.size() != 2) return c.fail("search takes a database file and a text", kUsage);
  int toggle = c.options.toggle.value_or(0);
  if (toggle != 0 && toggle != 1) return c.fail("--toggle takes 0 or 1", kUsage);
  if (!LoadDatabase(c, c.options.args[0])) return c.fail("no database was loaded");
  SelectBySlot(c.session, toggle);
  NameSearchType(c.session, Utf8ToCp1252(c.options.args[1]));
  PrintNameSearch(c);
  return kOk;
}

}  // namespace kord::cli
