// kord check: the links of a database that cannot be right, one a line; with
// --repair the obvious ones are fixed first ("riparato: ..."). The files are
// read as stored, without loading the database, so nothing else is said.

#include <algorithm>
#include <filesystem>
#include <ostream>

#include "checks/database_check.h"
#include "cli_context.h"
#include "db/database_lock.h"
#include "db/file_set.h"

namespace kord::cli {
namespace {

/// Only an individuals file names a database: the repair rewrites the link
/// files beside it, which for any other file would be the wrong files.
bool isIndividualsFile(const std::string& path) {
  std::string ext = std::filesystem::path(path).extension().string();
  std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
  std::error_code ec;
  return ext == ".rni" && std::filesystem::is_regular_file(path, ec);
}

int printProblems(CliContext& c, const DatabaseCheck& check) {
  if (!check.error.empty()) return c.failText(check.error);
  for (const LinkProblem& problem : check.problems) c.printLine(problem.text);
  return check.problems.empty() ? kOk : kFailed;
}

}  // namespace

int RunCheck(CliContext& c) {
  if (c.options.args.size() != 1) return c.fail("check takes one database file", kUsage);
  const std::string& path = c.options.args[0];
  if (!isIndividualsFile(path)) return c.fail(path + " is not the individuals file (.rni) of a database", kUsage);
  const FileSet files = FileSetFor(path);
  if (!c.options.repair) return printProblems(c, CheckDatabase(files, c.options.english));
  // A repair rewrites link files: no other writer may change them meanwhile.
  DatabaseLock lock;
  if (lock.acquire(files.IndividualsFile, kWriterWait) == LockOutcome::InUse)
    return c.failText(DatabaseInUseText(files.IndividualsFile, c.options.english));
  const DatabaseRepair repair = RepairDatabase(files, c.options.english);
  const std::string done = c.options.english ? "repaired: " : "riparato: ";
  for (const std::string& text : repair.repaired) c.printLine(done + text);
  const int status = printProblems(c, repair.after);
  return repair.error.empty() ? status : c.failText(repair.error);
}

}  // namespace kord::cli
