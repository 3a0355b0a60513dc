#pragma once
/// The lines of a GEDCOM file being written. Values come in Windows-1252, as
/// the records keep them; the file is their UTF-8 form, or the bytes as they
/// are for an ANSI file. Line ends are CR LF.

#include <string>

namespace kord {

class GedcomWriter {
 public:
  /// "level TAG value". An at sign in the value is doubled; a line break,
  /// which would start a line of its own, becomes a blank.
  void line(int level, const std::string& tag, const std::string& value = {});
  /// "0 @X@ TAG".
  void record(const std::string& xref, const std::string& tag);
  /// "level TAG @X@".
  void pointer(int level, const std::string& tag, const std::string& xref);
  /// A text of any length and any number of lines: its first line on
  /// "level TAG", the others on CONT lines, pieces of long lines on CONC
  /// lines, never cut beside a blank.
  void text(int level, const std::string& tag, const std::string& value);
  /// The file's bytes: UTF-8, or Windows-1252 with `ansi`.
  std::string bytes(bool ansi) const;

 private:
  std::string out_;
};

}  // namespace kord
