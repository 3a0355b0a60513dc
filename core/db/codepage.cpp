#include "codepage.h"

#include <array>
#include <cstdint>
#include <cstdio>

#include "db/text.h"

namespace kord {
namespace {

// Code points of bytes 0x80..0x9F; the rest of the page equals Latin-1.
constexpr std::array<char32_t, 32> kHighControls = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                                    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                                    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                                    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t codePointOf(unsigned char byte) {
  if (byte >= 0x80 && byte <= 0x9F) return kHighControls[byte - 0x80];
  return byte;
}

int byteFor(char32_t cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<int>(cp);
  for (std::size_t i = 0; i < kHighControls.size(); ++i)
    if (kHighControls[i] == cp) return static_cast<int>(0x80 + i);
  return -1;
}

// Reads one UTF-8 sequence at `pos`; returns false on a malformed one.
bool nextCodePoint(std::string_view s, std::size_t& pos, char32_t& cp) {
  auto lead = static_cast<unsigned char>(s[pos]);
  int extra = lead < 0x80 ? 0 : (lead >> 5) == 0x06 ? 1 : (lead >> 4) == 0x0E ? 2 : (lead >> 3) == 0x1E ? 3 : -1;
  if (extra < 0 || pos + extra >= s.size()) return false;
  cp = extra == 0 ? lead : (lead & (0x3F >> extra));
  for (int k = 1; k <= extra; ++k) {
    auto c = static_cast<unsigned char>(s[pos + k]);
    if ((c & 0xC0) != 0x80) return false;
    cp = (cp << 6) | (c & 0x3F);
  }
  pos += extra + 1;
  return true;
}

}  // namespace

std::string Cp1252ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 4);
  for (unsigned char b : bytes) AppendUtf8(out, codePointOf(b));
  return out;
}

std::string Utf8ToCp1252(std::string_view utf8, std::string* unmappable) {
  std::string out;
  out.reserve(utf8.size());
  if (unmappable) unmappable->clear();
  std::size_t pos = 0;
  while (pos < utf8.size()) {
    std::size_t start = pos;
    char32_t cp = 0;
    int byte = -1;
    if (nextCodePoint(utf8, pos, cp)) {
      byte = byteFor(cp);
    } else {
      pos = start + 1;
    }
    if (byte < 0) {
      if (unmappable && unmappable->empty()) *unmappable = std::string(utf8.substr(start, pos - start));
      out += '?';
    } else {
      out += static_cast<char>(byte);
    }
  }
  return out;
}

std::string CodePointName(std::string_view utf8) {
  std::size_t pos = 0;
  char32_t cp = 0;
  if (utf8.empty() || !nextCodePoint(utf8, pos, cp)) return {};
  char name[16];
  std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(cp));
  return name;
}

bool IsValidUtf8(std::string_view text) {
  std::size_t pos = 0;
  char32_t cp = 0;
  while (pos < text.size())
    if (!nextCodePoint(text, pos, cp)) return false;
  return true;
}

std::string UpperCp1252(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    auto b = static_cast<unsigned char>(c);
    if ((b >= 'a' && b <= 'z') || (b >= 0xE0 && b <= 0xFE && b != 0xF7))
      b -= 0x20;
    else if (b == 0x9A || b == 0x9C || b == 0x9E)  // š œ ž
      b -= 0x10;
    else if (b == 0xFF)  // ÿ
      b = 0x9F;
    c = static_cast<char>(b);
  }
  return out;
}

std::string TreeBytesToUtf8(std::string_view bytes) {
  std::string out;
  for (unsigned char b : bytes) {
    switch (b) {
      case 0xB3: AppendUtf8(out, 0x2502); break;
      case 0xC3: AppendUtf8(out, 0x251C); break;
      case 0xC0: AppendUtf8(out, 0x2514); break;
      case 0xC4: AppendUtf8(out, 0x2500); break;
      default: AppendUtf8(out, codePointOf(b));
    }
  }
  return out;
}

namespace {

std::string replaceLineBreaks(std::string_view text, std::string_view lineEnd) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' && text[i] != '\n') {
      out += text[i];
      continue;
    }
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    out += lineEnd;
  }
  return out;
}

}  // namespace

std::string LineBreaksToBlanks(std::string_view text) { return replaceLineBreaks(text, " "); }

std::string LineBreaksToCrLf(std::string_view text) { return replaceLineBreaks(text, "\r\n"); }

}  // namespace kord
