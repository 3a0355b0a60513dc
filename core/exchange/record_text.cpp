#include "exchange/record_text.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include "db/codepage.h"

namespace kord {
namespace {

/// Base letters and the Windows-1252 letters they make with one mark.
struct Composition {
  char32_t mark;
  std::string_view bases;
  std::string_view letters;  ///< Windows-1252 bytes, one per base
};

constexpr std::array<Composition, 8> kCompositions = {{
    {0x0300, "AEIOUaeiou", "\xC0\xC8\xCC\xD2\xD9\xE0\xE8\xEC\xF2\xF9"},
    {0x0301, "AEIOUYaeiouy", "\xC1\xC9\xCD\xD3\xDA\xDD\xE1\xE9\xED\xF3\xFA\xFD"},
    {0x0302, "AEIOUaeiou", "\xC2\xCA\xCE\xD4\xDB\xE2\xEA\xEE\xF4\xFB"},
    {0x0303, "ANOano", "\xC3\xD1\xD5\xE3\xF1\xF5"},
    {0x0308, "AEIOUYaeiouy", "\xC4\xCB\xCF\xD6\xDC\x9F\xE4\xEB\xEF\xF6\xFC\xFF"},
    {0x030A, "Aa", "\xC5\xE5"},
    {0x030C, "SsZz", "\x8A\x9A\x8E\x9E"},
    {0x0327, "Cc", "\xC7\xE7"},
}};

/// Base letters of U+0100..U+017F; "?" where there is none.
constexpr std::string_view kLatinExtendedBases =
    "AaAaAaCcCcCcCcDdDdEeEeEeEeEeGgGgGgGgHhHhIiIiIiIiIi??JjKk?LlLlLlLlLlNnNnNn???OoOoOo??RrRrRrSsSsSs??TtTt"
    "TtUuUuUuUuUuUuWwYy?ZzZz??s";

bool isCombining(char32_t cp) { return (cp >= 0x0300 && cp <= 0x036F) || (cp >= 0xFE20 && cp <= 0xFE23); }

/// The Windows-1252 byte of a code point, or -1.
int cp1252Byte(char32_t cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<int>(cp);
  std::string unmappable;
  std::string byte = Utf8ToCp1252(Utf8Of(cp), &unmappable);
  return unmappable.empty() && byte.size() == 1 ? static_cast<unsigned char>(byte[0]) : -1;
}

/// Composes `mark` with the last letter of `out` when the code page has the result.
bool compose(std::string& out, char32_t mark) {
  if (out.empty()) return false;
  for (const auto& c : kCompositions) {
    if (c.mark != mark) continue;
    auto at = c.bases.find(out.back());
    if (at == std::string_view::npos) return false;
    out.back() = c.letters[at];
    return true;
  }
  return false;
}

std::vector<char32_t> decodeUtf8(std::string_view s) {
  std::vector<char32_t> out;
  std::size_t i = 0;
  while (i < s.size()) {
    auto lead = static_cast<unsigned char>(s[i]);
    int extra = lead < 0x80 ? 0 : (lead >> 5) == 6 ? 1 : (lead >> 4) == 14 ? 2 : (lead >> 3) == 30 ? 3 : -1;
    char32_t cp = extra == 0 ? lead : 0xFFFD;
    std::size_t used = 1;
    if (extra > 0 && i + extra < s.size()) {
      char32_t value = lead & (0x3F >> extra);
      int k = 1;
      for (; k <= extra && (static_cast<unsigned char>(s[i + k]) & 0xC0) == 0x80; ++k)
        value = (value << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
      if (k > extra) {
        cp = value;
        used = extra + 1;
      }
    }
    out.push_back(cp);
    i += used;
  }
  return out;
}

}  // namespace

std::vector<std::string> SplitWords(std::string_view text) {
  std::vector<std::string> words;
  std::size_t i = 0;
  while ((i = text.find_first_not_of(" \t", i)) != std::string_view::npos) {
    auto end = std::min(text.find_first_of(" \t", i), text.size());
    words.emplace_back(text.substr(i, end - i));
    i = end;
  }
  return words;
}

bool IsAscii(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

RecordText ToRecordText(std::string_view utf8) {
  RecordText result;
  for (char32_t cp : decodeUtf8(utf8)) {
    if (isCombining(cp)) {
      if (!compose(result.text, cp)) result.lost.push_back(cp);
      continue;
    }
    if (int byte = cp1252Byte(cp); byte >= 0) {
      result.text += static_cast<char>(byte);
      continue;
    }
    bool extended = cp >= 0x0100 && cp < 0x0100 + kLatinExtendedBases.size();
    result.text += extended ? kLatinExtendedBases[cp - 0x0100] : '?';
    result.lost.push_back(cp);
  }
  return result;
}

std::string LostCharacterNames(const std::vector<char32_t>& lost) {
  std::vector<char32_t> unique;
  for (char32_t cp : lost)
    if (std::find(unique.begin(), unique.end(), cp) == unique.end()) unique.push_back(cp);
  std::string names;
  for (char32_t cp : unique) {
    char name[16];
    std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(cp));
    names += (names.empty() ? "" : " ") + std::string(name);
  }
  return names;
}

std::string ShortExcerpt(const std::string& text) {
  constexpr std::size_t kLongest = 100;
  return text.size() <= kLongest ? text : text.substr(0, kLongest) + "...";
}

std::string StoreField(PersonRecord& record, Field f, const std::string& value, const std::string& who,
                       const std::string& caption, bool english) {
  std::string cut = record.set(f, value);
  if (cut.empty()) return {};
  std::string width = std::to_string(kFieldLayout[f].width);
  return who + ", " + caption +
         (english ? ": cut to " + width + " characters, lost \"" : ": tagliato a " + width + " caratteri, perso \"") +
         ShortExcerpt(cut) + "\"";
}

}  // namespace kord
