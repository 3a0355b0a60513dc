#include "relations/relationship_names.h"

#include <algorithm>
#include <array>

namespace kord {
namespace {

/// A word in its male, female and neutral form.
struct Words {
  const char* male;
  const char* female;
  const char* neutral;
};

std::string pick(const Words& w, PersonSex sex) {
  switch (sex) {
    case PersonSex::Male: return w.male;
    case PersonSex::Female: return w.female;
    case PersonSex::Unknown: break;
  }
  return w.neutral;
}

constexpr Words kItChild{"figlio", "figlia", "figlio/a"};
constexpr Words kEnChild{"son", "daughter", "child"};
constexpr Words kItParent{"padre", "madre", "genitore"};
constexpr Words kEnParent{"father", "mother", "parent"};
constexpr Words kItSpouse{"marito", "moglie", "coniuge"};
constexpr Words kEnSpouse{"husband", "wife", "spouse"};
constexpr Words kItSibling{"fratello", "sorella", "fratello/sorella"};
constexpr Words kItHalfSibling{"fratellastro", "sorellastra", "fratellastro/sorellastra"};
constexpr Words kEnSibling{"brother", "sister", "sibling"};

// ---------------------------------------------------------------- Italian

bool isVowel(char c) { return c == 'a' || c == 'e' || c == 'i' || c == 'o' || c == 'u'; }

/// "del", "dello", "della" or "dell'" before `word`, joined to it.
std::string italianOf(const std::string& word, PersonSex sex) {
  if (word.empty()) return word;
  if (isVowel(word[0])) return "dell'" + word;
  if (sex == PersonSex::Female) return "della " + word;
  bool sPlusConsonant = word[0] == 's' && word.size() > 1 && !isVowel(word[1]);
  if (word[0] == 'z' || sPlusConsonant || word.starts_with("gn") || word.starts_with("ps")) return "dello " + word;
  return "del " + word;
}

std::string italianOrdinal(int n) {
  static const std::array<const char*, 10> kOrdinals = {"primo", "secondo", "terzo",  "quarto", "quinto",
                                                        "sesto", "settimo", "ottavo", "nono",   "decimo"};
  return n >= 1 && n <= 10 ? kOrdinals[static_cast<std::size_t>(n - 1)] : std::to_string(n) + "\xBA";
}

std::string italianGenerations(int n) {
  static const std::array<const char*, 10> kCounts = {"una", "due",   "tre",  "quattro", "cinque",
                                                      "sei", "sette", "otto", "nove",    "dieci"};
  std::string count = n >= 1 && n <= 10 ? kCounts[static_cast<std::size_t>(n - 1)] : std::to_string(n);
  return count + (n == 1 ? " generazione" : " generazioni");
}

std::string italianAncestor(int generations, PersonSex sex) {
  static const std::array<Words, 5> kNear = {{kItParent,
                                              {"nonno", "nonna", "nonno/a"},
                                              {"bisnonno", "bisnonna", "bisnonno/a"},
                                              {"trisavolo", "trisavola", "trisavolo/a"},
                                              {"quadrisavolo", "quadrisavola", "quadrisavolo/a"}}};
  if (generations <= 5) return pick(kNear[static_cast<std::size_t>(generations - 1)], sex);
  return pick({"antenato", "antenata", "antenato/a"}, sex) + " di " + std::to_string(generations) + "\xAA generazione";
}

std::string italianDescendant(int generations, PersonSex sex) {
  static const std::array<const char*, 3> kNear = {"nipote", "bisnipote", "trisnipote"};
  if (generations == 1) return pick(kItChild, sex);
  if (generations <= 4) return kNear[static_cast<std::size_t>(generations - 2)];
  return "discendente di " + std::to_string(generations) + "\xAA generazione";
}

std::string italianSibling(PersonSex sex, bool half) { return pick(half ? kItHalfSibling : kItSibling, sex); }

/// The child, grandchild... of a brother or sister `sibling`.
std::string italianNephew(int down, PersonSex sex, bool half, PersonSex siblingSex) {
  std::string ofSibling = italianOf(italianSibling(siblingSex, half), siblingSex);
  if (down == 2) return "nipote (" + pick(kItChild, sex) + " " + ofSibling + ")";
  if (down == 3) return "pronipote (nipote " + ofSibling + ")";
  return italianDescendant(down - 1, sex) + " " + ofSibling;
}

/// The brother or sister of a parent, grandparent... `ancestorSex` is the
/// sex of that ancestor.
std::string italianUncle(int up, PersonSex sex, bool half, PersonSex ancestorSex) {
  const std::string unilateral = half ? " unilaterale" : "";
  if (up == 2) return pick({"zio", "zia", "zio/a"}, sex) + unilateral;
  if (up == 3) return pick({"prozio", "prozia", "prozio/a"}, sex) + unilateral;
  return italianSibling(sex, half) + " " + italianOf(italianAncestor(up - 1, ancestorSex), ancestorSex);
}

std::string italianCousin(int up, int down, PersonSex sex, bool half) {
  std::string name = pick({"cugino", "cugina", "cugino/a"}, sex) + (half ? " unilaterale" : "");
  name += " di " + italianOrdinal(std::min(up, down) - 1) + " grado";
  if (up != down) name += ", di " + italianGenerations(std::abs(up - down)) + " di distanza";
  return name;
}

// ---------------------------------------------------------------- English

std::string englishNumberedOrdinal(int n) {
  int lastTwo = n % 100, last = n % 10;
  const char* suffix = "th";
  if (lastTwo < 11 || lastTwo > 13) suffix = last == 1 ? "st" : last == 2 ? "nd" : last == 3 ? "rd" : "th";
  return std::to_string(n) + suffix;
}

std::string englishOrdinal(int n) {
  static const std::array<const char*, 10> kOrdinals = {"first", "second",  "third",  "fourth", "fifth",
                                                        "sixth", "seventh", "eighth", "ninth",  "tenth"};
  return n >= 1 && n <= 10 ? kOrdinals[static_cast<std::size_t>(n - 1)] : englishNumberedOrdinal(n);
}

std::string englishTimes(int n) {
  static const std::array<const char*, 10> kTimes = {"once",       "twice",     "three times", "four times",
                                                     "five times", "six times", "seven times", "eight times",
                                                     "nine times", "ten times"};
  return n >= 1 && n <= 10 ? kTimes[static_cast<std::size_t>(n - 1)] : std::to_string(n) + " times";
}

/// "great-" once per extra generation, then "3rd great-" and so on.
std::string englishGreat(int greats, const std::string& word) {
  if (greats <= 0) return word;
  if (greats == 1) return "great-" + word;
  if (greats == 2) return "great-great-" + word;
  return englishNumberedOrdinal(greats) + " great-" + word;
}

std::string englishHalf(bool half, const std::string& word) { return half ? "half-" + word : word; }

std::string englishBlood(const BloodLine& line, PersonSex sex) {
  const int up = line.up, down = line.down;
  if (up == 0 && down == 1) return pick(kEnChild, sex);
  if (up == 0) return englishGreat(down - 2, pick({"grandson", "granddaughter", "grandchild"}, sex));
  if (down == 0 && up == 1) return pick(kEnParent, sex);
  if (down == 0) return englishGreat(up - 2, pick({"grandfather", "grandmother", "grandparent"}, sex));
  if (up == 1 && down == 1) return englishHalf(line.half, pick(kEnSibling, sex));
  if (up == 1) return englishHalf(line.half, englishGreat(down - 2, pick({"nephew", "niece", "nephew or niece"}, sex)));
  if (down == 1) return englishHalf(line.half, englishGreat(up - 2, pick({"uncle", "aunt", "uncle or aunt"}, sex)));
  std::string name = (line.half ? "half " : "") + englishOrdinal(std::min(up, down) - 1) + " cousin";
  if (up != down) name += " " + englishTimes(std::abs(up - down)) + " removed";
  return name;
}

std::string italianBlood(const BloodLine& line, PersonSex sex, const SexLookup& sexOf) {
  const int up = line.up, down = line.down;
  auto sexAt = [&](int step) { return sexOf(line.steps[static_cast<std::size_t>(step)].person); };
  if (up == 0 && down == 2)
    return "nipote (" + pick(kItChild, sex) + " " + italianOf(pick(kItChild, sexAt(0)), sexAt(0)) + ")";
  if (up == 0) return italianDescendant(down, sex);
  if (down == 0) return italianAncestor(up, sex);
  if (up == 1 && down == 1) return italianSibling(sex, line.half);
  if (up == 1) return italianNephew(down, sex, line.half, sexAt(1));
  if (down == 1) return italianUncle(up, sex, line.half, sexAt(up - 2));
  return italianCousin(up, down, sex, line.half);
}

// ---------------------------------------------------------------- marriage

/// The words of the nearest marriage relationships: a blood part of `up`
/// and `down` generations seen through a spouse.
struct MarriageWord {
  RelationKind kind;
  int up, down;
  Words italian, english;
};

constexpr MarriageWord kMarriageWords[] = {
    {RelationKind::SpouseOfRelative,
     1,
     0,
     {"patrigno", "matrigna", "patrigno/matrigna"},
     {"stepfather", "stepmother", "step-parent"}},
    {RelationKind::SpouseOfRelative,
     0,
     1,
     {"genero", "nuora", "genero/nuora"},
     {"son-in-law", "daughter-in-law", "child-in-law"}},
    {RelationKind::RelativeOfSpouse,
     1,
     0,
     {"suocero", "suocera", "suocero/a"},
     {"father-in-law", "mother-in-law", "parent-in-law"}},
    {RelationKind::RelativeOfSpouse,
     0,
     1,
     {"figliastro", "figliastra", "figliastro/a"},
     {"stepson", "stepdaughter", "stepchild"}},
};
constexpr Words kItSiblingInLaw{"cognato", "cognata", "cognato/a"};
constexpr Words kEnSiblingInLaw{"brother-in-law", "sister-in-law", "sibling-in-law"};

/// The spouse of a relative (`r.link`) or a relative of the spouse
/// (`r.link`): "suocero", "cognata"; further away, the relative's name with
/// the spouse's ("moglie del cugino di primo grado", "wife's grandfather").
std::string marriageName(const Relationship& r, PersonSex sex, const SexLookup& sexOf, bool english) {
  const BloodLine& line = r.blood;
  if (line.up == 1 && line.down == 1) return pick(english ? kEnSiblingInLaw : kItSiblingInLaw, sex);
  for (const MarriageWord& w : kMarriageWords)
    if (w.kind == r.kind && w.up == line.up && w.down == line.down) return pick(english ? w.english : w.italian, sex);
  const std::string relative = BloodLineName(line, sexOf, english);
  const PersonSex linkSex = sexOf(r.link);
  const bool severalWords = relative.find(' ') != std::string::npos;
  if (r.kind == RelationKind::SpouseOfRelative) {
    if (!english) return pick(kItSpouse, sex) + " " + italianOf(relative, linkSex);
    return severalWords ? pick(kEnSpouse, sex) + " of the " + relative : relative + "'s " + pick(kEnSpouse, sex);
  }
  if (english) return pick(kEnSpouse, linkSex) + "'s " + relative;
  // A comma after a removed cousin's distance keeps the spouse apart from it.
  const bool endsClause = relative.find(',') != std::string::npos;
  return relative + (endsClause ? ", " : " ") + italianOf(pick(kItSpouse, linkSex), linkSex);
}

}  // namespace

std::string BloodLineName(const BloodLine& line, const SexLookup& sexOf, bool english) {
  if (line.steps.empty()) return {};
  const PersonSex sex = sexOf(line.steps.back().person);
  return english ? englishBlood(line, sex) : italianBlood(line, sex, sexOf);
}

std::string RelationshipName(const Relationship& r, const SexLookup& sexOf, bool english) {
  if (r.path.empty()) return {};
  const PersonSex sex = sexOf(r.path.back().person);
  switch (r.kind) {
    case RelationKind::Spouse: return pick(english ? kEnSpouse : kItSpouse, sex);
    case RelationKind::Blood: return BloodLineName(r.blood, sexOf, english);
    case RelationKind::SpouseOfRelative:
    case RelationKind::RelativeOfSpouse: return marriageName(r, sex, sexOf, english);
  }
  return {};
}

std::string StepWord(const RelationStep& step, PersonSex sex, bool english) {
  switch (step.kind) {
    case StepKind::ToParent: return pick(english ? kEnParent : kItParent, sex);
    case StepKind::ToChild: return pick(english ? kEnChild : kItChild, sex);
    case StepKind::ToSpouse: return pick(english ? kEnSpouse : kItSpouse, sex);
  }
  return {};
}

}  // namespace kord
