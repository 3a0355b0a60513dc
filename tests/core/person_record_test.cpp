// The record layout is what older installations read: every offset, width
// and padding byte must be exact.

#include <gtest/gtest.h>

#include "db/codepage.h"
#include "db/individuals_file.h"
#include "db/person_record.h"
#include "test_support.h"

namespace kord {
namespace {

TEST(PersonRecord, FieldsTileTheWholeRecordWithoutGaps) {
  std::size_t expectedOffset = 0;
  for (const auto& field : kFieldLayout) {
    EXPECT_EQ(field.offset, expectedOffset);
    expectedOffset += field.width;
  }
  EXPECT_EQ(expectedOffset, kRecordLength);
  EXPECT_EQ(kRecordLength, 526u);
}

TEST(PersonRecord, EachFieldLandsAtItsByteOffsetPaddedWithBlanks) {
  struct Case {
    Field field;
    std::size_t offset;
    std::size_t width;
  };
  const Case cases[] = {{Num, 0, 5},
                        {Name, 5, 40},
                        {BirthDate, 45, 22},
                        {BirthPlace, 67, 30},
                        {BaptismDate, 97, 22},
                        {BaptismPlace, 119, 40},
                        {MarriageDate, 159, 22},
                        {MarriagePlace, 181, 40},
                        {DeathDate, 221, 22},
                        {DeathPlace, 243, 20},
                        {BurialDate, 263, 22},
                        {BurialPlace, 285, 20},
                        {Notes, 305, 220},
                        {Sex, 525, 1}};
  for (const auto& c : cases) {
    PersonRecord r;
    r.set(c.field, "X");
    std::string bytes(r.bytes().begin(), r.bytes().end());
    std::string expected(kRecordLength, ' ');
    expected[c.offset] = 'X';
    EXPECT_EQ(bytes, expected) << "field " << c.field;
    EXPECT_EQ(r.raw(c.field).size(), c.width);
  }
}

TEST(PersonRecord, LongValuesAreCutAndTheRestReported) {
  PersonRecord r;
  std::string name(45, 'a');
  name += "bcdef";
  EXPECT_EQ(r.set(Name, name), "aaaaabcdef");
  EXPECT_EQ(r.raw(Name), std::string(40, 'a'));
  EXPECT_EQ(r.set(Sex, "MF"), "F");
  EXPECT_EQ(r.raw(Sex), "M");
  EXPECT_EQ(r.raw(BirthDate), std::string(22, ' ')) << "neighbours untouched";
}

TEST(PersonRecord, TrimmingRemovesOnlyBlankPadding) {
  PersonRecord r;
  r.set(Name, "  Rossi Mario");
  EXPECT_EQ(r.trimmed(Name), "Rossi Mario");
  EXPECT_EQ(TrimRight(r.raw(Name)), "  Rossi Mario");
  EXPECT_EQ(r.trimmed(Notes), "");
}

TEST(PersonRecord, NumericValueReadsLikeTheStoredNumbers) {
  const std::pair<const char*, long> cases[] = {{"12", 12}, {"   7", 7},   {"7   ", 7}, {"", 0},
                                                {"abc", 0}, {"12abc", 12}, {"-3", -3},  {" +4", 4}};
  for (const auto& [text, value] : cases) EXPECT_EQ(NumericValue(text), value) << text;
}

TEST(IndividualsFile, WritesAndReadsRecordsAtTheirPositions) {
  test::TempDir dir;
  IndividualsFile file;
  ASSERT_EQ(file.open(dir.file("a.rni"), true), "");
  PersonRecord first, third;
  first.set(Num, "1");
  first.set(Name, Utf8ToCp1252("Nicolò"));
  third.set(Num, "3");
  EXPECT_EQ(file.writeRecord(1, first), "");
  EXPECT_EQ(file.writeRecord(3, third), "");
  EXPECT_EQ(file.size(), 3 * 526);
  PersonRecord read;
  ASSERT_TRUE(file.readRecord(3, read));
  EXPECT_EQ(read, third);
  ASSERT_TRUE(file.readRecord(1, read));
  EXPECT_EQ(read.trimmed(Name), "Nicol\xF2");
  EXPECT_FALSE(file.readRecord(4, read));
  EXPECT_FALSE(file.readRecord(0, read));
  file.close();
  std::string bytes = dir.read("a.rni");
  EXPECT_EQ(bytes.substr(526, 5), std::string(5, '\0')) << "the gap is a record of zeros";
  EXPECT_EQ(bytes.substr(1052, 5), "3    ");
}

TEST(IndividualsFile, TrailingPartialRecordIsNotRead) {
  test::TempDir dir;
  dir.write("a.rni", std::string(526 + 100, ' '));
  IndividualsFile file;
  ASSERT_EQ(file.open(dir.file("a.rni")), "");
  PersonRecord r;
  EXPECT_TRUE(file.readRecord(1, r));
  EXPECT_FALSE(file.readRecord(2, r));
}

TEST(IndividualsFile, MissingFileGivesAReason) {
  test::TempDir dir;
  IndividualsFile file;
  std::string error = file.open(dir.file("none.rni"));
  EXPECT_NE(error.find("none.rni"), std::string::npos);
  EXPECT_FALSE(file.isOpen());
}

}  // namespace
}  // namespace kord
