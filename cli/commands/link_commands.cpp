// kord link and spouse: parent and spouse links written as the editing card
// writes them.

#include <ostream>

#include "cli_context.h"
#include "db/text.h"
#include "records/link_files.h"

namespace kord::cli {
namespace {

bool individual(CliContext& c, int index, const char* what) {
  if (c.session.tables.isIndividual(index)) return true;
  c.fail(std::string(what) + " " + std::to_string(index) + " is not an individual of this database", kUsage);
  return false;
}

}  // namespace

int RunLink(CliContext& c) {
  if (c.options.args.size() != 1) return c.fail("link takes one database file", kUsage);
  if (!c.options.child || !c.options.parent) return c.fail("link needs --child N and --parent M", kUsage);
  if (!LoadDatabase(c, c.options.args[0], Access::Write)) return c.fail("no database was loaded");
  int child = *c.options.child, parent = *c.options.parent;
  if (!individual(c, child, "--child") || !individual(c, parent, "--parent")) return kUsage;
  const Tables& t = c.session.tables;
  int p1 = t.Parent1[child], p2 = t.Parent2[child];
  if (p1 == parent || p2 == parent) return kOk;
  if (p1 < 0)
    p1 = parent;
  else {
    if (p2 >= 0) c.err << "the second parent " << p2 << " is replaced by " << parent << '\n';
    p2 = parent;
  }
  const Result linked = SetParents(c.session, child, p1, p2);
  return linked ? kOk : c.failText(linked.reason());
}

int RunSpouse(CliContext& c) {
  if (c.options.args.size() != 3) return c.fail("spouse takes a database file and two indexes", kUsage);
  if (!LoadDatabase(c, c.options.args[0], Access::Write)) return c.fail("no database was loaded");
  int pair[2];
  for (int i = 0; i < 2; ++i) {
    const std::optional<int> index = WholeNumber(c.options.args[i + 1]);
    if (!index) return c.fail("\"" + c.options.args[i + 1] + "\" is not an index", kUsage);
    pair[i] = *index;
    if (!individual(c, pair[i], "index")) return kUsage;
  }
  const Result linked = SetSpouse(c.session, pair[0], pair[1], !c.options.oneWay);
  return linked ? kOk : c.failText(linked.reason());
}

}  // namespace kord::cli
