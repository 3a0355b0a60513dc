// The date test, the parts of a date, the birth-date normaliser
// and YearOf.

#include "db/dates.h"
#include "records/birth_date_entry.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "core/test_support.h"
#include "db/person_record.h"

namespace kord {
namespace {

using test::FakeUi;

// ---------------------------------------------------------------- date test

struct AcceptedCase {
  const char* text;
  DateParts parts;
};

TEST(IsDate, AcceptsTheCanonicalAndNamedForms) {
  const AcceptedCase cases[] = {
      // numeric day/month/year
      {"12/03/1950", {12, 3, 1950}},
      {"1/3/1950", {1, 3, 1950}},
      {"01/3/1950", {1, 3, 1950}},
      {"1/03/1950", {1, 3, 1950}},
      {"31/12/1999", {31, 12, 1999}},
      {"  12/03/1950  ", {12, 3, 1950}},
      // two-digit years: 00-29 are 2000-2029, 30-99 are 1930-1999
      {"1/3/50", {1, 3, 1950}},
      {"1/3/00", {1, 3, 2000}},
      {"1/3/29", {1, 3, 2029}},
      {"1/3/30", {1, 3, 1930}},
      {"1/3/99", {1, 3, 1999}},
      // month names, Italian and English, full and abbreviated, any case
      {"12 MARZO 1950", {12, 3, 1950}},
      {"12 marzo 1950", {12, 3, 1950}},
      {"12 MAR 1950", {12, 3, 1950}},
      {"12/MAR/1950", {12, 3, 1950}},
      {"12-GEN-1950", {12, 1, 1950}},
      {"1 Gennaio 1900", {1, 1, 1900}},
      {"5 MAG 1950", {5, 5, 1950}},
      {"31 DICEMBRE 99", {31, 12, 1999}},
      {"3 SETTEMBRE 1950", {3, 9, 1950}},
      {"MARCH 12, 1950", {12, 3, 1950}},
      {"March 12 1950", {12, 3, 1950}},
      {"12 MARCH 1950", {12, 3, 1950}},
      {"5 MAY 1950", {5, 5, 1950}},
      {"SEPT 3, 1950", {3, 9, 1950}},
      {"3 OCT 1950", {3, 10, 1950}},
      {"12 DEC 1950", {12, 12, 1950}},
      {"12 MAR. 1950", {12, 3, 1950}},
      {"12  MAR  1950", {12, 3, 1950}},
      // the year-only forms
      {"0/0/1950", {0, 0, 1950}},
      {"0/0/50", {0, 0, 1950}},
      {"0/0/29", {0, 0, 2029}},
      {"0/13/1900", {0, 13, 1900}},
      {" 0/13/1850 ", {0, 13, 1850}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_TRUE(IsDate(c.text));
    std::optional<DateParts> parts = ParseDate(c.text);
    ASSERT_TRUE(parts.has_value());
    EXPECT_EQ(parts->day, c.parts.day);
    EXPECT_EQ(parts->month, c.parts.month);
    EXPECT_EQ(parts->year, c.parts.year);
  }
}

TEST(IsDate, RefusesEverythingElse) {
  const char* cases[] = {
      "",
      "   ",
      // year-only forms without a proper year
      "0/0/",
      "0/0/195",
      "0/0/19500",
      "0/13/",
      "0/13/50",
      "0/13/19?0",
      "0/13/19000",
      // bare numbers and free text
      "1950",
      "12031950",
      "circa 1950",
      "CIRCA 1950",
      "19??",
      "1950 3 12",
      // numeric dates with other separators or widths
      "12-03-1950",
      "12.03.1950",
      "12 03 1950",
      "1950/03/12",
      "12/03/195",
      "12/03/19500",
      "123/03/1950",
      "12/003/1950",
      "12//1950",
      "12/03",
      "12/3/1950/",
      "+1/3/1950",
      "1/3/1950 CIRCA",
      // named forms that are not day, month, year
      "12 MARZ 1950",
      "MAR 1950",
      "12 MAR",
      "12MAR1950",
      "12 // MAR 1950",
      "12 MAR 1950.",
      "-12 MAR 1950",
      "12 MARZO 1950 CIRCA",
      "12 MAR 195",
      "MARCH MARCH 1950",
      "12 1950 MAR",
  };
  for (const char* text : cases) {
    SCOPED_TRACE(text);
    EXPECT_FALSE(IsDate(text));
    EXPECT_FALSE(ParseDate(text).has_value());
  }
}

TEST(IsDate, ChecksTheCalendar) {
  struct Case {
    const char* text;
    bool valid;
  };
  const Case cases[] = {
      {"31/02/1950", false},  {"30/02/2000", false},       {"29/02/1950", false}, {"29/02/1900", false},
      {"29/02/30", false},    {"31/04/1950", false},       {"31/06/1950", false}, {"31/09/1950", false},
      {"31/11/1950", false},  {"32/01/1950", false},       {"0/03/1950", false},  {"00/03/1950", false},
      {"1/0/1950", false},    {"1/13/1950", false},        {"00/00/1950", false}, {"1/1/0000", false},
      {"31 FEB 1950", false}, {"29 FEBBRAIO 1900", false}, {"29/02/2000", true},  {"29/02/1952", true},
      {"29/02/1600", true},   {"29/02/00", true},          {"29/2/04", true},     {"31/01/1950", true},
      {"30/04/1950", true},   {"31/12/9999", true},        {"1/1/0001", true},    {"29 FEB 2000", true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(IsDate(c.text), c.valid);
  }
}

// ---------------------------------------------------------------- DateIn

TEST(PrepareDateIn, TrimsAndUpperCasesWindows1252) {
  struct Case {
    std::string in;
    std::string out;
  };
  const std::vector<Case> cases = {
      {"  12 marzo 1950  ", "12 MARZO 1950"},
      {"circa 1950", "CIRCA 1950"},
      {"", ""},
      {"     ", ""},
      {"\xE0 \xE8\xE9 \xEC\xF2\xF9", "\xC0 \xC8\xC9 \xCC\xD2\xD9"},  // à èé ìòù
      {"\xE7\xF1\xFE", "\xC7\xD1\xDE"},                              // çñþ
      {"\x9A\x9C\x9E\xFF", "\x8A\x8C\x8E\x9F"},                      // šœžÿ
      {"\xF7\xDF\xB5", "\xF7\xDF\xB5"},                              // ÷ ß µ stay
      {"0/13/19??", "0/13/19??"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.in);
    EXPECT_EQ(PrepareDateIn(c.in), c.out);
  }
}

// ---------------------------------------------------------------- normaliser

/// FakeUi that also keeps the titles and default answers of the input boxes.
class RecordingUi : public FakeUi {
 public:
  std::vector<std::string> titles;
  std::vector<std::string> defaults;
  std::string inputBox(const std::string& prompt, const std::string& title, const std::string& defaultText) override {
    titles.push_back(title);
    defaults.push_back(defaultText);
    return FakeUi::inputBox(prompt, title, defaultText);
  }
};

class NormalizeBirthDateTest : public ::testing::Test {
 protected:
  RecordingUi ui;
  test::FixedClock clock;
  test::FakePrinter printer;
  Session s{ui, clock, printer};

  static constexpr const char* kStoredBirthDate = "stored as typed";

  void SetUp() override {
    s.record.set(Name, "ROSSI MARIO");
    s.record.set(BirthDate, kStoredBirthDate);
  }

  /// Prepares DateIn as the caller does and runs the normaliser.
  void run(const std::string& typed) {
    s.dates.DateIn = PrepareDateIn(typed);
    s.dates.DateValid = false;
    NormalizeBirthDate(s);
  }

  std::string birthDate() const { return s.record.trimmed(BirthDate); }

  std::string prompt(const char* sentence) const {
    return "ROSSI MARIO" + std::string(29, ' ') + sentence + " (dd/mm/aaaa) ";
  }
};

struct QuietCase {
  const char* typed;
  const char* dateIn;
  bool valid;
  const char* birthDate;  ///< nullptr: the record buffer keeps its text
};

TEST_F(NormalizeBirthDateTest, RepairsWithoutAsking) {
  const QuietCase cases[] = {
      // step 1: the eight-digit form, and texts that already are dates
      {"12031950", "12/03/1950", true, nullptr},
      {"120350", "12/03/50", true, nullptr},
      {"12/03/1950", "12/03/1950", true, nullptr},
      {"12 mar 1950", "12 MAR 1950", true, nullptr},
      // the year-only forms pass the date test already at step 1
      {"0/0/1950", "0/0/1950", true, nullptr},
      {"0/13/1900", "0/13/1900", true, nullptr},
      // step 2: other texts beginning "0/13" or "0/0/", and nothing

      {"0/13/19", "0/13/19", false, nullptr},
      {"0/0/", "0/0/", false, nullptr},
      {"", "", false, nullptr},
      {"   ", "", false, nullptr},
      // step 3.2: two blanks, year day month
      {"1950 3 12", "3/12/1950", false, "3/12/1950"},
      {"50 31 1", "31/1/50", false, "31/1/50"},
      // step 4.1: unknown digits; "_" wins over "?"
      {"19??", "0/13/1900", false, nullptr},
      {"18_5", "0/13/1800", false, nullptr},
      {"185_", "0/13/1850", false, nullptr},
      {"?", "0/13/0000", false, nullptr},
      {"1_?5", "0/13/1000", false, nullptr},
      {"1?_5", "0/13/1?00", false, nullptr},
      {"19?5_", "0/13/19?5", false, nullptr},
      {"12345_78", "0/13/1234", false, nullptr},
      // step 4.2: ten characters in another notation stay
      {"1950-03-12", "1950-03-12", false, nullptr},
      {"31/02/1950", "31/02/1950", false, nullptr},
      // step 4.3: everything else is a year
      {"1950", "0/0/1950", false, nullptr},
      {"50", "0/0/50", false, nullptr},
      {"CIRCA1950", "0/0/CIRCA1950", false, nullptr},
      {"1/1/19500", "0/0/1/1/19500", false, nullptr},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    s.record.set(BirthDate, kStoredBirthDate);
    run(c.typed);
    EXPECT_EQ(s.dates.DateIn, c.dateIn);
    EXPECT_EQ(s.dates.DateValid, c.valid);
    EXPECT_EQ(birthDate(), c.birthDate ? c.birthDate : kStoredBirthDate);
  }
  EXPECT_TRUE(ui.prompts.empty());
}

TEST_F(NormalizeBirthDateTest, YearOnlyResultsHaveTheirYear) {
  run("1950");
  EXPECT_EQ(s.dates.DateIn, "0/0/1950");
  EXPECT_EQ(YearOf(s.dates.DateIn, 2026), 1950);
  run("19??");
  EXPECT_EQ(YearOf(s.dates.DateIn, 2026), 1900);
}

TEST_F(NormalizeBirthDateTest, OneBlankAsksAndTakesTheAnswer) {
  ui.inputAnswers = {"1/3/1950"};
  run("circa 1950");
  ASSERT_EQ(ui.prompts.size(), 1u);
  EXPECT_EQ(ui.prompts[0], prompt(" Digitare la data di Nascita corretta."));
  EXPECT_EQ(ui.titles[0], "Data di nascita");
  EXPECT_EQ(ui.defaults[0], "CIRCA 1950");
  EXPECT_EQ(s.dates.DateIn, "1/3/1950");
  EXPECT_TRUE(s.dates.DateValid);
  EXPECT_EQ(birthDate(), "1/3/1950");
}

TEST_F(NormalizeBirthDateTest, PromptInEnglish) {
  s.English = true;
  ui.inputAnswers = {"1/3/1950"};
  run("circa 1950");
  ASSERT_EQ(ui.prompts.size(), 1u);
  EXPECT_EQ(ui.prompts[0], prompt(" Type the right birthday."));
  EXPECT_EQ(ui.titles[0], "Birth date");
}

TEST_F(NormalizeBirthDateTest, PromptKeepsTheNameFieldAsStored) {
  s.record.set(Name, std::string(45, 'X'));  // cut to 40
  ui.inputAnswers = {"1/3/1950"};
  run("circa 1950");
  ASSERT_EQ(ui.prompts.size(), 1u);
  EXPECT_EQ(ui.prompts[0], std::string(40, 'X') + " Digitare la data di Nascita corretta. (dd/mm/aaaa) ");
}

TEST_F(NormalizeBirthDateTest, AnswerStartsAgainAtStepOne) {
  struct Case {
    const char* answer;
    const char* dateIn;
    bool valid;
  };
  const Case cases[] = {
      {"12031950", "12/03/1950", true},   // step 1 repairs the answer
      {"1950", "0/0/1950", false},        // step 4.3
      {"19??", "0/13/1900", false},       // step 4.1
      {"1950 3 12", "3/12/1950", false},  // step 3.2 stores its result
      {"0/0/1950", "0/0/1950", true},     // step 1 (a year-only form)
      {"0/13/19", "0/13/19", false},      // step 2
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.answer);
    ui.prompts.clear();
    ui.inputAnswers = {c.answer};
    run("circa 1950");
    EXPECT_EQ(ui.prompts.size(), 1u);
    EXPECT_EQ(s.dates.DateIn, c.dateIn);
    EXPECT_EQ(s.dates.DateValid, c.valid);
  }
  // The answer itself is what step 3.1 stores; only step 3.4 stores a result.
  ui.inputAnswers = {"1950"};
  run("circa 1950");
  EXPECT_EQ(birthDate(), "1950");
}

TEST_F(NormalizeBirthDateTest, OneBlankAnswerAsksAgain) {
  ui.inputAnswers = {"about 1950", "1/3/1950"};
  run("circa 1950");
  ASSERT_EQ(ui.prompts.size(), 2u);
  EXPECT_EQ(ui.defaults[1], "about 1950");
  EXPECT_EQ(s.dates.DateIn, "1/3/1950");
  EXPECT_TRUE(s.dates.DateValid);
  EXPECT_EQ(birthDate(), "1/3/1950");
}

TEST_F(NormalizeBirthDateTest, OneBlankAnswersDoNotAskForever) {
  for (int i = 0; i < 100; ++i) ui.inputAnswers.push_back("circa 1950");
  run("circa 1950");
  EXPECT_EQ(ui.prompts.size(), static_cast<std::size_t>(kMaxBirthDateAsks));
  EXPECT_EQ(s.dates.DateIn, "circa 1950");
  EXPECT_FALSE(s.dates.DateValid);
  EXPECT_FALSE(IsDate(s.dates.DateIn));
  EXPECT_EQ(birthDate(), "circa 1950");
}

TEST_F(NormalizeBirthDateTest, CancellingStops) {
  // Step 3.1: the empty answer is stored and stops at step 2.
  run("circa 1950");
  EXPECT_EQ(ui.prompts.size(), 1u);
  EXPECT_EQ(s.dates.DateIn, "");
  EXPECT_FALSE(s.dates.DateValid);
  EXPECT_EQ(birthDate(), "");

  // Step 3.4: the empty answer is stored.
  ui.prompts.clear();
  s.record.set(BirthDate, kStoredBirthDate);
  run("1950 13 45");
  EXPECT_EQ(ui.prompts.size(), 1u);
  EXPECT_EQ(s.dates.DateIn, "");
  EXPECT_EQ(birthDate(), "");
}

TEST_F(NormalizeBirthDateTest, TwoBlanksThatFailAskOnce) {
  ui.inputAnswers = {"12/3/1950"};
  run("1950 13 45");
  ASSERT_EQ(ui.prompts.size(), 1u);
  EXPECT_EQ(ui.defaults[0], "13/45/1950");
  EXPECT_EQ(s.dates.DateIn, "12/3/1950");
  EXPECT_FALSE(s.dates.DateValid);
  EXPECT_EQ(birthDate(), "12/3/1950");
}

TEST_F(NormalizeBirthDateTest, StepThreeFourTakesAnyAnswer) {
  ui.inputAnswers = {"still not a date"};
  run("1950 13 45");
  EXPECT_EQ(ui.prompts.size(), 1u);
  EXPECT_EQ(s.dates.DateIn, "still not a date");
  EXPECT_EQ(birthDate(), "still not a date");
}

TEST_F(NormalizeBirthDateTest, ThreeBlanksAskThenRebuildFromTheText) {
  // The first answer is taken and then overwritten by the rebuilt text.
  ui.inputAnswers = {"5/5/1955"};
  run("1950 3 12 circa");
  ASSERT_EQ(ui.prompts.size(), 1u);
  EXPECT_EQ(ui.defaults[0], "1950 3 12 CIRCA");
  EXPECT_EQ(s.dates.DateIn, "3/12/1950");
  EXPECT_EQ(birthDate(), "3/12/1950");
}

TEST_F(NormalizeBirthDateTest, ThreeBlanksRebuiltTextThatFailsAsksAgain) {
  ui.inputAnswers = {"1/1/1900", "12/3/1950"};
  run("12 marzo 1950 circa");
  ASSERT_EQ(ui.prompts.size(), 2u);
  EXPECT_EQ(ui.defaults[0], "12 MARZO 1950 CIRCA");
  EXPECT_EQ(ui.defaults[1], "MARZO/1950/12");
  EXPECT_EQ(ui.prompts[1], prompt(" Digitare la data di Nascita corretta."));
  EXPECT_EQ(s.dates.DateIn, "12/3/1950");
  EXPECT_EQ(birthDate(), "12/3/1950");
}

TEST_F(NormalizeBirthDateTest, StoredAnswerIsCutToTheFieldWidth) {
  const std::string answer = "1/3/1950" + std::string(10, ' ') + "and some more";
  ui.inputAnswers = {answer};
  run("1950 13 45");
  EXPECT_EQ(s.dates.DateIn, answer);
  EXPECT_EQ(s.record.raw(BirthDate), answer.substr(0, 22));
}

// ---------------------------------------------------------------- YearOf

TEST(YearOf, TakesTheYearOfEveryForm) {
  struct Case {
    const char* text;
    int currentYear;
    int year;
  };
  const Case cases[] = {
      // year-only forms: no future-year rule
      {"0/0/1950", 2026, 1950},
      {"0/0/50", 2026, 1950},
      {"0/0/29", 2026, 2029},
      {"0/0/2045", 2026, 2045},
      {"0/13/1900", 2026, 1900},
      {"0/13/2100", 2026, 2100},
      {"0/13/0000", 2026, 0},
      // calendar dates
      {"12/03/1950", 2026, 1950},
      {"12 MARZO 1950", 2026, 1950},
      {"MARCH 12, 1950", 2026, 1950},
      {"1/1/26", 2026, 2026},
      {"31/12/26", 2026, 2026},
      {"1/1/27", 2026, 1927},  // 2027 lies after 2026
      {"1/1/29", 2026, 1929},
      {"1/1/29", 2029, 2029},
      {"1/1/45", 2026, 1945},    // read as 1945 by the window
      {"1/1/2045", 2026, 1945},  // four digits in the future too
      {"1/1/2045", 2050, 2045},
      // not a date
      {"", 2026, 0},
      {"1950", 2026, 0},
      {"circa 1950", 2026, 0},
      {"31/02/1950", 2026, 0},
      {"0/0/", 2026, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.text) + " in " + std::to_string(c.currentYear));
    EXPECT_EQ(YearOf(c.text, c.currentYear), c.year);
  }
}

}  // namespace
}  // namespace kord
