#include "db/file_set_switch.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <thread>

#include "db/codepage.h"
#include "db/csv_fields.h"
#include "db/output_files.h"

namespace kord {
namespace {

constexpr const char* kJournalHeader = "KORD SWITCH";
constexpr const char* kPrepared = "prepare";
constexpr const char* kCommitted = "commit";

struct JournalEntry {
  std::string target;     ///< file name in the database folder
  std::string temporary;  ///< file name in the database folder
};

struct Journal {
  bool committed = false;
  std::vector<JournalEntry> entries;
};

std::string journalText(const Journal& j) {
  std::string text = std::string(kJournalHeader) + "\n" + (j.committed ? kCommitted : kPrepared) + "\n";
  for (const auto& e : j.entries) text += e.target + "\t" + e.temporary + "\n";
  return text;
}

bool isDatabaseFileName(const FileSet& names, const std::string& name) {
  for (const auto* path :
       {&names.IndividualsFile, &names.ChildrenFile, &names.SpousesFile, &names.TypeFile, &names.CaptionsFile})
    if (BaseNameOf(*path) == name) return true;
  return false;
}

bool isTemporaryName(const std::string& name) {
  return IsPlainFileName(name) && name.front() == '.' && name.size() > 4 && name.ends_with(".tmp");
}

/// Reads the journal; false when it is not one this program wrote. Only
/// names of the database's own files and of temporaries are accepted, so a
/// journal can never move anything else.
bool readJournal(const FileSet& names, Journal& out) {
  std::string text;
  if (!ReadRegularFile(SwitchJournalFor(names), text)) return false;
  auto lines = SplitLines(text);
  if (lines.size() < 2 || lines[0] != kJournalHeader || (lines[1] != kPrepared && lines[1] != kCommitted)) return false;
  out.committed = lines[1] == kCommitted;
  for (std::size_t i = 2; i < lines.size(); ++i) {
    auto tab = lines[i].find('\t');
    if (tab == std::string::npos) return false;
    JournalEntry e{lines[i].substr(0, tab), lines[i].substr(tab + 1)};
    if (!isDatabaseFileName(names, e.target) || !isTemporaryName(e.temporary)) return false;
    out.entries.push_back(std::move(e));
  }
  return true;
}

/// Makes the renames in the folder reach the disk.
void syncFolder(const std::string& folder) {
  int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

/// Renames `temporary` over `target`; a lock on the target follows it.
bool putInPlace(const std::string& temporary, const std::string& target, DatabaseLock& lock) {
  bool moveLock = lock.holds(target) && lock.lockReplacement(temporary);
  if (std::rename(temporary.c_str(), target.c_str()) != 0) {
    if (moveLock) lock.dropReplacement();
    return false;
  }
  if (moveLock) lock.keepReplacement();
  return true;
}

/// The files in switching order: the individuals file last, so that a new
/// database appears only when the rest is in place.
std::vector<NewFileContent> inSwitchingOrder(const FileSet& names, std::vector<NewFileContent> files) {
  std::stable_partition(files.begin(), files.end(),
                        [&](const NewFileContent& f) { return f.path != names.IndividualsFile; });
  return files;
}

std::string lockFor(const FileSet& names, DatabaseLock& lock, bool english) {
  if (lock.holds(names.IndividualsFile)) return {};
  switch (lock.acquire(names.IndividualsFile, kWriterWait)) {
    case LockOutcome::Locked:
    case LockOutcome::NoFile: return {};
    case LockOutcome::InUse: return DatabaseInUseText(names.IndividualsFile, english);
    case LockOutcome::Failed: break;
  }
  return Utf8ToCp1252(names.IndividualsFile) + (english ? ": cannot be opened" : ": impossibile aprire il file");
}

std::string unsettledText(const FileSet& names, bool english) {
  const std::string journal = Utf8ToCp1252(SwitchJournalFor(names));
  return english ? journal +
                       ": an interrupted replacement of the database could not be completed; "
                       "look at the files of the database and then remove this file"
                 : journal +
                       ": una sostituzione interrotta del database non si e' potuta completare; "
                       "controllare i file del database e poi togliere questo file";
}

/// Writes every new file beside its target and the journal naming them.
std::string prepare(const FileSet& names, const std::vector<NewFileContent>& files, std::vector<PendingFile>& pending,
                    Journal& journal, bool english) {
  for (const auto& f : files) journal.entries.push_back({BaseNameOf(f.path), TemporaryNameFor(f.path)});
  const std::string journalPath = SwitchJournalFor(names);
  if (OutputFailure f = WriteFileAtomically(journalPath, journalText(journal), true))
    return OutputFailureText(f, english);
  for (std::size_t i = 0; i < files.size(); ++i) {
    PendingFile& file = pending.emplace_back();
    OutputFailure f = file.create(files[i].path, journal.entries[i].temporary);
    if (!f) f = file.write(files[i].bytes);
    if (!f) f = file.finish(true);
    if (f) return OutputFailureText(f, english);
  }
  journal.committed = true;
  if (OutputFailure f = WriteFileAtomically(journalPath, journalText(journal), true))
    return OutputFailureText(f, english);
  return {};
}

}  // namespace

std::string SwitchJournalFor(const FileSet& names) {
  const std::string& rni = names.IndividualsFile;
  return rni.empty() ? std::string() : rni.substr(0, rni.size() - 1) + "j";
}

bool SwitchPending(const FileSet& names) {
  struct stat st {};
  return !names.IndividualsFile.empty() && ::lstat(SwitchJournalFor(names).c_str(), &st) == 0;
}

std::string SwitchDatabaseFiles(const FileSet& names, const std::vector<NewFileContent>& files, DatabaseLock& lock,
                                bool english) {
  if (std::string error = lockFor(names, lock, english); !error.empty()) return error;
  if (SwitchPending(names) && FinishPendingSwitch(names, lock) == SwitchRecovery::Failed)
    return unsettledText(names, english);
  const auto ordered = inSwitchingOrder(names, files);
  std::vector<PendingFile> pending;
  Journal journal;
  if (std::string error = prepare(names, ordered, pending, journal, english); !error.empty()) {
    pending.clear();  // the temporaries go before the journal that names them
    std::remove(SwitchJournalFor(names).c_str());
    return error;
  }
  // Past the switching point the journal answers for the new files.
  for (auto& file : pending) file.keep();
  for (std::size_t i = 0; i < ordered.size(); ++i)
    if (!putInPlace(FolderOf(ordered[i].path) + journal.entries[i].temporary, ordered[i].path, lock))
      return unsettledText(names, english);
  syncFolder(FolderOf(names.IndividualsFile));
  std::remove(SwitchJournalFor(names).c_str());
  return {};
}

SwitchRecovery FinishPendingSwitch(const FileSet& names, DatabaseLock& lock) {
  Journal journal;
  if (!SwitchPending(names)) return SwitchRecovery::Nothing;
  if (!readJournal(names, journal)) return SwitchRecovery::Failed;
  const std::string folder = FolderOf(names.IndividualsFile);
  for (const auto& e : journal.entries) {
    const std::string temporary = folder + e.temporary;
    struct stat st {};
    if (::lstat(temporary.c_str(), &st) != 0) continue;  // already in place, or never written
    if (!journal.committed)
      ::unlink(temporary.c_str());
    else if (!putInPlace(temporary, folder + e.target, lock))
      return SwitchRecovery::Failed;
  }
  syncFolder(folder);
  std::remove(SwitchJournalFor(names).c_str());
  return journal.committed ? SwitchRecovery::Finished : SwitchRecovery::RolledBack;
}

std::string SettlePendingSwitch(const FileSet& names, DatabaseLock& lock, bool english) {
  const auto deadline = std::chrono::steady_clock::now() + kWriterWait;
  while (SwitchPending(names)) {
    // A writer at work holds the lock and removes the journal itself; a
    // journal with nobody holding the lock was left by a stopped program.
    const bool held = lock.holds(names.IndividualsFile);
    LockOutcome outcome = held ? LockOutcome::Locked : lock.acquire(names.IndividualsFile, {});
    if (outcome == LockOutcome::Locked || outcome == LockOutcome::NoFile) {
      SwitchRecovery recovery = FinishPendingSwitch(names, lock);
      if (!held) lock.release();
      return recovery == SwitchRecovery::Failed ? unsettledText(names, english) : std::string();
    }
    if (outcome == LockOutcome::Failed || std::chrono::steady_clock::now() >= deadline)
      return DatabaseInUseText(names.IndividualsFile, english);
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return {};
}

FileIdentity IdentityOf(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return {};
  return {st.st_dev, st.st_ino};
}

}  // namespace kord
