#include "dates.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <vector>

#include "db/codepage.h"
#include "db/person_record.h"
#include "db/text.h"

namespace kord {

namespace {

constexpr std::string_view kBlanksAndTabs = " \t";

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

bool allDigits(std::string_view text) {
  if (text.empty()) return false;
  for (char c : text)
    if (!isDigit(c)) return false;
  return true;
}

int toNumber(std::string_view digits) {
  int value = 0;
  for (char c : digits) value = value * 10 + (c - '0');
  return value;
}

/// A year of two or four digits; two digits use the 2000-2029 / 1930-1999 window.
std::optional<int> yearOfDigits(std::string_view digits) {
  if (!allDigits(digits) || (digits.size() != 2 && digits.size() != 4)) return std::nullopt;
  int value = toNumber(digits);
  if (digits.size() == 2) return value < 30 ? 2000 + value : 1900 + value;
  return value;
}

/// A day or month of one or two digits.
std::optional<int> smallNumber(std::string_view digits) {
  if (!allDigits(digits) || digits.size() > 2) return std::nullopt;
  return toNumber(digits);
}

bool isLeap(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int daysInMonth(int month, int year) {
  static constexpr std::array<int, 12> kDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && isLeap(year) ? 29 : kDays[month - 1];
}

std::optional<DateParts> calendarDate(int day, int month, int year) {
  if (year < 1 || month < 1 || month > 12 || day < 1 || day > daysInMonth(month, year)) return std::nullopt;
  return DateParts{day, month, year};
}

/// "0/0/" + two or four digits, "0/13/" + four digits.
std::optional<DateParts> yearOnlyForm(std::string_view text) {
  if (text.starts_with("0/0/")) {
    auto year = yearOfDigits(text.substr(4));
    if (year) return DateParts{0, 0, *year};
  } else if (text.starts_with("0/13/")) {
    std::string_view digits = text.substr(5);
    if (digits.size() == 4 && allDigits(digits)) return DateParts{0, 13, toNumber(digits)};
  }
  return std::nullopt;
}

/// d/m/y with "/" and nothing else.
std::optional<DateParts> numericForm(std::string_view text) {
  auto slash1 = text.find('/');
  if (slash1 == std::string_view::npos) return std::nullopt;
  auto slash2 = text.find('/', slash1 + 1);
  if (slash2 == std::string_view::npos) return std::nullopt;
  auto day = smallNumber(text.substr(0, slash1));
  auto month = smallNumber(text.substr(slash1 + 1, slash2 - slash1 - 1));
  auto year = yearOfDigits(text.substr(slash2 + 1));
  if (!day || !month || !year) return std::nullopt;
  return calendarDate(*day, *month, *year);
}

struct MonthName {
  std::string_view name;
  int month;
};

constexpr std::array<MonthName, 48> kMonthNames = {{
    {"GENNAIO", 1}, {"FEBBRAIO", 2}, {"MARZO", 3},     {"APRILE", 4},   {"MAGGIO", 5},    {"GIUGNO", 6},
    {"LUGLIO", 7},  {"AGOSTO", 8},   {"SETTEMBRE", 9}, {"OTTOBRE", 10}, {"NOVEMBRE", 11}, {"DICEMBRE", 12},
    {"GEN", 1},     {"FEB", 2},      {"MAR", 3},       {"APR", 4},      {"MAG", 5},       {"GIU", 6},
    {"LUG", 7},     {"AGO", 8},      {"SET", 9},       {"OTT", 10},     {"NOV", 11},      {"DIC", 12},
    {"JANUARY", 1}, {"FEBRUARY", 2}, {"MARCH", 3},     {"APRIL", 4},    {"MAY", 5},       {"JUNE", 6},
    {"JULY", 7},    {"AUGUST", 8},   {"SEPTEMBER", 9}, {"OCTOBER", 10}, {"NOVEMBER", 11}, {"DECEMBER", 12},
    {"JAN", 1},     {"FEB", 2},      {"MAR", 3},       {"APR", 4},      {"JUN", 6},       {"JUL", 7},
    {"AUG", 8},     {"SEP", 9},      {"SEPT", 9},      {"OCT", 10},     {"NOV", 11},      {"DEC", 12},
}};

std::optional<int> monthOfName(std::string_view word) {
  for (const auto& m : kMonthNames)
    if (m.name == word) return m.month;
  return std::nullopt;
}

bool isSeparator(std::string_view sep) {
  int marks = 0;
  for (char c : sep) {
    if (c == '/' || c == '-' || c == '.' || c == ',')
      ++marks;
    else if (c != ' ' && c != '\t')
      return false;
  }
  return !sep.empty() && marks <= 1;
}

/// Splits an upper-case text into runs of digits and runs of letters, each
/// pair apart by a separator; nothing when another character turns up.
std::optional<std::vector<std::string_view>> dateWords(std::string_view text) {
  std::vector<std::string_view> words;
  std::size_t i = 0;
  while (i < text.size()) {
    std::size_t start = i;
    while (i < text.size() && !isDigit(text[i]) && !isAsciiLetter(text[i])) ++i;
    if (!words.empty() && !isSeparator(text.substr(start, i - start))) return std::nullopt;
    if (words.empty() && i != start) return std::nullopt;
    if (i == text.size()) break;
    start = i;
    bool digits = isDigit(text[i]);
    while (i < text.size() && (digits ? isDigit(text[i]) : isAsciiLetter(text[i]))) ++i;
    words.push_back(text.substr(start, i - start));
  }
  if (!words.empty() && !isDigit(text.back()) && !isAsciiLetter(text.back())) return std::nullopt;
  return words;
}

/// Day, month name, year or month name, day, year.
std::optional<DateParts> namedForm(std::string_view text) {
  auto words = dateWords(text);
  if (!words || words->size() != 3) return std::nullopt;
  const auto& w = *words;
  auto month = monthOfName(w[1]);
  std::string_view dayWord = w[0];
  if (!month) {
    month = monthOfName(w[0]);
    dayWord = w[1];
  }
  auto day = smallNumber(dayWord);
  auto year = yearOfDigits(w[2]);
  if (!month || !day || !year) return std::nullopt;
  return calendarDate(*day, *month, *year);
}

/// Characters from (0-based) `start`, at most `count`, like the old Mid function.
std::string mid(std::string_view text, std::size_t start, std::size_t count) {
  if (start >= text.size()) return {};
  return std::string(text.substr(start, count));
}

/// Splits at every blank; consecutive blanks give empty words.
std::vector<std::string> splitAtBlanks(std::string_view text) {
  std::vector<std::string> words;
  std::size_t start = 0;
  for (;;) {
    auto blank = text.find(' ', start);
    words.emplace_back(text.substr(start, blank - start));
    if (blank == std::string_view::npos) return words;
    start = blank + 1;
  }
}

/// Word 2 + "/" + word 3 + "/" + word 1 (steps 3.2 and 3.3).
std::string fromThreeWords(std::string_view text) {
  auto w = splitAtBlanks(text);
  w.resize(3);
  return w[1] + "/" + w[2] + "/" + w[0];
}

/// Step 1; true when DateIn passed the date test (DateValid raised).
bool eightDigitStep(DateWork& d) {
  if (!d.DateIn.empty() && d.DateIn.find('/') == std::string::npos) {
    std::string candidate = mid(d.DateIn, 0, 2) + "/" + mid(d.DateIn, 2, 2) + "/" + mid(d.DateIn, 4, 4);
    if (IsDate(candidate)) d.DateIn = candidate;
  }
  if (!IsDate(d.DateIn)) return false;
  d.DateValid = true;
  return true;
}

/// Steps 3.2 to 3.4, for a text with two or more blanks.
void blankSeparatedStep(DateWork& d, const BirthDateQuestion& person, std::size_t blanks) {
  const std::string before = d.DateIn;
  if (blanks >= 3) d.DateIn = person.ask(d.DateIn);  // 3.3: asked, then overwritten
  d.DateIn = fromThreeWords(before);
  if (!IsDate(d.DateIn)) d.DateIn = person.ask(d.DateIn);
  person.store(d.DateIn);
}

/// Step 4, for a text without blanks.
void noBlankStep(DateWork& d) {
  auto cut = d.DateIn.find('_');
  if (cut == std::string::npos) cut = d.DateIn.find('?');
  if (cut != std::string::npos) {
    d.DateIn = "0/13/" + (d.DateIn.substr(0, cut) + "0000").substr(0, 4);
  } else if (d.DateIn.size() != 10) {
    d.DateIn = "0/0/" + d.DateIn;
  }
}

}  // namespace

std::optional<DateParts> ParseDate(std::string_view text) {
  std::string t = UpperAscii(Trim(text, kBlanksAndTabs));
  if (auto parts = yearOnlyForm(t)) return parts;
  if (auto parts = numericForm(t)) return parts;
  return namedForm(t);
}

bool IsDate(std::string_view text) { return ParseDate(text).has_value(); }

std::string PrepareDateIn(std::string_view text) { return UpperCp1252(Trim(text)); }

void NormalizeBirthDate(DateWork& d, const BirthDateQuestion& person) {
  for (int asks = 0;; ++asks) {
    if (eightDigitStep(d)) return;                                                                 // 1
    if (d.DateIn.empty() || d.DateIn.starts_with("0/13") || d.DateIn.starts_with("0/0/")) return;  // 2
    auto blanks = static_cast<std::size_t>(std::count(d.DateIn.begin(), d.DateIn.end(), ' '));
    if (blanks == 0) return noBlankStep(d);                         // 4
    if (blanks >= 2) return blankSeparatedStep(d, person, blanks);  // 3.2-3.4
    if (asks == kMaxBirthDateAsks) return;                          // guard: the person keeps answering one blank
    d.DateIn = person.ask(d.DateIn);                                // 3.1
    person.store(d.DateIn);
  }
}

std::optional<DateParts> ReadStoredDate(std::string_view text) {
  DateWork d{PrepareDateIn(text), false};
  if (eightDigitStep(d)) return ParseDate(d.DateIn);
  if (d.DateIn.empty() || d.DateIn.starts_with("0/13") || d.DateIn.starts_with("0/0/")) return std::nullopt;
  const auto blanks = std::count(d.DateIn.begin(), d.DateIn.end(), ' ');
  if (blanks == 0) noBlankStep(d);
  if (blanks == 2) d.DateIn = fromThreeWords(d.DateIn);
  return ParseDate(d.DateIn);
}

int YearOf(std::string_view text, int currentYear) {
  auto parts = ParseDate(text);
  if (!parts) return 0;
  bool yearOnly = parts->day == 0;
  if (!yearOnly && parts->year > currentYear) return parts->year - 100;
  return parts->year;
}

}  // namespace kord
