#include "individuals_file.h"

#include <cerrno>
#include <cstring>

namespace kord {

std::string IndividualsFile::open(const std::string& path, bool forWriting) {
  close();
  path_ = path;
  file_ = std::fopen(path.c_str(), forWriting ? "r+b" : "rb");
  if (!file_ && forWriting && errno == ENOENT) file_ = std::fopen(path.c_str(), "w+b");
  if (!file_) return path + ": " + std::strerror(errno);
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
  if (!file_) return path_ + ": the file is not open";
  if (r < 1) return path_ + ": record " + std::to_string(r) + " does not exist";
  if (std::fseek(file_, (r - 1) * static_cast<long>(kRecordLength), SEEK_SET) != 0 ||
      std::fwrite(record.bytes().data(), 1, kRecordLength, file_) != kRecordLength ||
      std::fflush(file_) != 0)
    return path_ + ": " + std::strerror(errno);
  return {};
}

long IndividualsFile::size() {
  if (!file_ || std::fseek(file_, 0, SEEK_END) != 0) return 0;
  return std::ftell(file_);
}

}  // namespace kord
