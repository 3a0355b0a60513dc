#include "exchange/gedcom_charset.h"

#include <algorithm>

#include "db/codepage.h"
#include "exchange/ansel.h"
#include "exchange/record_text.h"

namespace kord {
namespace {

enum class Encoding { Utf8, Cp1252, Ansel };

struct Choice {
  Encoding encoding = Encoding::Utf8;
  std::string label;
};

bool startsWith(std::string_view text, std::string_view prefix) { return text.substr(0, prefix.size()) == prefix; }

/// UTF-16 text to UTF-8; an unpaired surrogate becomes U+FFFD.
std::string utf16ToUtf8(std::string_view bytes, bool bigEndian) {
  std::string out;
  auto unit = [&](std::size_t i) -> char32_t {
    auto a = static_cast<unsigned char>(bytes[i]), b = static_cast<unsigned char>(bytes[i + 1]);
    return bigEndian ? (a << 8 | b) : (b << 8 | a);
  };
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
    char32_t cp = unit(i);
    if (cp >= 0xD800 && cp <= 0xDBFF && i + 3 < bytes.size() && unit(i + 2) >= 0xDC00 && unit(i + 2) <= 0xDFFF) {
      cp = 0x10000 + ((cp - 0xD800) << 10) + (unit(i + 2) - 0xDC00);
      i += 2;
    } else if (cp >= 0xD800 && cp <= 0xDFFF) {
      cp = 0xFFFD;
    }
    out += Utf8Of(cp);
  }
  return out;
}

/// 1 little-endian, 2 big-endian, 0 not UTF-16. A GEDCOM file begins with
/// "0", so a zero byte beside it gives the byte order away.
int utf16Order(std::string_view bytes) {
  if (startsWith(bytes, "\xFF\xFE")) return 1;
  if (startsWith(bytes, "\xFE\xFF")) return 2;
  if (bytes.size() >= 2 && bytes[0] == '0' && bytes[1] == '\0') return 1;
  if (bytes.size() >= 2 && bytes[0] == '\0' && bytes[1] == '0') return 2;
  return 0;
}

/// The level and tag of a line and the position after the tag, read with
/// any blanks or tabs around them; level -1 when there is none.
struct LineHead {
  int level = -1;
  std::string tag;
  std::size_t rest = 0;
};

LineHead lineHead(std::string_view text) {
  LineHead head;
  std::size_t i = text.find_first_not_of(" \t");
  std::size_t end = text.find_first_not_of("0123456789", i == std::string_view::npos ? text.size() : i);
  if (i == std::string_view::npos || end == i || end - i > 2) return head;
  head.level = std::stoi(std::string(text.substr(i, end - i)));
  i = text.find_first_not_of(" \t", end);
  if (i == std::string_view::npos) return head;
  end = std::min(text.find_first_of(" \t", i), text.size());
  head.tag = UpperAscii(text.substr(i, end - i));
  head.rest = end;
  return head;
}

/// The value of the header's CHAR line, upper case; empty when there is
/// none. Blanks and levels are taken as written ("1   CHAR ANSEL").
std::string declaredCharset(const std::vector<DecodedLine>& lines) {
  int records = 0;
  for (const auto& line : lines) {
    LineHead head = lineHead(line.text);
    if (head.level == 0 && ++records > 1) break;
    if (head.level > 0 && head.tag == "CHAR")
      return UpperAscii(Trim(std::string_view(line.text).substr(head.rest), kWhitespace));
  }
  return {};
}

Choice guess(std::string_view bytes) {
  return IsValidUtf8(bytes) ? Choice{Encoding::Utf8, "UTF-8"} : Choice{Encoding::Cp1252, "ANSI (Windows-1252)"};
}

Choice chooseEncoding(const std::string& declared, std::string_view bytes, ExchangeSummary& s) {
  static const std::vector<std::string> kAnsiNames = {"ANSI",       "WINDOWS-1252", "CP1252", "IBM WINDOWS", "IBMPC",
                                                      "ISO-8859-1", "ISO8859-1",    "LATIN1", "LATIN-1"};
  if (declared == "UTF-8" || declared == "UTF8" || declared == "UNICODE") return {Encoding::Utf8, "UTF-8"};
  if (declared == "ANSEL") return {Encoding::Ansel, "ANSEL"};
  if (std::find(kAnsiNames.begin(), kAnsiNames.end(), declared) != kAnsiNames.end())
    return {Encoding::Cp1252, "ANSI (Windows-1252)"};
  if (declared == "ASCII" && IsAscii(bytes)) return {Encoding::Cp1252, "ASCII"};
  Choice choice = guess(bytes);
  if (declared == "ASCII")
    s.problems.push_back(s.say("CHAR ASCII, ma il file contiene altri caratteri: letto come ",
                               "CHAR ASCII, but the file holds other characters: read as ") +
                         choice.label);
  else if (declared.empty())
    s.problems.push_back(s.say("nessuna riga CHAR: letto come ", "no CHAR line: read as ") + choice.label);
  else
    s.problems.push_back(s.say("codifica sconosciuta ", "unknown character set ") + declared +
                         s.say(": letto come ", ": read as ") + choice.label);
  return choice;
}

std::string decodeLine(const DecodedLine& line, Encoding encoding, ExchangeSummary& s) {
  if (encoding == Encoding::Ansel) {
    int undefined = 0;
    std::string text = AnselToUtf8(line.text, &undefined);
    if (undefined > 0)
      s.problems.push_back(s.say("riga ", "line ") + std::to_string(line.number) +
                           s.say(": caratteri non ANSEL", ": characters that are not ANSEL"));
    return text;
  }
  if (encoding == Encoding::Cp1252) return Cp1252ToUtf8(line.text);
  if (IsValidUtf8(line.text)) return line.text;
  s.problems.push_back(s.say("riga ", "line ") + std::to_string(line.number) +
                       s.say(": non e' UTF-8, letta come Windows-1252", ": not UTF-8, read as Windows-1252"));
  return Cp1252ToUtf8(line.text);
}

}  // namespace

std::vector<DecodedLine> SplitGedcomLines(std::string_view text) {
  auto firstEnd = text.find_first_of("\r\n");
  bool lfCr = firstEnd != std::string_view::npos && text.substr(firstEnd, 2) == "\n\r";
  std::vector<DecodedLine> lines;
  int number = 0;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = std::min(text.find_first_of("\r\n", start), text.size());
    std::size_t next = end + 1;
    if (end < text.size() && (text.substr(end, 2) == "\r\n" || (lfCr && text.substr(end, 2) == "\n\r"))) ++next;
    ++number;
    if (end > start) lines.push_back({number, std::string(text.substr(start, end - start))});
    start = next;
  }
  while (!lines.empty() && (lines.back().text == "\x1A" || Trim(lines.back().text, kWhitespace).empty()))
    lines.pop_back();
  if (!lines.empty() && lines.back().text.back() == '\x1A') lines.back().text.pop_back();
  return lines;
}

std::vector<DecodedLine> DecodeGedcomLines(std::string_view bytes, ExchangeSummary& s) {
  if (int order = utf16Order(bytes)) {
    s.charset = order == 1 ? "UTF-16LE" : "UTF-16BE";
    std::string text = utf16ToUtf8(bytes, order == 2);
    return SplitGedcomLines(startsWith(text, "\xEF\xBB\xBF") ? std::string_view(text).substr(3) : text);
  }
  bool bom = startsWith(bytes, "\xEF\xBB\xBF");
  auto lines = SplitGedcomLines(bom ? bytes.substr(3) : bytes);
  Choice choice = bom ? Choice{Encoding::Utf8, "UTF-8"} : chooseEncoding(declaredCharset(lines), bytes, s);
  s.charset = choice.label;
  for (auto& line : lines) line.text = decodeLine(line, choice.encoding, s);
  return lines;
}

}  // namespace kord
