#include "app/open_database.h"

#include <filesystem>

#include "app/file_dialog.h"
#include "app/load_progress.h"
#include "checks/database_check.h"
#include "db/codepage.h"
#include "db/file_set_switch.h"
#include "db/load_tables.h"
#include "records/focus_panel.h"
#include "session/history.h"

namespace kord {
namespace {

void handOver(Session& s) {
  s.NInd[0] = 2;
  s.ui.showWindow(Window::StartWindow, false);
  s.ui.showWindow(Window::MainWindow, true);
  s.windowState = kStateIdle;
  ShowFocusPanel(s);
}

bool isReadableFile(const std::string& path) {
  IndividualsFile probe;
  return probe.open(path).empty();
}

/// Takes the write lock when the database is to be held while open.
bool lockWhileOpen(Session& s) {
  if (!s.holdLockWhileOpen || s.lock.acquire(s.files.IndividualsFile, kWriterWait) != LockOutcome::InUse) return true;
  s.ui.message(DatabaseInUseText(s.files.IndividualsFile, s.English));
  return false;
}

/// The checks before the files of s.files are read: false, with the message
/// shown, when the database is not to be opened. A "csv" name passes; it is
/// only logged.
bool mayOpen(Session& s) {
  std::error_code ec;
  if (!std::filesystem::exists(s.files.IndividualsFile, ec)) {
    s.ui.message("Nome File errato");
    return false;
  }
  if (IsCsvName(s.DbName)) return true;
  std::string refusal = DatabaseFileRefusal(s.DbName, s.English);
  if (refusal.empty() && !isReadableFile(s.files.IndividualsFile)) refusal = "Nome File errato";
  if (refusal.empty() && !lockWhileOpen(s)) return false;
  if (refusal.empty()) refusal = SettlePendingSwitch(s.files, s.lock, s.English);
  if (!refusal.empty()) s.ui.message(refusal);
  return refusal.empty();
}

/// Loads the database named by DbName.
OpenOutcome openChosen(Session& s) {
  s.files = FileSetFor(s.DbName);
  if (!mayOpen(s)) return OpenOutcome::Failed;
  SetDbFolder(s, FolderOf(s.DbName));
  LoadTables(s);
  if (IsCsvName(s.DbName)) return OpenOutcome::Failed;
  s.DbLoaded = true;
  return OpenOutcome::Loaded;
}

OpenOutcome openExisting(Session& s) {
  s.dialog.newVisible = false;
  s.dialog.openVisible = true;
  InitialiseSession(s);
  if (ChooseDatabaseFile(s).empty()) {
    if (s.exitRequested) return OpenOutcome::Failed;
    s.ui.message("Non Selezionato");
    return OpenOutcome::NotLoaded;
  }
  return openChosen(s);
}

OpenOutcome createAndLoad(Session& s) {
  s.dialog.openVisible = false;
  s.dialog.newVisible = true;
  InitialiseSession(s);
  while (ChooseDatabaseFile(s).empty()) {
    if (s.exitRequested) return OpenOutcome::Failed;
    s.ui.message("Battere il nome del nuovo Database");
  }
  s.files = FileSetFor(s.DbFolder + s.DbBaseName + ".rni");
  s.DbName = s.files.IndividualsFile;
  LoadTables(s);
  s.DbLoaded = true;
  return OpenOutcome::Loaded;
}

void runPhases(Session& s, LoadNotes& notes) {
  LoadProgress progress(s);
  auto step = [&progress](long n) { progress.step(n); };
  progress.startPhase(1);
  LoadIndividuals(s.tables, s.files.IndividualsFile, step, notes);
  s.progress.FileText[0] = s.text("Caricati ", "Loaded ") + std::to_string(s.tables.individualCount()) +
                           s.text(" Individui ", " Individuals ");
  progress.startPhase(2);
  LoadChildLinks(s.tables, s.files.ChildrenFile, step, notes);
  s.progress.FileText[1] = s.text("Caricati ", "Loaded ") + std::to_string(s.tables.ChildLinkCount) +
                           s.text(" discendenze    ", " Childrens ");
  progress.startPhase(3);
  LoadSpouseLinks(s.tables, s.files.SpousesFile, step, notes);
  s.progress.FileText[2] =
      s.text("Caricati ", "Loaded ") + std::to_string(s.tables.SpouseLinkCount) + s.text(" coniugi    ", " Families ");
  s.ui.refresh(Window::LoadProgressWindow);
}

/// Links the editor would refuse are said at once: the person learns why a
/// tree looks odd, and where to mend it.
void noteRefusedLinks(const Session& s, LoadNotes& notes) {
  constexpr std::size_t kShown = 10;
  const std::vector<std::string> refused = RefusedLinks(s.tables, s.English);
  if (refused.empty()) return;
  for (std::size_t i = 0; i < refused.size() && i < kShown; ++i) notes.add(refused[i]);
  if (refused.size() > kShown)
    notes.add(std::to_string(refused.size() - kShown) + s.text(" altri legami come questi", " more links like these"));
  notes.add(s.text("\"Controlla archivio\" (menu Varie) li elenca e ripara quelli che hanno un solo rimedio.",
                   "\"Check database\" (menu Extra) lists them and repairs those with a single remedy."));
}

/// Reads every file of the database. A switch to a new set of files during
/// the reading makes it read them again, so the tables hold one set.
LoadNotes readWholeSet(Session& s) {
  const int individualsCap = s.tables.LastIndex, childLinksCap = s.tables.ChildLinkCount;
  for (int attempt = 1;; ++attempt) {
    const FileIdentity before = IdentityOf(s.files.IndividualsFile);
    LoadNotes notes;
    notes.english = s.English;
    s.tables.RecordMode = ReadRecordMode(s.files.TypeFile);
    runPhases(s, notes);
    ReadCaptions(s.tables, s.files.CaptionsFile, notes);
    if (attempt == 3 || (!SwitchPending(s.files) && IdentityOf(s.files.IndividualsFile) == before)) return notes;
    SettlePendingSwitch(s.files, s.lock, s.English);
    s.tables.LastIndex = individualsCap;
    s.tables.ChildLinkCount = childLinksCap;
  }
}

std::string joinNotes(const LoadNotes& notes) {
  std::string text;
  for (const auto& line : notes.lines) text += (text.empty() ? "" : "\r\n") + line;
  return text;
}

}  // namespace

std::string DatabaseFileRefusal(const std::string& path, bool english) {
  const std::string name = Utf8ToCp1252(BaseNameOf(path));
  if (!IsDatabaseFileName(path))
    return name + (english ? ": not a database (only a file whose name ends in .rni is opened)"
                           : ": non e' un database (si apre solo un file il cui nome finisce per .rni)");
  const FileSet names = FileSetFor(path);
  for (const auto* file :
       {&names.IndividualsFile, &names.ChildrenFile, &names.SpousesFile, &names.TypeFile, &names.CaptionsFile})
    if (ExistsButIsNotRegular(*file))
      return Utf8ToCp1252(BaseNameOf(*file)) + (english ? ": not a regular file; the database is not opened"
                                                        : ": non e' un file normale; il database non viene aperto");
  return {};
}

bool IsCsvName(const std::string& name) { return name.size() >= 3 && name.substr(name.size() - 3) == "csv"; }

OpenOutcome OpenDatabase(Session& s) {
  if (s.DbLoaded) {
    s.ui.message("Archivio gia letto. Chiudere l'applicazione e riavviare per passare ad un nuovo archivio!");
    return OpenOutcome::AlreadyLoaded;
  }
  OpenOutcome outcome = OpenOutcome::NotLoaded;
  if (s.windowState == kStateOpening)
    outcome = openExisting(s);
  else if (s.windowState == kStateCreating)
    outcome = createAndLoad(s);
  if (outcome != OpenOutcome::Failed) handOver(s);
  return outcome;
}

OpenOutcome OpenDatabaseAsked(Session& s) {
  const WindowState before = s.windowState;
  s.windowState = kStateOpening;
  const OpenOutcome outcome = OpenDatabase(s);
  if (outcome == OpenOutcome::AlreadyLoaded || outcome == OpenOutcome::Failed) s.windowState = before;
  return outcome;
}

OpenOutcome OpenDatabaseFile(Session& s, const std::string& path) {
  if (s.DbLoaded) {
    s.ui.message("Archivio gia letto. Chiudere l'applicazione e riavviare per passare ad un nuovo archivio!");
    return OpenOutcome::AlreadyLoaded;
  }
  InitialiseSession(s);
  s.DbName = path;
  s.DbBaseName = BaseNameOf(path);
  OpenOutcome outcome = openChosen(s);
  if (outcome != OpenOutcome::Failed) handOver(s);
  return outcome;
}

void LoadTables(Session& s) {
  if (!IsCsvName(s.DbName)) {
    s.progress = LoadProgressModel();
    s.ui.showWindow(Window::LoadProgressWindow, true);
    LoadNotes notes = readWholeSet(s);
    noteRefusedLinks(s, notes);
    if (!notes.lines.empty()) s.ui.message(joinNotes(notes), s.text("Legge Genealogia", "Reading the database"));
    s.ui.message(s.text("Database OK. Creare o Selezionare un individuo!", "Database OK. Create or Select a member!"));
  }
  s.ui.showWindow(Window::LoadProgressWindow, false);
  s.individuals.close();
  s.cachedFocusRecord.reset();
  s.cachedSecondRecord.reset();
  LogHistory(s, LoadHistoryLine(s));
}

std::string TodayMessage(const LocalTime& now) {
  return "Today: " + ShortDateText(now) + ". -  " + TimeText(now) + "\n.";
}

}  // namespace kord
