#include "cli_context.h"

#include <filesystem>
#include <ostream>

#include "app/open_database.h"
#include "db/codepage.h"
#include "session/installed_data.h"

namespace kord::cli {
namespace {

/// The folder of the running program, from the link the kernel keeps.
std::string programFolder() {
  std::error_code ec;
  const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", ec);
  return ec ? std::string() : program.parent_path().string();
}

}  // namespace

CliContext::CliContext(Options o, std::ostream& out, std::ostream& err)
    : options(std::move(o)), out(out), err(err), ui(err), session(ui, clock, printer) {
  ui.session = &session;
  for (const auto& answer : options.answers) ui.answers.push_back(answer);
  int y, m, d;
  if (options.today && ParseIsoDate(*options.today, y, m, d)) clock.today = LocalTime{y, m, d, 0, 0, 0};
  session.English = options.english;
  session.OutputToFile = options.outToFile;
  session.CardWithTree = options.card;
  session.PrintImmediately = options.print;
  session.installedDataFolder = InstalledDataFolder(programFolder());
}

int CliContext::fail(const std::string& text, int status) {
  err << "kord: " << text << '\n';
  return status;
}

int CliContext::failText(const std::string& cp1252, int status) { return fail(Cp1252ToUtf8(cp1252), status); }

void CliContext::printLine(const std::string& cp1252) { out << Cp1252ToUtf8(cp1252) << '\n'; }

bool LoadDatabase(CliContext& c, const std::string& path, Access access) {
  // The command line chooses its language and switches before opening.
  c.session.initialised = false;
  bool english = c.session.English, toFile = c.session.OutputToFile;
  bool card = c.session.CardWithTree, print = c.session.PrintImmediately;
  InitialiseSession(c.session);
  c.session.English = english;
  c.session.OutputToFile = toFile;
  c.session.CardWithTree = card;
  c.session.PrintImmediately = print;

  c.session.holdLockWhileOpen = access == Access::Write;
  c.ui.pickFile = path;
  c.session.windowState = kStateOpening;
  return OpenDatabase(c.session) == OpenOutcome::Loaded;
}

bool ApplySelection(CliContext& c, bool second) {
  const auto& t = c.session.tables;
  auto check = [&](const std::optional<int>& value, const char* option, int slot) {
    if (!value) return true;
    if (!t.isIndividual(*value)) {
      c.fail(std::string(option) + " " + std::to_string(*value) + " is not an individual of this database (" +
                 (t.individualCount() ? "2.." + std::to_string(t.LastIndex) : std::string("it is empty")) + ")",
             kUsage);
      return false;
    }
    c.session.NInd[slot] = *value;
    return true;
  };
  return check(c.options.focus, "--focus", 0) && (!second || check(c.options.second, "--second", 1));
}

}  // namespace kord::cli
