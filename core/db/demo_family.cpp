#include "db/demo_family.h"

#include <array>
#include <cstdio>
#include <random>
#include <set>
#include <vector>

#include "db/codepage.h"
#include "db/output_files.h"
#include "db/person_record.h"

namespace kord {
namespace {

const std::vector<std::string> kSurnames = {
    "Pavan",     "Zanin",         "Furlan",       "Da Ros",   "Bortolin",  "Colombo", "Battistella", "Zanette",
    "De Marchi", "Dal B\xC3\xB2", "Della Libera", "Moro",     "Brambilla", "Rossi",   "Ferrari",     "Bianchi",
    "Romano",    "Ricci",         "Marino",       "Greco",    "Bruno",     "Gallo",   "Conti",       "De Luca",
    "Mancini",   "Costa",         "Giordano",     "Rizzo",    "Lombardi",  "Moretti", "Barbieri",    "Fontana",
    "Santoro",   "Mariani",       "Rinaldi",      "Caruso",   "Galli",     "Martini", "Leone",       "Longo",
    "Gentile",   "Vitale",        "Serra",        "D'Angelo", "Marchetti", "Parisi",  "Villa",       "Benedetti"};
const std::vector<std::string> kMen = {
    "Giovanni", "Giuseppe", "Antonio",   "Nicol\xC3\xB2", "Luigi",   "Angelo",      "Pietro",    "Paolo",   "Mario",
    "Sergio",   "Vittorio", "Andrea",    "Luca",          "Matteo",  "Federico",    "Girolamo",  "Giacomo", "Emilio",
    "Tommaso",  "Leonardo", "Francesco", "Domenico",      "Bortolo", "Gio\xC3\xA8", "Valentino", "Osvaldo"};
const std::vector<std::string> kWomen = {"Maria",
                                         "Caterina",
                                         "Teresa",
                                         "Angela",
                                         "Elena",
                                         "Giovanna",
                                         "Anna",
                                         "Lucia",
                                         "Rosa",
                                         "Bruna",
                                         "Franca",
                                         "Laura",
                                         "Giulia",
                                         "Chiara",
                                         "Sara",
                                         "Alice",
                                         "D\xC3\xA9"
                                         "bora",
                                         "Gina",
                                         "Ida",
                                         "Marta",
                                         "Rita",
                                         "Amalia",
                                         "Silvana",
                                         "Patrizia",
                                         "Claudia",
                                         "Valentina"};
const std::vector<std::string> kPlaces = {
    "Sacile",        "Conegliano", "Brugnera", "Polcenigo", "Caneva", "Pordenone", "Treviso", "Aviano",
    "Fontanafredda", "Udine",      "Venezia",  "Padova",    "Milano", "Cordenons", "Budoia",  "Fiume Veneto"};
const std::vector<std::string> kNotes = {
    "Mugnaio al molino sul Livenza.",
    "Contadina, lavorava i campi della famiglia.",
    "Fabbro ferraio, bottega in piazza.",
    "Sarta. Cuciva gli abiti da sposa di mezzo paese, anche per le famiglie dei conti.",
    "Emigrato in Argentina nel 1890 & tornato dopo dieci anni; \"el Merican\" per tutti.",
    "Maestra elementare per quarant'anni nella scuola del paese, ricordata con affetto da generazioni "
    "di alunni e dai loro genitori.",
    "Operaio alla filanda, poi capo reparto.",
    ""};

constexpr int kFounderCouples = 8;
constexpr int kGenerationYears = 27;
const std::string kKordType = "0\r\n";

struct Person {
  std::string name;     // Windows-1252
  std::string surname;  // UTF-8, passed on to the children
  bool male = true;
  int birthYear = 1750;
  int parent1 = 0, parent2 = 0;  // record numbers, 0 none
  std::vector<int> spouses;      // record numbers
};

struct Couple {
  int husband = 0, wife = 0;  // record numbers
};

class Generator {
 public:
  Generator(int count, unsigned seed) : limit_(count), rng_(seed) {}

  void run(GeneratedDatabase& stats);
  void write(const std::string& base, GeneratedDatabase& stats, bool english);

 private:
  int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng_); }
  bool chance(int percent) { return pick(1, 100) <= percent; }
  template <typename T>
  const T& any(const std::vector<T>& list) {
    return list[static_cast<std::size_t>(pick(0, int(list.size()) - 1))];
  }

  bool full() const { return static_cast<int>(people_.size()) >= limit_; }
  std::string uniqueName(const std::string& surname, bool male);
  int add(const std::string& surname, bool male, int birthYear, int p1 = 0, int p2 = 0);
  void marry(int a, int b);
  int newcomer(bool male, int birthYear);
  std::vector<Couple> childrenOf(const Couple& c);
  PersonRecord recordOf(int r);
  void setEvents(PersonRecord& rec, const Person& p);

  int limit_;
  std::mt19937 rng_;
  std::vector<Person> people_;
  std::set<std::string> taken_;  // upper-cased names: the book visits each once
};

std::string Generator::uniqueName(const std::string& surname, bool male) {
  const auto& given = male ? kMen : kWomen;
  std::string name = surname + " " + any(given);
  for (int extra = 0; taken_.count(UpperCp1252(Utf8ToCp1252(name))) && extra < 50; ++extra)
    name = surname + " " + any(given) + " " + any(given);
  std::string cp = Utf8ToCp1252(name).substr(0, kFieldLayout[Name].width);
  taken_.insert(UpperCp1252(cp));
  return cp;
}

int Generator::add(const std::string& surname, bool male, int birthYear, int p1, int p2) {
  people_.push_back({uniqueName(surname, male), surname, male, birthYear, p1, p2, {}});
  return static_cast<int>(people_.size());
}

void Generator::marry(int a, int b) {
  people_[a - 1].spouses.push_back(b);
  people_[b - 1].spouses.push_back(a);
}

int Generator::newcomer(bool male, int birthYear) { return add(any(kSurnames), male, birthYear + pick(-4, 4)); }

/// The children of a couple; those who marry a newcomer form the couples of
/// the next generation. Now and then the husband marries again.
std::vector<Couple> Generator::childrenOf(const Couple& c) {
  std::vector<Couple> next;
  // Copies: adding people moves the vector.
  const std::string surname = people_[c.husband - 1].surname;
  const int fatherBorn = people_[c.husband - 1].birthYear;
  const int born = std::max(fatherBorn, people_[c.wife - 1].birthYear);
  for (int k = 0, n = pick(2, 4); k < n && !full(); ++k) {
    bool male = chance(50);
    int child = add(surname, male, born + kGenerationYears + 2 * k - 3, c.husband, c.wife);
    if (full() || !chance(60)) continue;
    int spouse = newcomer(!male, people_[child - 1].birthYear);
    marry(child, spouse);
    next.push_back(male ? Couple{child, spouse} : Couple{spouse, child});
  }
  if (!full() && chance(8)) {
    int second = newcomer(false, fatherBorn + 10);
    marry(c.husband, second);
    if (!full()) add(surname, chance(50), born + kGenerationYears + 12, c.husband, second);
  }
  return next;
}

void Generator::run(GeneratedDatabase& stats) {
  std::vector<Couple> couples;
  for (int k = 0; k < kFounderCouples; ++k) {
    int husband = add(kSurnames[static_cast<std::size_t>(k)], true, 1740 + pick(0, 20));
    int wife = newcomer(false, people_[husband - 1].birthYear);
    marry(husband, wife);
    couples.push_back({husband, wife});
  }
  stats.generations = 1;
  while (!full() && !couples.empty()) {
    std::vector<Couple> next;
    for (const auto& c : couples)
      for (const auto& n : childrenOf(c)) next.push_back(n);
    couples = std::move(next);
    ++stats.generations;
  }
  stats.individuals = static_cast<int>(people_.size());
}

std::string day(std::mt19937& rng, int year) {
  char text[16];
  std::snprintf(text, sizeof text, "%02d/%02d/%04d", std::uniform_int_distribution<int>(1, 28)(rng),
                std::uniform_int_distribution<int>(1, 12)(rng), year);
  return text;
}

void Generator::setEvents(PersonRecord& rec, const Person& p) {
  const std::string place = Utf8ToCp1252(any(kPlaces));
  const int form = pick(1, 20);
  rec.set(BirthDate, form == 1   ? "0/0/" + std::to_string(p.birthYear)
                     : form == 2 ? std::to_string(p.birthYear)
                                 : day(rng_, p.birthYear));
  rec.set(BirthPlace, place);
  if (p.birthYear < 1900 && chance(70)) {
    rec.set(BaptismDate, day(rng_, p.birthYear));
    rec.set(BaptismPlace, Utf8ToCp1252("Parrocchia di San Nicolò, ") + place);
  }
  if (!p.spouses.empty()) {
    rec.set(MarriageDate, day(rng_, p.birthYear + pick(20, 30)));
    rec.set(MarriagePlace, "Duomo di " + Utf8ToCp1252(any(kPlaces)));
  }
  const int death = p.birthYear + pick(30, 95);
  if (death < 2020) {
    rec.set(DeathDate, day(rng_, death));
    rec.set(DeathPlace, place);
    rec.set(BurialDate, day(rng_, death));
    rec.set(BurialPlace, "Cimitero di " + place);
  }
  rec.set(Notes, Utf8ToCp1252(any(kNotes)));
}

PersonRecord Generator::recordOf(int r) {
  const Person& p = people_[r - 1];
  PersonRecord rec;
  rec.set(Num, std::to_string(r));
  rec.set(Name, p.name);
  setEvents(rec, p);
  rec.set(Sex, p.male ? "M" : "F");
  return rec;
}

void Generator::write(const std::string& base, GeneratedDatabase& stats, bool english) {
  std::string rni, rnc, rns;
  for (int r = 1; r <= static_cast<int>(people_.size()); ++r) {
    PersonRecord rec = recordOf(r);
    rni.append(rec.bytes().data(), rec.bytes().size());
    const Person& p = people_[r - 1];
    for (int parent : {p.parent1, p.parent2})
      if (parent > 0) {
        rnc += std::to_string(r) + ',' + std::to_string(parent) + "\r\n";
        ++stats.childLinks;
      }
    for (int spouse : p.spouses) {
      rns += std::to_string(r) + ',' + std::to_string(spouse) + "\r\n";
      ++stats.spouseLinks;
    }
  }
  // The individuals file last: until it exists there is no database to open.
  const std::pair<const char*, const std::string*> files[] = {
      {".rnc", &rnc}, {".rns", &rns}, {".rnt", &kKordType}, {".rni", &rni}};
  for (const auto& [extension, bytes] : files)
    if (OutputFailure failure = WriteFileAtomically(base + extension, *bytes)) {
      stats.error = OutputFailureText(failure, english);
      return;
    }
}

}  // namespace

GeneratedDatabase GenerateFamilyDatabase(const std::string& base, int count, unsigned seed, bool english) {
  GeneratedDatabase stats;
  Generator generator(std::min(count, 998), seed);
  generator.run(stats);
  generator.write(base, stats, english);
  return stats;
}

}  // namespace kord
