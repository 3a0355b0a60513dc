#pragma once
/// Everything that lives for one program run: the session values, the
/// switches, the loaded tables, the record buffer and the window models.
/// Procedures take the session; nothing is global.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "db/database_lock.h"
#include "db/date_work.h"
#include "db/file_set.h"
#include "db/individuals_file.h"
#include "db/output_files.h"
#include "db/person_record.h"
#include "db/result.h"
#include "db/tables.h"
#include "session/tree_state.h"
#include "session/ui.h"
#include "views/book_models.h"
#include "views/card_model.h"
#include "views/file_dialog_model.h"
#include "views/list_model.h"
#include "views/load_progress_model.h"
#include "views/name_search_model.h"
#include "views/stats_models.h"
#include "views/tree_models.h"

namespace kord {

/// Workflow states of windowState.
enum WindowState : int {
  kStateStart = 0,
  kStateOpening = 1,
  kStateCreating = 2,
  kStateIdle = 3,
  kStateNewRecord = 4,
  kStateCensus = 7,
  kStateReportChooser = 10,
};

/// What the menu entry of a switch shows: its own caption until the
/// switch is first used, then the caption of the switch's state.
enum class SwitchCaption { Design, On, OffByOption, OffByMenu };

struct Session {
  Session(Ui& ui, const Clock& clock, Printer& printer) : ui(ui), clock(clock), printer(printer) {}
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  Ui& ui;
  const Clock& clock;
  Printer& printer;

  // --- the values of the hidden form Gbl
  std::array<int, 2> NInd{0, 0};               ///< focus and second selection (table indexes)
  int Toggle = 0;                              ///< which NInd slot the name search fills
  WindowState windowState = kStateStart;       ///< where the open/edit workflow stands
  WindowState savedWindowState = kStateStart;  ///< kept while a tree click refreshes the card
  int savedFocus = 0;                          ///< the focus a window that stays open puts back when it closes
  int previousIndividual = 0;                  ///< the individual the tree walk came from
  int detailIndividual = 0;                    ///< the individual whose details a tree line shows
  int markedFocus = 0;                         ///< the first individual the descendant tree marks
  int markedSecond = 0;                        ///< the second individual the descendant tree marks
  bool statisticsRunning = false;              ///< the statistics command is filling its charts

  // --- module values and switches
  bool English = false;
  bool DbLoaded = false;
  bool OutputToFile = false;
  bool PrintImmediately = false;
  bool CardWithTree = false;
  bool ShowCard = false;
  bool NewRecordMode = true;
  int MaxGenerations = 30;
  // switches of the book generator, set by each caller and reset afterwards
  bool WalkAll = false;        ///< every individual, not only the focus
  int SortKey = 0;             ///< greater than 0: the sorted list by that field
  bool DetailLines = false;    ///< events and notes as book lines
  bool NavigatorFocus = true;  ///< the focus name goes to the first navigator box
  bool NavigationRun = false;  ///< a navigation command is running
  std::string Separator = ",";
  std::string Quote = "\"";
  std::string NewLine = "\r\n";
  std::string RelationsFile = "kord.rel";
  std::string KinListFile = "kord.kor";
  bool initialised = false;    ///< InitialiseSession has run
  bool exitRequested = false;  ///< the person chose to end the program

  // --- the database
  Tables tables;
  FileSet files{"individb.db", "childdb.db", "spousedb.db", "", ""};
  Utf8Path DbName;          ///< the chosen individuals file, full path
  Utf8Path DbFolder;        ///< its folder, with a trailing separator
  Utf8Path DbBaseName;      ///< its file name
  Utf8Path TemplateFolder;  ///< parent of DbFolder: the HTML templates
  /// The data installed with the program (InstalledDataFolder): its
  /// templates serve a database whose parent folder has none. Empty: none.
  Utf8Path installedDataFolder;

  /// The database's write lock (see db/database_lock.h).
  DatabaseLock lock;
  /// Opening takes the lock and keeps it while the database is open (the
  /// windows, and the command line's writing commands); otherwise (the
  /// command line's reading commands) the lock is taken at the first write.
  bool holdLockWhileOpen = true;
  /// A wait for the lock ended with the database in use: later writes of
  /// this run only try once, so a run with many writes does not wait for
  /// each one.
  bool lockWaitedInVain = false;
  /// The output files that could not be written in this run (UTF-8).
  std::vector<std::string> failedOutputs;

  // --- the one record buffer and the individuals file
  PersonRecord record;
  IndividualsFile individuals;
  std::optional<long> bufferRecord;  ///< the record the buffer holds
  std::optional<long> cachedFocusRecord;
  std::optional<long> cachedSecondRecord;

  // --- the result of the last kinship search
  int FirstCommon = 0;      ///< first common relative, 0 or less when none
  int SecondCommon = 0;     ///< second common relative
  bool CommonKind = false;  ///< on: common descendants; off: common ancestors

  /// The record kind the assistant's add commands requested (14 individual,
  /// 15 structure); 0 while none was.
  int RequestedRecordKind = 0;

  // --- working values of the date procedures
  DateWork dates;

  // --- window models
  std::array<SwitchCaption, 3> switchCaptions{SwitchCaption::Design, SwitchCaption::Design, SwitchCaption::Design};
  std::string historyText;                  ///< History.Text1
  bool historyFileFailed = false;           ///< a failed history write was reported
  bool individualsReadFailureTold = false;  ///< see OpenIndividualsFileForViews
  LoadProgressModel progress;
  FileDialogModel dialog;
  CardModel focusCard;   ///< the focus card
  CardModel secondCard;  ///< the second-selection card
  EditCardModel editCard;
  NameSearchModel nameSearch;
  ListModel list;
  ReportModel report;

  // --- the trees: walk state and their windows
  TreeState trees;
  TreeListModel treeList;
  TreeOutlineModel treeOutline;
  GenerationLimitModel generationLimit;

  // --- the statistics: their windows and the chooser's last choice
  CenturyStatsModel centuries;  ///< Grafici
  DecadeStatsModel decades;     ///< AgeChartWindow
  int chosenStatistic = 0;      ///< 1 centuries, 2 decades, 0 none chosen yet

  // --- the family book: the navigators, the book window and the individuals
  // behind the navigator boxes (kept after a run for the box clicks)
  NavigateModel navigate;
  ThumbModel thumb;
  BookModel book;
  NavigatorNumbers navigatorNumbers;

  /// Italian or English text by the language flag.
  const std::string& text(const std::string& italian, const std::string& english) const {
    return English ? english : italian;
  }
};

/// Keeps the focus of a command that moves it while it walks: the focus it
/// found is put back when the guard goes (or at restore()). Each command
/// keeps its own, so a command run inside another cannot overwrite it.
class KeptFocus {
 public:
  explicit KeptFocus(Session& s) : s_(s), focus_(s.NInd[0]) {}
  ~KeptFocus() { restore(); }
  KeptFocus(const KeptFocus&) = delete;
  KeptFocus& operator=(const KeptFocus&) = delete;
  void restore() { s_.NInd[0] = focus_; }

 private:
  Session& s_;
  int focus_;
};

/// Sets the generator switches to their idle values: NavigatorFocus on,
/// WalkAll, OutputToFile and DetailLines off.
void SetIdleSwitches(Session& s);
/// The switches of a walk over every individual with file output and
/// detail lines: NavigatorFocus off, WalkAll, OutputToFile, DetailLines on.
void SetWholeWalkSwitches(Session& s);
/// True when a command that walks from the focus has somewhere to start:
/// a focus, or the whole walk.
inline bool HasFocusOrWalk(const Session& s) { return s.NInd[0] > 0 || s.WalkAll; }

/// The start-up initialisation; runs once per session (later calls do
/// nothing). Sets the start values and checks the printer font.
void InitialiseSession(Session& s);

/// Reads the focus record (NInd(0) - 1) into the buffer unless it is the
/// cached one. The caller has opened the individuals file.
void ReadFocusRecord(Session& s);
/// Reads the second selection's record (NInd(1) - 1) into the buffer.
void ReadSecondRecord(Session& s);

/// Opens the individuals file of the session for reading.
Result OpenIndividualsFile(Session& s);
/// Opens it for the cards and lists, where a record that cannot be read
/// shows blank: with a database loaded, the person is told why once per run.
void OpenIndividualsFileForViews(Session& s);
/// Reads record r into the record buffer; false past the end.
bool ReadRecord(Session& s, long r);
/// Writes the record buffer as record NInd(0) - 1.
Result SaveFocusRecord(Session& s);

/// Makes sure the session holds the database's write lock before a write,
/// waiting as a writer does. Fails when the database is in use.
Result LockForWriting(Session& s);

/// Tells the person which output file could not be written and why, and
/// notes it in failedOutputs. Nothing happens for a write that succeeded.
void ReportOutputFailure(Session& s, const OutputFailure& failure);

}  // namespace kord
