#pragma once
/// What an import or export reports to the person: the counts, the lines of
/// the input that could not be read, and everything the target format could
/// not hold. Shared by the GEDCOM import and export and the CSV import.
/// Every text is Windows-1252, as the core keeps texts.

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace kord {

/// The steps of long exchange work, for a progress display.
enum class ExchangeStage { Reading, Individuals, Links, Writing };

/// Called as work advances: `done` of `total` items of `stage`. The GUI shows
/// it in a progress window; it may be empty.
using ExchangeProgress = std::function<void(ExchangeStage stage, long done, long total)>;

struct ExchangeSummary {
  bool english = false;  ///< the language of the texts
  bool ok = false;       ///< false: nothing was written, `error` says why
  std::string error;
  std::string charset;                      ///< how the input was decoded ("UTF-8", "ANSEL", ...)
  bool exported = false;                    ///< an export: the counts are of the GEDCOM file written
  int individuals = 0;                      ///< records written, or INDI records exported
  int childLinks = 0;                       ///< lines of the children file, or child-parent links exported
  int spouseLinks = 0;                      ///< lines of the spouses file, or couples (FAM with both spouses) exported
  int families = 0;                         ///< export: FAM records written
  int leftOut = 0;                          ///< import: individuals of the file not imported
  bool tooManyIndividuals = false;          ///< refused: more individuals than a database holds
  std::vector<std::string> problems;        ///< input lines that could not be read
  std::vector<std::string> notRepresented;  ///< what the target could not hold
  std::map<std::string, int> skippedTags;   ///< GEDCOM structures not kept, by path
  std::map<std::string, int> toNotes;       ///< import: by kind ("Professione"), items written into the notes
  std::map<std::string, int> lostByKind;    ///< import: by kind, items the notes had no room for
  std::vector<std::string> warnings;        ///< guesses the person should check (names, renamed captions)
  int linesNotImported = 0;                 ///< CSV: lines left out because the database was full

  /// Italian or English by `english`.
  std::string say(const std::string& italian, const std::string& englishText) const {
    return english ? englishText : italian;
  }
  /// A failed summary with `reason`.
  ExchangeSummary& fail(std::string reason) {
    ok = false;
    error = std::move(reason);
    return *this;
  }
};

/// The summary as lines for a message box or standard output: the error
/// alone when it failed; else the counts, the decoding, the lines not
/// imported for want of room, the unreadable lines, the skipped structures
/// (one line, by path with counts), what went into the notes and what had no
/// room there (one line each, by kind with counts), the warnings and the
/// items not represented, each list under a heading.
std::vector<std::string> SummaryLines(const ExchangeSummary& summary);

/// "@I5@ Pavan Luigi": how the lists name an individual of a GEDCOM file.
std::string PersonLabel(const std::string& xref, const std::string& name);

}  // namespace kord
