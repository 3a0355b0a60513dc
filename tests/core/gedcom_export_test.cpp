// Exporting the loaded database as GEDCOM: the file's form, the round trip
// through the import, and the list of what would not come back as it is.

#include "exchange/gedcom_export.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "db/codepage.h"
#include "db/csv_fields.h"
#include "db/load_tables.h"
#include "exchange/gedcom_import.h"
#include "exchange/gedcom_names.h"
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

TEST(GedcomNames, TheSurnameTakesItsParticlesAndDoubtsAreSaid) {
  struct Case {
    const char* stored;
    const char* value;  ///< the NAME value
    const char* doubt;
  } cases[] = {
      {"Pavan Giovanni Battista", "Giovanni Battista /Pavan/", ""},
      {"Da Ros Caterina", "Caterina /Da Ros/", ""},
      {"Dal B\xF2 D\xE9"
       "bora",
       "D\xE9"
       "bora /Dal B\xF2/",
       ""},
      {"della libera Amalia", "Amalia /della libera/", ""},
      {"D' Amico Luca", "Luca /D' Amico/", ""},
      {"Van der Berg Jan", "Jan /Van der Berg/", ""},
      {"De la Cruz Maria", "Maria /De la Cruz/", ""},
      {"Mac Lean John", "John /Mac Lean/", ""},
      {"Rossi  Mario", "Mario /Rossi/", ""},
      {"Pavan", "/Pavan/", "one word only, written as the surname"},
      {"Da Ros", "/Da Ros/", "no given name after the surname \"Da Ros\""},
      {"Pavan Dalla Torre Maria", "Maria /Pavan Dalla Torre/", "double surname \"Pavan Dalla Torre\" assumed"},
      {"Rossi Di Maria", "Di Maria /Rossi/", "the given names \"Di Maria\" begin with a surname particle"},
      {"Rossi/Bianchi Anna", "Anna /Rossi Bianchi/", ""},
  };
  for (const auto& c : cases) {
    StoredNameParts parts = SplitStoredName(c.stored, true);
    EXPECT_EQ(GedcomNameValue(parts), c.value) << c.stored;
    EXPECT_EQ(parts.doubt, c.doubt) << c.stored;
  }
}

TEST(GedcomRoundTrip, OddRecordsComeBackExactlyThroughOurOwnFile) {
  test::TempDir dir;
  test::TestSession t;
  // Record 3 and the last one are blank; record 2 has a lower-case sex.
  std::string rni =
      writeDatabase(dir,
                    {{{Name, "Rossi  Mario"}, {Sex, "M"}, {BirthDate, "2/1/1855"}, {DeathDate, "1/1/29"}},
                     {{Name, "Bianchi Anna"}, {Sex, "f"}, {BirthDate, "1857?"}, {DeathDate, "circa 1930"}},
                     {{Num, ""}},
                     {{Name, "Rossi/Verdi Pia"},
                      {BirthDate, "18??"},
                      {BaptismDate, "12 MARZO 1950"},
                      {MarriageDate, "30/6/1878"},
                      {MarriagePlace, "Vienna"}},
                     {{Num, ""}}},
                    "", "1,2\r\n2,1\r\n");
  load(t.session, rni);
  ExchangeSummary exported = ExportGedcom(t.session, dir.file("odd.ged"));
  ASSERT_TRUE(exported.ok) << exported.error;
  EXPECT_EQ(exported.individuals, 3);
  std::string text = dir.read("odd.ged");
  EXPECT_NE(text.find("1 CHAR UTF-8\r\n1 _KORD_RECORDS 5\r\n"), std::string::npos);
  EXPECT_NE(text.find("1 NAME Mario /Rossi/\r\n2 GIVN Mario\r\n2 SURN Rossi\r\n2 _KORD_NAME Rossi  Mario\r\n"),
            std::string::npos);
  EXPECT_NE(text.find("2 _KORD_SEX f\r\n1 SEX F\r\n"), std::string::npos);
  EXPECT_NE(text.find("2 DATE 2 JAN 1855\r\n2 _KORD_DATE 2/1/1855\r\n"), std::string::npos);
  EXPECT_NE(text.find("2 DATE 1 JAN 2029\r\n2 _KORD_DATE 1/1/29\r\n"), std::string::npos);
  EXPECT_NE(text.find("0 @I4@ INDI"), std::string::npos);
  EXPECT_EQ(text.find("0 @I3@ INDI"), std::string::npos);
  EXPECT_EQ(text.find("INT "), std::string::npos);

  ExchangeSummary imported = ImportGedcom(dir.file("odd.ged"), dir.file("back.rni"), {});
  ASSERT_TRUE(imported.ok) << imported.error;
  EXPECT_TRUE(imported.notRepresented.empty()) << ::testing::PrintToString(imported.notRepresented);
  for (const char* ext : {".rni", ".rnc", ".rns"})
    EXPECT_EQ(dir.read(std::string("back") + ext), dir.read(std::string("fam") + ext)) << ext;
}

TEST(GedcomExport, PortraitsBesideTheDatabaseGoOutAsObjects) {
  test::TempDir dir;
  test::TestSession t;
  load(t.session, writeDatabase(dir, {{{Name, "Pavan Luca"}}, {{Name, "Pavan Anna"}}}, "", ""));
  dir.write("Pavan Luca.jpg", "\xFF\xD8 picture");
  std::filesystem::create_directory(dir.file("out"));
  ASSERT_TRUE(ExportGedcom(t.session, dir.file("beside.ged")).ok);
  ASSERT_TRUE(ExportGedcom(t.session, dir.file("out/elsewhere")).ok);  // ".ged" is added
  const std::string object = "1 OBJE\r\n2 FILE ";
  EXPECT_NE(dir.read("beside.ged").find(object + "Pavan Luca.jpg\r\n3 FORM jpg\r\n"), std::string::npos);
  std::string absolute = std::filesystem::path(dir.file("Pavan Luca.jpg")).lexically_normal().generic_string();
  EXPECT_NE(dir.read("out/elsewhere.ged").find(object + absolute + "\r\n"), std::string::npos);
  EXPECT_EQ(dir.read("beside.ged").find("Pavan Anna.jpg"), std::string::npos);  // no portrait, no object
}

TEST(GedcomExport, RenamedCaptionsAreWrittenForWhatTheFieldHolds) {
  test::TempDir dir;
  test::TestSession t;
  load(t.session, writeDatabase(dir,
                                {{{Name, "Pavan Luca"},
                                  {BirthDate, "3/9/1806"},
                                  {BaptismDate, "Mugnaio"},
                                  {BaptismPlace, "Sacile"},
                                  {BurialDate, "05/01/1849"},
                                  {BurialPlace, "Caneva"}}},
                                "", ""));
  Captions& captions = t.session.tables.FieldCaptions;
  captions[BirthDate] = "Nato il";  // still the birth date
  captions[BaptismDate] = "Professione";
  captions[BurialDate] = "Cresima";
  captions[BurialPlace] = "Luogo cresima";
  ExchangeSummary s = ExportGedcom(t.session, dir.file("c.ged"));
  ASSERT_TRUE(s.ok);
  std::string text = dir.read("c.ged");
  EXPECT_NE(text.find("1 BIRT\r\n2 DATE 3 SEP 1806\r\n"), std::string::npos);
  EXPECT_NE(text.find("1 BAPM\r\n2 PLAC Sacile\r\n"), std::string::npos);  // the place kept its meaning
  EXPECT_NE(text.find("1 OCCU Mugnaio\r\n"), std::string::npos);
  EXPECT_NE(text.find("1 EVEN\r\n2 TYPE Cresima\r\n2 DATE 5 JAN 1849\r\n2 PLAC Caneva\r\n"), std::string::npos);
  EXPECT_EQ(text.find("1 BURI"), std::string::npos);
  std::vector<std::string> warnings = {
      "Field 4 \"Professione\" (was \"Data Battesimo\"): caption renamed, exported as OCCU",
      "Field 10 \"Cresima\" (was \"Data Sepoltur.\"): caption renamed, exported as EVEN with TYPE \"Cresima\"",
      "Field 11 \"Luogo cresima\" (was \"Luogo Sepoltur.\"): caption renamed, exported as FACT with TYPE "
      "\"Luogo cresima\"",
  };
  EXPECT_EQ(s.warnings, warnings);
}

TEST(GedcomExport, AnsiWritesWindows1252ForOldPrograms) {
  test::TempDir dir;
  test::TestSession t;
  load(t.session, writeDatabase(dir, {{{Name, "Pavan Nicol\xF2"}, {BirthPlace, "Sacile\r\nPN"}}}, "", ""));
  GedcomExportOptions ansi;
  ansi.ansi = true;
  ASSERT_TRUE(ExportGedcom(t.session, dir.file("a.ged"), ansi).ok);
  std::string text = dir.read("a.ged");
  EXPECT_NE(text.find("1 CHAR ANSI\r\n"), std::string::npos);
  EXPECT_NE(text.find("1 NAME Nicol\xF2 /Pavan/\r\n"), std::string::npos);
  EXPECT_NE(text.find("2 PLAC Sacile  PN\r\n"), std::string::npos);  // a line break never starts a line
  ExchangeSummary back = ImportGedcom(dir.file("a.ged"), dir.file("back.rni"), {});
  EXPECT_EQ(back.charset, "ANSI (Windows-1252)");
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
