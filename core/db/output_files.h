#pragma once
/// Every file the program produces is written here. A whole file goes to a
/// temporary file with a unique name in the target's own folder, is checked,
/// and is then renamed over the target: a link planted under the target's
/// name is replaced, never followed, a reader sees the old or the new file,
/// and a failure leaves the old file as it was and no temporary behind.
/// Append-only files (the history) are opened without following a link.

#include <ostream>
#include <sstream>
#include <string>
#include <string_view>

namespace kord {

/// The step of a write that failed; it decides how the failure is worded.
enum class OutputStep { Create, Write, Rename, Append };

/// Why a file could not be written; `error` 0 means it was written.
struct OutputFailure {
  std::string path;  ///< UTF-8, as the program names it
  int error = 0;     ///< the errno of the failing step
  OutputStep step = OutputStep::Write;
  explicit operator bool() const { return error != 0; }
};

/// "Impossibile scrivere il file <path>: <reason>" or "Cannot write the file
/// <path>: <reason>" (Windows-1252). A folder that takes no new file is
/// called read-only, a full disk full, a link that is not followed a link.
std::string OutputFailureText(const OutputFailure& failure, bool english);
/// The reason alone ("la cartella e' in sola lettura", ...).
std::string OutputFailureReason(const OutputFailure& failure, bool english);

/// A file on its way in: a temporary beside `target`, created empty by
/// create(), filled by write(), closed and checked by finish(), renamed over
/// the target by commit(). Destroyed before commit(), the temporary goes.
class PendingFile {
 public:
  PendingFile() = default;
  ~PendingFile() { abandon(); }
  PendingFile(const PendingFile&) = delete;
  PendingFile& operator=(const PendingFile&) = delete;
  PendingFile(PendingFile&& other) noexcept;

  /// Creates the temporary. `temporaryName` (a plain file name in the
  /// target's folder) is used when given, else a unique one is made. A new
  /// file gets the usual permissions; a replaced regular file keeps its own.
  OutputFailure create(const std::string& target, const std::string& temporaryName = {});
  OutputFailure write(std::string_view bytes);
  /// Closes the temporary; with `durable` its bytes reach the disk first.
  OutputFailure finish(bool durable);
  OutputFailure commit();
  /// Removes the temporary (nothing when there is none).
  void abandon();
  /// Forgets the finished temporary without removing it: something else (a
  /// journal) now answers for it.
  void keep() { temporary_.clear(); }

  const std::string& target() const { return target_; }
  const std::string& temporary() const { return temporary_; }

 private:
  OutputFailure failure(int error, OutputStep step) const { return {target_, error, step}; }

  std::string target_;
  std::string temporary_;
  int fd_ = -1;
};

/// A unique temporary file name for `target` in its folder (no folder part):
/// hidden, and ending in ".tmp".
std::string TemporaryNameFor(const std::string& target);

/// Writes `bytes` as the whole file `path` through a PendingFile; with
/// `durable` the bytes reach the disk before the rename.
OutputFailure WriteFileAtomically(const std::string& path, std::string_view bytes, bool durable = false);

/// Appends `bytes` to `path`, creating it when missing. A link or anything but
/// a regular file under that name is refused; a failed append is cut off, so
/// the file keeps its old length.
OutputFailure AppendToFile(const std::string& path, std::string_view bytes);

/// The bytes of `path` when it is a regular file (a FIFO or a device is
/// refused without waiting for it); false when it cannot be read.
bool ReadRegularFile(const std::string& path, std::string& out);

/// True when `path` exists and is not a regular file (a link counts as what
/// it points to).
bool ExistsButIsNotRegular(const std::string& path);

struct OutputFileBuffer {
  std::stringbuf buffer;
};

/// An output file written as a stream: what is streamed stays in memory and
/// goes to disk as a whole file by close(). Destroyed unclosed, it writes
/// nothing.
class OutputFile : private OutputFileBuffer, public std::ostream {
 public:
  OutputFile() : std::ostream(&buffer) {}
  /// Starts the file `path` afresh.
  void open(const std::string& path);
  bool is_open() const { return open_; }
  /// Writes the file; the failure names it. Closing a file not open does nothing.
  OutputFailure close();

 private:
  std::string path_;
  bool open_ = false;
};

}  // namespace kord
