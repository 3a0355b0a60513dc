// The record buffer: cached focus reads, second-selection reads, and saving
// the focus record in place.

#include <gtest/gtest.h>

#include "db_builder.h"
#include "session/session.h"
#include "test_support.h"

namespace kord {
namespace {

struct RecordFixture : test::TestSession {
  test::TempDir dir;
  RecordFixture() {
    session.files = FileSetFor(test::DbBuilder({"Rossi Mario", "Bianchi Anna", "Verdi Luigi"}).write(dir));
  }
};

TEST(Session, FocusRecordIsReadOnceUntilTheFocusChanges) {
  RecordFixture f;
  Session& s = f.session;
  s.NInd = {3, 4};
  ASSERT_EQ(OpenIndividualsFile(s), "");
  ReadFocusRecord(s);
  EXPECT_EQ(s.record.trimmed(Name), "Bianchi Anna");
  s.record.set(Name, "changed in memory");
  ReadFocusRecord(s);
  EXPECT_EQ(s.record.trimmed(Name), "changed in memory") << "same focus: not read again";
  ReadSecondRecord(s);
  EXPECT_EQ(s.record.trimmed(Name), "Verdi Luigi") << "the second record is always read";
  s.cachedFocusRecord.reset();
  ReadFocusRecord(s);
  EXPECT_EQ(s.record.trimmed(Name), "Bianchi Anna");
  s.NInd[0] = 9;
  ReadFocusRecord(s);
  EXPECT_EQ(s.record, PersonRecord()) << "a record past the end reads as blanks";
}

TEST(Session, SaveFocusRecordRewritesOnlyThatRecord) {
  RecordFixture f;
  Session& s = f.session;
  std::string before = f.dir.read("fam.rni");
  s.NInd[0] = 3;
  s.record = PersonRecord();
  s.record.set(Num, "2");
  s.record.set(Name, "Bianchi Anna Maria");
  EXPECT_EQ(SaveFocusRecord(s), "");
  std::string after = f.dir.read("fam.rni");
  ASSERT_EQ(after.size(), before.size());
  EXPECT_EQ(after.substr(0, kRecordLength), before.substr(0, kRecordLength));
  EXPECT_EQ(after.substr(kRecordLength + 5, 18), "Bianchi Anna Maria");
  EXPECT_EQ(after.substr(2 * kRecordLength), before.substr(2 * kRecordLength));

  s.NInd[0] = 5;  // a new individual: the next record is appended
  EXPECT_EQ(SaveFocusRecord(s), "");
  EXPECT_EQ(f.dir.read("fam.rni").size(), 4 * kRecordLength);
  s.NInd[0] = 0;
  EXPECT_NE(SaveFocusRecord(s), "") << "no record 0 or below";
}

}  // namespace
}  // namespace kord
