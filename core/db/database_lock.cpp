#include "db/database_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <thread>

#include "db/codepage.h"
#include "db/file_set.h"

namespace kord {
namespace {

/// True while `path` still names the file open on `fd`.
bool stillNamed(int fd, const std::string& path) {
  struct stat open {
  }, named{};
  return ::fstat(fd, &open) == 0 && ::stat(path.c_str(), &named) == 0 && open.st_dev == named.st_dev &&
         open.st_ino == named.st_ino;
}

int openForLocking(const std::string& path) { return ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC); }

}  // namespace

LockOutcome DatabaseLock::acquire(const std::string& individualsFile, std::chrono::milliseconds wait) {
  release();
  const auto deadline = std::chrono::steady_clock::now() + wait;
  while (true) {
    int fd = openForLocking(individualsFile);
    if (fd < 0) return errno == ENOENT ? LockOutcome::NoFile : LockOutcome::Failed;
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
      if (stillNamed(fd, individualsFile)) {
        fd_ = fd;
        path_ = individualsFile;
        return LockOutcome::Locked;
      }
      ::close(fd);  // replaced while this one waited: lock the file now under the name
      continue;
    }
    int error = errno;
    ::close(fd);
    if (error != EWOULDBLOCK) return LockOutcome::Failed;
    if (std::chrono::steady_clock::now() >= deadline) return LockOutcome::InUse;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
}

void DatabaseLock::release() {
  dropReplacement();
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  path_.clear();
}

bool DatabaseLock::lockReplacement(const std::string& replacement) {
  dropReplacement();
  replacementFd_ = openForLocking(replacement);
  if (replacementFd_ >= 0 && ::flock(replacementFd_, LOCK_EX | LOCK_NB) == 0) return true;
  dropReplacement();
  return false;
}

void DatabaseLock::keepReplacement() {
  if (replacementFd_ < 0) return;
  if (fd_ >= 0) ::close(fd_);
  fd_ = replacementFd_;
  replacementFd_ = -1;
}

void DatabaseLock::dropReplacement() {
  if (replacementFd_ >= 0) ::close(replacementFd_);
  replacementFd_ = -1;
}

std::string DatabaseInUseText(const std::string& individualsFile, bool english) {
  const std::string name = Utf8ToCp1252(BaseNameOf(individualsFile));
  return english ? "The database " + name + " is in use by another program: try again shortly"
                 : "Il database " + name + " e' in uso da un altro programma: riprovare tra poco";
}

}  // namespace kord
