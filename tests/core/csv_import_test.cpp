// Adding individuals from a CSV file: the value rules, the header, the two
// encodings, bad lines, and the database limit of 998.

#include "exchange/csv_import.h"

#include <gtest/gtest.h>

#include "db/load_tables.h"
#include "db_builder.h"
#include "exchange/csv_records.h"
#include "test_support.h"

namespace kord {
namespace {

void load(Session& s, const std::string& rni) {
  LoadNotes notes;
  s.files = FileSetFor(rni);
  s.tables = Tables();
  LoadIndividuals(s.tables, s.files.IndividualsFile, nullptr, notes);
  LoadChildLinks(s.tables, s.files.ChildrenFile, nullptr, notes);
  LoadSpouseLinks(s.tables, s.files.SpousesFile, nullptr, notes);
  s.DbLoaded = true;
  s.English = true;
}

PersonRecord recordAt(const test::TempDir& dir, int r) {
  std::string bytes = dir.read("fam.rni");
  PersonRecord out;
  if (bytes.size() >= r * kRecordLength)
    std::copy_n(bytes.begin() + (r - 1) * kRecordLength, kRecordLength, out.bytes().begin());
  return out;
}

struct CsvRun {
  test::TempDir dir;
  test::TestSession t;
  ExchangeSummary summary;

  explicit CsvRun(const std::string& csv, std::vector<std::string> names = {"Pavan Giovanni"}) {
    load(t.session, test::DbBuilder(std::move(names), "", "").write(dir));
    dir.write("in.csv", csv);
    summary = ImportCsv(t.session, dir.file("in.csv"));
  }
};

TEST(CsvSplit, QuotedAndPlainValues) {
  struct Case {
    std::string line;
    std::vector<std::string> values;
    bool closed;
  } cases[] = {
      {"a,b,c", {"a", "b", "c"}, true},
      {"  a  , b ,", {"a", "b", ""}, true},
      {"\"Pavan, Giovanni\",\"disse \"\"si\"\"\"", {"Pavan, Giovanni", "disse \"si\""}, true},
      {"\" spazi \" , x", {" spazi ", "x"}, true},
      {"\"non chiuso,x", {"non chiuso,x"}, false},
      {"\"a\"b,c", {"a"}, false},
      {"", {""}, true},
  };
  for (const auto& c : cases) {
    bool closed = true;
    EXPECT_EQ(SplitCsvLine(c.line, closed), c.values) << c.line;
    EXPECT_EQ(closed, c.closed) << c.line;
  }
}

TEST(CsvRecords, QuotedValuesHoldLineBreaksAndAnUnclosedQuoteSpoilsOneLine) {
  const std::string text =
      "a,\"two\r\nlines\",c\r\n"
      "\"say \"\"hi\"\"\",b,c\n"
      "\r\n"
      "\"open,b,c\n"
      "x,y,z";
  auto records = ReadCsvRecords(text, ',', 3);
  ASSERT_EQ(records.size(), 4u);
  EXPECT_EQ(records[0].line, 1);
  EXPECT_EQ(records[0].values, (std::vector<std::string>{"a", "two\r\nlines", "c"}));
  EXPECT_EQ(records[1].line, 3);
  EXPECT_EQ(records[1].values, (std::vector<std::string>{"say \"hi\"", "b", "c"}));
  EXPECT_EQ(records[2].line, 5);
  EXPECT_FALSE(records[2].closed);
  EXPECT_EQ(records[3].line, 6);
  EXPECT_EQ(records[3].values, (std::vector<std::string>{"x", "y", "z"}));
}

TEST(CsvRecords, TheSeparatorIsTakenFromTheFirstLine) {
  EXPECT_EQ(DetectCsvSeparator("Nome;Data;Luogo\r\n", 3), ';');
  EXPECT_EQ(DetectCsvSeparator("\r\nRossi, Mario;1850;\"Sacile; Pordenone\"\n", 3), ';');
  EXPECT_EQ(DetectCsvSeparator("\"Rossi; Mario\",1850,Sacile\n", 3), ',');
  EXPECT_EQ(DetectCsvSeparator("a;b;c;d\n", 13), ';');
  EXPECT_EQ(DetectCsvSeparator("a,b\n", 13), ',');
}

TEST(CsvImport, LineBreaksInValuesAreBlanksExceptInTheNotes) {
  CsvRun run(
      "Nome;Data Nascita;Luogo Nascita;;;;;;;;;Note;Sesso\r\n"
      "Pavan Luigi;1835;\"Sacile\r\n(PN)\";;;;;;;;;\"Prima riga\r\nseconda \"\"citata\"\"\";M\r\n");
  ASSERT_TRUE(run.summary.ok);
  EXPECT_TRUE(run.summary.problems.empty()) << ::testing::PrintToString(run.summary.problems);
  PersonRecord luigi = recordAt(run.dir, 2);
  EXPECT_EQ(luigi.trimmed(BirthPlace), "Sacile (PN)");
  EXPECT_EQ(luigi.trimmed(Notes), "Prima riga\r\nseconda \"citata\"");
  EXPECT_EQ(run.summary.charset, "ASCII, separator ;");
}

TEST(CsvImport, LinesAreAppendedAsRecordsAfterTheHeader) {
  CsvRun run(
      "Nome,Data Nascita,Luogo Nascita,Data Battesimo,Luogo battesimo,Data matrimonio,Luogo matrimonio,Data Morte,"
      "Luogo Morte,Data Sepoltur.,Luogo Sepoltur.,Note,Sesso\r\n"
      "Pavan Luigi,1835,Sacile,,,,,1890,Venezia,,,\"Barcaiolo, poi a Venezia.\",m\r\n"
      "\r\n"
      "\"Zanette Lucia\",09/08/1862,Caneva,,,15/04/1855,Parrocchia di Caneva,,,,,,F\r\n");
  ASSERT_TRUE(run.summary.ok) << run.summary.error;
  EXPECT_EQ(run.summary.individuals, 2);
  EXPECT_TRUE(run.summary.problems.empty());
  PersonRecord luigi = recordAt(run.dir, 2);
  EXPECT_EQ(luigi.trimmed(Num), "2");
  EXPECT_EQ(luigi.trimmed(Name), "Pavan Luigi");
  EXPECT_EQ(luigi.trimmed(BirthDate), "1835");
  EXPECT_EQ(luigi.trimmed(DeathPlace), "Venezia");
  EXPECT_EQ(luigi.trimmed(Notes), "Barcaiolo, poi a Venezia.");
  EXPECT_EQ(luigi.trimmed(Sex), "M");
  EXPECT_EQ(recordAt(run.dir, 3).trimmed(MarriagePlace), "Parrocchia di Caneva");
  EXPECT_EQ(recordAt(run.dir, 1).trimmed(Name), "Pavan Giovanni");  // the existing record is untouched

  const Tables& t = run.t.session.tables;
  EXPECT_EQ(t.LastIndex, 4);
  EXPECT_EQ(t.Names[3], "Pavan Luigi");
  EXPECT_EQ(t.Names[4], "Zanette Lucia");
  EXPECT_EQ(t.Parent1[4], kNone);
  load(run.t.session, run.dir.file("fam.rni"));
  EXPECT_EQ(run.t.session.tables.Names[4], "Zanette Lucia");  // and the loader agrees
}

TEST(CsvImport, BadLinesAreReportedByNumberAndSkipped) {
  CsvRun run(
      "Rossi Mario,,,,,,,,,,,,M\n"
      "Rossi Anna,1950\n"
      ",,,,,,,,,,,,F\n"
      "Rossi Pia,,,,,,,,,,,,X\n"
      "\"Rossi Ugo,,,,,,,,,,,,M\n"
      "Rossi Eva,,,,,,,,,,,,\n");
  ASSERT_TRUE(run.summary.ok);
  EXPECT_EQ(run.summary.individuals, 2);
  std::vector<std::string> expected = {
      "line 2: 13 fields expected, found 2",
      "line 3: no name",
      "line 4: the sex must be M, F or empty, not \"X\"",
      "line 5: quotes not closed",
  };
  EXPECT_EQ(run.summary.problems, expected);
  EXPECT_EQ(recordAt(run.dir, 3).trimmed(Name), "Rossi Eva");
}

TEST(CsvImport, Utf8IsDetectedAndWindows1252IsTheRest) {
  CsvRun utf8(
      "Pavan Nicol\xC3\xB2,,,,,,,,,,,Caff\xC3\xA8 e \xC5\x81\xC3\xB3"
      "dz,M\n");
  EXPECT_EQ(utf8.summary.charset, "UTF-8");
  EXPECT_EQ(recordAt(utf8.dir, 2).trimmed(Name), "Pavan Nicol\xF2");
  EXPECT_EQ(recordAt(utf8.dir, 2).trimmed(Notes),
            "Caff\xE8 e L\xF3"
            "dz");
  EXPECT_EQ(utf8.summary.notRepresented, std::vector<std::string>{"line 1: U+0141 not in Windows-1252"});

  CsvRun ansi("Pavan Nicol\xF2,,,,,,,,,,,Caff\xE8,M\n");
  EXPECT_EQ(ansi.summary.charset, "Windows-1252");
  EXPECT_EQ(recordAt(ansi.dir, 2).trimmed(Name), "Pavan Nicol\xF2");
  EXPECT_TRUE(ansi.summary.notRepresented.empty());
}

TEST(CsvImport, LongValuesAreCutAndListed) {
  CsvRun run(std::string(45, 'N') + ",,Luogo di nascita molto lungo davvero,,,,,,,,,,F\n");
  ASSERT_EQ(run.summary.individuals, 1);
  std::vector<std::string> expected = {
      "line 1, Nome: cut to 40 characters, lost \"NNNNN\"",
      "line 1, Luogo Nascita: cut to 30 characters, lost \"avvero\"",
  };
  EXPECT_EQ(run.summary.notRepresented, expected);
}

TEST(CsvImport, TheDatabaseStopsAt998Individuals) {
  std::vector<std::string> names(996, "Esistente");
  CsvRun run("Uno,,,,,,,,,,,,M\nDue,,,,,,,,,,,,F\nTre,,,,,,,,,,,,M\nQuattro,,,,,,,,,,,,F\n", names);
  EXPECT_EQ(run.summary.individuals, 2);
  EXPECT_EQ(
      run.summary.problems,
      std::vector<std::string>{"line 3: database full (998 individuals): this line and the following not imported"});
  EXPECT_EQ(run.summary.linesNotImported, 2);
  EXPECT_EQ(run.t.session.tables.LastIndex, 999);
  EXPECT_EQ(run.dir.read("fam.rni").size(), 998 * kRecordLength);
}

TEST(CsvImport, AReservedIndexIsTakenByTheFirstNewRecord) {
  test::TempDir dir;
  test::TestSession t;
  load(t.session, test::DbBuilder({"Pavan Giovanni"}, "", "").write(dir));
  t.session.tables.LastIndex = 3;  // "Dati personali" reserved index 3, not saved yet
  dir.write("in.csv", "Pavan Luigi,,,,,,,,,,,,M\n");
  ASSERT_TRUE(ImportCsv(t.session, dir.file("in.csv")).ok);
  EXPECT_EQ(t.session.tables.LastIndex, 3);
  EXPECT_EQ(t.session.tables.Names[3], "Pavan Luigi");
  EXPECT_EQ(recordAt(dir, 2).trimmed(Num), "2");
}

TEST(CsvImport, RefusedWithoutADatabaseOrOnAPartialRecord) {
  test::TempDir dir;
  test::TestSession t;
  dir.write("in.csv", "Pavan Luigi,,,,,,,,,,,,M\n");
  EXPECT_FALSE(ImportCsv(t.session, dir.file("in.csv")).ok);

  load(t.session, test::DbBuilder({"Pavan Giovanni"}, "", "").write(dir));
  std::string damaged = dir.read("fam.rni") + "12345";
  dir.write("fam.rni", damaged);
  ExchangeSummary s = ImportCsv(t.session, dir.file("in.csv"));
  EXPECT_FALSE(s.ok);
  EXPECT_EQ(s.error, "The individuals file ends in a partial record: no record added");
  EXPECT_EQ(dir.read("fam.rni"), damaged);
}

}  // namespace
}  // namespace kord
