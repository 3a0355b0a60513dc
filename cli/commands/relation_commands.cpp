// kord relation: how the second selection is related to the focus, each way
// with its path; kord verify: the dates that cannot be right.

#include <ostream>

#include "checks/verify_dates.h"
#include "cli_context.h"
#include "db/codepage.h"
#include "relations/relationship_text.h"

namespace kord::cli {
namespace {

constexpr const char* kArrow = "\xE2\x86\x92";  // U+2192 in UTF-8: not in Windows-1252

std::string named(const Session& s, int person) {
  return s.tables.Names[static_cast<std::size_t>(person)] + " (" + std::to_string(person) + ")";
}

void printPath(CliContext& c, const ShownRelationship& r) {
  c.printLine(r.title);
  c.printLine("  " + named(c.session, r.path.front().person));
  for (std::size_t i = 1; i < r.path.size(); ++i)
    c.out << "  " << kArrow << ' ' << Cp1252ToUtf8(r.path[i].word + ": " + named(c.session, r.path[i].person)) << '\n';
}

/// The thresholds as the options set them; nothing (the reason written)
/// when one is negative.
std::optional<DateCheckSettings> checkSettings(CliContext& c) {
  DateCheckSettings settings;
  const std::pair<const std::optional<int>&, int DateCheckSettings::*> limits[] = {
      {c.options.minMarriageAge, &DateCheckSettings::minimumMarriageAge},
      {c.options.minParentAge, &DateCheckSettings::minimumParentAge},
      {c.options.maxMotherAge, &DateCheckSettings::maximumMotherAge},
      {c.options.maxMonthsAfterFather, &DateCheckSettings::maximumMonthsAfterFatherDeath},
      {c.options.maxAge, &DateCheckSettings::maximumAgeWithoutDeath}};
  for (const auto& [value, field] : limits) {
    if (!value) continue;
    if (*value < 0) {
      c.fail("the limits of verify are whole numbers from 0, not " + std::to_string(*value), kUsage);
      return std::nullopt;
    }
    settings.*field = *value;
  }
  return settings;
}

/// The focus card as the card command prints a record: caption=value.
void printFocusCard(CliContext& c) {
  for (int f = 0; f < kFieldCount; ++f)
    c.printLine(c.session.tables.FieldCaptions[f] + "=" + Trim(c.session.focusCard.values[f]));
}

/// --focus N: the findings of N, then N made the focus as a click on one
/// of them does, and its card.
int focusOnFinding(CliContext& c, const std::vector<DateFinding>& findings, const DateCheckSettings& settings) {
  const DateFinding* clicked = nullptr;
  for (const DateFinding& f : findings) {
    if (f.individual != c.session.NInd[0]) continue;
    if (!clicked) clicked = &f;
    c.printLine(FindingLine(f, c.session.tables, settings, c.session.English));
  }
  if (!clicked) return c.fail("individual " + std::to_string(c.session.NInd[0]) + " has no finding");
  FocusFinding(c.session, *clicked);
  printFocusCard(c);
  return kOk;
}

}  // namespace

int RunRelation(CliContext& c) {
  if (c.options.args.size() != 1) return c.fail("relation takes one database file", kUsage);
  if (!c.options.focus || !c.options.second) return c.fail("relation needs --focus N and --second M", kUsage);
  if (!LoadDatabase(c, c.options.args[0])) return c.fail("no database was loaded");
  if (!ApplySelection(c, true)) return kUsage;
  if (c.session.NInd[0] == c.session.NInd[1]) return c.fail("--focus and --second name the same individual", kUsage);
  c.printLine(FocusRelationshipLine(c.session));
  for (const ShownRelationship& r : ShowRelationships(c.session)) {
    c.out << '\n';
    printPath(c, r);
  }
  return kOk;
}

int RunVerify(CliContext& c) {
  if (c.options.args.size() != 1) return c.fail("verify takes one database file", kUsage);
  auto settings = checkSettings(c);
  if (!settings) return kUsage;
  if (!LoadDatabase(c, c.options.args[0])) return c.fail("no database was loaded");
  if (!ApplySelection(c)) return kUsage;
  std::string error;
  auto findings = VerifyDates(c.session, *settings, error);
  if (!error.empty()) return c.fail(error);
  if (c.options.focus) return focusOnFinding(c, findings, *settings);
  for (const DateFinding& f : findings) c.printLine(FindingLine(f, c.session.tables, *settings, c.session.English));
  return kOk;
}

}  // namespace kord::cli
