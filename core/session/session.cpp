#include "session/session.h"

#include "db/codepage.h"

namespace kord {

void InitialiseSession(Session& s) {
  if (s.initialised) return;
  s.initialised = true;
  s.tables.RecordMode = "Kord";
  s.English = false;
  s.OutputToFile = false;
  s.PrintImmediately = false;
  s.CardWithTree = false;
  s.ShowCard = false;
  s.NewRecordMode = true;
  s.MaxGenerations = 30;
  s.Separator = ",";
  s.Quote = "\"";
  s.NewLine = "\r\n";
  s.tables.FieldCaptions = DefaultFieldCaptions();
  s.tables.LastIndex = 1000;
  s.tables.ChildLinkCount = 920;
  s.files = {"individb.db", "childdb.db", "spousedb.db", "", ""};
  s.RelationsFile = "kord.rel";
  s.KinListFile = "kord.kor";
  s.windowState = kStateStart;
  s.statisticsRunning = false;
  if (!s.printer.setFontName("Terminal")) s.ui.message("Font not present, install 'MS LineDraw' font");
}

void SetIdleSwitches(Session& s) {
  s.NavigatorFocus = true;
  s.WalkAll = false;
  s.OutputToFile = false;
  s.DetailLines = false;
}

void SetWholeWalkSwitches(Session& s) {
  s.NavigatorFocus = false;
  s.WalkAll = true;
  s.OutputToFile = true;
  s.DetailLines = true;
}

Result OpenIndividualsFile(Session& s) { return Result::FromReason(s.individuals.open(s.files.IndividualsFile)); }

void OpenIndividualsFileForViews(Session& s) {
  const Result opened = OpenIndividualsFile(s);
  // Without a database the cards have nothing to read: that is no failure.
  if (opened || s.individualsReadFailureTold || !s.DbLoaded) return;
  s.individualsReadFailureTold = true;
  s.ui.message(s.text("Le schede restano vuote: ", "The cards stay blank: ") + Utf8ToCp1252(opened.reason()));
}

bool ReadRecord(Session& s, long r) {
  bool read = s.individuals.readRecord(r, s.record);
  if (!read) s.record = PersonRecord();  // past the end: a record not saved yet
  s.bufferRecord = r;
  return read;
}

void ReadFocusRecord(Session& s) {
  long r = s.NInd[0] - 1;
  // The second card shares the buffer, so the cache alone cannot tell.
  if (s.cachedFocusRecord == r && s.bufferRecord == r) return;
  ReadRecord(s, r);
  s.cachedFocusRecord = r;
}

void ReadSecondRecord(Session& s) {
  long r = s.NInd[1] - 1;
  ReadRecord(s, r);
  s.cachedSecondRecord = r;
}

Result SaveFocusRecord(Session& s) {
  if (Result locked = LockForWriting(s); !locked) return locked;
  IndividualsFile file;
  std::string error = file.open(s.files.IndividualsFile, true);
  if (error.empty()) error = file.writeRecord(s.NInd[0] - 1, s.record);
  if (file.lastError() != 0)
    error = OutputFailureText({s.files.IndividualsFile, file.lastError(), OutputStep::Write}, s.English);
  return Result::FromReason(error);
}

Result LockForWriting(Session& s) {
  const std::string& file = s.files.IndividualsFile;
  if (s.lock.holds(file)) return {};
  switch (s.lock.acquire(file, s.lockWaitedInVain ? std::chrono::milliseconds{} : kWriterWait)) {
    case LockOutcome::Locked:
    case LockOutcome::NoFile:             // the write creates it; nobody else can be using it yet
    case LockOutcome::Failed: return {};  // opening it to write says why
    case LockOutcome::InUse: break;
  }
  s.lockWaitedInVain = true;
  return Result::Failure(DatabaseInUseText(file, s.English));
}

void ReportOutputFailure(Session& s, const OutputFailure& failure) {
  if (!failure) return;
  s.failedOutputs.push_back(failure.path);
  s.ui.message(OutputFailureText(failure, s.English));
}

}  // namespace kord
