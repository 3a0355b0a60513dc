#include "db/output_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "db/codepage.h"
#include "db/file_set.h"

namespace kord {
namespace {

/// Anything but a regular file where one is expected.
constexpr int kNotRegular = ENXIO;

}  // namespace

std::string OutputFailureReason(const OutputFailure& f, bool english) {
  auto say = [english](const char* italian, const char* englishText) { return english ? englishText : italian; };
  switch (f.error) {
    case EROFS: return say("la cartella e' in sola lettura", "the folder is read-only");
    case EACCES:
    case EPERM:
      if (f.step == OutputStep::Append) return say("il file e' in sola lettura", "the file is read-only");
      return say("la cartella e' in sola lettura", "the folder is read-only");
    case ENOSPC:
    case EDQUOT: return say("il disco e' pieno", "the disk is full");
    case EFBIG: return say("il file supera la dimensione consentita", "the file is larger than allowed");
    case ELOOP:
      return say("e' un collegamento simbolico, che non viene seguito", "it is a symbolic link, which is not followed");
    case EISDIR: return say("c'e' una cartella con questo nome", "a folder has this name");
    case ENOENT:
    case ENOTDIR: return say("la cartella non esiste", "the folder does not exist");
    case kNotRegular: return say("non e' un file normale", "it is not a regular file");
    default: return std::strerror(f.error);
  }
}

namespace {

OutputFailure writeAll(int fd, std::string_view bytes, const std::string& path, OutputStep step) {
  while (!bytes.empty()) {
    ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return {path, n < 0 ? errno : EIO, step};
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return {};
}

/// The permissions a replacement takes: those of the regular file it replaces.
bool existingMode(const std::string& path, mode_t& mode) {
  struct stat st {};
  if (::lstat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
  mode = st.st_mode & 07777;
  return true;
}

}  // namespace

std::string OutputFailureText(const OutputFailure& failure, bool english) {
  return (english ? "Cannot write the file " : "Impossibile scrivere il file ") + Utf8ToCp1252(failure.path) + ": " +
         OutputFailureReason(failure, english);
}

std::string TemporaryNameFor(const std::string& target) {
  static std::atomic<unsigned> counter{0};
  // Kept short enough that the name fits whatever the target's name.
  std::string base = BaseNameOf(target).substr(0, 100);
  return "." + base + "." + std::to_string(::getpid()) + "-" + std::to_string(++counter) + ".tmp";
}

PendingFile::PendingFile(PendingFile&& other) noexcept
    : target_(std::move(other.target_)), temporary_(std::move(other.temporary_)), fd_(other.fd_) {
  other.temporary_.clear();
  other.fd_ = -1;
}

OutputFailure PendingFile::create(const std::string& target, const std::string& temporaryName) {
  abandon();
  target_ = target;
  mode_t mode = 0666;
  bool keepMode = existingMode(target, mode);
  const int flags = O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC;
  int error = 0;
  for (int attempt = 0; attempt < 100 && fd_ < 0; ++attempt) {
    std::string path = FolderOf(target) + (temporaryName.empty() ? TemporaryNameFor(target) : temporaryName);
    fd_ = ::open(path.c_str(), flags, mode);
    error = errno;
    if (fd_ >= 0)
      temporary_ = path;
    else if (error != EEXIST || !temporaryName.empty())
      break;
  }
  if (fd_ < 0) return failure(error, OutputStep::Create);
  if (keepMode) ::fchmod(fd_, mode);  // the umask must not narrow a database file's permissions
  return {};
}

OutputFailure PendingFile::write(std::string_view bytes) {
  if (fd_ < 0) return failure(EBADF, OutputStep::Write);
  return writeAll(fd_, bytes, target_, OutputStep::Write);
}

OutputFailure PendingFile::finish(bool durable) {
  if (fd_ < 0) return failure(EBADF, OutputStep::Write);
  int error = durable && ::fsync(fd_) != 0 ? errno : 0;
  if (::close(fd_) != 0 && error == 0) error = errno;
  fd_ = -1;
  return error ? failure(error, OutputStep::Write) : OutputFailure{};
}

OutputFailure PendingFile::commit() {
  if (fd_ >= 0)
    if (OutputFailure f = finish(false)) return f;
  if (temporary_.empty()) return failure(ENOENT, OutputStep::Rename);
  if (std::rename(temporary_.c_str(), target_.c_str()) != 0) return failure(errno, OutputStep::Rename);
  temporary_.clear();
  return {};
}

void PendingFile::abandon() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  if (!temporary_.empty()) ::unlink(temporary_.c_str());
  temporary_.clear();
}

OutputFailure WriteFileAtomically(const std::string& path, std::string_view bytes, bool durable) {
  PendingFile file;
  if (OutputFailure f = file.create(path)) return f;
  if (OutputFailure f = file.write(bytes)) return f;
  if (OutputFailure f = file.finish(durable)) return f;
  return file.commit();
}

OutputFailure AppendToFile(const std::string& path, std::string_view bytes) {
  int fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0666);
  if (fd < 0) return {path, errno, OutputStep::Append};
  struct stat st {};
  OutputFailure result;
  if (::fstat(fd, &st) != 0)
    result = {path, errno, OutputStep::Append};
  else if (!S_ISREG(st.st_mode))
    result = {path, kNotRegular, OutputStep::Append};
  else if ((result = writeAll(fd, bytes, path, OutputStep::Append)))
    (void)!::ftruncate(fd, st.st_size);  // no half line stays behind
  if (::close(fd) != 0 && !result) result = {path, errno, OutputStep::Append};
  return result;
}

bool ReadRegularFile(const std::string& path, std::string& out) {
  int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat st {};
  bool ok = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
  std::string bytes;
  char chunk[65536];
  while (ok) {
    ssize_t n = ::read(fd, chunk, sizeof chunk);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      ok = n == 0;
      break;
    }
    bytes.append(chunk, static_cast<std::size_t>(n));
  }
  ::close(fd);
  if (ok) out = std::move(bytes);
  return ok;
}

bool ExistsButIsNotRegular(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode);
}

void OutputFile::open(const std::string& path) {
  path_ = path;
  open_ = true;
  buffer.str({});
  clear();
}

OutputFailure OutputFile::close() {
  if (!open_) return {};
  open_ = false;
  OutputFailure failure = WriteFileAtomically(path_, buffer.view());
  buffer.str({});
  if (failure) setstate(std::ios::failbit);
  return failure;
}

}  // namespace kord
