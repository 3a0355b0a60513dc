#include "exchange/import_note_lines.h"

#include <algorithm>
#include <vector>

#include "exchange/record_text.h"

namespace kord {
namespace {

std::string say(bool english, const char* italian, const char* englishText) { return english ? englishText : italian; }

/// The value on one line: CONT breaks become blanks, outer blanks go.
std::string oneLine(std::string value) {
  std::replace(value.begin(), value.end(), '\n', ' ');
  std::replace(value.begin(), value.end(), '\r', ' ');
  return Trim(value, kWhitespace);
}

std::string valueOf(const GedcomNode& node, const char* tag) {
  const GedcomNode* below = node.child(tag);
  return below ? oneLine(below->value) : std::string();
}

std::string joined(const std::vector<std::string>& parts, const char* separator) {
  std::string out;
  for (const auto& p : parts)
    if (!p.empty()) out += (out.empty() ? "" : separator) + p;
  return out;
}

/// "Label: body", or "" when there is nothing to say.
std::string labelled(const std::string& label, const std::string& body) {
  return body.empty() ? std::string() : label + ": " + body;
}

std::string factLabel(const std::string& tag, bool english) {
  if (tag == "TITL") return say(english, "Titolo", "Title");
  if (tag == "OCCU") return say(english, "Professione", "Occupation");
  return say(english, "Residenza", "Residence");
}

std::string eventLabel(const std::string& tag, bool english) {
  if (tag == "BIRT") return say(english, "Nascita", "Birth");
  if (tag == "CHR" || tag == "BAPM") return say(english, "Battesimo", "Baptism");
  if (tag == "BURI") return say(english, "Sepoltura", "Burial");
  if (tag == "MARR") return say(english, "Matrimonio", "Marriage");
  return tag;
}

}  // namespace

NoteLine FactLine(const GedcomNode& fact, bool english) {
  std::string label = factLabel(fact.tag, english);
  bool residence = fact.tag == "RESI";
  std::string what = residence ? joined({oneLine(fact.value), valueOf(fact, "PLAC"), valueOf(fact, "ADDR")}, ", ")
                               : oneLine(fact.value);
  std::string when = joined({valueOf(fact, "DATE"), residence ? "" : valueOf(fact, "PLAC")}, ", ");
  return {label, labelled(label, joined({what, when.empty() ? "" : "(" + when + ")"}, " "))};
}

NoteLine NamePartLine(const GedcomNode& part, bool english) {
  std::string label = part.tag == "NPFX" ? say(english, "Prefisso", "Prefix") : say(english, "Soprannome", "Nickname");
  return {label, labelled(label, oneLine(part.value))};
}

NoteLine CauseLine(const GedcomNode& cause, const std::string& eventTag, bool english) {
  std::string label = eventTag == "DEAT" ? say(english, "Causa di morte", "Cause of death")
                                         : say(english, "Causa (", "Cause (") + eventLabel(eventTag, english) + ")";
  return {say(english, "Causa", "Cause"), labelled(label, oneLine(cause.value))};
}

NoteLine DateLine(const std::string& eventLabelText, const std::string& gedcomDate, bool english) {
  return {say(english, "Data", "Date"), eventLabelText + ": " + oneLine(gedcomDate)};
}

NoteLine MarriageLine(int number, const GedcomNode* marriage, const std::string& spouse, bool english) {
  std::string kind = say(english, "Matrimonio", "Marriage");
  std::string details = marriage ? joined({valueOf(*marriage, "DATE"), valueOf(*marriage, "PLAC")}, " ") : "";
  std::string with = spouse.empty() ? "" : say(english, "con ", "with ") + spouse;
  return {kind, kind + " " + std::to_string(number) + ": " + joined({details, with}, " "), true};
}

NoteLine DivorceLine(const GedcomNode& divorce, const std::string& spouse, bool english) {
  std::string kind = say(english, "Divorzio", "Divorce");
  std::string head = spouse.empty() ? kind : kind + say(english, " da ", " from ") + spouse;
  std::string details = joined({valueOf(divorce, "DATE"), valueOf(divorce, "PLAC")}, " ");
  return {kind, details.empty() ? head : head + ": " + details};
}

bool IsCustomLineReport(const std::string& text) {
  std::size_t start = text.find('\n'), reported = 0;
  while (start != std::string::npos) {
    std::size_t end = text.find('\n', start + 1);
    std::string line = text.substr(start + 1, end == std::string::npos ? end : end - start - 1);
    if (line.find_first_not_of(" \t\r") != std::string::npos) {
      if (line.find("_KORD") == std::string::npos) return false;
      ++reported;
    }
    start = end;
  }
  return reported > 0;
}

}  // namespace kord
