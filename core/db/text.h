#pragma once
/// The small text helpers every part of the program shares: trimming, ASCII
/// upper case, whole numbers and UTF-8 encoding. Upper case in the code page is UpperCp1252
/// (db/codepage.h).

#include <optional>
#include <string>
#include <string_view>

namespace kord {

/// The blanks a record pads its fields with.
inline constexpr std::string_view kBlanks = " ";
/// Blanks, tabs and line breaks: what surrounds a value in another
/// program's file.
inline constexpr std::string_view kWhitespace = " \t\r\n";

/// `text` without the characters of `blanks` at either end.
std::string Trim(std::string_view text, std::string_view blanks = kBlanks);
/// `text` without the characters of `blanks` at its end.
std::string TrimRight(std::string_view text, std::string_view blanks = kBlanks);

/// ASCII letters in upper case, every other byte as it is (safe on UTF-8).
std::string UpperAscii(std::string_view text);

/// The whole number `text` spells (an optional minus sign and digits, nothing
/// else); nothing for any other text or a number out of range.
std::optional<int> WholeNumber(std::string_view text);

/// Appends the UTF-8 form of one code point.
void AppendUtf8(std::string& out, char32_t codePoint);
/// The UTF-8 form of one code point.
std::string Utf8Of(char32_t codePoint);

}  // namespace kord
