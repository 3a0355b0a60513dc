// Dates between GEDCOM and the date fields: the canonical forms, what is
// flagged as lost detail, and that every written date reads back as stored.

#include "exchange/gedcom_dates.h"

#include <gtest/gtest.h>

#include "db/csv_fields.h"
#include "db/person_record.h"
#include "exchange/gedcom_import.h"
#include "test_support.h"

namespace kord {
namespace {

TEST(GedcomDatesImport, ExactPartialAndApproximateForms) {
  struct Case {
    const char* gedcom;
    const char* field;
    bool lost;
  } cases[] = {
      {"", "", false},
      {"12 MAR 1850", "12/03/1850", false},
      {"3 sep 1806", "03/09/1806", false},
      {"1850", "0/0/1850", false},
      {"850", "0/0/0850", false},
      {"MAR 1850", "0/0/1850", true},
      {"ABT 1850", "0/0/1850", true},
      {"ABT 1857", "0/13/1857", false},  // reads as about 1857, which 0/0/1857 would lose
      {"EST 1857", "0/0/1857", true},
      {"about 1850", "0/0/1850", true},
      {"EST 12 MAR 1850", "0/0/1850", true},
      {"CAL 1850", "0/0/1850", true},
      {"BEF 1850", "0/0/1850", true},
      {"AFT 1850", "0/0/1850", true},
      {"TO 1850", "0/0/1850", true},
      {"FROM 1851 TO 1853", "0/0/1851", true},
      {"FROM 1851", "0/0/1851", true},
      {"BET 1850 AND 1859", "0/13/1850", false},
      {"BET 1900 AND 1999", "0/13/1900", false},
      {"BET 1000 AND 1999", "0/13/1000", false},
      {"BET 1900 AND 1909", "0/13/1900", true},  // reads as 19??, wider than the range
      {"BET 1850 AND 1860", "0/0/1850", true},
      {"BET 1855 AND 1864", "0/0/1855", true},
      {"BET JAN 1850 AND DEC 1859", "0/0/1850", true},
      {"@#DGREGORIAN@ 1 JAN 1700", "01/01/1700", false},
      {"@#DJULIAN@ 1 JAN 1700", "01/01/1700", true},
      {"1750/51", "0/0/1750", true},
      {"(circa 1850)", "circa 1850", false},
      {"INT 3 SEP 1806 (3/9/1806)", "3/9/1806", false},
      {"INT 1945 (0/0/45)", "0/0/45", false},
      {"INT 1857 (0/13/1857)", "0/13/1857", false},
      {"INT 3 SEP 1806 (the third of September)", "03/09/1806", true},
      {"INT 3 SEP 1806 (4/9/1806)", "03/09/1806", true},
      {"31 FEB 1900", "31 FEB 1900", false},  // no such day: kept as written
      {"@#DHEBREW@ 1 TSH 5600", "@#DHEBREW@ 1 TSH 5600", false},
      {"44 B.C.", "44 B.C.", false},
      {"Spring 1850", "Spring 1850", false},
      {"BET 1850", "BET 1850", false},
  };
  for (const auto& c : cases) {
    ImportedDate d = DateFromGedcom(c.gedcom);
    EXPECT_EQ(d.text, c.field) << c.gedcom;
    EXPECT_EQ(d.lostDetail, c.lost) << c.gedcom;
  }
}

TEST(GedcomDatesExport, EveryDateIsARealDateAndOnlyOtherTextsArePhrases) {
  struct Case {
    const char* stored;
    const char* gedcom;
    const char* exact;  ///< the _KORD_DATE text: "" when the date reads back as stored
  } cases[] = {
      {"", "", ""},
      {"   ", "", ""},
      {"14/02/1781", "14 FEB 1781", ""},
      {"2/1/1855", "2 JAN 1855", "2/1/1855"},
      {"12/03/50", "12 MAR 1950", "12/03/50"},
      {"1/1/29", "1 JAN 2029", "1/1/29"},
      {"12 MARZO 1950", "12 MAR 1950", "12 MARZO 1950"},
      {"0/0/1788", "1788", ""},
      {"0/0/45", "1945", "0/0/45"},
      {"1850", "1850", "1850"},
      {"850", "850", "850"},
      {"0/13/1900", "BET 1900 AND 1999", ""},
      {"0/13/1850", "BET 1850 AND 1859", ""},
      {"0/13/1000", "BET 1000 AND 1999", ""},
      {"0/13/1857", "ABT 1857", ""},
      {"18??", "BET 1800 AND 1899", "18??"},
      {"185?", "BET 1850 AND 1859", "185?"},
      {"19__", "BET 1900 AND 1999", "19__"},
      {"18_5", "BET 1800 AND 1899", "18_5"},
      {"1857?", "ABT 1857", "1857?"},
      {"??",
       "(?"
       "?)",
       ""},  // split: "??)" is a trigraph
      {"0/0/0000", "(0/0/0000)", ""},
      {"31/02/1950", "(31/02/1950)", ""},
      {"circa 1850", "(circa 1850)", ""},
      {"(circa) 1850", "((circa) 1850)", ""},
  };
  for (const auto& c : cases) {
    ExportedDate d = GedcomDateOf(c.stored);
    EXPECT_EQ(d.value, c.gedcom) << c.stored;
    EXPECT_EQ(d.exactText, c.exact) << c.stored;
  }
}

TEST(GedcomDatesRoundTrip, EveryStoredTextReadsBackAsItWas) {
  for (const char* stored :
       {"14/02/1781", "01/01/2000", "29/02/1904", "0/0/1788",   "0/0/0850",      "0/13/1900",       "0/13/1850",
        "0/13/1000",  "0/13/2000",  "0/13/1857",  "3/9/1806",   "12 MARZO 1950", "0/0/45",          "1/1/45",
        "1784",       "17??",       "19__",       "circa 1850", "(circa) 1850",  "Sacile, 3 marzo", "ABT 1850"}) {
    ExportedDate d = GedcomDateOf(stored);
    ImportedDate back = DateFromGedcom(d.value);
    EXPECT_EQ(d.exactText.empty() ? back.text : d.exactText, stored) << d.value;
    EXPECT_FALSE(back.lostDetail) << stored;
  }
}

TEST(GedcomDatesImport, LostDetailGoesIntoTheNotesWithItsEvent) {
  test::TempDir dir;
  GedcomImportOptions options;
  options.english = true;
  auto s =
      ImportGedcom(std::string(KORD_SAMPLE_DIR) + "/../../tests/data/gedcom/dates.ged", dir.file("d.rni"), options);
  ASSERT_TRUE(s.ok) << s.error;
  std::string bytes = dir.read("d.rni");
  ASSERT_EQ(bytes.size(), 3 * kRecordLength);
  PersonRecord r[3];
  for (int i = 0; i < 3; ++i) std::copy_n(bytes.begin() + i * kRecordLength, kRecordLength, r[i].bytes().begin());

  EXPECT_EQ(r[0].trimmed(BirthDate), "0/0/1850");
  EXPECT_EQ(r[0].trimmed(BaptismDate), "0/0/1850");
  EXPECT_EQ(r[0].trimmed(DeathDate), "0/13/1900");
  EXPECT_EQ(r[0].trimmed(BurialDate), "0/13/1900");
  EXPECT_EQ(r[0].trimmed(Notes), "Birth: ABT 1850\r\nBaptism: MAR 1850\r\nBurial: BET 1900 AND 1909");

  EXPECT_EQ(r[1].trimmed(BirthDate), "0/13/1850");
  EXPECT_EQ(r[1].trimmed(BaptismDate), "0/0/1851");
  EXPECT_EQ(r[1].trimmed(DeathDate), "nel tempo della grande");
  EXPECT_EQ(r[1].trimmed(BurialDate), "31 FEB 1900");
  EXPECT_EQ(r[1].trimmed(Notes), "Baptism: FROM 1851 TO 1853\r\nDeath: (nel tempo della grande peste di Milano)");

  EXPECT_EQ(r[2].trimmed(BirthDate), "0/0/1850");
  EXPECT_EQ(r[2].trimmed(BaptismDate), "01/01/1700");
  EXPECT_EQ(r[2].trimmed(DeathDate), "3/9/1906");
  EXPECT_EQ(r[2].trimmed(BurialDate), "0/0/1906");
  EXPECT_EQ(r[2].trimmed(Notes), "Baptism: @#DJULIAN@ 1 JAN 1700\r\nBurial: bef 12 dec 1906");

  std::vector<std::string> expected = {"@I2@ Pavan Due, Death date: cut to 22 characters, lost \" peste di Milano\""};
  EXPECT_EQ(s.notRepresented, expected);
}

}  // namespace
}  // namespace kord
