// Exporting the loaded database as GEDCOM: the file's form, the round trip
// through the import, and the list of what would not come back as it is.

#include "exchange/gedcom_export.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "db/codepage.h"
#include "db/csv_fields.h"
#include "db/load_tables.h"
#include "exchange/gedcom_import.h"
#include "test_support.h"

namespace kord {
namespace {

using Fields = std::vector<std::pair<Field, std::string>>;

/// Writes "fam" with one record per entry (Num is the record number).
std::string writeDatabase(const test::TempDir& dir, const std::vector<Fields>& people, const std::string& children,
                          const std::string& spouses) {
  std::string bytes;
  for (std::size_t i = 0; i < people.size(); ++i) {
    PersonRecord r;
    r.set(Num, std::to_string(i + 1));
    for (const auto& [f, value] : people[i]) r.set(f, value);
    bytes.append(r.bytes().begin(), r.bytes().end());
  }
  dir.write("fam.rni", bytes);
  dir.write("fam.rnc", children);
  dir.write("fam.rns", spouses);
  dir.write("fam.rnt", "0\r\n");
  return dir.file("fam.rni");
}

void load(Session& s, const std::string& rni) {
  LoadNotes notes;
  s.files = FileSetFor(rni);
  LoadIndividuals(s.tables, s.files.IndividualsFile, nullptr, notes);
  LoadChildLinks(s.tables, s.files.ChildrenFile, nullptr, notes);
  LoadSpouseLinks(s.tables, s.files.SpousesFile, nullptr, notes);
  s.DbLoaded = true;
  s.English = true;
}

std::string copySample(const test::TempDir& dir) {
  for (const char* ext : {".rni", ".rnc", ".rns", ".rnt"})
    std::filesystem::copy_file(std::string(KORD_SAMPLE_DIR) + "/famiglia" + ext,
                               dir.file(std::string("famiglia") + ext));
  return dir.file("famiglia.rni");
}

TEST(GedcomRoundTrip, TheSampleComesBackByteForByte) {
  test::TempDir dir;
  test::TestSession t;
  load(t.session, copySample(dir));
  ExchangeSummary exported = ExportGedcom(t.session, dir.file("famiglia.ged"));
  ASSERT_TRUE(exported.ok) << exported.error;
  EXPECT_TRUE(exported.notRepresented.empty()) << ::testing::PrintToString(exported.notRepresented);
  EXPECT_EQ(exported.individuals, 65);  // the blank record is left out

  ExchangeSummary imported = ImportGedcom(dir.file("famiglia.ged"), dir.file("back.rni"), {});
  ASSERT_TRUE(imported.ok) << imported.error;
  EXPECT_TRUE(imported.notRepresented.empty()) << ::testing::PrintToString(imported.notRepresented);
  EXPECT_TRUE(imported.problems.empty());
  for (const char* ext : {".rni", ".rnc", ".rns", ".rnt"})
    EXPECT_EQ(dir.read(std::string("back") + ext), dir.read(std::string("famiglia") + ext)) << ext;
}

TEST(GedcomExport, TheFileIsGedcom551InUtf8WithCrLf) {
  test::TempDir dir;
  test::TestSession t;
  load(t.session, copySample(dir));
  ASSERT_TRUE(ExportGedcom(t.session, dir.file("a.ged")).ok);
  std::string text = dir.read("a.ged");
  EXPECT_TRUE(IsValidUtf8(text));
  const std::string header =
      "0 HEAD\r\n1 SOUR KORD\r\n2 NAME Kord\r\n1 SUBM @SUBM@\r\n1 GEDC\r\n2 VERS 5.5.1\r\n2 FORM LINEAGE-LINKED\r\n"
      "1 CHAR UTF-8\r\n0 @SUBM@ SUBM\r\n1 NAME Kord\r\n0 @I1@ INDI\r\n";
  EXPECT_EQ(text.substr(0, header.size()), header);
  EXPECT_EQ(text.substr(text.size() - 8), "0 TRLR\r\n");
  auto lines = SplitLines(text);
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), static_cast<long>(lines.size()));
  EXPECT_EQ(std::count(text.begin(), text.end(), '\r'), static_cast<long>(lines.size()));
  for (const auto& line : lines) EXPECT_LE(line.size(), 255u) << line;
  EXPECT_NE(text.find("1 NAME Caterina /Da Ros/\r\n2 GIVN Caterina\r\n2 SURN Da Ros\r\n"), std::string::npos);
  EXPECT_NE(text.find("2 _KORD_SEX m\r\n1 SEX M\r\n"), std::string::npos);  // record 13's lower-case sex
  EXPECT_NE(text.find("0 @I31@ INDI\r\n"), std::string::npos);
  EXPECT_EQ(text.find("0 @I32@ INDI\r\n"), std::string::npos);  // the blank record: no nameless person
  EXPECT_NE(text.find("0 @I33@ INDI\r\n"), std::string::npos);
  EXPECT_NE(text.find("2 PLAC Parrocchia di San Nicol\xC3\xB2, Sacile\r\n"), std::string::npos);
  EXPECT_NE(text.find("2 DATE BET 1870 AND 1879\r\n"), std::string::npos);
  EXPECT_NE(text.find("2 DATE BET 1700 AND 1799\r\n2 _KORD_DATE 17??\r\n"), std::string::npos);

  ASSERT_TRUE(ExportGedcom(t.session, dir.file("b.ged")).ok);
  EXPECT_EQ(dir.read("b.ged"), text);  // the same database, the same bytes
}

TEST(GedcomExport, FamiliesPutTheFatherFirstAndCarryEachMarriage) {
  test::TempDir dir;
  test::TestSession t;
  // 1 and 2 married (record 1's marriage), 3 is their child; 4 married, spouse unknown.
  load(t.session,
       writeDatabase(
           dir,
           {{{Name, "Pavan Antonio"}, {Sex, "M"}, {MarriageDate, "05/02/1882"}, {MarriagePlace, "Sacile"}},
            {{Name, "De Marchi Giovanna"}, {Sex, "F"}, {MarriageDate, "05/02/1882"}, {MarriagePlace, "Sacile"}},
            {{Name, "Pavan Caterina"}, {Sex, "F"}},
            {{Name, "Pavan Lucia"}, {Sex, "F"}, {MarriageDate, "1884"}}},
           "3,2\r\n3,1\r\n", "1,2\r\n2,1\r\n"));
  ExchangeSummary s = ExportGedcom(t.session, dir.file("x.ged"));
  ASSERT_TRUE(s.ok);
  std::string text = dir.read("x.ged");
  EXPECT_NE(text.find("0 @F1@ FAM\r\n1 HUSB @I1@\r\n1 WIFE @I2@\r\n1 MARR\r\n2 DATE 5 FEB 1882\r\n2 PLAC Sacile\r\n"
                      "1 CHIL @I3@\r\n"),
            std::string::npos);
  EXPECT_NE(text.find("0 @F2@ FAM\r\n1 WIFE @I4@\r\n1 MARR\r\n2 DATE 1884\r\n2 _KORD_DATE 1884\r\n0 TRLR"),
            std::string::npos);
  // The children file named the mother first: GEDCOM cannot keep that order.
  EXPECT_EQ(s.notRepresented,
            std::vector<std::string>{"Pavan Caterina (4): the parents become Pavan Antonio (2), De Marchi Giovanna (3) "
                                     "(in the database: De Marchi Giovanna (3), Pavan Antonio (2))"});
  EXPECT_EQ(s.families, 2);
  EXPECT_EQ(s.childLinks, 2);
  EXPECT_EQ(s.spouseLinks, 1);
}

TEST(GedcomExport, WhatWouldNotComeBackIsListed) {
  test::TempDir dir;
  test::TestSession t;
  load(t.session, writeDatabase(dir,
                                {{{Name, "Rossi  Mario"}, {Sex, "M"}, {MarriageDate, "1900"}},
                                 {{Name, "Bianchi Anna"}, {Sex, "F"}, {MarriageDate, "1901"}},
                                 {{Name, "Verdi Luigi"}, {Sex, "M"}},
                                 {{Name, "Neri Carla"}, {Sex, "F"}},
                                 {{Name, "Gialli Pia"}, {Sex, "F"}}},
                                "", "1,2\r\n2,1\r\n3,4\r\n5,9\r\n"));
  ExchangeSummary s = ExportGedcom(t.session, dir.file("x.ged"));
  ASSERT_TRUE(s.ok);
  std::vector<std::string> expected = {
      "Gialli Pia (6): link to index 10, which is no individual, not exported",
      "Bianchi Anna (3): the marriage becomes \"1900, \"",                           // one marriage per couple
      "Neri Carla (5): the spouse becomes Verdi Luigi (4) (in the database: none)",  // a family links both ways
  };
  EXPECT_EQ(s.notRepresented, expected);
}

TEST(GedcomExport, NotesSplitIntoContAndConcAndReadBackWhole) {
  test::TempDir dir;
  test::TestSession t;
  std::string note = "Prima riga con @ e \xE8.\r\n" + std::string(150, 'x') + " fine\r\nTerza";
  load(t.session, writeDatabase(dir, {{{Name, "Pavan Luca"}, {Notes, note}}}, "", ""));
  ASSERT_TRUE(ExportGedcom(t.session, dir.file("n.ged")).ok);
  std::string text = dir.read("n.ged");
  EXPECT_NE(text.find("1 NOTE Prima riga con @@ e \xC3\xA8.\r\n2 CONT " + std::string(80, 'x') + "\r\n2 CONC " +
                      std::string(70, 'x') + " fine\r\n2 CONT Terza\r\n"),
            std::string::npos);
  ASSERT_TRUE(ImportGedcom(dir.file("n.ged"), dir.file("back.rni"), {}).ok);
  EXPECT_EQ(dir.read("back.rni"), dir.read("fam.rni"));
}

TEST(GedcomExport, RefusesToWriteOverTheDatabaseOrWithoutOne) {
  test::TempDir dir;
  test::TestSession t;
  std::string rni = writeDatabase(dir, {{{Name, "Pavan Luca"}}}, "", "");
  ExchangeSummary notLoaded = ExportGedcom(t.session, dir.file("x.ged"));
  EXPECT_FALSE(notLoaded.ok);
  EXPECT_FALSE(std::filesystem::exists(dir.file("x.ged")));

  load(t.session, rni);
  std::string before = dir.read("fam.rni");
  for (const char* own : {"fam.rni", "fam.rnc"}) {
    ExchangeSummary s = ExportGedcom(t.session, dir.file(own));
    EXPECT_FALSE(s.ok);
    EXPECT_NE(s.error.find("is a file of the database"), std::string::npos);
  }
  EXPECT_EQ(dir.read("fam.rni"), before);
}

}  // namespace
}  // namespace kord
