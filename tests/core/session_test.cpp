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
  ASSERT_TRUE(OpenIndividualsFile(s).ok());
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
  EXPECT_TRUE(SaveFocusRecord(s).ok());
  std::string after = f.dir.read("fam.rni");
  ASSERT_EQ(after.size(), before.size());
  EXPECT_EQ(after.substr(0, kRecordLength), before.substr(0, kRecordLength));
  EXPECT_EQ(after.substr(kRecordLength + 5, 18), "Bianchi Anna Maria");
  EXPECT_EQ(after.substr(2 * kRecordLength), before.substr(2 * kRecordLength));

  s.NInd[0] = 5;  // a new individual: the next record is appended
  EXPECT_TRUE(SaveFocusRecord(s).ok());
  EXPECT_EQ(f.dir.read("fam.rni").size(), 4 * kRecordLength);
  s.NInd[0] = 0;
  EXPECT_FALSE(SaveFocusRecord(s).ok()) << "no record 0 or below";
}

TEST(Session, AnIndividualsFileTheCardsCannotReadIsToldOnce) {
  RecordFixture f;
  Session& s = f.session;
  s.DbLoaded = true;
  std::filesystem::remove(f.dir.file("fam.rni"));
  for (int k = 0; k < 2; ++k) {
    OpenIndividualsFileForViews(s);
    EXPECT_FALSE(s.individuals.isOpen());
  }
  ASSERT_EQ(f.ui.messages.size(), 1u);
  EXPECT_NE(f.ui.messages[0].find("fam.rni"), std::string::npos) << f.ui.messages[0];
}

}  // namespace
}  // namespace kord
