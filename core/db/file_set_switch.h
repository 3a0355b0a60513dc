#pragma once
/// Replacing several files of one database as one step (an import that
/// replaces a database, a database created over an old one). The new files
/// are written beside the old ones; a journal beside the individuals file
/// (its name with the last letter "j", "fam.rnj") then names each new file
/// and the file it replaces, and only then are they renamed into place, the
/// individuals file last. A switch stopped before its journal said "commit"
/// is rolled back (the new files go), one stopped after it is finished, by
/// the next program that opens or replaces the database.
///
/// A reader that loads while no journal is present and finds the same
/// individuals file afterwards has read one whole set: every switch replaces
/// the individuals file.

#include <sys/types.h>
#include <string>
#include <vector>

#include "db/database_lock.h"
#include "db/file_set.h"

namespace kord {

struct NewFileContent {
  std::string path;   ///< one of the database's files (UTF-8)
  std::string bytes;  ///< its whole new content
};

/// The journal of `names`: the individuals file name with "j" for its last letter.
std::string SwitchJournalFor(const FileSet& names);

/// True while a journal of `names` exists.
bool SwitchPending(const FileSet& names);

/// Puts `files` in place as one step, as said above. Takes `lock` on the
/// database when it exists and `lock` does not hold it yet (waiting as a
/// writer does); a lock on the individuals file follows it to the new file.
/// A switch a stopped program left is settled first. Returns an error text
/// (Windows-1252, English when `english`), empty on success; on an error
/// before the switching point nothing has changed.
std::string SwitchDatabaseFiles(const FileSet& names, const std::vector<NewFileContent>& files, DatabaseLock& lock,
                                bool english);

enum class SwitchRecovery {
  Nothing,     ///< no journal
  Finished,    ///< the new files were put in place
  RolledBack,  ///< the new files were removed; the old set stands
  Failed,      ///< the journal cannot be used or a rename failed; it is left for a person to look at
};

/// Settles a switch a stopped program left (see above). The caller holds
/// `lock` on the database, or the database has no individuals file yet.
SwitchRecovery FinishPendingSwitch(const FileSet& names, DatabaseLock& lock);

/// Settles a pending switch at the opening of a database: waits (as a
/// writer does) for a program at work to finish its switch, or settles one a
/// stopped program left, taking the lock for that time unless `lock` holds
/// it. Returns an error text, empty when the database can be read.
std::string SettlePendingSwitch(const FileSet& names, DatabaseLock& lock, bool english);

/// Which file a path names now (device and inode); zero when none.
struct FileIdentity {
  dev_t device = 0;
  ino_t inode = 0;
  bool operator==(const FileIdentity&) const = default;
};
FileIdentity IdentityOf(const std::string& path);

}  // namespace kord
