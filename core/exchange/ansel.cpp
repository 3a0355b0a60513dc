#include "exchange/ansel.h"

#include <array>
#include <vector>

#include "exchange/record_text.h"

namespace kord {
namespace {

constexpr char32_t kUndefined = 0xFFFD;

/// Spacing characters 0xA1..0xCF; 0 where ANSEL defines none.
constexpr std::array<char32_t, 47> kSpacing = {
    0x0141, 0x00D8, 0x0110, 0x00DE, 0x00C6, 0x0152, 0x02B9, 0x00B7,  // A1..A8
    0x266D, 0x00AE, 0x00B1, 0x01A0, 0x01AF, 0x02BC, 0,               // A9..AF
    0x02BB, 0x0142, 0x00F8, 0x0111, 0x00FE, 0x00E6, 0x0153, 0x02BA,  // B0..B7
    0x0131, 0x00A3, 0x00F0, 0,      0x01A1, 0x01B0, 0x25A1, 0x25A0,  // B8..BF
    0x00B0, 0x2113, 0x2117, 0x00A9, 0x266F, 0x00BF, 0x00A1, 0x00DF,  // C0..C7
    0x20AC, 0,      0,      0,      0,      0x0065, 0x006F, 0x00DF,  // C8..CF
};

/// Combining diacritics 0xE0..0xFE; 0 where ANSEL defines none.
constexpr std::array<char32_t, 31> kCombining = {
    0x0309, 0x0300, 0x0301, 0x0302, 0x0303, 0x0304, 0x0306, 0x0307,  // E0..E7
    0x0308, 0x030C, 0x030A, 0xFE20, 0xFE21, 0x0315, 0x030B, 0x0310,  // E8..EF
    0x0327, 0x0328, 0x0323, 0x0324, 0x0325, 0x0333, 0x0332, 0x0326,  // F0..F7
    0x031C, 0x032E, 0xFE22, 0xFE23, 0,      0,      0x0313,          // F8..FE
};

bool isMark(unsigned char byte) { return byte >= 0xE0 && byte <= 0xFE && kCombining[byte - 0xE0] != 0; }

char32_t spacingCharacter(unsigned char byte) {
  if (byte < 0x80) return byte;
  if (byte >= 0xA1 && byte <= 0xCF && kSpacing[byte - 0xA1] != 0) return kSpacing[byte - 0xA1];
  return kUndefined;
}

}  // namespace

std::string AnselToUtf8(std::string_view bytes, int* undefined) {
  std::string out;
  std::vector<char32_t> marks;
  for (unsigned char byte : bytes) {
    if (isMark(byte)) {
      marks.push_back(kCombining[byte - 0xE0]);
      continue;
    }
    char32_t cp = spacingCharacter(byte);
    if (cp == kUndefined && undefined) ++*undefined;
    out += Utf8Of(cp);
    for (char32_t mark : marks) out += Utf8Of(mark);
    marks.clear();
  }
  for (char32_t mark : marks) out += Utf8Of(mark);
  return out;
}

}  // namespace kord
