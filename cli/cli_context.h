#pragma once
// One run of the command line: the options, the stand-ins for the person and
// the devices, the session and the two output streams.

#include <array>
#include <iosfwd>
#include <optional>

#include "console_ui.h"
#include "options.h"
#include "session/session.h"

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

/// What a command does to the database it loads.
enum class Access {
  Read,   ///< reads without the write lock (a write it makes takes the lock then)
  Write,  ///< holds the write lock from before loading until it ends
};

/// Loads `path` exactly as the GUI's "Open" does. False (with the messages
/// already on standard error) when no database was loaded, also when a
/// writing command finds the database in use by another program.
bool LoadDatabase(CliContext& c, const std::string& path, Access access = Access::Read);

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
int RunAssist(CliContext& c);
int RunImportGedcom(CliContext& c);
int RunExportGedcom(CliContext& c);
int RunImportCsv(CliContext& c);
int RunCheck(CliContext& c);
int RunRelation(CliContext& c);
int RunVerify(CliContext& c);
int RunSortCopy(CliContext& c);

// Each window printed in the format of the command that fills it, shared by
// that command and the assistant (--data adds the item numbers).
void PrintLista(CliContext& c);
void PrintReportGrid(CliContext& c);
/// The boxes --fields ticks ("1,2,13"); nothing (the reason written) when a
/// number is not a field 1..13.
std::optional<std::array<bool, 13>> ReportFields(CliContext& c);
void PrintAlbero(CliContext& c);
void PrintNest(CliContext& c);
/// Albero, then FirstCommon= and SecondCommon=.
void PrintKinship(CliContext& c);
void PrintBookWindow(CliContext& c);
/// The sixteen boxes, the pictures with --pictures, the numbers behind them.
void PrintNavigator(CliContext& c, const NavigatorBoxes& w1);
void PrintNameSearch(CliContext& c);
/// Grafici (`centuries`) or AgeChartWindow.
void PrintStatistic(CliContext& c, bool centuries);

}  // namespace kord::cli
