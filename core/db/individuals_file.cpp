#include "individuals_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace kord {

std::string IndividualsFile::open(const std::string& path, bool forWriting) {
  close();
  path_ = path;
  int flags = (forWriting ? O_RDWR | O_CREAT : O_RDONLY) | O_NONBLOCK | O_CLOEXEC;
  int fd = ::open(path.c_str(), flags, 0666);
  if (fd < 0) return path + ": " + std::strerror(errno);
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    return path + ": not a regular file";
  }
  ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  file_ = ::fdopen(fd, forWriting ? "r+b" : "rb");
  if (!file_) {
    ::close(fd);
    return path + ": " + std::strerror(errno);
  }
  // Unbuffered: a failed write must leave nothing queued that a later flush
  // could still add after the file was cut back.
  std::setvbuf(file_, nullptr, _IONBF, 0);
  return {};
}

void IndividualsFile::close() {
  if (file_) std::fclose(file_);
  file_ = nullptr;
}

bool IndividualsFile::readRecord(long r, PersonRecord& out) {
  if (!file_ || r < 1) return false;
  if (std::fseek(file_, (r - 1) * static_cast<long>(kRecordLength), SEEK_SET) != 0) return false;
  PersonRecord read;
  if (std::fread(read.bytes().data(), 1, kRecordLength, file_) != kRecordLength) return false;
  out = read;
  return true;
}

std::string IndividualsFile::writeRecord(long r, const PersonRecord& record) {
  lastError_ = 0;
  if (!file_) return path_ + ": the file is not open";
  if (r < 1) return path_ + ": record " + std::to_string(r) + " does not exist";
  const long oldSize = size();
  if (std::fseek(file_, (r - 1) * static_cast<long>(kRecordLength), SEEK_SET) == 0 &&
      std::fwrite(record.bytes().data(), 1, kRecordLength, file_) == kRecordLength && std::fflush(file_) == 0)
    return {};
  const int error = lastError_ = errno;
  std::clearerr(file_);
  // A record that did not fit (a full disk) must not stay as a partial one.
  if (size() > oldSize) (void)!::ftruncate(::fileno(file_), oldSize);
  return path_ + ": " + std::strerror(error);
}

long IndividualsFile::size() {
  if (!file_ || std::fseek(file_, 0, SEEK_END) != 0) return 0;
  return std::ftell(file_);
}

}  // namespace kord
