#pragma once
/// One writer at a time: an advisory exclusive lock (flock) on a database's
/// individuals file. A writer holds it from before it reads the tables it
/// will change until it ends; the windows hold it while a database is open.
/// Readers do not take it: every file they read is replaced whole by a
/// rename, or, for the individuals file, written a record at a time.

#include <chrono>
#include <string>

namespace kord {

/// How long a second writer waits for the first before giving up.
inline constexpr std::chrono::milliseconds kWriterWait{2000};

enum class LockOutcome {
  Locked,  ///< held now
  InUse,   ///< another program held it for the whole wait
  NoFile,  ///< the file does not exist (nothing to lock yet)
  Failed,  ///< the file could not be opened
};

class DatabaseLock {
 public:
  DatabaseLock() = default;
  ~DatabaseLock() { release(); }
  DatabaseLock(const DatabaseLock&) = delete;
  DatabaseLock& operator=(const DatabaseLock&) = delete;

  /// Locks `individualsFile`, trying again for up to `wait` while another
  /// program holds it. When the file was replaced by a rename while this one
  /// waited, the file now under that name is locked. Releases any lock held
  /// before.
  LockOutcome acquire(const std::string& individualsFile, std::chrono::milliseconds wait);
  bool holds(const std::string& individualsFile) const { return fd_ >= 0 && path_ == individualsFile; }
  void release();

  /// The locked file is about to be replaced by `replacement` (renamed over
  /// it): locks the replacement too, so that the lock is never let go during
  /// the rename. False when it cannot be locked.
  bool lockReplacement(const std::string& replacement);
  /// After the rename: only the replacement stays locked.
  void keepReplacement();
  /// The rename did not happen: the replacement's lock goes.
  void dropReplacement();

 private:
  std::string path_;
  int fd_ = -1;
  int replacementFd_ = -1;
};

/// "Il database <name> e' in uso da un altro programma: riprovare tra poco" or
/// its English twin (Windows-1252).
std::string DatabaseInUseText(const std::string& individualsFile, bool english);

}  // namespace kord
