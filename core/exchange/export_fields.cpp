#include "exchange/export_fields.h"

#include <string_view>
#include <vector>

#include "db/codepage.h"

namespace kord {
namespace {

using Words = std::vector<std::string_view>;

/// Upper-case pieces of captions that still name each field's purpose.
const std::array<Words, kFieldCount> kDesignedWords = {{
    {},
    {},
    {"NASC", "NATO", "NATA", "BIRTH", "BORN"},
    {"NASC", "NATO", "NATA", "BIRTH", "BORN"},
    {"BATTES", "BAPT", "CHRIST"},
    {"BATTES", "BAPT", "CHRIST"},
    {"MATRIM", "NOZZE", "SPOS", "MARR", "WEDD"},
    {"MATRIM", "NOZZE", "SPOS", "MARR", "WEDD"},
    {"MORT", "DECES", "DEATH", "DIED"},
    {"MORT", "DECES", "DEATH", "DIED"},
    {"SEPOL", "TUMUL", "BURI", "FUNER"},
    {"SEPOL", "TUMUL", "BURI", "FUNER"},
    {"NOTE", "NOTA", "ANNOTAZ", "OSSERVAZ", "COMMENT"},
    {},
}};

struct AttributeWords {
  FieldUse use;
  const char* tag;
  Words words;
};

/// In the order they are tried: "Titolo di studio" is education, not a title.
const std::array<AttributeWords, 6> kAttributes = {{
    {FieldUse::Education, "EDUC", {"ISTRUZ", "STUDI", "SCUOL", "DIPLOM", "LAUREA", "EDUCAT"}},
    {FieldUse::Occupation, "OCCU", {"PROFESS", "MESTIER", "OCCUPAZ", "LAVOR", "OCCUPATION", "JOB", "TRADE"}},
    {FieldUse::Residence, "RESI", {"RESIDEN", "DOMICIL", "INDIRIZZ", "ABITAZ", "ADDRESS"}},
    {FieldUse::Title, "TITL", {"TITOL", "TITLE"}},
    {FieldUse::Religion, "RELI", {"RELIGION"}},
    {FieldUse::Nationality, "NATI", {"NAZIONAL", "CITTADIN", "NATIONAL"}},
}};

bool mentions(const std::string& upperCaption, const Words& words) {
  for (auto word : words)
    if (upperCaption.find(word) != std::string::npos) return true;
  return false;
}

FieldUse useOf(Field f, const std::string& caption) {
  if (f == Num || f == Name || f == Sex) return FieldUse::AsDesigned;
  std::string upper = UpperCp1252(Trim(caption));
  if (upper == UpperCp1252(DefaultFieldCaptions()[f]) || mentions(upper, kDesignedWords[f]))
    return FieldUse::AsDesigned;
  for (const auto& a : kAttributes)
    if (mentions(upper, a.words)) return a.use;
  return FieldUse::Other;
}

bool isDateField(Field f) {
  return f == BirthDate || f == BaptismDate || f == MarriageDate || f == DeathDate || f == BurialDate;
}

std::string writtenAs(FieldUse use, Field f, const std::string& caption, const ExchangeSummary& s) {
  if (use != FieldUse::Other) return AttributeTag(use);
  return std::string(isDateField(f) ? "EVEN" : "FACT") + s.say(" con TYPE \"", " with TYPE \"") + caption + "\"";
}

}  // namespace

const char* AttributeTag(FieldUse use) {
  for (const auto& a : kAttributes)
    if (a.use == use) return a.tag;
  return "";
}

FieldUses FieldUsesOf(const Captions& captions, ExchangeSummary& s) {
  FieldUses uses;
  for (int f = 0; f < kFieldCount; ++f) {
    auto field = static_cast<Field>(f);
    uses[f] = useOf(field, captions[f]);
    if (uses[f] == FieldUse::AsDesigned) continue;
    std::string caption = Trim(captions[f]);
    s.warnings.push_back(s.say("Campo ", "Field ") + std::to_string(f) + " \"" + caption + "\"" +
                         s.say(" (era \"", " (was \"") + DefaultFieldCaptions()[f] +
                         s.say("\"): didascalia cambiata, esportato come ", "\"): caption renamed, exported as ") +
                         writtenAs(uses[f], field, caption, s));
  }
  return uses;
}

}  // namespace kord
