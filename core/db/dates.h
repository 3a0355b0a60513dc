#pragma once
/// Dates: the date test, the parts of a date, the birth-date normaliser and the year the statistics take out of a date
/// text.
///
/// Date texts are Windows-1252 bytes. The canonical forms are a calendar date
/// day/month/year ("12/03/1950"), "0/0/" + year (only the year is known) and
/// "0/13/" + four digits (approximate year, unknown digits written as zeros).

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "db/date_work.h"

namespace kord {

/// Day, month and year of a text that passes the date test.
/// A year-only form gives day 0 and month 0 ("0/0/...") or 13 ("0/13/...").
/// Two-digit years are already widened (see IsDate).
struct DateParts {
  int day = 0;
  int month = 0;
  int year = 0;
  bool operator==(const DateParts&) const = default;
};

/// The date test. Leading and trailing blanks are ignored, letters compare
/// case-insensitively. Accepted:
/// - day/month/year with "/": one- or two-digit day and month, two- or
///   four-digit year, and a real calendar date (leap years by the Gregorian
///   rule; year 0000 is refused);
/// - day, month name, year or month name, day, year, the three parts apart by
///   blanks and at most one of "/", "-", ".", "," ("12 MARZO 1950",
///   "12/MAR/1950", "12-GEN-1950", "MARCH 12, 1950"); month names are the
///   Italian GENNAIO..DICEMBRE and GEN..DIC, the English JANUARY..DECEMBER,
///   JAN..DEC and SEPT;
/// - the year-only forms "0/0/" + two or four digits and "0/13/" + four digits.
/// Two-digit years read 00-29 as 2000-2029 and 30-99 as 1930-1999.
/// Everything else fails: "", "0/0/", "1950", "12031950", "12-03-1950",
/// "circa 1950", "31/02/1950".
bool IsDate(std::string_view text);

/// The parts of a text that passes the date test; nothing when it fails.
std::optional<DateParts> ParseDate(std::string_view text);

/// DateIn as the caller of NormalizeBirthDate prepares it: leading and
/// trailing blanks removed, ASCII letters and the Windows-1252 accented
/// lower-case letters (à..þ, š, œ, ž, ÿ) in upper case. ß has no single-byte
/// upper case and stays as it is.
std::string PrepareDateIn(std::string_view text);

/// Who answers the normaliser's correction question (step 5) and keeps the
/// corrected text.
struct BirthDateQuestion {
  std::function<std::string(const std::string& current)> ask;
  std::function<void(const std::string& corrected)> store;
};

/// The birth-date normaliser. Its steps, numbered as in the source:
///   1. eight digits without "/" become day/month/year; a text passing the
///      date test then raises DateValid and ends;
///   2. "0/13"..., "0/0/"... or an empty text ends;
///   3. a text with blanks: 3.1 one blank asks and starts again at step 1
///      with the answer; 3.2 two blanks give word2/word3/word1; 3.3 three or
///      more ask, then rebuild from the first three words all the same;
///      3.4 a result failing the date test is asked for; BirthDate := DateIn;
///   4. no blank: 4.1 "?" or "_" give "0/13/" + the known digits padded with
///      zeros ("_" wins); 4.2 ten characters stay; 4.3 else "0/0/" + text;
///   5. the correction box.
/// Works on d.DateIn and d.DateValid; asks `person` for a correction (the
/// text being corrected as default; a cancelled question answers "").
/// Answers are taken as typed. Steps 3.1 and 3.4 hand the result to
/// `person.store`.
/// DateValid is raised only by step 1 (DateIn passed the date test there);
/// the blank-separated and year-only results leave it as the caller set it.
/// Guard: step 3.1 (an answer with exactly one blank starts over) asks at most
/// kMaxBirthDateAsks times in one call; after that DateIn keeps the last
/// answer, which fails the date test.
void NormalizeBirthDate(DateWork& d, const BirthDateQuestion& person);

/// How many times step 3.1 may ask before the normaliser gives up.
inline constexpr int kMaxBirthDateAsks = 5;

/// The date a stored date text stands for, read without asking anybody: the
/// text itself when it passes the date test, else what the birth-date
/// normaliser makes of it without its correction box: eight digits as
/// day, month and year, "19??" and "185_" as the approximate years
/// "0/13/1900" and "0/13/1850", a year alone ("1850") as "0/0/1850", three
/// words as year, day and month. Nothing when that fails the test too.
std::optional<DateParts> ReadStoredDate(std::string_view text);

/// The year of a date text for the statistics:
/// "0/0/" + year gives that year (a two-digit year widened as in IsDate),
/// "0/13/" + four digits gives those digits as a number, a calendar date
/// gives its year, less 100 when it lies after `currentYear` (so "1/1/45"
/// read as 2045 counts as 1945 while the current year is before 2045).
/// A text that fails the date test gives 0 (so does "0/0/0000").
int YearOf(std::string_view text, int currentYear);

}  // namespace kord
