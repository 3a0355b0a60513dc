#pragma once
/// ANSEL (ANSI Z39.47 with the GEDCOM additions), the traditional character
/// set of GEDCOM files.

#include <string>
#include <string_view>

namespace kord {

/// Decodes ANSEL bytes to UTF-8. ANSEL writes combining diacritics before
/// the letter they belong to; the result has them after it, as Unicode
/// wants, so that ToRecordText can compose them into accented letters.
/// Marks left without a letter at the end stay as they are. A byte ANSEL
/// leaves undefined becomes U+FFFD and is counted in `undefined`.
std::string AnselToUtf8(std::string_view bytes, int* undefined = nullptr);

}  // namespace kord
