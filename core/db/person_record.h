#pragma once
/// The fixed-width record of one individual, exactly as stored in the
/// individuals file: 14 blank-padded Windows-1252 fields, 526 bytes, no
/// separators. Scout databases use the same layout.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "db/text.h"

namespace kord {

enum Field : int {
  Num = 0,
  Name,
  BirthDate,
  BirthPlace,
  BaptismDate,
  BaptismPlace,
  MarriageDate,
  MarriagePlace,
  DeathDate,
  DeathPlace,
  BurialDate,
  BurialPlace,
  Notes,
  Sex,
};

inline constexpr int kFieldCount = 14;
inline constexpr std::size_t kRecordLength = 526;

struct FieldLayout {
  std::size_t offset;
  std::size_t width;
};

inline constexpr std::array<FieldLayout, kFieldCount> kFieldLayout = {{
    {0, 5},
    {5, 40},
    {45, 22},
    {67, 30},
    {97, 22},
    {119, 40},
    {159, 22},
    {181, 40},
    {221, 22},
    {243, 20},
    {263, 22},
    {285, 20},
    {305, 220},
    {525, 1},
}};

class PersonRecord {
 public:
  /// A record of blanks.
  PersonRecord();

  /// The field as stored: exactly its width, blank padded.
  std::string_view raw(Field f) const;
  /// The field with leading and trailing blanks removed.
  std::string trimmed(Field f) const { return Trim(raw(f)); }
  /// Stores `value` left-aligned, padded with blanks or cut to the width.
  /// Returns the part that did not fit (empty when nothing was cut).
  std::string set(Field f, std::string_view value);

  const std::array<char, kRecordLength>& bytes() const { return bytes_; }
  std::array<char, kRecordLength>& bytes() { return bytes_; }

  bool operator==(const PersonRecord&) const = default;

 private:
  std::array<char, kRecordLength> bytes_;
};

/// The text `f` may hold: the notes are multi-line (CR LF line ends), every
/// other field is one line (a line break becomes a blank), since a line break
/// there would end a line of the files the value is written to.
std::string FieldLineBreaks(Field f, std::string_view text);

/// Numeric value of a text the way the stored numbers are read: leading
/// blanks skipped, an optional sign, then digits; no digits gives 0.
long NumericValue(std::string_view text);

}  // namespace kord
