// Names are Windows-1252 bytes on disk and UTF-8 on screen: the conversions
// must round-trip every letter the code page holds.

#include <gtest/gtest.h>

#include "db/codepage.h"

namespace kord {
namespace {

TEST(Codepage, EveryDefinedByteRoundTripsThroughUtf8) {
  for (int b = 1; b < 256; ++b) {
    std::string byte(1, static_cast<char>(b));
    std::string utf8 = Cp1252ToUtf8(byte);
    EXPECT_TRUE(IsValidUtf8(utf8)) << b;
    std::string unmappable;
    EXPECT_EQ(Utf8ToCp1252(utf8, &unmappable), byte) << b;
    EXPECT_EQ(unmappable, "") << b;
  }
}

TEST(Codepage, KnownLettersAndUnmappableCharacters) {
  EXPECT_EQ(Cp1252ToUtf8("Nicol\xF2 \x80"), "Nicol\xC3\xB2 \xE2\x82\xAC");
  EXPECT_EQ(Utf8ToCp1252("D\xC3\xA9"
                         "bora \xC5\x92"),
            "D\xE9"
            "bora \x8C");
  std::string unmappable;
  EXPECT_EQ(Utf8ToCp1252("a\xE4\xB8\xAD"
                         "b\xD0\x96",
                         &unmappable),
            "a?b?");
  EXPECT_EQ(unmappable, "\xE4\xB8\xAD") << "the first character that does not fit";
  EXPECT_EQ(Utf8ToCp1252("\xC3(", &unmappable), "?(") << "a malformed sequence";
  EXPECT_FALSE(IsValidUtf8("\xC3"));
  EXPECT_FALSE(IsValidUtf8("\xFF"));
}

TEST(Codepage, TreeDrawingBytesBecomeBoxDrawingCharacters) {
  EXPECT_EQ(TreeBytesToUtf8("\xC3\xC4\xB3 \xC0\xC4"), "\xE2\x94\x9C\xE2\x94\x80\xE2\x94\x82 \xE2\x94\x94\xE2\x94\x80");
  EXPECT_EQ(TreeBytesToUtf8("Gio\xE8"), "Gio\xC3\xA8");
}

}  // namespace
}  // namespace kord
