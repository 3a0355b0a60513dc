#pragma once
/// Turning text from outside (UTF-8) into record text (Windows-1252, one
/// byte per character) without losing anything silently: what cannot be held
/// is named, and a value cut to its field says what was cut.

#include <string>
#include <string_view>
#include <vector>

#include "db/person_record.h"

namespace kord {

struct RecordText {
  std::string text;            ///< Windows-1252
  std::vector<char32_t> lost;  ///< characters the code page could not hold
};

/// Encodes UTF-8 as Windows-1252. A letter followed by combining diacritics
/// becomes the accented letter when the code page has it (e + U+0301 gives
/// é). What the code page lacks degrades as little as it can: a letter of
/// Latin Extended-A (Ł, č, ő ...) becomes its base letter, a combining mark
/// that does not compose is dropped, anything else becomes "?"; each such
/// character is listed in `lost`. Malformed UTF-8 bytes count as U+FFFD.
RecordText ToRecordText(std::string_view utf8);

/// "U+0141 U+017A": the lost characters of a conversion, each once.
std::string LostCharacterNames(const std::vector<char32_t>& lost);

/// The words of `text`, apart by blanks or tabs.
std::vector<std::string> SplitWords(std::string_view text);

/// True when every byte of `text` is ASCII.
bool IsAscii(std::string_view text);

/// `text` for a summary line: at most 100 characters, "..." after a cut.
std::string ShortExcerpt(const std::string& text);

/// Stores `value` into field `f` of `record`. When it does not fit, returns
/// the note for the summary: `who` + caption + the part that was cut (its
/// ShortExcerpt; English when `english`); else an empty text.
std::string StoreField(PersonRecord& record, Field f, const std::string& value, const std::string& who,
                       const std::string& caption, bool english);

}  // namespace kord
