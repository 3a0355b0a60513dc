#pragma once
/// Record access to the individuals file: record r (counting from 1) is the
/// 526 bytes at (r - 1) * 526. There is no header.

#include <cstdio>
#include <string>

#include "person_record.h"

namespace kord {

class IndividualsFile {
 public:
  IndividualsFile() = default;
  ~IndividualsFile() { close(); }
  IndividualsFile(const IndividualsFile&) = delete;
  IndividualsFile& operator=(const IndividualsFile&) = delete;

  /// Closes any open file and opens `path` for reading, or for reading and
  /// writing (created when missing) with `forWriting`. Anything but a regular
  /// file is refused. Returns an error text, empty on success.
  std::string open(const std::string& path, bool forWriting = false);
  void close();
  bool isOpen() const { return file_ != nullptr; }

  /// Reads record `r` into `out`. False past the end of the file, and for a
  /// trailing partial record, which is not an individual.
  bool readRecord(long r, PersonRecord& out);
  /// Writes record `r`; returns an error text, empty on success. A write
  /// that fails leaves the file as long as it was (no partial record).
  std::string writeRecord(long r, const PersonRecord& record);
  /// The errno of the last failed write (0 after a good one).
  int lastError() const { return lastError_; }

  /// Size of the open file in bytes.
  long size();

 private:
  std::FILE* file_ = nullptr;
  std::string path_;
  int lastError_ = 0;
};

}  // namespace kord
