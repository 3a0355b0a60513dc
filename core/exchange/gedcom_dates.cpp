#include "exchange/gedcom_dates.h"

#include <array>
#include <cstdio>
#include <optional>
#include <vector>

#include "db/dates.h"
#include "db/person_record.h"
#include "exchange/record_text.h"

namespace kord {
namespace {

constexpr std::array<std::string_view, 12> kMonths = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                                      "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};

enum class Qualifier { None, About, Approximate, Before, After, To, From, Between };

/// One date of a GEDCOM date value.
struct GedDate {
  int day = 0, month = 0, year = 0;
  bool detail = false;  ///< Julian calendar or a dual year: the numbers are not the whole story
  bool keep = false;    ///< another calendar or B.C.: not convertible
};

using Words = std::vector<std::string>;

std::string formatted(const char* pattern, int a, int b = 0, int c = 0) {
  char text[32];
  std::snprintf(text, sizeof text, pattern, a, b, c);
  return text;
}

std::optional<int> number(std::string_view digits, std::size_t maxDigits) {
  if (digits.empty() || digits.size() > maxDigits) return std::nullopt;
  int value = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

std::optional<Qualifier> qualifierOf(const std::string& word) {
  static const std::vector<std::pair<std::string, Qualifier>> kWords = {
      {"ABT", Qualifier::About},      {"CAL", Qualifier::Approximate}, {"EST", Qualifier::Approximate},
      {"ABOUT", Qualifier::About},    {"CIRCA", Qualifier::About},     {"CA", Qualifier::About},
      {"CA.", Qualifier::About},      {"C.", Qualifier::About},        {"BEF", Qualifier::Before},
      {"BEFORE", Qualifier::Before},  {"AFT", Qualifier::After},       {"AFTER", Qualifier::After},
      {"TO", Qualifier::To},          {"FROM", Qualifier::From},       {"BET", Qualifier::Between},
      {"BETWEEN", Qualifier::Between}};
  for (const auto& [w, q] : kWords)
    if (w == word) return q;
  return std::nullopt;
}

/// Reads a calendar escape at `begin` ("@#DJULIAN@", "@#DFRENCH R@").
void readCalendar(const Words& w, std::size_t& begin, std::size_t end, GedDate& d) {
  if (begin >= end || w[begin].rfind("@#D", 0) != 0) return;
  std::string name = w[begin];
  while (name.back() != '@' && ++begin < end) name += " " + w[begin];
  ++begin;
  if (name == "@#DJULIAN@")
    d.detail = true;
  else if (name != "@#DGREGORIAN@")
    d.keep = true;
}

/// "1850" or "1750/51".
bool readYear(const std::string& word, GedDate& d) {
  auto slash = word.find('/');
  auto year = number(std::string_view(word).substr(0, slash), 4);
  if (!year) return false;
  d.year = *year;
  if (slash != std::string::npos) {
    if (!number(std::string_view(word).substr(slash + 1), 2)) return false;
    d.detail = true;
  }
  return true;
}

/// One date from words [begin, end): [calendar] [[day] month] year [B.C.].
std::optional<GedDate> parseDate(const Words& w, std::size_t begin, std::size_t end) {
  GedDate d;
  readCalendar(w, begin, end, d);
  if (end > begin && (w[end - 1] == "B.C." || w[end - 1] == "BC" || w[end - 1] == "B.C" || w[end - 1] == "BCE")) {
    d.keep = true;
    --end;
  }
  std::size_t count = end > begin ? end - begin : 0;
  if (count < 1 || count > 3 || !readYear(w[end - 1], d)) return std::nullopt;
  if (count >= 2) {
    for (std::size_t m = 0; m < kMonths.size(); ++m)
      if (w[end - 2] == kMonths[m]) d.month = static_cast<int>(m) + 1;
    if (d.month == 0) return std::nullopt;
  }
  if (count == 3) {
    auto day = number(w[begin], 2);
    if (!day || *day < 1) return std::nullopt;
    d.day = *day;
  }
  return d;
}

std::optional<ImportedDate> yearForm(const GedDate& d, bool lost) {
  if (d.year < 1) return std::nullopt;
  return ImportedDate{formatted("0/0/%04d", d.year), lost};
}

/// The field of a date without qualifier.
std::optional<ImportedDate> exactDate(const GedDate& d) {
  if (d.day == 0) return yearForm(d, d.detail || d.month > 0);
  std::string text = formatted("%02d/%02d/%04d", d.day, d.month, d.year);
  if (!IsDate(text)) return std::nullopt;  // 31 FEB: kept as written
  return ImportedDate{text, d.detail};
}

int trailingZeros(int year) {
  int zeros = 0;
  while (zeros < 3 && year % 10 == 0) {
    year /= 10;
    ++zeros;
  }
  return zeros;
}

/// BET 1850 AND 1859 and its wider kin, or nothing.
std::optional<ImportedDate> approximateYear(const GedDate& low, const GedDate& high) {
  bool bare = low.day == 0 && low.month == 0 && high.day == 0 && high.month == 0 && !low.detail && !high.detail;
  int span = high.year - low.year + 1;
  if (!bare || low.year < 1 || (span != 10 && span != 100 && span != 1000) || low.year % span != 0) return std::nullopt;
  int readsAs = trailingZeros(low.year) == 1 ? 10 : trailingZeros(low.year) == 2 ? 100 : 1000;
  return ImportedDate{formatted("0/13/%04d", low.year), readsAs != span};
}

std::size_t find(const Words& w, std::size_t from, const char* word) {
  for (std::size_t i = from; i < w.size(); ++i)
    if (w[i] == word) return i;
  return w.size();
}

std::optional<ImportedDate> qualifiedDate(const Words& w) {
  auto q = qualifierOf(w[0]).value_or(Qualifier::None);
  std::size_t begin = q == Qualifier::None ? 0 : 1;
  std::size_t split = q == Qualifier::From      ? find(w, begin, "TO")
                      : q == Qualifier::Between ? find(w, begin, "AND")
                                                : w.size();
  if (q == Qualifier::Between && split == w.size()) return std::nullopt;
  auto first = parseDate(w, begin, split);
  std::optional<GedDate> second;
  if (split < w.size() && !(second = parseDate(w, split + 1, w.size()))) return std::nullopt;
  if (!first || first->keep || (second && second->keep)) return std::nullopt;
  if (q == Qualifier::Between)
    if (auto range = approximateYear(*first, *second)) return range;
  if (q == Qualifier::None) return exactDate(*first);
  // "0/13/1857" says "about 1857" exactly; "0/13/1850" would say "185?".
  if (q == Qualifier::About && first->day == 0 && first->month == 0 && !first->detail && first->year % 10 != 0)
    return ImportedDate{formatted("0/13/%04d", first->year), false};
  return yearForm(*first, true);
}

bool sameDate(const DateParts& phrase, const GedDate& d) {
  if (phrase.year != d.year) return false;
  if (d.day == 0 && d.month == 0) return phrase.day == 0;
  return phrase.day == d.day && phrase.month == d.month;
}

/// INT date (phrase).
ImportedDate interpretedDate(const std::string& original, const std::string& upper) {
  auto open = original.find('(');
  auto close = original.rfind(')');
  std::string phrase;
  if (open != std::string::npos)
    phrase =
        original.substr(open + 1, close != std::string::npos && close > open ? close - open - 1 : std::string::npos);
  Words w = SplitWords(std::string_view(upper).substr(3, open == std::string::npos ? std::string::npos : open - 3));
  auto date = parseDate(w, 0, w.size());
  auto field = date && !date->keep ? exactDate(*date) : std::nullopt;
  if (!field) return {phrase.empty() ? original : phrase, true};
  if (phrase.empty()) return *field;
  auto phraseDate = ParseDate(ToRecordText(phrase).text);
  if (phraseDate && sameDate(*phraseDate, *date)) return {phrase, false};
  return {field->text, true};
}

/// "18??", "185?", "19__" and "1857?": the years the known digits allow, as
/// the birth-date normaliser reads them (the text before the first "?", or
/// before the first "_" when there is one, padded with zeros).
std::optional<std::string> unknownDigitsDate(const std::string& t) {
  bool marked = t.find_first_of("?_") != std::string::npos;
  if (!marked || t.size() < 4 || t.size() > 5 || t.find_first_not_of("0123456789?_") != std::string::npos ||
      t[0] < '0' || t[0] > '9')
    return std::nullopt;
  std::size_t cut = t.find('_') != std::string::npos ? t.find('_') : t.find('?');
  std::string known = t.substr(0, std::min<std::size_t>(cut, 4));
  auto low = number((known + "0000").substr(0, 4), 4);
  if (!low || *low < 1) return std::nullopt;
  if (known.size() == 4) return "ABT " + std::to_string(*low);
  int span = known.size() == 3 ? 10 : known.size() == 2 ? 100 : 1000;
  return "BET " + std::to_string(*low) + " AND " + std::to_string(*low + span - 1);
}

/// A year alone ("1850", "850").
std::optional<std::string> bareYear(const std::string& t) {
  auto year = number(t, 4);
  if (!year || *year < 1) return std::nullopt;
  return std::to_string(*year);
}

/// `value`, with the stored text beside it unless DateFromGedcom reads the
/// value back as `readsBack`, the same text.
ExportedDate dateWithExactText(std::string value, const std::string& readsBack, const std::string& stored) {
  return {std::move(value), readsBack == stored ? std::string() : stored};
}

/// The GEDCOM date of a trimmed, non-empty date text. What the import reads
/// each form back as is known here, so nothing is parsed twice.
ExportedDate exportedDateOf(const std::string& t) {
  auto p = ParseDate(t);
  if (!p || p->year < 1) {
    if (auto range = unknownDigitsDate(t)) return {*range, t};
    if (auto year = bareYear(t)) return {*year, t};
    return {"(" + t + ")", {}};
  }
  if (p->month == 13) {
    int zeros = trailingZeros(p->year);
    int span = zeros == 1 ? 10 : zeros == 2 ? 100 : 1000;
    std::string value = zeros == 0 ? "ABT " + std::to_string(p->year)
                                   : "BET " + std::to_string(p->year) + " AND " + std::to_string(p->year + span - 1);
    return dateWithExactText(value, formatted("0/13/%04d", p->year), t);
  }
  if (p->month == 0) return dateWithExactText(std::to_string(p->year), formatted("0/0/%04d", p->year), t);
  std::string value = std::to_string(p->day) + " " + std::string(kMonths[p->month - 1]) + " " + std::to_string(p->year);
  return dateWithExactText(value, formatted("%02d/%02d/%04d", p->day, p->month, p->year), t);
}

}  // namespace

ImportedDate DateFromGedcom(std::string_view value) {
  auto first = value.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  std::string original(value.substr(first, value.find_last_not_of(" \t") - first + 1));
  if (original.size() >= 2 && original.front() == '(' && original.back() == ')')
    return {original.substr(1, original.size() - 2), false};
  std::string upper = UpperAscii(original);
  Words w = SplitWords(upper);
  if (w[0] == "INT") return interpretedDate(original, upper);
  if (auto date = qualifiedDate(w)) return *date;
  return {original, false};
}

ExportedDate GedcomDateOf(std::string_view stored) {
  std::string t = Trim(stored);
  return t.empty() ? ExportedDate{} : exportedDateOf(t);
}

}  // namespace kord
