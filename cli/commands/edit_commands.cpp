// kord edit, add and captions: records and captions changed from the
// command line, saved exactly as the editing card saves them.

#include <charconv>

#include <ostream>

#include "cli_context.h"
#include "db/codepage.h"
#include "records/record_card.h"

namespace kord::cli {
namespace {

/// Parses "I=TEXT" with I in 1..13 into `field` and the record text.
bool parseAssignment(CliContext& c, const std::string& word, int& field, std::string& text) {
  auto equals = word.find('=');
  auto [end, ec] = std::from_chars(word.data(), word.data() + (equals == std::string::npos ? 0 : equals), field);
  if (equals == std::string::npos || ec != std::errc() || end != word.data() + equals || field < 1 || field > 13) {
    c.fail("\"" + word + "\" is not FIELD=VALUE with a field number from 1 to 13", kUsage);
    return false;
  }
  std::string problem;
  text = RecordTextFromUtf8(word.substr(equals + 1), problem, c.session.English);
  if (!problem.empty()) c.failText(c.session.tables.FieldCaptions[field] + ": " + problem, kUsage);
  return problem.empty();
}

/// Applies the assignments to the editing card and saves it.
int saveCard(CliContext& c, std::size_t firstAssignment) {
  for (std::size_t i = firstAssignment; i < c.options.args.size(); ++i) {
    int field = 0;
    std::string text;
    if (!parseAssignment(c, c.options.args[i], field, text)) return kUsage;
    c.session.editCard.Text1[field] = text;
  }
  SaveReport report = SaveEditCard(c.session, !c.options.oneWay);
  for (const auto& cut : report.cuts) c.err << Cp1252ToUtf8(cut) << '\n';
  return report.error.empty() ? kOk : c.failText(report.error);
}

}  // namespace

int RunEdit(CliContext& c) {
  if (c.options.args.size() < 2) return c.fail("edit takes a database file and FIELD=VALUE pairs", kUsage);
  if (!c.options.focus) return c.fail("edit needs --focus N", kUsage);
  if (!LoadDatabase(c, c.options.args[0], Access::Write)) return c.fail("no database was loaded");
  if (!ApplySelection(c)) return kUsage;
  EditFocusCard(c.session);
  return saveCard(c, 1);
}

int RunAdd(CliContext& c) {
  if (c.options.args.empty()) return c.fail("add takes a database file and FIELD=VALUE pairs", kUsage);
  if (!LoadDatabase(c, c.options.args[0], Access::Write)) return c.fail("no database was loaded");
  int lastIndex = c.session.tables.LastIndex;
  StartNewIndividual(c.session);
  if (c.session.tables.LastIndex == lastIndex) return kFailed;  // refused; the message said why
  int status = saveCard(c, 1);
  if (status == kOk) c.printLine(std::to_string(c.session.editCard.index));
  return status;
}

int RunCaptions(CliContext& c) {
  if (c.options.args.size() < 2) return c.fail("captions takes a database file and I=TEXT pairs", kUsage);
  if (!LoadDatabase(c, c.options.args[0], Access::Write)) return c.fail("no database was loaded");
  Captions captions = c.session.tables.FieldCaptions;
  for (std::size_t i = 1; i < c.options.args.size(); ++i) {
    int field = 0;
    std::string text;
    if (!parseAssignment(c, c.options.args[i], field, text)) return kUsage;
    captions[field] = text;
  }
  std::string error = SaveCaptions(c.session, captions);
  return error.empty() ? kOk : c.failText(error);
}

}  // namespace kord::cli
