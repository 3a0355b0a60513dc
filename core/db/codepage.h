#pragma once
/// Conversions between the Windows-1252 bytes kept by the core and UTF-8,
/// which is what file paths, terminals and widgets use on this platform.

#include <string>
#include <string_view>

#include "db/text_kinds.h"

namespace kord {

/// Decodes Windows-1252 bytes to UTF-8. The five bytes the code page leaves
/// undefined (81 8D 8F 90 9D) map to the C1 controls of the same value.
std::string Cp1252ToUtf8(std::string_view bytes);

/// Encodes UTF-8 text as Windows-1252. A character the code page cannot hold
/// becomes "?" and, when `unmappable` is given, the first such character is
/// stored there as UTF-8 (left empty when every character fits).
Cp1252Text Utf8ToCp1252(std::string_view utf8, std::string* unmappable = nullptr);

/// Upper case of Windows-1252 text: ASCII letters and the accented lower-case
/// letters (à..þ but ÷, š, œ, ž, ÿ). ß has no single-byte upper case and stays.
Cp1252Text UpperCp1252(std::string_view text);

/// A one-line text: every line break (CR LF, a lone CR or LF) becomes one
/// blank.
std::string LineBreaksToBlanks(std::string_view text);

/// A multi-line text with the database's line end: every line break (CR LF,
/// a lone CR or LF) becomes CR LF.
std::string LineBreaksToCrLf(std::string_view text);

/// "U+XXXX" for the first character of a UTF-8 text ("" when none).
std::string CodePointName(std::string_view utf8);

/// True when `text` is well-formed UTF-8 (plain ASCII included).
bool IsValidUtf8(std::string_view text);

/// Decodes a tree line: the code page 437 drawing bytes B3, C3, C0, C4 become
/// the box-drawing characters, every other byte is read as Windows-1252.
std::string TreeBytesToUtf8(std::string_view bytes);

}  // namespace kord
