#pragma once
// One run of the command line: the options, the stand-ins for the person and
// the devices, the session and the two output streams.

#include <iosfwd>

#include "console_ui.h"
#include "options.h"
#include "shell/session.h"

namespace kord::cli {

/// Exit statuses.
inline constexpr int kOk = 0;
inline constexpr int kFailed = 1;  ///< the command could not do its job
inline constexpr int kUsage = 2;   ///< the call itself is malformed

struct CliContext {
  CliContext(Options options, std::ostream& out, std::ostream& err);

  Options options;
  std::ostream& out;
  std::ostream& err;
  ConsoleUi ui;
  ConsoleClock clock;
  ConsolePrinter printer;
  Session session;

  /// Writes "kord: " + text to standard error; returns `status`.
  int fail(const std::string& text, int status = kFailed);
  /// The same for a Windows-1252 text.
  int failText(const std::string& cp1252, int status = kFailed);
  /// Writes Windows-1252 text to standard output as UTF-8, then a line end.
  void printLine(const std::string& cp1252);
};

/// Loads `path` exactly as the GUI's "Open" does. False (with the messages
/// already on standard error) when no database was loaded.
bool LoadDatabase(CliContext& c, const std::string& path);

/// Checks --focus (and --second when `second`) against the loaded tables and
/// sets NInd; on a bad value writes the reason and returns false.
bool ApplySelection(CliContext& c, bool second = false);

int RunInfo(CliContext& c);
int RunCreate(CliContext& c);
int RunCard(CliContext& c);
int RunDate(CliContext& c);
int RunSearch(CliContext& c);
int RunEdit(CliContext& c);
int RunAdd(CliContext& c);
int RunLink(CliContext& c);
int RunSpouse(CliContext& c);
int RunCaptions(CliContext& c);
int RunList(CliContext& c);
int RunReport(CliContext& c);
int RunRoots(CliContext& c);
int RunBranches(CliContext& c);
int RunKin(CliContext& c);
int RunStats(CliContext& c);
int RunBook(CliContext& c);
int RunCensus(CliContext& c);
int RunNavigate(CliContext& c);
int RunSorted(CliContext& c);

}  // namespace kord::cli
