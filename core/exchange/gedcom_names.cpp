#include "exchange/gedcom_names.h"

#include <algorithm>
#include <array>
#include <vector>

#include "db/codepage.h"
#include "exchange/record_text.h"

namespace kord {
namespace {

/// Surname particles, upper case: Italian first, then the common European ones.
constexpr std::array<std::string_view, 47> kParticles = {
    "DA",    "DAL",   "DALL'", "DALLA", "DALLE", "DAI", "DAGLI", "DE",  "DE'", "DEL", "DELL'", "DELLA",
    "DELLE", "DELLO", "DEI",   "DEGLI", "DI",    "D'",  "LO",    "LA",  "LE",  "LI",  "L'",    "SAN",
    "SANTA", "SANT'", "VAN",   "VON",   "DER",   "DEN", "TER",   "TEN", "'T",  "VOM", "ZU",    "ZUM",
    "ZUR",   "DU",    "DES",   "DOS",   "DAS",   "DO",  "MAC",   "MC",  "O'",  "ST.", "ST"};

bool isParticle(std::string_view word) {
  std::string upper = UpperCp1252(word);
  return std::find(kParticles.begin(), kParticles.end(), upper) != kParticles.end();
}

std::string joinWords(const std::vector<std::string>& words, std::size_t from, std::size_t to) {
  std::string out;
  for (std::size_t w = from; w < to; ++w) out += (out.empty() ? "" : " ") + words[w];
  return out;
}

std::string joined(const std::vector<std::string>& parts) {
  std::string out;
  for (const auto& p : parts)
    if (!p.empty()) out += (out.empty() ? "" : " ") + p;
  return out;
}

/// The end of the particles starting at `from`, followed by a word: the
/// index of that word, or `from` when there is no particle there.
std::size_t afterParticles(const std::vector<std::string>& words, std::size_t from) {
  std::size_t w = from;
  while (w + 1 < words.size() && isParticle(words[w])) ++w;
  return w;
}

}  // namespace

StoredNameParts SplitStoredName(std::string_view name, bool english) {
  auto words = SplitWords(name);
  StoredNameParts parts;
  if (words.empty()) return parts;
  std::size_t end = afterParticles(words, 0) + 1;
  bool doubleSurname = false;
  // A particle group after the surname starts a second surname, unless it
  // would leave no given name.
  if (end < words.size() && isParticle(words[end])) {
    std::size_t second = afterParticles(words, end);
    if (second > end && second + 1 < words.size()) {
      end = second + 1;
      doubleSurname = true;
    }
  }
  parts.surname = joinWords(words, 0, end);
  parts.given = joinWords(words, end, words.size());
  if (words.size() == 1)
    parts.doubt = english ? "one word only, written as the surname" : "una sola parola, scritta come cognome";
  else if (parts.given.empty())
    parts.doubt = english ? "no given name after the surname \"" + parts.surname + "\""
                          : "nessun nome dopo il cognome \"" + parts.surname + "\"";
  else if (doubleSurname)
    parts.doubt = english ? "double surname \"" + parts.surname + "\" assumed"
                          : "considerato doppio cognome \"" + parts.surname + "\"";
  else if (isParticle(words[end]))
    parts.doubt = english ? "the given names \"" + parts.given + "\" begin with a surname particle"
                          : "il nome \"" + parts.given + "\" comincia con una particella di cognome";
  return parts;
}

std::string GedcomNameValue(const StoredNameParts& parts) {
  std::string surname = parts.surname, given = parts.given;
  std::replace(surname.begin(), surname.end(), '/', ' ');
  std::replace(given.begin(), given.end(), '/', ' ');
  return given.empty() ? "/" + surname + "/" : given + " /" + surname + "/";
}

std::string NameFromGedcom(const std::string& value, bool givenFirst) {
  auto open = value.find('/');
  if (open == std::string::npos) return Trim(value, kWhitespace);
  auto close = value.find('/', open + 1);
  std::string given = Trim(value.substr(0, open), kWhitespace);
  std::string surname =
      Trim(value.substr(open + 1, close == std::string::npos ? close : close - open - 1), kWhitespace);
  std::string suffix = close == std::string::npos ? "" : Trim(value.substr(close + 1), kWhitespace);
  return givenFirst ? joined({given, surname, suffix}) : joined({surname, given, suffix});
}

}  // namespace kord
