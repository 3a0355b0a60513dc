#include "options.h"

#include <map>

#include "db/text.h"

namespace kord::cli {

std::optional<Options> ParseOptions(int argc, char** argv, std::string& error) {
  Options o;
  const std::map<std::string, bool Options::*> flags = {{"--out-to-file", &Options::outToFile},
                                                        {"--card", &Options::card},
                                                        {"--print", &Options::print},
                                                        {"--english", &Options::english},
                                                        {"--data", &Options::data},
                                                        {"--scout", &Options::scout},
                                                        {"--replace", &Options::replace},
                                                        {"--one-way", &Options::oneWay},
                                                        {"--outline", &Options::outline},
                                                        {"--descendants", &Options::descendants},
                                                        {"--no-details", &Options::noDetails},
                                                        {"--compact", &Options::compact},
                                                        {"--pictures", &Options::pictures},
                                                        {"--surname-first", &Options::surnameFirst},
                                                        {"--given-first", &Options::givenFirst},
                                                        {"--ansi", &Options::ansi},
                                                        {"--repair", &Options::repair}};
  const std::map<std::string, std::optional<int> Options::*> numbers = {
      {"--focus", &Options::focus},
      {"--second", &Options::second},
      {"--toggle", &Options::toggle},
      {"--child", &Options::child},
      {"--parent", &Options::parent},
      {"--generations", &Options::generations},
      {"--key", &Options::key},
      {"--min-marriage-age", &Options::minMarriageAge},
      {"--min-parent-age", &Options::minParentAge},
      {"--max-mother-age", &Options::maxMotherAge},
      {"--max-months-after-father", &Options::maxMonthsAfterFather},
      {"--max-age", &Options::maxAge}};
  for (int i = 1; i < argc; ++i) {
    std::string word = argv[i];
    if (auto flag = flags.find(word); flag != flags.end()) {
      o.*(flag->second) = true;
      continue;
    }
    const std::map<std::string, std::optional<std::string> Options::*> texts = {{"--today", &Options::today},
                                                                                {"--fields", &Options::fields},
                                                                                {"--csv", &Options::csv},
                                                                                {"--around", &Options::around}};
    if (numbers.count(word) || texts.count(word) || word == "--answer" || word == "--mark") {
      if (i + 1 >= argc) {
        error = word + " needs a value";
        return std::nullopt;
      }
      std::string value = argv[++i];
      if (texts.count(word)) {
        o.*(texts.at(word)) = value;
      } else if (word == "--answer") {
        o.answers.push_back(value);
      } else {
        auto number = WholeNumber(value);
        if (!number) {
          error = word + " takes a whole number, not \"" + value + "\"";
          return std::nullopt;
        }
        if (word == "--mark")
          o.marks.push_back(*number);
        else
          o.*(numbers.at(word)) = number;
      }
      continue;
    }
    if (word.rfind("--", 0) == 0) {
      error = "unknown option " + word;
      return std::nullopt;
    }
    if (o.command.empty())
      o.command = word;
    else
      o.args.push_back(word);
  }
  if (o.command.empty()) {
    error = "no command given";
    return std::nullopt;
  }
  int y, m, d;
  if (o.today && !ParseIsoDate(*o.today, y, m, d)) {
    error = "--today takes a date as YYYY-MM-DD, not \"" + *o.today + "\"";
    return std::nullopt;
  }
  return o;
}

bool ParseIsoDate(const std::string& text, int& year, int& month, int& day) {
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') return false;
  auto y = WholeNumber(text.substr(0, 4)), m = WholeNumber(text.substr(5, 2)), d = WholeNumber(text.substr(8, 2));
  if (!y || !m || !d || *m < 1 || *m > 12 || *d < 1 || *d > 31) return false;
  year = *y;
  month = *m;
  day = *d;
  return true;
}

const char* UsageText() {
  return "usage: kord COMMAND [ARGUMENTS] [OPTIONS]\n"
         "commands:\n"
         "  info DB.rni                 load the database and print what was loaded\n"
         "  create PATH [--scout] [--replace]\n"
         "                              create an empty database (PATH.rni and its files)\n"
         "  card DB.rni --focus N       print the record of individual N\n"
         "  date TEXT [--today YYYY-MM-DD] [--answer TEXT]\n"
         "                              normalise a birth date and print it with its year\n"
         "  search DB.rni TEXT [--toggle 1]\n"
         "                              type TEXT into the name search and print the window\n"
         "  edit DB.rni --focus N FIELD=VALUE...\n"
         "                              change fields 1..13 of individual N\n"
         "  add DB.rni FIELD=VALUE...   add an individual and print its index\n"
         "  link DB.rni --child N --parent M\n"
         "                              make M a parent of N\n"
         "  spouse DB.rni N M [--one-way]\n"
         "                              make M the spouse of N (and N of M)\n"
         "  captions DB.rni I=TEXT...   rename field captions 1..13\n"
         "  roots DB.rni --focus N [--outline] [--generations G] [--mark N]...\n"
         "                              draw the ancestor tree of N and print its window\n"
         "  branches DB.rni --focus N [--outline] [--generations G] [--mark N]...\n"
         "                              draw the descendant tree of N (--mark: the first\n"
         "                              sets SavInd0, the second SavInd1)\n"
         "  kin DB.rni --focus N --second M [--descendants]\n"
         "                              first common ancestors (descendants) of N and M\n"
         "  list DB.rni general|roots|leaves [--data]\n"
         "                              the list window: everybody, the roots or the leaves\n"
         "  report DB.rni --fields 1,2,13 [--csv FILE]\n"
         "                              the configurable report of the chosen fields\n"
         "  book DB.rni [--out-to-file] [--no-details] [--compact]\n"
         "                              the family book of everybody: prints the book window\n"
         "                              (--out-to-file: kord.rel and the HTML site too)\n"
         "  census DB.rni               the census: book --out-to-file --compact\n"
         "  navigate DB.rni --focus N [--pictures]\n"
         "                              the navigator of N: its sixteen boxes w1(0)..w1(15)\n"
         "                              and the individuals behind them\n"
         "  sorted DB.rni --key K [--data]\n"
         "                              the sorted book by field K (1..14: 4 birth date ...)\n"
         "  stats DB.rni centuries|decades [--today YYYY-MM-DD] [--answer TEXT]\n"
         "                              run a statistic and print its window\n"
         "  assist DB.rni NODE [TEXT|centuries|decades] [--key K] [--fields F] [--data]\n"
         "                              double-click assistant node NODE (1..37 or its\n"
         "                              caption) and print the window its command fills\n"
         "  import-gedcom FILE.ged NEW.rni [--given-first] [--around XREF] [--replace]\n"
         "                              a new database from a GEDCOM file, names \"Surname\n"
         "                              Given\" (--given-first: as written; --around: the 998\n"
         "                              individuals nearest XREF when the file holds more)\n"
         "  export-gedcom DB.rni FILE[.ged] [--ansi]\n"
         "                              the database as a GEDCOM 5.5.1 file, UTF-8 (--ansi:\n"
         "                              Windows-1252 for old programs)\n"
         "  import-csv DB.rni FILE.csv  add individuals from a CSV file (Name..Sex per line,\n"
         "                              comma or semicolon apart)\n"
         "  check DB.rni [--repair]     list the links that cannot be right, one a line\n"
         "                              (--repair: fix the obvious ones first); exit status\n"
         "                              0 when none is left\n"
         "  relation DB.rni --focus N --second M\n"
         "                              how M is related to N: every way, with its path\n"
         "  verify DB.rni [--focus N] [--min-marriage-age 12] [--min-parent-age 12]\n"
         "         [--max-mother-age 55] [--max-months-after-father 10] [--max-age 110]\n"
         "                              dates that cannot be right, one line each (--focus:\n"
         "                              the findings of N, made the focus, and its card)\n"
         "  sort-copy DB.rni NEW.rni    a new database with the same individuals in\n"
         "                              alphabetical order, every link renumbered\n"
         "options: --focus N, --second N, --out-to-file, --card, --print, --english,\n"
         "         --today YYYY-MM-DD, --answer TEXT (repeatable), --data\n";
}

}  // namespace kord::cli
