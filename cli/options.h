#pragma once
// The command line's words: the command, its plain arguments and the
// options that set what the GUI sets with switches and selections.

#include <optional>
#include <string>
#include <vector>

namespace kord::cli {

struct Options {
  std::string command;
  std::vector<std::string> args;  ///< plain arguments after the command
  std::optional<int> focus;
  std::optional<int> second;
  std::optional<int> toggle;
  std::optional<int> child;
  std::optional<int> parent;
  bool outToFile = false;
  bool card = false;
  bool print = false;
  bool english = false;
  bool data = false;
  bool scout = false;
  bool replace = false;
  bool oneWay = false;
  bool outline = false;            ///< trees: the outline window instead of the list
  bool descendants = false;        ///< kin: common descendants instead of ancestors
  bool noDetails = false;          ///< book: events and notes not as book lines
  bool compact = false;            ///< book: the census layout (window state 7)
  bool pictures = false;           ///< navigate: the picture navigator Thumb
  bool surnameFirst = false;       ///< import-gedcom: names as "Surname Given", the default; kept for old scripts
  bool givenFirst = false;         ///< import-gedcom: names as "Given Surname"
  bool ansi = false;               ///< export-gedcom: Windows-1252 instead of UTF-8
  bool repair = false;             ///< check: fix what has one obvious fix
  std::optional<int> key;          ///< sorted: the sort key 1..14
  std::optional<int> generations;  ///< trees: the generation limit
  // verify: the limits of the date checks
  std::optional<int> minMarriageAge, minParentAge, maxMotherAge, maxMonthsAfterFather, maxAge;
  std::vector<int> marks;             ///< trees: markedFocus, then markedSecond
  std::optional<std::string> today;   ///< YYYY-MM-DD
  std::optional<std::string> fields;  ///< report fields, "1,2,13"
  std::optional<std::string> csv;     ///< file to save the report to
  std::optional<std::string> around;  ///< import-gedcom: the individual to import around
  std::vector<std::string> answers;
};

/// Parses argv; on a malformed call returns nothing and sets `error`.
std::optional<Options> ParseOptions(int argc, char** argv, std::string& error);

/// Parses "YYYY-MM-DD"; false when malformed.
bool ParseIsoDate(const std::string& text, int& year, int& month, int& day);

/// The usage text.
const char* UsageText();

}  // namespace kord::cli
