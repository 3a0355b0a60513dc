// Reading GEDCOM files as other programs write them: every character set
// and line end, CONC/CONT, malformed lines, and the way text outside
// Windows-1252 becomes record text.

#include "exchange/gedcom_reader.h"

#include <gtest/gtest.h>

#include "db/codepage.h"
#include "db/csv_fields.h"
#include "exchange/ansel.h"
#include "exchange/gedcom_import.h"
#include "exchange/record_text.h"
#include "test_support.h"

namespace kord {
namespace {

std::string dataFile(const std::string& name) {
  return std::string(KORD_SAMPLE_DIR) + "/../../tests/data/gedcom/" + name;
}

std::string dataBytes(const std::string& name) {
  std::string bytes;
  EXPECT_TRUE(ReadWholeFile(dataFile(name), bytes)) << name;
  return bytes;
}

const GedcomNode* record(const std::vector<GedcomNode>& records, const std::string& xref) {
  for (const auto& r : records)
    if (r.xref == xref) return &r;
  return nullptr;
}

/// The trimmed fields of record `r` (from 1) of an individuals file.
PersonRecord recordOf(const std::string& rni, int r) {
  std::string bytes;
  ReadWholeFile(rni, bytes);
  PersonRecord out;
  if (bytes.size() >= r * kRecordLength)
    std::copy_n(bytes.begin() + (r - 1) * kRecordLength, kRecordLength, out.bytes().begin());
  return out;
}

struct CharsetCase {
  const char* file;
  const char* charset;
};

const CharsetCase kAccentedFiles[] = {
    {"utf8_bom_crlf.ged", "UTF-8"},         {"utf8_lf.ged", "UTF-8"},
    {"utf16le_bom.ged", "UTF-16LE"},        {"utf16be_bom.ged", "UTF-16BE"},
    {"ansi_cr.ged", "ANSI (Windows-1252)"}, {"ansel.ged", "ANSEL"},
};

TEST(GedcomCharsets, EveryEncodingAndLineEndReadsTheSameLines) {
  for (const auto& c : kAccentedFiles) {
    SCOPED_TRACE(c.file);
    ExchangeSummary s;
    auto records = ReadGedcom(dataBytes(c.file), s);
    EXPECT_EQ(s.charset, c.charset);
    EXPECT_TRUE(s.problems.empty());
    ASSERT_EQ(records.size(), 6u);  // HEAD, three INDI, FAM, TRLR
    const GedcomNode* third = record(records, "@I3@");
    ASSERT_NE(third, nullptr);
    ASSERT_NE(third->child("NOTE"), nullptr);
    EXPECT_EQ(third->child("NOTE")->line, 21);
    EXPECT_EQ(third->child("FAMC")->value, "@F1@");
    if (std::string(c.charset) != "ANSEL") {
      EXPECT_EQ(third->child("NOTE")->value, "Caffè, ženska");
    }
  }
}

TEST(GedcomCharsets, EveryEncodingGivesTheSameRecordBytes) {
  for (const auto& c : kAccentedFiles) {
    SCOPED_TRACE(c.file);
    test::TempDir dir;
    auto s = ImportGedcom(dataFile(c.file), dir.file("fam.rni"), {});
    ASSERT_TRUE(s.ok) << s.error;
    EXPECT_TRUE(s.notRepresented.empty());
    EXPECT_EQ(recordOf(dir.file("fam.rni"), 1).trimmed(Name), "Dal B\xF2 Nicol\xF2");
    EXPECT_EQ(recordOf(dir.file("fam.rni"), 2).trimmed(Name),
              "M\xFCller D\xE9"
              "bora");
    EXPECT_EQ(recordOf(dir.file("fam.rni"), 3).trimmed(Name),
              "Pe\xF1"
              "a Fran\xE7ois");
    EXPECT_EQ(recordOf(dir.file("fam.rni"), 3).trimmed(Notes),
              "Caff\xE8, \x9E"
              "enska");
    EXPECT_EQ(dir.read("fam.rnc"), "3,1\r\n3,2\r\n");
  }
}

TEST(GedcomCharsets, AsciiWithLfCrLineEnds) {
  ExchangeSummary s;
  auto records = ReadGedcom(dataBytes("ascii_lfcr.ged"), s);
  EXPECT_EQ(s.charset, "ASCII");
  EXPECT_TRUE(s.problems.empty());
  ASSERT_EQ(records.size(), 6u);
  EXPECT_EQ(record(records, "@I2@")->child("NAME")->value, "Debora /Muller/");
  EXPECT_EQ(record(records, "@I2@")->line, 14);
}

TEST(GedcomCharsets, Utf16WithoutByteOrderMarkIsRecognised) {
  for (bool bigEndian : {false, true}) {
    std::string bytes;
    for (char32_t cp :
         std::u32string{U"0 HEAD\r\n1 CHAR UNICODE\r\n0 @I1@ INDI\r\n1 NAME Jürg /Müller/\r\n0 TRLR\r\n"}) {
      char hi = static_cast<char>(cp >> 8), lo = static_cast<char>(cp & 0xFF);
      bytes += bigEndian ? std::string{hi, lo} : std::string{lo, hi};
    }
    ExchangeSummary s;
    auto records = ReadGedcom(bytes, s);
    EXPECT_EQ(s.charset, bigEndian ? "UTF-16BE" : "UTF-16LE");
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[1].child("NAME")->value, "J\xC3\xBCrg /M\xC3\xBCller/");
  }
}

TEST(GedcomCharsets, MissingOrWrongDeclarationsAreGuessedAndSaid) {
  struct Case {
    std::string bytes;
    std::string charset;
    std::string problem;
  } cases[] = {
      {"0 HEAD\n0 @I1@ INDI\n1 NAME Nicol\xC3\xB2\n", "UTF-8", "no CHAR line: read as UTF-8"},
      {"0 HEAD\n0 @I1@ INDI\n1 NAME Nicol\xF2\n", "ANSI (Windows-1252)", "no CHAR line: read as ANSI (Windows-1252)"},
      {"0 HEAD\n1 CHAR ASCII\n0 @I1@ INDI\n1 NAME Nicol\xF2\n", "ANSI (Windows-1252)",
       "CHAR ASCII, but the file holds other characters: read as ANSI (Windows-1252)"},
      {"0 HEAD\n1 CHAR EBCDIC\n0 @I1@ INDI\n1 NAME Nicol\xC3\xB2\n", "UTF-8",
       "unknown character set EBCDIC: read as UTF-8"},
      {"0 HEAD\n1 CHAR UTF-8\n0 @I1@ INDI\n1 NAME Nicol\xF2\n", "UTF-8", "line 4: not UTF-8, read as Windows-1252"},
  };
  for (const auto& c : cases) {
    ExchangeSummary s;
    s.english = true;
    auto records = ReadGedcom(c.bytes, s);
    EXPECT_EQ(s.charset, c.charset);
    EXPECT_EQ(s.problems, std::vector<std::string>{c.problem});
    EXPECT_EQ(ToRecordText(record(records, "@I1@")->child("NAME")->value).text, "Nicol\xF2") << c.problem;
  }
}

TEST(GedcomLines, ConcAndContJoinIntoTheirLineAndAtSignsAreUndoubled) {
  ExchangeSummary s;
  auto records = ReadGedcom(dataBytes("conc_cont.ged"), s);
  EXPECT_TRUE(s.problems.empty());
  const GedcomNode* luigi = record(records, "@I1@");
  EXPECT_EQ(luigi->child("BIRT")->child("PLAC")->value, "San Giovanni di Livenza");
  EXPECT_EQ(luigi->child("NOTE")->value,
            "Barcaiolo sul Livenza, poi a Venezia.\nScrive: \"pagato @ 3 lire\".\n\nFine.");
  EXPECT_TRUE(luigi->child("NOTE")->children.empty());
  EXPECT_EQ(record(records, "@I2@")->child("NOTE")->value.size(), 251u);  // a long line is one value
}

TEST(GedcomLines, PointersKeepTheirAtSignsAndLeadingBlanksAreAllowed) {
  ExchangeSummary s;
  auto records = ReadGedcom("0 HEAD\n1 CHAR UTF-8\n  0 @F1@ FAM\n    1 HUSB @I1@\n1 NOTE @@home@@\n", s);
  EXPECT_TRUE(s.problems.empty()) << ::testing::PrintToString(s.problems);
  ASSERT_EQ(records.size(), 2u);
  EXPECT_TRUE(records[1].child("HUSB")->isPointer());
  EXPECT_EQ(records[1].child("HUSB")->value, "@I1@");
  EXPECT_EQ(records[1].child("NOTE")->value, "@home@");
  EXPECT_FALSE(records[1].child("NOTE")->isPointer());
}

TEST(GedcomLines, MalformedLinesAreReportedByNumberAndReadingGoesOn) {
  ExchangeSummary s;
  s.english = true;
  auto records = ReadGedcom(dataBytes("malformed.ged"), s);
  std::vector<std::string> expected = {
      "line 5: no level number (\"NAME senza livello\"), skipped",
      "line 9: no tag (\"1\"), skipped",
      "line 11: level 3 without a line of level 2 above it (\"3 DATE 1850\"), skipped",
      "line 13: cross-reference @...@ not closed (\"1 @X1 NOTE riferimento non chiuso\"), skipped",
      "line 14: CONC/CONT at level 0 (\"0 CONC testo\"), skipped",
  };
  EXPECT_EQ(s.problems, expected);
  const GedcomNode* first = record(records, "@I1@");
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->child("BIRT")->child("PLAC")->value, "Sacile");
  EXPECT_EQ(first->child("BIRT")->child("DATE"), nullptr);
  ASSERT_NE(record(records, "@I2@"), nullptr);
  EXPECT_EQ(records.back().tag, "TRLR");  // the Ctrl-Z after it is no line
}

TEST(GedcomLines, LinesBelowASkippedLineDoNotMoveUnderItsSibling) {
  ExchangeSummary s;
  s.english = true;
  auto records = ReadGedcom("0 HEAD\n1 CHAR UTF-8\n0 @I1@ INDI\n1 BIRT\n1 @bad\n2 DATE 1850\n", s);
  EXPECT_EQ(s.problems.size(), 2u) << ::testing::PrintToString(s.problems);
  EXPECT_EQ(records[1].child("BIRT")->child("DATE"), nullptr);
}

TEST(RecordText, ComposesDiacriticsAndNamesWhatWindows1252Lacks) {
  struct Case {
    std::string utf8;
    std::string text;
    std::string lost;
  } cases[] = {
      {"Nicol\xC3\xB2", "Nicol\xF2", ""},
      {"Nicolo\xCC\x80", "Nicol\xF2", ""},  // o + combining grave
      {"\xC5\xBD"
       "e\xCC\x8C",
       "\x8E"
       "e",
       "U+030C"},  // Ž fits; e + caron does not compose
      {"\xC5\x81\xC3\xB3"
       "d\xC5\xBA",
       "L\xF3"
       "dz",
       "U+0141 U+017A"},
      {"\xE2\x82\xAC 5", "\x80 5", ""},
      {"\xE6\xBC\xA2", "?", "U+6F22"},
      {"bad \xFF", "bad ?", "U+FFFD"},
  };
  for (const auto& c : cases) {
    RecordText r = ToRecordText(c.utf8);
    EXPECT_EQ(r.text, c.text) << c.utf8;
    EXPECT_EQ(LostCharacterNames(r.lost), c.lost) << c.utf8;
  }
}

TEST(Ansel, DiacriticsBeforeTheLetterComeAfterItAndCompose) {
  EXPECT_EQ(ToRecordText(AnselToUtf8("Nicol\xE1o D\xE2"
                                     "ebora Fran\xF0"
                                     "cois \xE8u \xE9z"))
                .text,
            "Nicol\xF2 D\xE9"
            "bora Fran\xE7ois \xFC \x9E");
  EXPECT_EQ(AnselToUtf8("\xA1\xB2\xC3"), "\xC5\x81\xC3\xB8\xC2\xA9");  // Ł ø ©
  int undefined = 0;
  EXPECT_EQ(AnselToUtf8("a\x80", &undefined), "a\xEF\xBF\xBD");
  EXPECT_EQ(undefined, 1);
}

TEST(Ansel, LettersWindows1252LacksAreListedInTheSummary) {
  test::TempDir dir;
  GedcomImportOptions options;
  options.english = true;
  auto s = ImportGedcom(dataFile("ansel_lost.ged"), dir.file("fam.rni"), options);
  ASSERT_TRUE(s.ok);
  EXPECT_EQ(recordOf(dir.file("fam.rni"), 1).trimmed(Name), "Wasoz Lucja");
  ASSERT_EQ(s.notRepresented.size(), 1u);
  EXPECT_EQ(s.notRepresented[0], "@I1@, Name: U+0328 U+0301 U+0141 not in Windows-1252, written \"Wasoz Lucja\"");
}

}  // namespace
}  // namespace kord
