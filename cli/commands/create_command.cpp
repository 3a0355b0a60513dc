// kord create: an empty database of either mode, never over an existing one
// unless --replace says so.

#include <filesystem>

#include "app/create_database.h"
#include "cli_context.h"
#include "db/file_set.h"

namespace kord::cli {

int RunCreate(CliContext& c) {
  if (c.options.args.size() != 1) return c.fail("create takes one database name", kUsage);
  std::string path = std::filesystem::absolute(c.options.args[0]).lexically_normal().string();
  std::string typed = BaseNameOf(path);
  std::string stem = typed.substr(0, typed.find('.'));
  if (!IsPlainFileName(stem)) return c.fail("\"" + c.options.args[0] + "\" does not name a database file", kUsage);
  FileSet names = FileSetFor(FolderOf(path) + stem + ".rni");

  std::error_code ec;
  bool exists = false;
  for (const auto* name : {&names.IndividualsFile, &names.ChildrenFile, &names.SpousesFile, &names.TypeFile})
    exists = exists || std::filesystem::exists(*name, ec);
  if (exists && !c.options.replace)
    return c.fail("the database " + names.IndividualsFile + " already exists; add --replace to empty it");
  if (exists) c.ui.yesNo.push_back(true);
  c.ui.yesNo.push_back(c.options.scout);
  return CreateDatabase(c.session, names) ? kOk : kFailed;
}

}  // namespace kord::cli
